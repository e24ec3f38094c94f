// Every drawing failure the program reports: for each code, one creation,
// selection or release is made to fail; the code must appear in a message box
// captioned "Tervan" and the routine must carry on to its copies to the
// window. Which operation to fail is found by counting the routine's
// operations in a clean run first. Every code written in the sources is
// reachable this way; none is left out.
#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
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
            dlg->m_nValveFrame = 142;
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

// The codes written in the program's sources, when they sit beside the test:
// every "error ..." or "ERROR ..." of digits and small letters in quotes.
std::set<std::string> CodesInSources()
{
    namespace fs = std::filesystem;
    const fs::path root = fs::path(__FILE__).parent_path().parent_path().parent_path();
    std::set<std::string> codes;
    for (const char* folder : {"model", "view", "notebook", "app"}) {
        if (!fs::is_directory(root / folder))
            continue;
        for (const auto& entry : fs::directory_iterator(root / folder)) {
            std::ifstream in(entry.path());
            const std::string text((std::istreambuf_iterator<char>(in)), {});
            for (const char* word : {"\"error ", "\"ERROR "}) {
                for (auto at = text.find(word); at != std::string::npos;
                     at = text.find(word, at + 1)) {
                    auto end = at + 7;
                    while (end < text.size() &&
                           (std::isdigit(static_cast<unsigned char>(text[end])) ||
                            std::islower(static_cast<unsigned char>(text[end]))))
                        ++end;
                    if (end > at + 7 && end < text.size() && text[end] == '"')
                        codes.insert(text.substr(at + 1, end - at - 1));
                }
            }
        }
    }
    return codes;
}

TEST(FaultCodesCoverage, EveryCodeInTheSourcesHasACase)
{
    std::set<std::string> covered;
    for (const RoutineFaults& routine : AllRoutineFaults())
        for (const FaultCase& c : routine.cases)
            covered.insert(c.boxes.front());
    const std::set<std::string> inSources = CodesInSources();
    if (inSources.empty())
        GTEST_SKIP() << "the sources are not beside the test";
    std::vector<std::string> missing;
    std::set_difference(inSources.begin(), inSources.end(), covered.begin(), covered.end(),
                        std::back_inserter(missing));
    EXPECT_TRUE(missing.empty()) << "codes without a case: " << ::testing::PrintToString(missing);
    std::vector<std::string> stale;
    std::set_difference(covered.begin(), covered.end(), inSources.begin(), inSources.end(),
                        std::back_inserter(stale));
    EXPECT_TRUE(stale.empty()) << "cases for codes gone: " << ::testing::PrintToString(stale);
}

// While a box is open the timers go on. A failure that lasts hits several
// codes on every gas tick; their boxes must not nest on the open one (each
// would let more ticks through), so one box is open at a time and the user
// clicks through the codes of one drawing, not thousands.
TEST_F(FaultWindow, ALastingFailureShowsOneBoxAtATime)
{
    for (GdiOp op : {GdiOp::SelectBitmap, GdiOp::CreatePen, GdiOp::SelectPen, GdiOp::DeletePen}) {
        SCOPED_TRACE("operation " + std::to_string(static_cast<int>(op)));
        Fresh(false);
        backend.Click(*dlg, 1005);
        backend.Click(*dlg, 1000); // the bottle closes: the gas timer runs
        ASSERT_TRUE(backend.IsTimerRunning(*dlg, 3));
        backend.ClearMessageBoxes();
        Faults::Arm(op, 1, true);
        int open = 0;
        int deepest = 0;
        const int before = backend.ClientUpdates(*dlg);
        backend.onMessageBox = [&](const HeadlessBackend::Box&) {
            deepest = std::max(deepest, ++open);
            backend.Advance(1000); // twenty gas ticks behind the box
            --open;
        };
        backend.Advance(3000);
        backend.onMessageBox = nullptr;
        EXPECT_GT(backend.ClientUpdates(*dlg) - before, 20); // the manometer kept drawing
        EXPECT_EQ(deepest, 1);
        // At most the codes of one manometer and one thermometer drawing.
        EXPECT_GE(backend.MessageBoxes().size(), 1u);
        EXPECT_LE(backend.MessageBoxes().size(), 12u);

        // Once drawing works again, nothing more is reported.
        Faults::Reset();
        backend.ClearMessageBoxes();
        backend.Advance(1000);
        EXPECT_TRUE(backend.MessageBoxes().empty());
    }
}

} // namespace
