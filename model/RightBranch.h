// The manometer's movable right branch: how far the student can drag it.
// Rows are back-buffer rows of the branch's top, larger values lower down.
#pragma once

// The branch never leaves the picture: at its lowest its mouth stands at row
// 315, at its highest its foot at row 134, above the bottom of the picture.
constexpr int kTubeYLowest = 320;
constexpr int kTubeYHighest = -300;

struct BranchDrag {
    int tubeY;  // where the branch's top now stands
    bool moved; // false when the drag went past a bound
};

// The branch's top after a drag of `dy` rows from `tubeY`. A drag onto a
// bound is a move like any other; one past it leaves the branch on the bound
// and is not a move, so the grab point stays where it was and the branch
// follows the pointer again only once it is back on the inner side.
inline BranchDrag DragRightBranch(int tubeY, int dy)
{
    const int to = tubeY + dy;
    if (to > kTubeYLowest)
        return {kTubeYLowest, false};
    if (to < kTubeYHighest)
        return {kTubeYHighest, false};
    return {to, true};
}
