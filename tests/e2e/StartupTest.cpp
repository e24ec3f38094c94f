// The program as it starts: the title dialog, then the main window with
// every control where its template puts it, in its first state, with the
// bench drawn by the first paint.
#include <QDir>

#include "E2eFixture.h"
#include "app/TervanDlg.h"

namespace {
constexpr unsigned kBench = 0xD7FFD7; // RGB(215, 255, 215)

void ExpectControlsAsTemplated(DialogWindow& window)
{
    const DialogTemplate* t = FindDialogTemplate(IDD_TERVAN_DIALOG);
    ASSERT_NE(t, nullptr);
    ASSERT_EQ(window.Items().size(), t->controls.size());
    for (std::size_t i = 0; i < t->controls.size(); ++i) {
        const ControlTemplate& c = t->controls[i];
        QWidget* widget = window.Items()[i].widget;
        SCOPED_TRACE(std::string("control ") + std::to_string(c.id) + " \"" + c.caption + "\"");
        if (c.style & (CS_BITMAP | CS_ICON)) {
            EXPECT_EQ(widget->pos(), TemplateRect(*t, c).topLeft());
        } else {
            EXPECT_EQ(widget->geometry(), TemplateRect(*t, c));
        }
        EXPECT_EQ(widget->isEnabled(), !(c.style & CS_DISABLED));
        EXPECT_EQ(widget->isVisibleTo(&window), !(c.style & CS_HIDDEN));
        if (c.id != IDC_STATIC && c.cls == ControlClass::Button) {
            EXPECT_EQ(window.ControlText(c.id).toStdString(), c.caption);
        }
    }
}
} // namespace
class StartupTest : public E2eTest {};

// The application object hands its resources over while the program's
// globals are still being built: the table must be whole all the same.
TEST_F(StartupTest, TheProgramsResourcesAreWholeFromTheStart)
{
    const ApplicationResources& r = GetApplicationResources();
    EXPECT_STREQ(r.name, "Tervan");
    EXPECT_STREQ(FindFontSubstitute("Comic Sans Serif"), "Comic Neue");
    EXPECT_STREQ(FindFontSubstitute("MS Sans Serif"), "Liberation Sans");
    EXPECT_NE(FindDialogTemplate(IDD_TERVAN_DIALOG), nullptr);
    EXPECT_NE(FindBitmapResource(IDB_BOTTLE), nullptr);
    EXPECT_NE(FindIcon(IDR_MAINFRAME, 32), nullptr);
}

TEST_F(StartupTest, ProgramShowsTitleThenMainWindowAsTemplated)
{
    CWinApp* app = AfxGetApp();
    ASSERT_NE(app, nullptr);
    bool sawMain = false;
    OnNextModal([](CDialog& dlg, DialogWindow& window) {
        EXPECT_EQ(dlg.GetTemplateId(), UINT(IDD_SPLASH));
        // The title picture fills the whole dialog; "Entra" stands on it.
        EXPECT_EQ(window.size(), QSize(399, 268));
        Click(window, IDOK);
    });
    OnNextModal([&](CDialog& dlg, DialogWindow& window) {
        sawMain = true;
        EXPECT_EQ(dlg.GetTemplateId(), UINT(IDD_TERVAN_DIALOG));
        EXPECT_EQ(app->m_pMainWnd, &dlg);
        EXPECT_EQ(window.windowTitle(), QStringLiteral("TERVAN"));
        EXPECT_EQ(window.minimumSize(), window.maximumSize()); // fixed size
        EXPECT_EQ(window.Client().size(), QSize(781, 484));
        EXPECT_TRUE(window.windowFlags() & Qt::WindowMinimizeButtonHint);
        EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
        EXPECT_FALSE(window.windowIcon().isNull());
        ExpectControlsAsTemplated(window);
        EXPECT_EQ(window.focusWidget(), window.Control(IDOK)); // "Sortir"

        // The first paint draws the bench into the frame at (21, 21).
        EXPECT_TRUE(WaitUntil([&] { return ClientPixel(window, 21 + 300, 21 + 20) == kBench; }));
        EXPECT_TRUE(WaitUntil([&] { return window.Client().Paints() > 0; }));
        // The picture the README shows is a copy of this one.
        QDir().mkpath(QStringLiteral("artefacts"));
        EXPECT_TRUE(window.grab().save(QStringLiteral("artefacts/main-window.png")));

        Key(window, Qt::Key_Escape);
    });
    EXPECT_EQ(app->InitInstance(), FALSE);
    EXPECT_TRUE(sawMain);
    EXPECT_EQ(app->m_pMainWnd, nullptr);
}

TEST_F(StartupTest, EscapingTheTitleStillOpensTheMainWindowAndReturnEndsIt)
{
    OnNextModal([](CDialog&, DialogWindow& window) { Key(window, Qt::Key_Escape); });
    int mainResult = 0;
    OnNextModal([&](CDialog& dlg, DialogWindow& window) {
        EXPECT_EQ(dlg.GetTemplateId(), UINT(IDD_TERVAN_DIALOG));
        // Return right away presses the focused "Sortir".
        Key(window, Qt::Key_Return);
        mainResult = 1;
    });
    EXPECT_EQ(AfxGetApp()->InitInstance(), FALSE);
    EXPECT_EQ(mainResult, 1);
}
