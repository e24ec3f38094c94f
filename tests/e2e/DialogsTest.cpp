// The auxiliary dialogs on the real backend: the level dialog's answers, the
// warning's wrapped text, focus and selection in a read-only text, and the About box from "Inf" and
// from the menu that stands in for the window's system menu. The main window ends by "Sortir",
// Escape and its close button.
#include <QAbstractButton>
#include <QAccessible>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>

#include "E2eFixture.h"
#include "ProbeDlg.h"
#include "app/LevelDlg.h"
#include "app/TervanDlg.h"
#include "app/WarningDlg.h"
#include "platform/qt/EditControl.h"

namespace {
// How many bands of rows with dark ink the picture has, one for each line of
// text.
int InkBands(const QImage& image)
{
    int bands = 0;
    bool inBand = false;
    for (int y = 0; y < image.height(); ++y) {
        bool ink = false;
        for (int x = 0; x < image.width() && !ink; ++x)
            ink = qGray(image.pixel(x, y)) < 100;
        bands += ink && !inBand;
        inBand = ink;
    }
    return bands;
}
} // namespace

class DialogsTest : public E2eTest {};

TEST_F(DialogsTest, LevelDialogAnswersReturnEscapeAndTypedText)
{
    CLevelDlg immediate;
    OnNextModal([](CDialog&, DialogWindow& window) {
        EXPECT_EQ(window.focusWidget(), window.Control(IDOK)); // not the edit
        Key(window, Qt::Key_Return);
    });
    EXPECT_EQ(immediate.DoModal(), IDOK);
    EXPECT_EQ(immediate.m_strLevel, "");

    CLevelDlg escaped;
    OnNextModal([](CDialog&, DialogWindow& window) { Key(window, Qt::Key_Escape); });
    EXPECT_EQ(escaped.DoModal(), IDCANCEL);

    CLevelDlg typed;
    OnNextModal([](CDialog&, DialogWindow& window) {
        QWidget* edit = window.Control(IDC_LEVEL)->focusProxy();
        QTest::mouseClick(edit, Qt::LeftButton);
        QTest::keyClicks(edit, QStringLiteral("12,5"));
        Click(window, IDOK);
    });
    EXPECT_EQ(typed.DoModal(), IDOK);
    EXPECT_EQ(typed.m_strLevel, "12,5");

    CLevelDlg cancelled;
    OnNextModal([](CDialog&, DialogWindow& window) {
        QTest::keyClicks(window.Control(IDC_LEVEL)->focusProxy(), QStringLiteral("7"));
        Click(window, IDCANCEL); // "Cancela"
    });
    EXPECT_EQ(cancelled.DoModal(), IDCANCEL);
    EXPECT_EQ(cancelled.m_strLevel, "");
}

// The level dialog's 11-point "Comic Sans MS" makes 2.40625 px per dialog
// unit across and 2.578125 down: its 137 x 61 units are 329 x 157 pixels
// inside a 3-px modal frame, and its 35 x 14-unit OK at (87, 23) spans
// 209..292 across and 59..94 down. Worked out by hand, as the user sees it.
TEST_F(DialogsTest, TheLevelDialogOnTheScreenIsSizedByItsElevenPointFont)
{
    CLevelDlg dlg;
    OnNextModal([](CDialog&, DialogWindow& window) {
        EXPECT_EQ(window.size(), QSize(335, 163));
        EXPECT_EQ(window.Client().geometry(), QRect(3, 3, 329, 157));
        EXPECT_EQ(window.Control(IDOK)->geometry(), QRect(209, 59, 84, 36));
        EXPECT_EQ(window.Control(IDC_LEVEL)->geometry(), QRect(60, 59, 96, 36));
        Key(window, Qt::Key_Escape);
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}

TEST_F(DialogsTest, AReadOnlyTextTakesTheFocusAndTheMouseSelectsInIt)
{
    CWarningDlg warning;
    warning.m_strMessage = "Compte amb el mercuri.";
    OnNextModal([&](CDialog&, DialogWindow& window) {
        auto* text = dynamic_cast<EditControl*>(window.Control(IDC_WARNING_TEXT));
        ASSERT_NE(text, nullptr);
        ASSERT_TRUE(WaitUntil([&] { return window.isActiveWindow(); }));
        // Tab from "OK" past the hidden "Cancel" reaches the message, all of
        // it selected; Return, the message's own, does nothing.
        EXPECT_EQ(window.focusWidget(), window.Control(IDOK));
        Key(window, Qt::Key_Tab);
        EXPECT_EQ(window.focusWidget(), text);
        EXPECT_EQ(text->State().SelStart(), 0u);
        EXPECT_EQ(text->State().SelEnd(), warning.m_strMessage.str().size());
        Key(window, Qt::Key_Return);
        EXPECT_TRUE(window.isVisible());
        // A click leaves only the caret, before the character nearest it; a
        // drag selects from there.
        QTest::mouseClick(text, Qt::LeftButton, {}, QPoint(0, 6));
        EXPECT_FALSE(text->State().HasSelection());
        EXPECT_EQ(text->State().caret, 0u);
        QTest::mousePress(text, Qt::LeftButton, {}, QPoint(0, 6));
        QMouseEvent drag(QEvent::MouseMove, QPointF(500, 6), text->mapToGlobal(QPointF(500, 6)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(text, &drag);
        EXPECT_EQ(text->State().SelEnd(), warning.m_strMessage.str().size());
        QTest::mouseRelease(text, Qt::LeftButton, {}, QPoint(500, 6));
        Key(window, Qt::Key_Escape);
    });
    warning.DoModal();
}

TEST_F(DialogsTest, WarningWrapsItsMessageAndReturnClosesIt)
{
    CWarningDlg warning;
    warning.m_strMessage = "El tub dret s'ha de moure per amunt. En el laboratori, el mercuri "
                           "estaria a punt de vessar i això és perillós.";
    OnNextModal([&](CDialog&, DialogWindow& window) {
        EXPECT_EQ(window.ControlText(IDC_WARNING_TEXT).toStdString(), warning.m_strMessage.str());
        // Wrapped at word boundaries onto several lines of ink, each inside
        // the edit.
        EXPECT_GE(InkBands(window.Control(IDC_WARNING_TEXT)->grab().toImage()), 3);
        EXPECT_FALSE(window.Control(IDCANCEL)->isVisibleTo(&window));
        // Assistive technology reads the message as a read-only text.
        QAccessibleInterface* text =
            QAccessible::queryAccessibleInterface(window.Control(IDC_WARNING_TEXT));
        ASSERT_NE(text, nullptr);
        EXPECT_EQ(text->text(QAccessible::Name).toStdString(), warning.m_strMessage.str());
        EXPECT_TRUE(text->state().readOnly);
        Key(window, Qt::Key_Return);
    });
    EXPECT_EQ(warning.DoModal(), IDOK);
}

TEST_F(DialogsTest, InfAndTheWindowMenuOpenTheAboutBox)
{
    CTervanDlg dlg;
    AfxGetApp()->m_pMainWnd = &dlg;
    int abouts = 0;
    auto about = [&](CDialog& box, DialogWindow& window) {
        ++abouts;
        EXPECT_EQ(box.GetTemplateId(), UINT(IDD_ABOUTBOX));
        EXPECT_EQ(window.focusWidget(), window.Control(IDOK)); // "Sortir"
        Key(window, abouts == 1 ? Qt::Key_Return : Qt::Key_Escape);
    };
    OnNextModal([&](CDialog&, DialogWindow& window) {
        Click(window, IDC_INF); // "Inf"
        EXPECT_EQ(abouts, 1);

        QTimer::singleShot(0, &window, [] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr);
            ASSERT_GE(menu->actions().size(), 1); // the notebook's items follow
            EXPECT_EQ(menu->actions()[0]->text(), QStringLiteral("Acerca de Tervan"));
            QTest::keyClick(menu, Qt::Key_Down);
            QTest::keyClick(menu, Qt::Key_Return);
        });
        QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(300, 300),
                                  window.Client().mapToGlobal(QPoint(300, 300)));
        QApplication::sendEvent(&window.Client(), &request);
        EXPECT_EQ(abouts, 2);
        Click(window, IDOK); // "Sortir"
    });
    OnNextModal(about);
    OnNextModal(about);
    EXPECT_EQ(dlg.DoModal(), IDOK);
}

TEST_F(DialogsTest, EscapeAndTheCloseButtonEndTheMainWindow)
{
    CTervanDlg escaped;
    AfxGetApp()->m_pMainWnd = &escaped;
    OnNextModal([](CDialog&, DialogWindow& window) { Key(window, Qt::Key_Escape); });
    EXPECT_EQ(escaped.DoModal(), IDCANCEL);
    EXPECT_FALSE(escaped.IsWindow());

    CTervanDlg closed;
    AfxGetApp()->m_pMainWnd = &closed;
    OnNextModal([](CDialog&, DialogWindow& window) { window.close(); });
    EXPECT_EQ(closed.DoModal(), IDCANCEL);
}

TEST_F(DialogsTest, MessageBoxesCarryTheAppNameAndOneOkButton)
{
    CProbeDlg probe;
    OnNextModal([&](CDialog&, DialogWindow& window) {
        QTimer::singleShot(0, &window, [] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->windowTitle(), QStringLiteral("Tervan"));
            EXPECT_EQ(box->text(), QStringLiteral("error 1001"));
            EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
            ASSERT_EQ(box->buttons().size(), 1);
            QTest::mouseClick(box->buttons()[0], Qt::LeftButton);
        });
        EXPECT_EQ(probe.MessageBox("error 1001"), IDOK);
        Key(window, Qt::Key_Escape);
    });
    probe.DoModal();
}
