#include "platform/Faults.h"

#include <array>

namespace {
struct Arming {
    int count = 0;
    int failAt = 0; // 0: not armed
    bool permanent = false;
};
std::array<Arming, static_cast<int>(GdiOp::Count)> g_armings;
} // namespace

namespace Faults {
void Arm(GdiOp op, int nth, bool permanent)
{
    Arming& a = g_armings[static_cast<int>(op)];
    a.failAt = a.count + nth;
    a.permanent = permanent;
}

void Reset()
{
    g_armings = {};
}

bool ShouldFail(GdiOp op)
{
    Arming& a = g_armings[static_cast<int>(op)];
    ++a.count;
    if (a.failAt == 0)
        return false;
    return a.permanent ? a.count >= a.failAt : a.count == a.failAt;
}

int Count(GdiOp op)
{
    return g_armings[static_cast<int>(op)].count;
}
} // namespace Faults
