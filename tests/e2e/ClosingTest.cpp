// Ending the program while one of its two animations holds the thread. The
// close waits for the animation, which shows all its frames; then the window
// ends, and no message reaches it any more: no timer tick, no input that
// waited behind the close. The sanitized run holds the window to its memory
// all along.
#include "BenchStudent.h"

namespace {
// The main window, counting the messages that reach it once it has ended.
class WatchedDlg : public CTervanDlg {
  public:
    // Once rows are noted, the question before ending is answered within
    // these; the end is asked for when they return.
    void OnOK() override
    {
        CTervanDlg::OnOK();
        ended = true;
    }
    void OnCancel() override
    {
        CTervanDlg::OnCancel();
        ended = true;
    }
    void OnTimer(UINT id)
    {
        lateMessages += ended;
        CTervanDlg::OnTimer(id);
    }
    void OnInf()
    {
        lateMessages += ended;
        CTervanDlg::OnInf();
    }
    bool ended = false;
    int lateMessages = 0;
    DECLARE_MESSAGE_MAP()
};

// clang-format off
BEGIN_MESSAGE_MAP(WatchedDlg, CTervanDlg)
    ON_WM_TIMER()
    ON_BN_CLICKED(IDC_INF, OnInf)
END_MESSAGE_MAP()
// clang-format on
} // namespace

class ClosingTest : public BenchStudent {
  protected:
    // Runs the main window with `body`, which must end it; a body that
    // does not is failed and the window escaped. Returns the window's result.
    int RunMain(WatchedDlg& dlg, const Body& body)
    {
        AfxGetApp()->m_pMainWnd = &dlg;
        OnNextModal([&body, &dlg](CDialog&, DialogWindow& window) {
            EXPECT_TRUE(WaitUntil([&] { return Bench::Shown(window, 300, 20) == Bench::kBench; }));
            body(dlg, window);
            // Only reached while the window is still open, its loop not yet
            // left: the body did not end it.
            QTimer::singleShot(0, &window, [&window] {
                ADD_FAILURE() << "the window outlived its close";
                Key(window, Qt::Key_Escape);
            });
        });
        const int result = static_cast<int>(dlg.DoModal());
        AfxGetApp()->m_pMainWnd = nullptr;
        // Long enough for the gas timer to have ticked several times.
        WaitUntil([] { return false; }, 300);
        return result;
    }

    // Calls `action` at the `frame`-th picture the window shows while
    // `during` holds.
    void AtFrame(int frame, std::function<bool()> during, std::function<void()> action)
    {
        auto frames = std::make_shared<int>(0);
        backend->onClientPainted = [=](CWnd&) {
            // Not from inside the paint: a moment later, still within the
            // animation's frame.
            if (during() && ++*frames == frame)
                QTimer::singleShot(0, action);
        };
    }
};

TEST_F(ClosingTest, TheCloseButtonWhileTheBottleRisesEndsTheWindowOnceItIsUp)
{
    WatchedDlg dlg;
    int closedAtY = 0;
    const int result = RunMain(dlg, [&](CTervanDlg&, DialogWindow& window) {
        Click(window, IDC_ANOTA_VALORS_INICIALS);
        AtFrame(
            10, [&] { return dlg.m_nBottleY > 200 && dlg.m_nBottleY < 254; },
            [&] {
                closedAtY = dlg.m_nBottleY;
                window.close();
            });
        Click(window, IDC_TANCA_BOTELLA); // "Tanca Botella": 54 frames
    });
    EXPECT_GT(closedAtY, 200); // the close came half-way up
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(dlg.m_nBottleY, 200); // yet the bottle got all the way
    EXPECT_TRUE(dlg.m_bBottleClosed);
    EXPECT_FALSE(dlg.IsWindow());
    EXPECT_EQ(dlg.lateMessages, 0);
}

TEST_F(ClosingTest, EscapeWhileTheBathFillsAsksThenEndsTheWindowAndDropsWhatCameAfter)
{
    backend->SetTimeScale(0.1);
    WatchedDlg dlg;
    bool escaped = false;
    int asked = 0;
    const int result = RunMain(dlg, [&](CTervanDlg&, DialogWindow& window) {
        Click(window, IDC_ANOTA_VALORS_INICIALS);
        Click(window, IDC_TANCA_BOTELLA);
        AnswerLevel("40,0", true);
        Click(window, IDC_ANOTA_NIVELL_INICIAL);
        ClickClient(window, 280, 160); // the valve
        ASSERT_TRUE(WaitUntil([&] { return dlg.m_nValveFrame == IDB_VALVE_CLOSED; }));
        // A row is noted: Escape asks first, and the rows are not kept. The
        // click on "Inf" that waited behind Escape is under the question.
        OnNextModal([&](CDialog& question, DialogWindow& box) {
            asked += question.GetTemplateId() == UINT(IDD_KEEP_WORK);
            Click(box, IDC_KEEP_DISCARD);
        });
        AtFrame(
            20, [&] { return dlg.m_bSubmerged; },
            [&] {
                escaped = true;
                Key(window, Qt::Key_Escape);
                Click(window, IDC_INF); // "Inf", pressed after Escape
            });
        Click(window, IDC_SUBMERGIR_BOTELLA); // "Submergir Botella": the bath fills
    });
    EXPECT_TRUE(escaped);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_TRUE(dlg.m_bSubmerged);
    EXPECT_FALSE(dlg.IsWindow());
    // No About box from the window that Escape had ended, and no tick after.
    EXPECT_EQ(dlg.lateMessages, 0);
    EXPECT_EQ(unexpectedDialogs, 0);
}
