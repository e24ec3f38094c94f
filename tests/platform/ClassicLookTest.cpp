// The classic look read off small surfaces, pixel by pixel: the edges' line
// pairs, buttons in each state, the focus rectangle, statics, rectangles,
// frames, group boxes and edits, a window's frame and caption bar.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "platform/ClassicLook.h"
#include "support/BoxPrinter.h"

using namespace ClassicLook;

namespace {
constexpr Pixel kPaper = 0x123456; // whatever lies beneath a control

const FontRequest kFont = TemplateFont(nullptr);

DialogControl Control(ControlClass cls, DWORD style, Box rect, const std::string& text = "")
{
    DialogControl c;
    c.cls = cls;
    c.style = style;
    c.rect = rect;
    c.edit.text = text;
    return c;
}

// The control painted alone on paper of its own size.
Surface Paint(const DialogControl& c, bool focused = false, bool isDefault = false)
{
    Surface s(c.rect.w, c.rect.h, kPaper);
    Painter p(s, {0, 0, c.rect.w, c.rect.h}, -c.rect.x, -c.rect.y);
    DrawControl(p, c, kFont, focused, isDefault);
    return s;
}

int Count(const Surface& s, Pixel p, Box in = {0, 0, 10000, 10000})
{
    int n = 0;
    in = in.Intersect({0, 0, s.width, s.height});
    for (int y = in.y; y < in.Bottom(); ++y)
        for (int x = in.x; x < in.Right(); ++x)
            n += s.At(x, y) == p;
    return n;
}

// The box round the pixels in `in` that are neither `a` nor `b`: the ink.
Box InkBox(const Surface& s, Pixel a, Pixel b, Box in = {0, 0, 10000, 10000})
{
    Box ink;
    in = in.Intersect({0, 0, s.width, s.height});
    for (int y = in.y; y < in.Bottom(); ++y)
        for (int x = in.x; x < in.Right(); ++x)
            if (s.At(x, y) != a && s.At(x, y) != b)
                ink = ink.Union({x, y, 1, 1});
    return ink;
}

// The smallest and largest red channel in `in`: how dark and how light the
// glyphs there get.
int Darkest(const Surface& s, const Box& in)
{
    int v = 255;
    for (int y = in.y; y < in.Bottom(); ++y)
        for (int x = in.x; x < in.Right(); ++x)
            v = std::min(v, static_cast<int>(s.At(x, y) >> 16));
    return v;
}
int Lightest(const Surface& s, const Box& in)
{
    int v = 0;
    for (int y = in.y; y < in.Bottom(); ++y)
        for (int x = in.x; x < in.Right(); ++x)
            v = std::max(v, static_cast<int>(s.At(x, y) >> 16));
    return v;
}

// The colours down a column, or along a row, from one end.
std::vector<Pixel> Column(const Surface& s, int x, int from, int n)
{
    std::vector<Pixel> out;
    for (int y = from; y < from + n; ++y)
        out.push_back(s.At(x, y));
    return out;
}
std::vector<Pixel> Row(const Surface& s, int y, int from, int n)
{
    std::vector<Pixel> out;
    for (int x = from; x < from + n; ++x)
        out.push_back(s.At(x, y));
    return out;
}
} // namespace

TEST(ClassicLookTest, EachEdgeDrawsItsLinePairsInItsColours)
{
    struct Case {
        Edge edge;
        std::vector<Pixel> top, bottom; // down the middle column, from each end
        int width;
    };
    const Case cases[] = {
        {Edge::Button, {kHighlight, kPaper}, {kDarkShadow, kShadow}, 2},
        {Edge::Window, {kLight, kHighlight}, {kDarkShadow, kShadow}, 2},
        {Edge::Client, {kShadow, kDarkShadow}, {kHighlight, kLight}, 2},
        {Edge::Static, {kShadow, kPaper}, {kHighlight, kPaper}, 1},
        {Edge::Etched, {kShadow, kHighlight}, {kHighlight, kPaper}, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.edge));
        Surface s(8, 6, kPaper);
        Painter p(s, {0, 0, 8, 6});
        DrawEdge(p, {0, 0, 8, 6}, c.edge);
        EXPECT_EQ(Column(s, 4, 0, 2), c.top);
        EXPECT_EQ((std::vector<Pixel>{s.At(4, 5), s.At(4, 4)}), c.bottom);
        // Left as the top, right as the bottom; the corners the bottom and
        // right lines share are theirs.
        EXPECT_EQ(Row(s, 3, 0, 2), c.top);
        EXPECT_EQ((std::vector<Pixel>{s.At(7, 3), s.At(6, 3)}), c.bottom);
        EXPECT_EQ(s.At(7, 0), c.bottom[0]);
        EXPECT_EQ(s.At(0, 5), c.bottom[0]);
        EXPECT_EQ(s.At(0, 0), c.top[0]);
        EXPECT_EQ(EdgeWidth(c.edge), c.width);
    }
}

TEST(ClassicLookTest, PushButtonsInEachState)
{
    const DialogControl raised = Control(ControlClass::Button, CS_TABSTOP, {5, 7, 40, 20}, "OK");
    Surface s = Paint(raised);
    EXPECT_EQ(Column(s, 20, 0, 3), (std::vector<Pixel>{kHighlight, kFace, kFace}));
    EXPECT_EQ(Column(s, 20, 17, 3), (std::vector<Pixel>{kFace, kShadow, kDarkShadow}));
    EXPECT_EQ(Count(s, kPaper), 0); // a button is opaque
    const Box caption = InkBox(s, kFace, kHighlight, {2, 2, 36, 16});
    EXPECT_FALSE(caption.Empty());
    EXPECT_NEAR(caption.x + caption.w / 2, 20, 1);

    // The default button wears a black outline, its edges inside it.
    s = Paint(raised, false, true);
    EXPECT_EQ(Column(s, 20, 0, 3), (std::vector<Pixel>{kDarkShadow, kHighlight, kFace}));
    EXPECT_EQ(Column(s, 20, 17, 3), (std::vector<Pixel>{kShadow, kDarkShadow, kDarkShadow}));

    // Focused: the outline too, and the dotted rectangle three pixels inside
    // the edges: every other pixel from its corner on.
    s = Paint(raised, true, false);
    EXPECT_EQ(Row(s, 4, 4, 6),
              (std::vector<Pixel>{kDarkShadow, kFace, kDarkShadow, kFace, kDarkShadow, kFace}));
    EXPECT_EQ(s.At(4, 5), kFace);
    EXPECT_EQ(s.At(4, 6), kDarkShadow);

    // Held down: a grey frame, the caption a pixel down and right.
    DialogControl held = raised;
    held.pressed = true;
    s = Paint(held);
    EXPECT_EQ(Column(s, 20, 0, 2), (std::vector<Pixel>{kShadow, kFace}));
    EXPECT_EQ(s.At(20, 19), kShadow);
    EXPECT_EQ(InkBox(s, kFace, kShadow), caption.Offset(1, 1));

    // Disabled: the caption engraved, white below right of the grey.
    DialogControl disabled = raised;
    disabled.enabled = false;
    s = Paint(disabled);
    EXPECT_LT(Darkest(Paint(raised), caption), 0x40);
    EXPECT_GE(Darkest(s, caption), 0x80);
    EXPECT_LT(Darkest(s, caption), 0xC0);
    EXPECT_GT(Lightest(s, caption.Offset(1, 1)), 0xC0);

    // Flat: one thin dark line; held down it lightens inside; disabled, the
    // line is grey. Neither outline nor edges, default or not.
    DialogControl flat = raised;
    flat.style |= CS_FLAT;
    s = Paint(flat, false, true);
    EXPECT_EQ(Column(s, 20, 0, 2), (std::vector<Pixel>{kDarkShadow, kFace}));
    flat.pressed = true;
    s = Paint(flat);
    EXPECT_EQ(Column(s, 20, 0, 2), (std::vector<Pixel>{kDarkShadow, kLight}));
    EXPECT_EQ(s.At(1, 1), kLight);
    flat.pressed = false;
    flat.enabled = false;
    EXPECT_EQ(Paint(flat).At(20, 19), kShadow);
}

TEST(ClassicLookTest, DefaultOutlineFollowsTheFocusBetweenButtons)
{
    DialogControl ok = Control(ControlClass::Button, CS_DEFAULT, {});
    const DialogControl edit = Control(ControlClass::Edit, CS_DEFAULT, {});
    EXPECT_TRUE(ShowsAsDefault(ok, false, false));    // the focus on an edit
    EXPECT_FALSE(ShowsAsDefault(ok, false, true));    // on another button
    EXPECT_TRUE(ShowsAsDefault(ok, true, true));      // on itself
    EXPECT_FALSE(ShowsAsDefault(edit, false, false)); // only buttons
    ok.style = 0;
    EXPECT_FALSE(ShowsAsDefault(ok, true, true));
}

TEST(ClassicLookTest, StaticTextsPlaceWrapAndDropTheirPrefixes)
{
    const Box rect{0, 0, 60, 40};
    const Box left = InkBox(Paint(Control(ControlClass::Static, 0, rect, "Inf")), kPaper, kPaper);
    const Box centred =
        InkBox(Paint(Control(ControlClass::Static, CS_CENTER, rect, "Inf")), kPaper, kPaper);
    EXPECT_LE(left.x, 1);
    EXPECT_EQ(centred.w, left.w);
    EXPECT_NEAR(centred.x + centred.w / 2, 30, 2);
    // Nothing but the glyphs: the paper shows round them.
    EXPECT_GT(Count(Paint(Control(ControlClass::Static, 0, rect, "Inf")), kPaper), 2000);

    // Too wide for one line: wrapped at the space onto a second.
    const Box wrapped =
        InkBox(Paint(Control(ControlClass::Static, 0, rect, "Temperatura Gas")), kPaper, kPaper);
    EXPECT_GE(wrapped.h, LineHeight(kFont) + 4);
    EXPECT_LE(wrapped.Right(), 60);

    // "&&" shows one ampersand; "&" marks the next letter and shows nothing,
    // unless the static shows its text as it is.
    EXPECT_EQ(WithoutPrefixes("&Sortir"), "Sortir");
    EXPECT_EQ(WithoutPrefixes("A && B"), "A & B");
    EXPECT_EQ(WithoutPrefixes("fi&"), "fi&");
    const Surface plain = Paint(Control(ControlClass::Static, 0, rect, "Sortir"));
    EXPECT_EQ(Paint(Control(ControlClass::Static, 0, rect, "&Sortir")).pixels, plain.pixels);
    EXPECT_NE(Paint(Control(ControlClass::Static, CS_NOPREFIX, rect, "&Sortir")).pixels,
              plain.pixels);
}

TEST(ClassicLookTest, AccentedCapitalsGetRoomAboveTheirCaption)
{
    EXPECT_EQ(AccentRoom(kFont, "ATENCIO"), 0);
    const int room = AccentRoom(kFont, "ATENCIÓ");
    EXPECT_GT(room, 0);
    // The static's ink starts at its top row, not above it, and every row
    // of the glyphs is there: as tall as the same text drawn lower.
    const Box rect{0, 0, 80, 30};
    const Box at = InkBox(Paint(Control(ControlClass::Static, 0, rect, "Ó")), kPaper, kPaper);
    EXPECT_EQ(at.y, 0);
    Surface free(80, 30, kPaper);
    Painter(free, {0, 0, 80, 30}).Text(kFont, 0, 10, "Ó", kDarkShadow);
    EXPECT_EQ(at.h, InkBox(free, kPaper, kPaper).h);
    // A text without such capitals stays at the top of its box.
    Surface top(80, 30, kPaper);
    Painter(top, {0, 0, 80, 30}).Text(kFont, 0, 0, "T", kDarkShadow);
    EXPECT_EQ(Paint(Control(ControlClass::Static, 0, rect, "T")).pixels, top.pixels);
}

TEST(ClassicLookTest, RectanglesFramesAndGroupBoxes)
{
    const Box rect{3, 4, 30, 20};
    EXPECT_EQ(Count(Paint(Control(ControlClass::Static, CS_BLACKRECT, rect)), kDarkShadow), 600);
    EXPECT_EQ(Count(Paint(Control(ControlClass::Static, CS_WHITERECT, rect)), kHighlight), 600);
    EXPECT_EQ(Count(Paint(Control(ControlClass::Static, CS_GRAYRECT, rect)), kShadow), 600);

    // A black frame is its outline only.
    Surface s = Paint(Control(ControlClass::Static, CS_BLACKFRAME, rect));
    EXPECT_EQ(Count(s, kDarkShadow), 2 * 30 + 2 * 18);
    EXPECT_EQ(Count(s, kPaper), 28 * 18);
    // Sunken: a client edge, a static edge, then the black line.
    s = Paint(Control(ControlClass::Static, CS_BLACKFRAME | CS_SUNKEN, rect));
    EXPECT_EQ(Column(s, 15, 0, 5),
              (std::vector<Pixel>{kShadow, kDarkShadow, kShadow, kDarkShadow, kPaper}));
    EXPECT_EQ(Column(s, 15, 15, 5),
              (std::vector<Pixel>{kPaper, kDarkShadow, kHighlight, kLight, kHighlight}));

    // A group box: an etched frame whose top line runs at half the line's
    // height, broken by a face-coloured gap round the caption.
    const int top = LineHeight(kFont) / 2;
    const Box box{0, 0, 80, 40};
    s = Paint(Control(ControlClass::Button, CS_GROUPBOX, box));
    EXPECT_EQ(Column(s, 40, top, 2), (std::vector<Pixel>{kShadow, kHighlight}));
    EXPECT_EQ(Column(s, 40, 37, 3), (std::vector<Pixel>{kPaper, kHighlight, kPaper}));
    EXPECT_EQ(Row(s, 20, 77, 3), (std::vector<Pixel>{kPaper, kHighlight, kPaper}));
    EXPECT_EQ(s.At(40, 2), kPaper); // the box itself is open
    s = Paint(Control(ControlClass::Button, CS_GROUPBOX, box, "Títol"));
    EXPECT_EQ(s.At(8, top), kFace);
    EXPECT_EQ(s.At(7, top), kShadow);
    const int width = TextWidth(kFont, "Títol");
    const Box gap{8, 0, width + 4, LineHeight(kFont) + AccentRoom(kFont, "Títol")};
    EXPECT_EQ(s.At(gap.Right() - 1, top), kFace);
    EXPECT_EQ(s.At(gap.Right(), top), kShadow);
    const Box caption = InkBox(s, kFace, kPaper, gap);
    EXPECT_GE(caption.x, 10);
    EXPECT_LE(caption.Right(), gap.Right() - 1);
}

TEST(ClassicLookTest, EditsTheirFieldsEdgesTextSelectionAndCaret)
{
    const Box rect{0, 0, 60, 20};
    // Sunken: a static edge round a white field; a border: a client edge; a
    // read-only field without either lies on the face.
    Surface s = Paint(Control(ControlClass::Edit, CS_SUNKEN, rect));
    EXPECT_EQ(Column(s, 30, 0, 2), (std::vector<Pixel>{kShadow, kField}));
    EXPECT_EQ(Column(s, 30, 18, 2), (std::vector<Pixel>{kField, kHighlight}));
    s = Paint(Control(ControlClass::Edit, CS_BORDER, rect));
    EXPECT_EQ(Column(s, 30, 0, 3), (std::vector<Pixel>{kShadow, kDarkShadow, kField}));
    EXPECT_EQ(Count(Paint(Control(ControlClass::Edit, CS_READONLY, rect)), kFace), 1200);
    EXPECT_EQ(Count(Paint(Control(ControlClass::Edit, 0, rect)), kField), 1200);
    DialogControl frameOnly = Control(ControlClass::Edit, CS_SUNKEN, rect, "12,5");
    Surface frame(60, 20, kPaper);
    Painter p(frame, {0, 0, 60, 20});
    DrawEditFrame(p, frameOnly);
    EXPECT_EQ(frame.pixels, Paint(Control(ControlClass::Edit, CS_SUNKEN, rect)).pixels);

    // Right-aligned text ends at the text box's right; left-aligned starts
    // at its left, two pixels inside the edge.
    const Box textBox = EditTextBox(Control(ControlClass::Edit, CS_SUNKEN, rect));
    EXPECT_EQ(textBox, (Box{3, 1, 54, 18}));
    const Box right = InkBox(Paint(Control(ControlClass::Edit, CS_SUNKEN | CS_RIGHT, rect, "21,4")),
                             kField, kField, textBox);
    const Box left = InkBox(Paint(Control(ControlClass::Edit, CS_SUNKEN, rect, "21,4")), kField,
                            kField, textBox);
    EXPECT_NEAR(right.Right(), textBox.Right(), 1);
    EXPECT_NEAR(left.x, textBox.x, 1);
    EXPECT_EQ(right.w, left.w);

    // Focused with a selection: the selected part on the selection colour.
    DialogControl edit = Control(ControlClass::Edit, CS_SUNKEN, rect, "21,4");
    edit.edit.SelectAll();
    EXPECT_EQ(Count(Paint(edit), kSelection), 0);
    EXPECT_GT(Count(Paint(edit, true), kSelection), 40);
    EXPECT_GT(Count(Paint(edit, true), kSelectedText), 0);
    // The caret, a dark column a line high, only where typing goes.
    edit.edit.caret = edit.edit.anchor = 0;
    const Surface typing = Paint(edit, true);
    const int lineTop = textBox.y + (textBox.h - LineHeight(kFont)) / 2;
    EXPECT_EQ(Column(typing, textBox.x, lineTop, LineHeight(kFont)),
              std::vector<Pixel>(static_cast<std::size_t>(LineHeight(kFont)), kDarkShadow));
    edit.style |= CS_READONLY;
    EXPECT_EQ(Paint(edit, true).pixels, Paint(edit, false).pixels);
}

TEST(ClassicLookTest, TheCaretScrollsALongLineIntoView)
{
    DialogControl edit = Control(ControlClass::Edit, CS_BORDER, {0, 0, 40, 20}, "123456789012345");
    const Box box = EditTextBox(edit);
    edit.edit.caret = edit.Text().size();
    const int x = PlaceCaret(edit, kFont);
    EXPECT_EQ(x, box.w - 1);
    EXPECT_EQ(edit.edit.scroll, TextWidth(kFont, edit.Text()) - box.w + 1);
    edit.edit.caret = 2;
    EXPECT_EQ(PlaceCaret(edit, kFont), 0);
    EXPECT_EQ(edit.edit.scroll, TextWidth(kFont, "12"));
    // Scrolled, the text shows from its third character on.
    DialogControl tail = edit;
    tail.edit.Set("345678901234"
                  "5");
    EXPECT_EQ(Paint(edit).pixels, Paint(tail).pixels);
}

TEST(ClassicLookTest, WindowFramesAndCaptionBar)
{
    Surface s(20, 12, kPaper);
    Painter p(s, {0, 0, 20, 12});
    WindowFrame modal;
    modal.border = 3;
    DrawWindowFrame(p, {0, 0, 20, 12}, modal);
    EXPECT_EQ(Column(s, 10, 0, 4), (std::vector<Pixel>{kLight, kHighlight, kFace, kPaper}));
    EXPECT_EQ(Column(s, 10, 8, 4), (std::vector<Pixel>{kPaper, kFace, kShadow, kDarkShadow}));

    Surface thin(20, 12, kPaper);
    Painter t(thin, {0, 0, 20, 12});
    WindowFrame line;
    line.border = 1;
    line.thin = true;
    DrawWindowFrame(t, {0, 0, 20, 12}, line);
    EXPECT_EQ(Count(thin, kDarkShadow), 2 * 20 + 2 * 10);

    Surface bar(100, 18, kPaper);
    Painter b(bar, {0, 0, 100, 18});
    DrawCaptionBar(b, {0, 0, 100, 18}, "Tervan");
    EXPECT_EQ(Count(bar, kPaper), 0);
    const Box text = InkBox(bar, kSelection, kSelection);
    EXPECT_FALSE(text.Empty());
    EXPECT_GE(text.x, 4);
    EXPECT_GT(Lightest(bar, text), 0xC0);
}

TEST(ClassicLookTest, TemplateFontsAtNinetySixDotsPerInch)
{
    const DialogTemplate comic{1, "", "Comic Sans MS", 11, 10, 10, 0, {}};
    EXPECT_EQ(TemplateFont(&comic).height, -14); // 11 pt: 14.67 px, rounded down
    EXPECT_EQ(TemplateFont(&comic).faceName, "Comic Sans MS");
    EXPECT_EQ(TemplateFont(nullptr).height, -10);
    EXPECT_EQ(TemplateFont(nullptr).faceName, "MS Sans Serif");
    EXPECT_EQ(CaptionFont().height, TemplateFont(nullptr).height);
}
