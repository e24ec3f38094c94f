// The classic 3-D edges read off real dialogs: the line pairs of a raised
// button, of sunken edits and frames, of an etched group box and of a frame
// a dialog without caption draws round itself, each line in its colour.
#include <QImage>
#include <cstdio>
#include <string>
#include <vector>

#include "E2eFixture.h"
#include "app/LevelDlg.h"
#include "app/TervanDlg.h"

namespace {
// The dialog as it shows, with the client area's offset in it.
struct Shot {
    QImage image;
    QPoint client;
};

Shot Grab(DialogWindow& window)
{
    return {window.grab().toImage(), window.Client().geometry().topLeft()};
}

const ControlTemplate& Find(const DialogTemplate& t, int id, DWORD style, int x)
{
    for (const ControlTemplate& c : t.controls)
        if (c.id == id && (c.style & style) == style && (x < 0 || c.x == x))
            return c;
    ADD_FAILURE() << "no such control";
    return t.controls.front();
}

// "where: rrggbb" for each point, so that a failure lists every line at once.
struct Reader {
    const Shot& shot;
    std::vector<std::string> lines;
    void Read(const char* where, QPoint clientPoint)
    {
        const QPoint p = clientPoint + shot.client;
        char text[64];
        std::snprintf(text, sizeof text, "%s: %06x", where, shot.image.pixel(p) & 0xFFFFFFu);
        lines.push_back(text);
    }
    void ReadWindow(const char* where, QPoint windowPoint)
    {
        Read(where, windowPoint - shot.client);
    }
};
} // namespace

class EdgesTest : public E2eTest {};

TEST_F(EdgesTest, ClassicEdgesDrawTheirLinePairs)
{
    CTervanDlg main;
    AfxGetApp()->m_pMainWnd = &main;
    CLevelDlg level;
    Shot mainShot, levelShot;
    OnNextModal([&](CDialog&, DialogWindow& window) {
        mainShot = Grab(window);
        Key(window, Qt::Key_Escape);
    });
    main.DoModal();
    OnNextModal([&](CDialog&, DialogWindow& window) {
        levelShot = Grab(window);
        Key(window, Qt::Key_Escape);
    });
    level.DoModal();
    ASSERT_FALSE(mainShot.image.isNull());
    ASSERT_FALSE(levelShot.image.isNull());

    const DialogTemplate& m = *FindDialogTemplate(IDD_TERVAN_DIALOG);
    Reader r{mainShot, {}};
    // A raised button ("1"): white top-left, black bottom-right, the grey
    // shadow inside the black; the face inside the white.
    const QRect button = TemplateRect(m, Find(m, IDC_PAGE_FIRST, 0, -1));
    r.Read("button top", {button.center().x(), button.top()});
    r.Read("button left", {button.left(), button.center().y()});
    r.Read("button bottom", {button.center().x(), button.bottom()});
    r.Read("button right", {button.right(), button.center().y()});
    r.Read("button inside top", {button.center().x(), button.top() + 1});
    r.Read("button shadow bottom", {button.center().x(), button.bottom() - 1});
    r.Read("button shadow right", {button.right() - 1, button.center().y()});
    // A sunken edit: a grey and white static edge round a white field.
    const QRect edit = TemplateRect(m, Find(m, IDC_GAS_TEMP_C, 0, -1));
    r.Read("edit top", {edit.center().x(), edit.top()});
    r.Read("edit left", {edit.left(), edit.center().y()});
    r.Read("edit bottom", {edit.center().x(), edit.bottom()});
    r.Read("edit right", {edit.right(), edit.center().y()});
    r.Read("edit field", {edit.left() + 1, edit.top() + 1});
    // The frame round the bench: a client edge, a static edge inside it,
    // then the black line.
    const QRect frame = TemplateRect(m, Find(m, IDC_STATIC, CS_BLACKFRAME | CS_SUNKEN, -1));
    const int fx = frame.center().x();
    for (int i = 0; i < 4; ++i) {
        const std::string n = std::to_string(i);
        r.Read(("frame top " + n).c_str(), {fx, frame.top() + i});
        r.Read(("frame bottom " + n).c_str(), {fx, frame.bottom() - i});
    }
    r.Read("frame left 1", {frame.left() + 1, frame.center().y()});
    r.Read("frame right 1", {frame.right() - 1, frame.center().y()});
    // The group box round the page buttons: grey and white down its left,
    // white alone up its right and along its bottom.
    const QRect group = TemplateRect(m, Find(m, IDC_STATIC, CS_GROUPBOX, 433));
    const int gy = group.center().y();
    r.Read("group left 0", {group.left(), gy});
    r.Read("group left 1", {group.left() + 1, gy});
    r.Read("group right 0", {group.right(), gy});
    r.Read("group right 1", {group.right() - 1, gy});
    r.Read("group right 2", {group.right() - 2, gy});
    r.Read("group bottom 1", {group.left() + 4, group.bottom() - 1});
    r.Read("group bottom 2", {group.left() + 4, group.bottom() - 2});
    EXPECT_EQ(r.lines, (std::vector<std::string>{
                           "button top: ffffff",          "button left: ffffff",
                           "button bottom: 000000",       "button right: 000000",
                           "button inside top: c0c0c0",   "button shadow bottom: 808080",
                           "button shadow right: 808080", "edit top: 808080",
                           "edit left: 808080",           "edit bottom: ffffff",
                           "edit right: ffffff",          "edit field: ffffff",
                           "frame top 0: 808080",         "frame bottom 0: ffffff",
                           "frame top 1: 000000",         "frame bottom 1: dfdfdf",
                           "frame top 2: 808080",         "frame bottom 2: ffffff",
                           "frame top 3: 000000",         "frame bottom 3: 000000",
                           "frame left 1: 000000",        "frame right 1: dfdfdf",
                           "group left 0: 808080",        "group left 1: ffffff",
                           "group right 0: c0c0c0",       "group right 1: ffffff",
                           "group right 2: c0c0c0",       "group bottom 1: ffffff",
                           "group bottom 2: c0c0c0"}));

    const DialogTemplate& l = *FindDialogTemplate(IDD_LEVEL);
    Reader w{levelShot, {}};
    // No caption: the dialog draws its own raised frame, two pairs deep.
    const QSize size = levelShot.image.size();
    w.ReadWindow("window top 0", {size.width() / 2, 0});
    w.ReadWindow("window top 1", {size.width() / 2, 1});
    w.ReadWindow("window bottom 0", {size.width() / 2, size.height() - 1});
    w.ReadWindow("window bottom 1", {size.width() / 2, size.height() - 2});
    w.ReadWindow("window face", {size.width() / 2, 2});
    // A bordered edit: a client edge, grey and white outside, black and light
    // grey inside.
    const QRect border = TemplateRect(l, Find(l, IDC_LEVEL, 0, -1));
    w.Read("border top 0", {border.center().x(), border.top()});
    w.Read("border top 1", {border.center().x(), border.top() + 1});
    w.Read("border right 0", {border.right(), border.center().y()});
    w.Read("border right 1", {border.right() - 1, border.center().y()});
    EXPECT_EQ(w.lines,
              (std::vector<std::string>{
                  "window top 0: dfdfdf", "window top 1: ffffff", "window bottom 0: 000000",
                  "window bottom 1: 808080", "window face: c0c0c0", "border top 0: 808080",
                  "border top 1: 000000", "border right 0: ffffff", "border right 1: dfdfdf"}));
}
