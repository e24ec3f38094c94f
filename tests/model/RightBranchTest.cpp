// Dragging the right branch: onto a bound is a move, past it is not.
#include <gtest/gtest.h>

#include "model/RightBranch.h"

namespace {
TEST(RightBranchTest, ADragOntoABoundMovesOnePastItStopsThere)
{
    auto drag = [](int from, int dy) {
        const BranchDrag d = DragRightBranch(from, dy);
        return std::pair{d.tubeY, d.moved};
    };
    EXPECT_EQ(drag(100, 30), std::pair(130, true));
    EXPECT_EQ(drag(300, 20), std::pair(320, true));
    EXPECT_EQ(drag(300, 21), std::pair(320, false));
    EXPECT_EQ(drag(320, 0), std::pair(320, true));
    EXPECT_EQ(drag(-280, -20), std::pair(-300, true));
    EXPECT_EQ(drag(-280, -21), std::pair(-300, false));
    EXPECT_EQ(drag(-300, 620), std::pair(320, true));
}
} // namespace
