// The whole practical with the keyboard alone on the real window, as a
// student with a screen reader carries it out: Tab to each step, Space and
// Return, the valve by Space, the right branch by its keys, each level read
// from what the branch tells assistive technology. After each procedure
// button and each dialog the focus is on the next step, the ring shows
// round it over the window and not in the picture, and the tree Qt hands
// to assistive technology says what the framework's description says.
#include <QMessageBox>
#include <QRegularExpression>
#include <cmath>

#include "AccessibleTree.h"
#include "BenchStudent.h"
#include "app/WarningDlg.h"
#include "model/GraphData.h"
#include "model/LinearFit.h"
#include "notebook/NotebookPage.h"
#include "platform/ClassicLook.h"

namespace {
constexpr double kTimeScale = 0.1;
constexpr double kNotedGap = 1.0;
constexpr int kGasWaitMs = 20000;

double Luminance(unsigned rgb)
{
    auto channel = [](unsigned v) {
        const double c = v / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel((rgb >> 16) & 0xFF) + 0.7152 * channel((rgb >> 8) & 0xFF) +
           0.0722 * channel(rgb & 0xFF);
}

double Contrast(unsigned a, unsigned b)
{
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}
} // namespace

class KeyboardPracticalTest : public BenchStudent {
  protected:
    static void Press(DialogWindow& window, Qt::Key key, Qt::KeyboardModifiers mods = {})
    {
        QTest::keyClick(FocusOf(window), key, mods);
    }
    // Tabs until control `id` has the focus.
    static bool TabToControl(DialogWindow& window, int id)
    {
        for (int i = 0; i < 24; ++i) {
            const FocusStop f = window.FocusedStop();
            if (f.kind == FocusStop::Control && window.Items()[std::size_t(f.index)].tpl->id == id)
                return true;
            Press(window, Qt::Key_Tab);
        }
        return false;
    }
    static bool TabToPart(DialogWindow& window, int id)
    {
        for (int i = 0; i < 24 && window.FocusedPart() != id; ++i)
            Press(window, Qt::Key_Tab);
        return window.FocusedPart() == id;
    }
    static int FocusedControl(DialogWindow& window)
    {
        const FocusStop f = window.FocusedStop();
        return f.kind == FocusStop::Control ? window.Items()[std::size_t(f.index)].tpl->id : 0;
    }

    // Control `id` has the focus, in the active window (a dialog that
    // closed hands the activation back a moment later).
    static void ExpectFocusOn(DialogWindow& window, int id)
    {
        WaitUntil([&] { return window.isActiveWindow() && FocusedControl(window) == id; });
        EXPECT_TRUE(window.isActiveWindow());
        EXPECT_EQ(FocusedControl(window), id);
    }

    // The ring round the focused stop on the window as it is shown: two
    // black rows and columns just outside it, 3:1 at least against the
    // pixels they cover; the window's own pixels unchanged beneath.
    void ExpectRing(DialogWindow& window, const char* when)
    {
        const FocusStop f = window.FocusedStop();
        Box box;
        if (f.kind == FocusStop::Control) {
            const QRect g = window.Items()[std::size_t(f.index)].widget->geometry();
            box = {g.x(), g.y(), g.width(), g.height()};
        } else if (const ClientPart* p = window.Dialog().FindClientPart(f.index)) {
            box = p->rect;
        }
        ASSERT_FALSE(box.Empty()) << when;
        const QImage shown = window.Client().grab().toImage();
        const int midX = box.x + box.w / 2;
        for (int d = 1; d <= ClassicLook::kFocusRingWidth; ++d) {
            for (const QPoint at : {QPoint(midX, box.y - d), QPoint(box.x - d, box.y + box.h / 2),
                                    QPoint(box.Right() - 1 + d, box.y + box.h / 2)}) {
                if (at.y() < 0 || at.x() < 0)
                    continue;
                const unsigned ring = shown.pixel(at) & 0xFFFFFFu;
                EXPECT_EQ(ring, 0u) << when << " at " << at.x() << "," << at.y();
                const unsigned beneath = ClientPixel(window, at.x(), at.y());
                EXPECT_GE(Contrast(ring, beneath), 3.0) << when;
            }
        }
    }

    // What Qt tells assistive technology agrees with the framework.
    static void ExpectTreeAgrees(DialogWindow& window, const char* when)
    {
        EXPECT_EQ(Tree::AsQtShowsIt(window), Tree::AsTheFrameworkSaysIt(window)) << when;
    }

    // The level the right branch tells a screen reader, as typed.
    static std::string SpokenLevel(CTervanDlg& dlg)
    {
        const std::string value = dlg.FindClientPart(IDC_RIGHT_BRANCH)->value;
        const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("(-?[0-9]+,[0-9]) cm"))
                                              .match(QString::fromStdString(value));
        return m.captured(1).toStdString();
    }

    // Brings the left surface back to `mark` with the branch's keys: two
    // rows of branch move the surface one row.
    void RelevelByKeys(DialogWindow& window, CTervanDlg& dlg, int mark)
    {
        ASSERT_TRUE(TabToPart(window, IDC_RIGHT_BRANCH));
        for (int tries = 0; tries < 12; ++tries) {
            const int L = ComputeManometer(dlg.m_nTubeY, dlg.m_dPressureDiff).L;
            if (L == mark)
                return;
            int dy = 2 * (mark - L);
            const Qt::Key key = dy > 0 ? Qt::Key_Down : Qt::Key_Up;
            for (dy = std::abs(dy); dy >= 24; dy -= 24)
                Press(window, key == Qt::Key_Down ? Qt::Key_PageDown : Qt::Key_PageUp);
            for (; dy >= 5; dy -= 5)
                Press(window, key, Qt::ShiftModifier);
            for (; dy > 0; --dy)
                Press(window, key);
            WaitUntil([] { return false; }, 20);
        }
    }

    // The level dialog by keys: it opens on "OK"; Shift+Tab goes round to
    // its edit, named by its label; the level typed, Return.
    void AnswerLevelByKeys(const std::string& level)
    {
        OnNextModal([level](CDialog& dlg, DialogWindow& window) {
            EXPECT_EQ(dlg.GetTemplateId(), UINT(IDD_LEVEL));
            Press(window, Qt::Key_Tab, Qt::ShiftModifier);
            QWidget* edit = window.Control(IDC_LEVEL)->focusProxy();
            EXPECT_EQ(FocusOf(window), edit);
            EXPECT_EQ(QAccessible::queryAccessibleInterface(edit)->text(QAccessible::Name),
                      QStringLiteral("Nivell del Mercuri a la branca dreta"));
            QTest::keyClicks(FocusOf(window), QString::fromStdString(level));
            Key(window, Qt::Key_Return);
        });
    }

    void NoteByKeys(DialogWindow& window, CTervanDlg& dlg, int button)
    {
        AnswerLevelByKeys(SpokenLevel(dlg));
        ASSERT_TRUE(TabToControl(window, button));
        Press(window, Qt::Key_Space);
    }
};

TEST_F(KeyboardPracticalTest, PracticalByKeysAndScreenReaderAlone)
{
    backend->SetTimeScale(kTimeScale);
    RunProgram([&](CTervanDlg& dlg, DialogWindow& window) {
        EXPECT_EQ(window.windowTitle().toStdString(), "TERVAN");
        EXPECT_EQ(FocusedControl(window), IDOK);
        EXPECT_FALSE(window.CuesShown());
        ExpectTreeAgrees(window, "at the start");
        // The valve, the branch and the readings are there from the start.
        const std::string start = Tree::AsQtShowsIt(window);
        EXPECT_NE(start.find("toggle button \"Clau de pas\" = \"oberta\""), std::string::npos);
        EXPECT_NE(start.find("slider \"Branca dreta del manòmetre\" = \"nivell del mercuri"),
                  std::string::npos);
        EXPECT_NE(start.find("label \"Botella\" = \"oberta, sobre el banc\""), std::string::npos);
        EXPECT_EQ(start.find("Cancelar"), std::string::npos);

        ASSERT_TRUE(TabToControl(window, IDC_ANOTA_VALORS_INICIALS));
        EXPECT_TRUE(window.CuesShown());
        Press(window, Qt::Key_Space);
        ASSERT_TRUE(WaitUntil([&] { return dlg.m_bInitialNoted; }));
        ExpectFocusOn(window, IDC_TANCA_BOTELLA);
        ExpectRing(window, "after noting the initial values");
        ExpectTreeAgrees(window, "after noting the initial values");
        Bench::SavePicture(window, "e2e-keyboard-focus.png");

        Press(window, Qt::Key_Return);
        ASSERT_TRUE(WaitUntil([&] { return dlg.m_bBottleClosed; }));
        ExpectFocusOn(window, IDC_ANOTA_NIVELL_INICIAL);
        ExpectRing(window, "after closing the bottle");
        EXPECT_EQ(dlg.FindClientPart(IDC_BOTTLE)->value, "tancada");

        const int mark = ComputeManometer(dlg.m_nTubeY, 0.0).L;
        const std::string initial = SpokenLevel(dlg);
        EXPECT_EQ(initial, Bench::LevelText(dlg.m_nRulerTop, Bench::RightTop(window)));
        AnswerLevelByKeys(initial);
        Press(window, Qt::Key_Space);
        ASSERT_TRUE(WaitUntil([&] { return dlg.m_nCount == 1; }));
        ExpectFocusOn(window, IDC_SUBMERGIR_BOTELLA);

        ExpectTreeAgrees(window, "after the initial level");

        // The valve: the next stop after the procedure buttons.
        Press(window, Qt::Key_Tab);
        ASSERT_EQ(window.FocusedPart(), IDC_VALVE);
        ExpectRing(window, "on the valve");
        Bench::SavePicture(window, "e2e-keyboard-valve.png");
        Press(window, Qt::Key_Space);
        ASSERT_TRUE(WaitUntil(
            [&] { return dlg.m_nValveFrame == IDB_VALVE_CLOSED && !dlg.m_bValveMoving; }));
        EXPECT_NE(Tree::AsQtShowsIt(window).find(
                      "toggle button \"Clau de pas\" = \"tancada\" focused pressed"),
                  std::string::npos);
        Press(window, Qt::Key_Tab, Qt::ShiftModifier);
        EXPECT_EQ(FocusedControl(window), IDC_SUBMERGIR_BOTELLA);
        Press(window, Qt::Key_Space);
        ASSERT_TRUE(WaitUntil([&] { return dlg.m_bSubmerged; }));
        ExpectFocusOn(window, IDC_ANOTACIO);
        ExpectTreeAgrees(window, "submerged");

        for (int row = 1; row <= 8; ++row) {
            ASSERT_TRUE(TabToControl(window, row <= 6 ? IDC_ESCALFAR_AIGUA : IDC_REFREDAR_AIGUA));
            Press(window, Qt::Key_Space);
            WaitForGas(dlg, window, kNotedGap, kGasWaitMs);
            RelevelByKeys(window, dlg, mark);
            NoteByKeys(window, dlg, IDC_ANOTACIO);
            ASSERT_TRUE(WaitUntil([&] { return dlg.m_nCount == row + 1; })) << "row " << row;
            ExpectFocusOn(window, IDC_ANOTACIO);
            // The noted row is in the notebook's table as Qt shows it.
            const std::string tree = Tree::AsQtShowsIt(window);
            EXPECT_NE(tree.find("| " + std::to_string(row + 1) + " | "), std::string::npos) << tree;
            ExpectTreeAgrees(window, "after a row");
        }
        ExpectRing(window, "after the rows");

        // The graph page by the page buttons.
        ASSERT_TRUE(TabToControl(window, IDC_PAGE_FIRST));
        Press(window, Qt::Key_Space);
        ASSERT_TRUE(TabToControl(window, IDC_PAGE_NEXT));
        // Nine rows fill page 2; the graph is the page after the rows.
        for (int k = 0; k < 2; ++k)
            Press(window, Qt::Key_Space);
        ASSERT_TRUE(WaitUntil([&] { return dlg.m_strPage == "-3-"; }));
        double p[ExperimentState::kMaxRows] = {};
        RowPressures(dlg, p);
        double a = 0.0, b = 0.0;
        LinearFit(p, dlg.m_dTemp, 0, dlg.m_nCount - 1, b, a);
        CString equation;
        equation.Format("T(ºC) = %5.3f P  %+3.0f", a, b);
        EXPECT_EQ(Notebook::FittedEquation(dlg), equation);
        EXPECT_NE(Tree::AsQtShowsIt(window).find("label \"Recta ajustada\" = \"" + equation.str()),
                  std::string::npos);
        ExpectTreeAgrees(window, "on the graph page");
        // The ring is over the window, never in its picture.
        EXPECT_EQ(Bench::WindowMismatch(window, dlg), 0);
        EXPECT_EQ(unexpectedDialogs, 0);
        ASSERT_TRUE(TabToControl(window, IDOK));
    });
}

TEST_F(KeyboardPracticalTest, QtsTabOrderIsTheFrameworksAndF1ShowsTheKeys)
{
    RunProgram([&](CTervanDlg& dlg, DialogWindow& window) {
        // From "Sortir" round the window and back, forwards and backwards:
        // each stop Qt's focus chain reaches is the one the framework's
        // rule names.
        for (const bool backwards : {false, true}) {
            std::string qt, framework;
            FocusStop expected = window.FocusedStop();
            for (int i = 0; i < 8; ++i) {
                expected = NextFocus(window.Facts(), dlg.GetClientParts(), expected, backwards);
                Press(window, Qt::Key_Tab, backwards ? Qt::ShiftModifier : Qt::NoModifier);
                const FocusStop got = window.FocusedStop();
                qt += " " + std::to_string(got.kind) + ":" + std::to_string(got.index);
                framework +=
                    " " + std::to_string(expected.kind) + ":" + std::to_string(expected.index);
            }
            EXPECT_EQ(qt, framework) << (backwards ? "Shift+Tab" : "Tab");
        }
        // The README's picture: the ring on the valve, and the step buttons
        // a tap on the right branch shows.
        ASSERT_TRUE(TabToPart(window, IDC_VALVE));
        ClickClient(window, Bench::kBranchX, 240);
        ASSERT_NE(dlg.FindClientPart(IDC_STEP_UP), nullptr);
        EXPECT_EQ(window.FocusedPart(), IDC_VALVE);
        Bench::SavePicture(window, "keyboard-focus.png");

        // F1 asks for the keys' help.
        int helps = 0;
        QTimer::singleShot(0, [&] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) {
                    helps += box->text().startsWith(QStringLiteral("Tecles del banc"));
                    box->accept();
                }
        });
        Press(window, Qt::Key_F1);
        EXPECT_EQ(helps, 1);
    });
}

TEST_F(KeyboardPracticalTest, AWarningIsAnAlertThatTakesTheFocus)
{
    CWarningDlg warning;
    warning.m_strMessage = "Prova";
    OnNextModal([&](CDialog&, DialogWindow& window) {
        WaitUntil([&] { return window.isActiveWindow(); });
        QAccessibleInterface* alert = QAccessible::queryAccessibleInterface(&window);
        EXPECT_EQ(alert->role(), QAccessible::AlertMessage);
        EXPECT_TRUE(window.isActiveWindow());
        EXPECT_EQ(FocusedControl(window), IDOK);
        Key(window, Qt::Key_Return);
    });
    EXPECT_EQ(warning.DoModal(), IDOK);
}
