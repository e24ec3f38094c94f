// The browser backend's windows, built for this machine: the frame and
// caption bar round the client area, the part of the page each draw
// covers, what changed since the screen last looked, the focus and Return,
// and a picture static's size.
#include <gtest/gtest.h>

#include "ProbeResources.h"
#include "platform/ClassicLook.h"
#include "platform/Dialog.h"
#include "platform/web/WebWindow.h"
#include "support/BoxPrinter.h"

using namespace ClassicLook;

namespace {
constexpr Pixel kPage = 0x2F4F4F;
constexpr int kEdit = 20;

const DialogTemplate kBox = {
    1,
    "",
    "MS Sans Serif",
    8,
    60,
    40,
    DS_MODALFRAME,
    {
        {IDOK, ControlClass::Button, "OK", 4, 24, 24, 12, CS_DEFAULT | CS_TABSTOP},
        {IDCANCEL, ControlClass::Button, "No", 32, 24, 24, 12, CS_TABSTOP},
        {kEdit, ControlClass::Edit, "", 30, 4, 26, 12, CS_BORDER | CS_TABSTOP},
        {21, ControlClass::Button, "Amagat", 36, 4, 20, 12, CS_HIDDEN | CS_TABSTOP},
        {IDC_STATIC, ControlClass::Static, "7", 50, 2, 0, 0, CS_BITMAP},
    },
};
const DialogTemplate kCaptioned = {
    2, "Títol", "MS Sans Serif", 8, 60, 40, DS_CAPTION | DS_MODALFRAME, {}};
const DialogTemplate kThin = {3, "", "MS Sans Serif", 8, 60, 40, DS_THINBORDER, {}};

// The window drawn alone, at (0, 0), on the page's colour.
Surface Drawn(const WebWindow& w)
{
    const Box outer{0, 0, w.Outer().w, w.Outer().h};
    Surface s(outer.w, outer.h, kPage);
    w.DrawInto(s, outer.Offset(w.Outer().x, w.Outer().y), w.Outer().x, w.Outer().y);
    return s;
}
} // namespace

TEST(WebWindowTest, FramesAndCaptionBarsRoundTheClientArea)
{
    CDialog dlg(1);
    WebWindow box(dlg, &kBox, false);
    EXPECT_EQ(box.Outer(), (Box{0, 0, 96, 71}));
    box.MoveTo(10, 20);
    EXPECT_EQ(box.ClientOnScreen(), (Box{13, 23, 90, 65}));
    Surface s = Drawn(box);
    // The raised double edge and a line of the face, then the client's face.
    EXPECT_EQ(s.At(48, 0), kLight);
    EXPECT_EQ(s.At(48, 1), kHighlight);
    EXPECT_EQ(s.At(48, 2), kFace);
    EXPECT_EQ(s.At(48, 70), kDarkShadow);
    EXPECT_EQ(s.At(48, 69), kShadow);
    EXPECT_EQ(s.At(45, 60), kFace);

    // A captioned window draws its caption bar, unless it is the page's own.
    WebWindow captioned(dlg, &kCaptioned, false);
    EXPECT_EQ(captioned.Outer(), (Box{0, 0, 96, 89}));
    EXPECT_EQ(captioned.ClientOnScreen(), (Box{3, 21, 90, 65}));
    s = Drawn(captioned);
    EXPECT_EQ(s.At(90, 4), kSelection);
    EXPECT_EQ(s.At(90, 20), kSelection);
    EXPECT_EQ(s.At(90, 21), kFace);
    WebWindow page(dlg, &kCaptioned, true);
    EXPECT_EQ(page.Outer(), (Box{0, 0, 90, 65}));
    EXPECT_EQ(Drawn(page).At(0, 0), kFace);

    WebWindow thin(dlg, &kThin, false);
    s = Drawn(thin);
    EXPECT_EQ(thin.Outer(), (Box{0, 0, 92, 67}));
    EXPECT_EQ(s.At(46, 0), kDarkShadow);
    EXPECT_EQ(s.At(46, 1), kFace);

    // A window the backend builds itself (a message box) has a caption bar.
    WebWindow built(dlg, "Tervan", 100, 50);
    EXPECT_EQ(built.Outer(), (Box{0, 0, 106, 74}));
    EXPECT_EQ(Drawn(built).At(50, 10), kSelection);
}

TEST(WebWindowTest, DrawsOnlyThePartOfThePageAskedForWhereItStands)
{
    CDialog dlg(1);
    WebWindow w(dlg, &kThin, false);
    w.MoveTo(10, 20);
    // A band of the page from (0, 15) on, 30 x 10: the window's top-left
    // corner falls at (10, 5) in it.
    Surface band(30, 10, kPage);
    w.DrawInto(band, {0, 15, 30, 10}, 0, 15);
    EXPECT_EQ(band.At(9, 5), kPage);
    EXPECT_EQ(band.At(10, 4), kPage);
    EXPECT_EQ(band.At(10, 5), kDarkShadow);
    EXPECT_EQ(band.At(29, 5), kDarkShadow);
    EXPECT_EQ(band.At(11, 6), kFace);
    EXPECT_EQ(band.At(29, 9), kFace);
    // Asked for less, it draws less.
    Surface part(30, 10, kPage);
    w.DrawInto(part, {0, 15, 12, 10}, 0, 15);
    EXPECT_EQ(part.At(11, 6), kFace);
    EXPECT_EQ(part.At(12, 6), kPage);
}

TEST(WebWindowTest, TellsTheScreenWhatChanged)
{
    CDialog dlg(1);
    WebWindow w(dlg, &kBox, false);
    w.MoveTo(10, 20);
    EXPECT_EQ(w.Update(), (Box{10, 20, 96, 71}));
    EXPECT_TRUE(w.Update().Empty());
    // One client pixel: only it, on the page.
    w.Client().SetPixel(5, 6, 0xFF0000);
    w.ClientChanged();
    EXPECT_EQ(w.Update(), (Box{18, 29, 1, 1}));
    w.ClientChanged();
    EXPECT_TRUE(w.Update().Empty());
    // The focus moving from the edit to "No": both, and the default button,
    // whose outline goes.
    w.SetFocus(2);
    w.Update();
    w.SetFocus(1);
    const Box ok = w.Controls()[0].rect, no = w.Controls()[1].rect, edit = w.Controls()[2].rect;
    EXPECT_EQ(w.Update(), ok.Union(no).Union(edit).Offset(13, 23));
}

TEST(WebWindowTest, FocusTabAndReturnFollowTheTemplate)
{
    CDialog dlg(1);
    WebWindow w(dlg, &kBox, false);
    w.Control(kEdit)->edit.Set("12,5");
    w.FocusFirstTabStop();
    EXPECT_EQ(w.Focus(), 0);
    EXPECT_EQ(w.ReturnCommand(), IDOK);
    w.FocusNext(false);
    EXPECT_EQ(w.Focus(), 1);
    EXPECT_EQ(w.ReturnCommand(), IDCANCEL); // the focused button's
    w.FocusNext(false);
    EXPECT_EQ(w.Focus(), 2);
    // Tabbing into an edit selects its text; Return is the default's.
    EXPECT_EQ(w.Control(kEdit)->edit.SelEnd(), 4u);
    EXPECT_EQ(w.ReturnCommand(), IDOK);
    w.FocusNext(false); // past the hidden button, round the end
    EXPECT_EQ(w.Focus(), 0);
    w.FocusNext(true);
    EXPECT_EQ(w.Focus(), 2);
    EXPECT_EQ(w.TypedEdit(), 2);
    // A disabled default button leaves Return nothing to do.
    w.Control(IDOK)->enabled = false;
    EXPECT_EQ(w.ReturnCommand(), 0);

    // The default button's outline follows the focus between buttons.
    w.Control(IDOK)->enabled = true;
    const Box ok = w.Control(IDOK)->rect.Offset(3, 3);
    EXPECT_EQ(Drawn(w).At(ok.x, ok.y), kDarkShadow);
    w.SetFocus(1);
    EXPECT_EQ(Drawn(w).At(ok.x, ok.y), kHighlight);
    w.SetFocus(0);
    EXPECT_EQ(Drawn(w).At(ok.x, ok.y), kDarkShadow);
}

TEST(WebWindowTest, APictureStaticTakesItsPicturesSizeAndPixels)
{
    CDialog dlg(1);
    WebWindow w(dlg, &kBox, false);
    const DialogControl& picture = w.Controls()[4];
    EXPECT_EQ(picture.rect.w, 2);
    EXPECT_EQ(picture.rect.h, 2);
    const Surface s = Drawn(w);
    const int x = picture.rect.x + 3, y = picture.rect.y + 3;
    EXPECT_EQ(s.At(x, y), 0xFF0000u); // red, green / blue, white
    EXPECT_EQ(s.At(x + 1, y + 1), 0xFFFFFFu);
    EXPECT_EQ(s.At(x + 2, y), kFace);
}
