// Captions with Catalan accents: every dialog drawn offscreen, the accent of
// the warning's "ATENCIÓ" found above its "O", and every caption of every
// template placed so that the tallest accented capitals fit whole.
#include <QImage>
#include <QPainter>

#include "E2eFixture.h"
#include "app/AboutDlg.h"
#include "app/LevelDlg.h"
#include "app/SplashDlg.h"
#include "app/TervanDlg.h"
#include "app/WarningDlg.h"
#include "platform/qt/ClassicButton.h"
#include "platform/qt/QtLook.h"
#include "platform/qt/StaticControl.h"

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
} // namespace

TEST_F(CaptionsTest, TheAccentOfAtencioShowsAboveItsO)
{
    CWarningDlg warning;
    warning.m_strMessage = "El tub dret s'ha de moure per amunt.";
    QImage shot;
    OnNextModal([&](CDialog&, DialogWindow& window) {
        shot = window.grab().toImage();
        Key(window, Qt::Key_Return);
    });
    warning.DoModal();
    ASSERT_FALSE(shot.isNull());

    const DialogTemplate* t = FindDialogTemplate(IDD_WARNING);
    QRect box;
    for (const ControlTemplate& c : t->controls)
        if (c.style & CS_GROUPBOX)
            box = TemplateRect(*t, c);
    // The caption's glyphs, left to right, as runs of columns with ink in
    // the caption's band; each with its top ink row.
    const QRect band(box.left() + 4, box.top(), 80, 16);
    std::vector<std::pair<int, int>> glyphs; // first column, top row
    bool inGlyph = false;
    for (int x = band.left(); x <= band.right(); ++x) {
        int top = -1;
        for (int y = band.top(); y <= band.bottom() && top < 0; ++y)
            if (IsInk(shot.pixel(x, y)))
                top = y;
        if (top >= 0 && !inGlyph)
            glyphs.push_back({x, top});
        else if (top >= 0)
            glyphs.back().second = std::min(glyphs.back().second, top);
        inGlyph = top >= 0;
    }
    // "AT" may touch; the "Ó" stands alone at the right.
    ASSERT_GE(glyphs.size(), 5u);
    const int capTop = glyphs[0].second;
    for (std::size_t i = 1; i + 1 < glyphs.size(); ++i)
        EXPECT_EQ(glyphs[i].second, capTop) << "glyph " << i;
    // The accent: ink two rows above the capitals' top, and a clear row
    // above it inside the box.
    EXPECT_LE(glyphs.back().second, capTop - 2);
    EXPECT_GT(glyphs.back().second, box.top());
}

// Every caption of every template, one accented capital at a time, against
// the same letter drawn with the same font where nothing can clip it.
TEST_F(CaptionsTest, AccentedCapitalsFitWholeInEveryCaption)
{
    const QColor face(192, 192, 192);
    for (UINT id : {102u, 168u, 170u, 173u, 100u}) {
        const DialogTemplate* t = FindDialogTemplate(id);
        ASSERT_NE(t, nullptr);
        const QFont font = QtLook::TemplateFont(*t);
        for (const ControlTemplate& c : t->controls) {
            const bool text = c.cls == ControlClass::Static &&
                              !(c.style & (CS_BITMAP | CS_ICON | CS_BLACKRECT | CS_WHITERECT |
                                           CS_GRAYRECT | CS_BLACKFRAME));
            const bool button = c.cls == ControlClass::Button;
            if (!(text || button) || std::string(c.caption).empty())
                continue;
            for (const char* letter : {"À", "É", "Í", "Ó", "Ú", "Ç"}) {
                SCOPED_TRACE(std::to_string(id) + " \"" + c.caption + "\" as " + letter);
                QWidget parent;
                parent.setPalette(QtLook::ClassicPalette());
                parent.setFont(font);
                ControlTemplate probe = c;
                probe.caption = letter;
                QWidget* widget = nullptr;
                if (button && !(c.style & CS_GROUPBOX))
                    widget = new ClassicButton(QString::fromUtf8(letter), (c.style & CS_FLAT) != 0,
                                               false, &parent);
                else
                    widget = new StaticControl(probe, QImage(), &parent);
                widget->setGeometry(TemplateRect(*t, c));
                const QImage shot = widget->grab().toImage();
                // Where the caption stands: inside a button's edges, in a
                // group box's gap in its frame, anywhere on a static.
                const QFontMetrics fm(font);
                QRect caption = shot.rect();
                if (c.style & CS_GROUPBOX)
                    caption = QRect(9, 0, fm.horizontalAdvance(QString::fromUtf8(letter)) + 2,
                                    2 * fm.height());
                else if (button)
                    caption = shot.rect().adjusted(3, 3, -3, -3);

                QImage free(64, 64, QImage::Format_RGB32);
                free.fill(face);
                QPainter p(&free);
                p.setFont(font);
                p.setPen(Qt::black);
                p.drawText(20, 40, QString::fromUtf8(letter));
                p.end();
                EXPECT_EQ(TraceHeight(shot, caption), TraceHeight(free, free.rect()));
            }
        }
    }
}
