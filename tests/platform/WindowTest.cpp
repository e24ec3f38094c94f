#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Framework.h"
#include "platform/headless/HeadlessBackend.h"

namespace {
// A window without a template: its controls grow as they are used.
class CProbeDlg : public CDialog {
  public:
    CProbeDlg() : CDialog(9999) {}
    void OnTimer(UINT id)
    {
        log.push_back("tick " + std::to_string(id) + " at " + std::to_string(backend->NowMs()));
        if (id == sleepyTimer) {
            sleepyTimer = 0;
            Sleep(sleepMs);
        }
    }
    void OnGo() { log.push_back("go at " + std::to_string(backend->NowMs())); }
    void OnHold()
    {
        log.push_back("hold");
        Sleep(200);
    }
    void DoDataExchange(CDataExchange* pDX) override { DDX_Text(pDX, 1007, m_strLevel); }

    HeadlessBackend* backend = nullptr;
    std::vector<std::string> log;
    UINT sleepyTimer = 0;
    UINT sleepMs = 0;
    CString m_strLevel;

    DECLARE_MESSAGE_MAP()
};

// clang-format off
BEGIN_MESSAGE_MAP(CProbeDlg, CDialog)
    ON_WM_TIMER()
    ON_BN_CLICKED(10, OnGo)
    ON_BN_CLICKED(11, OnHold)
END_MESSAGE_MAP()
// clang-format on

class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        backend.onScriptFailure = [this](const std::string& what) { failures.push_back(what); };
        dlg.backend = &backend;
        backend.Open(dlg);
    }
    HeadlessBackend backend;
    CProbeDlg dlg;
    std::vector<std::string> failures;
};

TEST_F(WindowTest, TimersTickInOrderAndBlockedTicksComeOnceAfterwards)
{
    dlg.SetTimer(1, 30);
    dlg.SetTimer(3, 50);
    backend.Advance(100);
    EXPECT_EQ(dlg.log, (std::vector<std::string>{"tick 1 at 30", "tick 3 at 50", "tick 1 at 60",
                                                 "tick 1 at 90", "tick 3 at 100"}));
    dlg.log.clear();
    dlg.KillTimer(1);
    dlg.sleepyTimer = 3;
    dlg.sleepMs = 400;
    dlg.SetTimer(2, 120);
    backend.Advance(200);
    // Timer 3 holds the thread from 150 to 550. Timer 3 (due again at 200)
    // and timer 2 (due at 220) then tick once each, in the order they fell due.
    EXPECT_EQ(dlg.log,
              (std::vector<std::string>{"tick 3 at 150", "tick 3 at 550", "tick 2 at 550"}));
}

TEST_F(WindowTest, TheBackendTellsThePeriodEachTimerRunsWith)
{
    dlg.SetTimer(3, 50);
    dlg.SetTimer(1, 30);
    EXPECT_EQ(backend.TimerPeriod(dlg, 3), 50u);
    EXPECT_EQ(backend.TimerPeriod(dlg, 1), 30u);
    dlg.SetTimer(3, 120);
    EXPECT_EQ(backend.TimerPeriod(dlg, 3), 120u);
    dlg.KillTimer(3);
    EXPECT_EQ(backend.TimerPeriod(dlg, 3), 0u);
    EXPECT_EQ(backend.TimerPeriod(dlg, 2), 0u);
}

TEST_F(WindowTest, InputDuringBlockingWorkIsHandledAfterwardsInOrder)
{
    backend.onSleep = [&](UINT) {
        backend.Click(dlg, 10);
        backend.Click(dlg, 10);
    };
    backend.Click(dlg, 11);
    EXPECT_EQ(dlg.log, (std::vector<std::string>{"hold", "go at 200", "go at 200"}));
}

TEST_F(WindowTest, ControlsAndDataExchange)
{
    dlg.GetDlgItem(1000)->EnableWindow(FALSE);
    EXPECT_FALSE(backend.IsControlEnabled(dlg, 1000));
    dlg.GetDlgItem(1000)->SetWindowText("Botella tancada");
    EXPECT_EQ(backend.ControlText(dlg, 1000), "Botella tancada");
    dlg.m_strLevel = "12,5";
    dlg.UpdateData(FALSE);
    EXPECT_EQ(backend.ControlText(dlg, 1007), "12,5");
    backend.SetControlText(dlg, 1007, "13");
    dlg.UpdateData(TRUE);
    EXPECT_EQ(dlg.m_strLevel, "13");

    EXPECT_EQ(dlg.MessageBox("error 1001"), IDOK);
    ASSERT_EQ(backend.MessageBoxes().size(), 1u);
    EXPECT_EQ(backend.MessageBoxes()[0].text, "error 1001");
    EXPECT_EQ(backend.MessageBoxes()[0].caption, "Prova"); // the application's name

    backend.Close(dlg);
    // A window that is gone ignores everything asked of it.
    dlg.GetDlgItem(1000)->EnableWindow(TRUE);
    EXPECT_EQ(dlg.SetTimer(1, 10), 0u);
}

TEST_F(WindowTest, ModalDialogsAnswerFromTheScript)
{
    CProbeDlg modal;
    backend.ExpectModal([&](CDialog& d) {
        backend.SetControlText(d, 1007, "12,5");
        return IDOK;
    });
    EXPECT_EQ(modal.DoModal(), IDOK);
    EXPECT_EQ(modal.m_strLevel, "12,5"); // OK moves the edit into the member

    modal.m_strLevel = "old";
    backend.ExpectModal([&](CDialog& d) {
        backend.SetControlText(d, 1007, "typed");
        return IDCANCEL;
    });
    EXPECT_EQ(modal.DoModal(), IDCANCEL);
    EXPECT_EQ(modal.m_strLevel, "old");

    // Timers of the main window keep ticking behind a modal dialog.
    dlg.SetTimer(3, 50);
    backend.ExpectModal([&](CDialog&) {
        backend.Advance(100);
        return IDOK;
    });
    modal.DoModal();
    EXPECT_EQ(dlg.log.size(), 2u);

    EXPECT_EQ(modal.DoModal(), IDCANCEL); // nobody answers
    ASSERT_EQ(failures.size(), 1u);
}

} // namespace
