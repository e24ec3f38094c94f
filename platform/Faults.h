// Fault injection for drawing objects: a test makes the n-th creation,
// selection or release of one kind fail, once or from then on, so that every
// failure the system reports can be reached. Without arming, nothing fails.
#pragma once

enum class GdiOp {
    CreatePen,
    CreateFont,
    SelectBitmap,
    SelectPen,
    SelectFont,
    DeletePen,
    DeleteFont,
    Count
};

namespace Faults {
// The n-th operation of `op` from now on (1 = the next one) fails; with
// `permanent`, that one and every later one fail.
void Arm(GdiOp op, int nth, bool permanent = false);
// Forgets every armed failure and every count.
void Reset();
// Counts one operation of `op` and tells whether it must fail.
bool ShouldFail(GdiOp op);
// How many operations of `op` were counted since the last Reset.
int Count(GdiOp op);
} // namespace Faults
