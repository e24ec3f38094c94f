// Where the bench's pictures stand in the back buffer, and where the window
// shows the back buffer. The bench scene, the manometer, the animations and
// the mouse's targets go by these places, and the artwork generator
// composes the README's picture of the bench from them.
#pragma once

#include "model/ManometerAxes.h"
#include "res/ResourceIds.h"

namespace Bench {
// The whole bench is composed off screen in a picture of this size, and
// every drawing routine copies all of it to the window's client area with
// its top-left corner here, inside the template's sunken frame.
constexpr int kBackBufferW = 600, kBackBufferH = 400;
constexpr int kBackBufferX = 21, kBackBufferY = 21;

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

// A click turns the valve when it lands less than 22 pixels from the centre
// of the valve's picture; exactly 22 away misses.
constexpr int kValveCentreX = kValveX + kValveSize / 2;
constexpr int kValveCentreY = kValveY + kValveSize / 2;
constexpr int kValveHitRadius = 22;

constexpr int kBottleX = 70;

// The thermometer's case, and the four cells of its digits (one decimal)
// inside the case's display window; a decimal point goes 32 right of and 44
// below the top-left corner of the cell before it.
constexpr Place kThermometer{IDB_THERMOMETER, 10, 10};
constexpr int kDigitsX = 25, kDigitsY = 43;
constexpr int kDigitCells = 4, kDigitDecimals = 1;
constexpr int kDigitPointDX = 32, kDigitPointDY = 44;

// The ruler beside the right branch: 24 rows per centimetre, numbered every
// centimetre downwards from the ruler's top number at row 0.
constexpr int kRulerPxPerCm = 24;

// The manometer: the fixed left branch below the valve; the movable right
// branch is the column tube at (kRightBranchX, m_nTubeY) and again
// kRightBranchRepeat rows lower, under a funnel at (kRightMouthX,
// m_nTubeY - 5). The mercury stands on the axes of model/ManometerAxes.h.
constexpr Place kLeftBranch{IDB_LEFT_BRANCH, 250, 164};
constexpr int kRightBranchX = 350;
constexpr int kRightBranchRepeat = 150;
constexpr int kRightMouthX = 341;

// A button-down in the columns less than 10 from the left edge of the right
// branch's glass grabs the branch, at any height (x 341..359).
constexpr int kGrabStripX = kRightBranchX;
constexpr int kGrabStripReach = 10;

// Right of the ruler: the notebook's page, or the side gauge whose small
// right branch stands at (kGaugeTubeX, Yg).
constexpr Place kNotebookPage{IDB_NOTEBOOK_PAGE, 387, 50};
constexpr int kNotebookW = 212, kNotebookH = 299;
constexpr Place kGauge{IDB_GAUGE, 420, 50};
constexpr int kGaugeTubeX = 550;
} // namespace Bench
