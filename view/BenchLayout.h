// Where the bench's pictures stand in the back buffer. The bench scene, the
// manometer and the animations copy them here, and the artwork generator
// composes the README's picture of the bench from the same places.
#pragma once

#include "res/ResourceIds.h"

namespace Bench {
struct Place {
    unsigned id; // the bitmap resource
    int x, y;    // its top-left corner
};

// The fixed apparatus, in the bench scene's drawing order; the bottle goes
// between the stopper and the tube at (kBottleX, m_nBottleY).
constexpr Place kStopper{IDB_STOPPER, 104, 132};
constexpr Place kTubeH{IDB_TUBE_H, 147, 132};
// The valve column: the same tube twice, the lower one running on below the
// bottom edge as the manometer's fixed left branch.
constexpr Place kColumnTop{IDB_TUBE_V, 252, 60};
constexpr Place kColumnBottom{IDB_TUBE_V, 252, 210};
constexpr Place kFunnel{IDB_FUNNEL, 243, 55};
constexpr int kValveX = 234, kValveY = 114, kValveSize = 50; // each frame

constexpr int kBottleX = 70;

constexpr Place kThermometer{IDB_THERMOMETER, 10, 10};
// The manometer: the fixed left branch below the valve; the movable right
// branch is the column tube at (kRightBranchX, m_nTubeY) and 150 rows lower,
// under a funnel at (kRightMouthX, m_nTubeY - 5).
constexpr Place kLeftBranch{IDB_LEFT_BRANCH, 250, 164};
constexpr int kRightBranchX = 350;
constexpr int kRightMouthX = 341;

// Right of the ruler: the notebook's page, or the side gauge whose small
// right branch stands at (kGaugeTubeX, Yg).
constexpr Place kNotebookPage{IDB_NOTEBOOK_PAGE, 387, 50};
constexpr int kNotebookW = 212, kNotebookH = 299;
constexpr Place kGauge{IDB_GAUGE, 420, 50};
constexpr int kGaugeTubeX = 550;
} // namespace Bench
