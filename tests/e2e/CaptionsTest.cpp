// Captions with Catalan accents: every dialog drawn offscreen for a look,
// and the accent of the warning's "ATENCIÓ" found whole above its "O", on
// the desktop and as the browser paints it.
#include <QImage>

#include "DialogStates.h"
#include "E2eFixture.h"
#include "app/AboutDlg.h"
#include "app/KeepWorkDlg.h"
#include "app/LevelDlg.h"
#include "app/SplashDlg.h"
#include "app/TervanDlg.h"
#include "app/WarningDlg.h"
#include "platform/ClassicLook.h"
#include "platform/TextRenderer.h"

namespace {
// Ink: the dark core of the text's strokes, which no frame colour reaches.
bool IsInk(QRgb p)
{
    return qRed(p) < 100 && qGreen(p) < 100 && qBlue(p) < 100;
}
} // namespace
class CaptionsTest : public E2eTest {};

TEST_F(CaptionsTest, EveryDialogDrawnForALook)
{
    CTervanDlg main;
    AfxGetApp()->m_pMainWnd = &main;
    CSplashDlg splash;
    CWarningDlg warning;
    warning.m_strMessage = "El tub dret s'ha de moure per amunt.";
    CLevelDlg level;
    CAboutDlg about;
    CKeepWorkDlg keepWork;
    auto grab = [](const char* name) {
        return [name](CDialog&, DialogWindow& window) {
            EXPECT_TRUE(window.grab().save(QStringLiteral("artefacts/") + name));
            Key(window, Qt::Key_Escape);
        };
    };
    QDir().mkpath(QStringLiteral("artefacts"));
    for (auto [dlg, name] : {std::pair<CDialog*, const char*>{&splash, "dialog-title.png"},
                             {&warning, "dialog-warning.png"},
                             {&level, "dialog-level.png"},
                             {&about, "dialog-about.png"},
                             {&keepWork, "dialog-keep-work.png"},
                             {&main, "dialog-main.png"}}) {
        OnNextModal(grab(name));
        dlg->DoModal();
    }
}

namespace {
// Any trace of a letter on the dialogs' grey, its palest edges too.
bool IsTrace(QRgb p)
{
    return qGray(p) < 180;
}

// The rows from the first to the last with a trace in the block, or 0.
int TraceHeight(const QImage& image, const QRect& block)
{
    int first = -1, last = -1;
    for (int y = block.top(); y <= block.bottom(); ++y)
        for (int x = block.left(); x <= block.right(); ++x)
            if (IsTrace(image.pixel(x, y))) {
                if (first < 0)
                    first = y;
                last = y;
                break;
            }
    return first < 0 ? 0 : last - first + 1;
}

// "Ó" in the dialogs' font where nothing can clip it.
int FreeTraceHeight(const char* letter)
{
    const FontRequest font = ClassicLook::TemplateFont(FindDialogTemplate(IDD_WARNING));
    Surface free(64, 64, ClassicLook::kFace);
    TextRenderer::DrawText(free, font, 20, 20, letter, TextStyle{});
    QImage image(64, 64, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            image.setPixel(x, y, 0xFF000000u | free.At(x, y));
    return TraceHeight(image, image.rect());
}

// The accent of "ATENCIÓ" in a picture of the warning: its glyphs, left to
// right, as runs of columns with ink in the caption's band, each with its
// top ink row. The capitals share one top; the "Ó" starts two rows above
// them at least, inside the group box, and shows as tall as where nothing
// clips it.
void ExpectTheWholeAccent(const QImage& shot)
{
    ASSERT_FALSE(shot.isNull());
    const DialogTemplate* t = FindDialogTemplate(IDD_WARNING);
    QRect box;
    for (const ControlTemplate& c : t->controls)
        if (c.style & CS_GROUPBOX)
            box = TemplateRect(*t, c);
    // The window's thin border comes before the client area.
    box.translate(1, 1);
    const QRect band(box.left() + 4, box.top(), 80, 16);
    struct Glyph {
        int first, last, top;
    };
    std::vector<Glyph> glyphs;
    bool inGlyph = false;
    for (int x = band.left(); x <= band.right(); ++x) {
        int top = -1;
        for (int y = band.top(); y <= band.bottom() && top < 0; ++y)
            if (IsInk(shot.pixel(x, y)))
                top = y;
        if (top >= 0 && !inGlyph)
            glyphs.push_back({x, x, top});
        else if (top >= 0)
            glyphs.back() = {glyphs.back().first, x, std::min(glyphs.back().top, top)};
        inGlyph = top >= 0;
    }
    // "AT" may touch; the "Ó" stands alone at the right.
    ASSERT_GE(glyphs.size(), 5u);
    const int capTop = glyphs[0].top;
    for (std::size_t i = 1; i + 1 < glyphs.size(); ++i)
        EXPECT_EQ(glyphs[i].top, capTop) << "glyph " << i;
    const Glyph& o = glyphs.back();
    EXPECT_LE(o.top, capTop - 2);
    EXPECT_GE(o.top, box.top());
    const QRect column(o.first, band.top(), o.last - o.first + 1, band.height());
    EXPECT_EQ(TraceHeight(shot, column), FreeTraceHeight("Ó"));
}
} // namespace

TEST_F(CaptionsTest, TheAccentOfAtencioShowsWholeAboveItsOOnBothBackends)
{
    CWarningDlg warning;
    warning.m_strMessage = "El tub dret s'ha de moure per amunt.";
    QImage shot;
    OnNextModal([&](CDialog&, DialogWindow& window) {
        shot = window.grab().toImage();
        Key(window, Qt::Key_Return);
    });
    warning.DoModal();
    {
        SCOPED_TRACE("Qt");
        ExpectTheWholeAccent(shot);
    }
    SCOPED_TRACE("the browser");
    ExpectTheWholeAccent(
        PaintedLikeTheBrowser(IDD_WARNING, StatesOf(*FindDialogTemplate(IDD_WARNING)).front()));
}
