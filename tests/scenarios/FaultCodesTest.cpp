// Every drawing failure the program reports: for each code, one creation,
// selection or release is made to fail; the code must appear in a message box
// captioned "Tervan" and the routine must carry on to its copies to the
// window. Which operation to fail is found by counting the routine's
// operations in a clean run first. Every code the program has is reachable
// this way; none is left out.
#include <algorithm>
#include <iterator>
#include <set>

#include "support/FaultCases.h"
#include "support/TervanFixture.h"

namespace {

class FaultWindow : public TervanFixture {
  protected:
    void SetUp() override
    {
        TervanFixture::SetUp();
        ScriptDraws({}, 0); // right branch at 80: the mercury spills nowhere
    }

    // A fresh window, painted once so the back buffer is selected as usual.
    void Fresh(bool gauge)
    {
        if (dlg)
            backend.Close(*dlg);
        Start();
        backend.Paint(*dlg);
        if (gauge) {
            // Submerged with the notebook put away: the side gauge shows.
            dlg->m_nBottleY = 200;
            dlg->m_bBottleClosed = true;
            dlg->m_nValveFrame = IDB_VALVE_CLOSED;
            dlg->m_bSubmerged = true;
            dlg->m_strPage.Empty();
        }
        backend.ClearMessageBoxes();
        Faults::Reset();
    }
};

class FaultCodesTest : public FaultWindow, public ::testing::WithParamInterface<std::size_t> {};

TEST_P(FaultCodesTest, EachFailureShowsItsCodeAndTheRoutineCarriesOn)
{
    const RoutineFaults& routine = AllRoutineFaults()[GetParam()];
    Fresh(routine.gauge);
    int before = backend.ClientUpdates(*dlg);
    routine.run(*dlg);
    const int cleanCopies = backend.ClientUpdates(*dlg) - before;
    ASSERT_TRUE(backend.MessageBoxes().empty());
    ASSERT_GT(cleanCopies, 0);
    int clean[static_cast<int>(GdiOp::Count)];
    for (int op = 0; op < static_cast<int>(GdiOp::Count); ++op)
        clean[op] = Faults::Count(static_cast<GdiOp>(op));

    for (const FaultCase& c : routine.cases) {
        SCOPED_TRACE(c.what);
        Fresh(routine.gauge);
        Faults::Arm(c.op, c.nth(clean[static_cast<int>(c.op)]));
        before = backend.ClientUpdates(*dlg);
        int copiesAtFirstBox = -1;
        backend.onMessageBox = [&](const HeadlessBackend::Box&) {
            if (copiesAtFirstBox < 0)
                copiesAtFirstBox = backend.ClientUpdates(*dlg) - before;
        };
        routine.run(*dlg);
        backend.onMessageBox = nullptr;
        EXPECT_EQ(BoxTexts(), c.boxes);
        for (const auto& box : backend.MessageBoxes()) {
            EXPECT_EQ(box.caption, "Tervan");
            EXPECT_EQ(box.type, MB_OK);
        }
        const int copies = backend.ClientUpdates(*dlg) - before;
        EXPECT_EQ(copies, cleanCopies);
        if (c.beforeLastCopy) {
            EXPECT_LT(copiesAtFirstBox, copies) << "no copy to the window after the box";
        }
        Faults::Reset();
    }
}

INSTANTIATE_TEST_SUITE_P(Routines, FaultCodesTest,
                         ::testing::Range(std::size_t{0}, AllRoutineFaults().size()),
                         [](const ::testing::TestParamInfo<std::size_t>& param) {
                             return std::string(AllRoutineFaults()[param.param].name);
                         });

// Every code the program has is made to appear by some case, and every case
// expects a code the program has.
TEST_F(FaultCodesTest, EveryCodeHasACaseAndEveryCaseACode)
{
    std::set<std::string> covered;
    for (const RoutineFaults& routine : AllRoutineFaults())
        for (const FaultCase& c : routine.cases)
            covered.insert(c.boxes.front());
    const std::set<std::string> codes(std::begin(Err::kAll), std::end(Err::kAll));
    std::vector<std::string> missing;
    std::set_difference(codes.begin(), codes.end(), covered.begin(), covered.end(),
                        std::back_inserter(missing));
    EXPECT_TRUE(missing.empty()) << "codes without a case: " << ::testing::PrintToString(missing);
    std::vector<std::string> stale;
    std::set_difference(covered.begin(), covered.end(), codes.begin(), codes.end(),
                        std::back_inserter(stale));
    EXPECT_TRUE(stale.empty()) << "cases for codes gone: " << ::testing::PrintToString(stale);
}

} // namespace
