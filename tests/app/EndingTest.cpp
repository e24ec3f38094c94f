// Ending the practical: before any row every way out ends it at once; once
// a row is noted each first asks whether to save the rows, and only "No
// desis" or a save that was written lets the practical end.
#include <functional>

#include "support/TervanFixture.h"

namespace {
// The four ways a student ends the practical.
enum class Route { Escape, Close, Sortir, ReturnOnSortir };
const Route kRoutes[] = {Route::Escape, Route::Close, Route::Sortir, Route::ReturnOnSortir};

class EndingTest : public TervanFixture {
  protected:
    void SetUp() override
    {
        TervanFixture::SetUp();
        ScriptDraws({}, 0);
    }

    // Runs the main window modally; `inside` drives it. The result is how
    // the window ended, 0 when it was still open once `inside` was done.
    INT_PTR RunMain(const std::function<void(CTervanDlg&)>& inside)
    {
        CTervanDlg main;
        backend.ExpectModal([&](CDialog&) {
            inside(main);
            rows = main.m_nCount;
            return 0;
        });
        return main.DoModal();
    }

    // The first row, the initial level, noted through the buttons.
    void NoteTheInitialLevel(CTervanDlg& main)
    {
        backend.Click(main, IDC_ANOTA_VALORS_INICIALS);
        backend.Click(main, IDC_TANCA_BOTELLA);
        backend.ExpectModal([this](CDialog& d) {
            backend.SetControlText(d, IDC_LEVEL, "12,5");
            return IDOK;
        });
        backend.Click(main, IDC_ANOTA_NIVELL_INICIAL);
        ASSERT_EQ(main.m_nCount, 1);
    }

    void Take(CTervanDlg& main, Route route)
    {
        switch (route) {
        case Route::Escape:
            backend.Key(main, VK_ESCAPE);
            break;
        case Route::Close:
            backend.Send(main, WM_SYSCOMMAND, SC_CLOSE);
            break;
        case Route::Sortir:
            backend.Click(main, IDOK);
            break;
        case Route::ReturnOnSortir:
            // Tab round to "Sortir", then Return presses it.
            for (int i = 0; i < 40 && backend.FocusedControl(main) != IDOK; ++i)
                backend.Key(main, VK_TAB);
            ASSERT_EQ(backend.FocusedControl(main), IDOK);
            backend.Key(main, VK_RETURN);
            break;
        }
    }

    // Answers the question with `answer` (a button, or a key when `key`),
    // noting what it showed.
    void Answer(int button, UINT key = 0)
    {
        backend.ExpectModal([this, button, key](CDialog& d) {
            asked.push_back(d.GetTemplateId());
            described = DescribeAsText(backend.Describe(d));
            focusAtStart = backend.FocusedControl(d);
            if (key)
                backend.Key(d, key);
            else
                backend.Click(d, button);
            return IDOK; // not reached: each answer ends the question
        });
    }

    std::vector<UINT> asked;
    std::string described;
    int focusAtStart = 0;
    int rows = -1;
};

TEST_F(EndingTest, WithoutRowsEveryRouteEndsAtOnce)
{
    const INT_PTR results[] = {IDCANCEL, IDCANCEL, IDOK, IDOK};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(RunMain([&](CTervanDlg& main) { Take(main, kRoutes[i]); }), results[i]) << i;
        EXPECT_TRUE(asked.empty()) << i;
        // Noting the initial values is not a row.
        EXPECT_EQ(RunMain([&](CTervanDlg& main) {
                      backend.Click(main, IDC_ANOTA_VALORS_INICIALS);
                      Take(main, kRoutes[i]);
                  }),
                  results[i])
            << i;
    }
    EXPECT_TRUE(asked.empty());
    EXPECT_EQ(backend.PendingModalScripts(), 0u);
}

TEST_F(EndingTest, WithARowEveryRouteAsksAndCancelKeepsThePractical)
{
    for (Route route : kRoutes) {
        asked.clear();
        const INT_PTR result = RunMain([&](CTervanDlg& main) {
            NoteTheInitialLevel(main);
            Answer(IDCANCEL);
            Take(main, route);
            // Still open, with its row; and asked again the next time.
            EXPECT_TRUE(main.IsWindow());
            Answer(0, VK_ESCAPE);
            Take(main, route);
            Answer(0, VK_RETURN); // Return presses the default, "Cancel·la"
            Take(main, route);
        });
        EXPECT_EQ(result, 0) << int(route);
        EXPECT_EQ(rows, 1) << int(route);
        EXPECT_EQ(asked, std::vector<UINT>(3, IDD_KEEP_WORK)) << int(route);
        EXPECT_TRUE(backend.Saves().empty());
    }
    // The question as assistive technology reads it, the focus on staying.
    EXPECT_EQ(focusAtStart, IDCANCEL);
    EXPECT_EQ(described, "alert \"Vols desar les dades del quadern abans d'acabar?\"\n"
                         "push button \"Cancel·la\" focused\n"
                         "push button \"Desa…\"\n"
                         "push button \"No desis\"\n"
                         "label \"Vols desar les dades del quadern abans d'acabar?\"\n");
}

TEST_F(EndingTest, NoDesisEndsAsTheRouteWouldHave)
{
    const INT_PTR results[] = {IDCANCEL, IDCANCEL, IDOK, IDOK};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(RunMain([&](CTervanDlg& main) {
                      NoteTheInitialLevel(main);
                      Answer(IDC_KEEP_DISCARD);
                      Take(main, kRoutes[i]);
                  }),
                  results[i])
            << i;
    }
    EXPECT_TRUE(backend.Saves().empty());
}

TEST_F(EndingTest, DesaSavesTheTableBeforeTheEndAndAFailedOrCancelledSaveStays)
{
    std::vector<std::string> order;
    CTervanDlg* running = nullptr;
    backend.onSave = [&](const SaveRequest& r) {
        order.push_back((backend.HasEnded(*running) ? "after the end: " : "") + r.suggestedName);
        return HeadlessBackend::SaveAnswer{};
    };
    const INT_PTR result = RunMain([&](CTervanDlg& main) {
        running = &main;
        NoteTheInitialLevel(main);
        Answer(IDC_KEEP_SAVE);
        Take(main, Route::Escape);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(order, std::vector<std::string>{"tervan-2026-12-07.csv"});
    ASSERT_EQ(backend.Saves().size(), 1u);
    EXPECT_EQ(backend.Saves()[0].bytes.find("\r\n1;"), backend.Saves()[0].bytes.find("\r\n"));

    for (SaveResult failure : {SaveResult::Cancelled, SaveResult::Failed}) {
        backend.onSave = [failure](const SaveRequest&) {
            return HeadlessBackend::SaveAnswer{failure, ""};
        };
        backend.ClearMessageBoxes();
        EXPECT_EQ(RunMain([&](CTervanDlg& main) {
                      NoteTheInitialLevel(main);
                      Answer(IDC_KEEP_SAVE);
                      Take(main, Route::Sortir);
                  }),
                  0);
        EXPECT_EQ(rows, 1);
        EXPECT_EQ(backend.MessageBoxes().size(), failure == SaveResult::Failed ? 1u : 0u);
    }
}
} // namespace
