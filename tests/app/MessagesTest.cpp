// What the student is told when drawing fails: one box at a time, however
// often the timers hit the failure behind it.
#include <algorithm>

#include "support/TervanFixture.h"

namespace {
class MessagesTest : public TervanFixture {
  protected:
    // A fresh window, painted once, its right branch where nothing spills.
    void Fresh()
    {
        if (dlg)
            backend.Close(*dlg);
        ScriptDraws({}, 0);
        Start();
        backend.Paint(*dlg);
        backend.ClearMessageBoxes();
        Faults::Reset();
    }
};

// While a box is open the timers go on. A failure that lasts hits several
// codes on every gas tick; their boxes must not nest on the open one (each
// would let more ticks through), so one box is open at a time and the user
// clicks through the codes of one drawing, not thousands.
TEST_F(MessagesTest, ALastingFailureShowsOneBoxAtATime)
{
    for (GdiOp op : {GdiOp::SelectBitmap, GdiOp::CreatePen, GdiOp::SelectPen, GdiOp::DeletePen}) {
        SCOPED_TRACE("operation " + std::to_string(static_cast<int>(op)));
        Fresh();
        backend.Click(*dlg, IDC_ANOTA_VALORS_INICIALS);
        backend.Click(*dlg, IDC_TANCA_BOTELLA); // the bottle closes: the gas timer runs
        ASSERT_TRUE(backend.IsTimerRunning(*dlg, CTervanDlg::kGasTimer));
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
