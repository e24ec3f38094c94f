// One pointer, no dragging: a press and release on the right branch without
// moving shows two buttons beside it, up and down, painted by the window
// system over the bench (never into the back buffer). Each tap moves the
// branch one row, as a drag of one row; held, they repeat. They go when the
// student presses anywhere else or drags.
#include <algorithm>
#include <cstdlib>

#include "app/TervanDlg.h"
#include "view/BenchLayout.h"

namespace {
// Big enough for a finger: 24 x 24 pixels, right of the grab strip, in the
// bench's columns 362..385 between the strip and the notebook's page.
constexpr int kStepSize = 24;
constexpr int kStepX = Bench::kBackBufferX + Bench::kGrabStripX + Bench::kGrabStripReach + 1;
constexpr int kTopRow = Bench::kBackBufferY;
constexpr int kBottomRow = Bench::kBackBufferY + Bench::kBackBufferH;
// A finger lands with a little wobble: a release this close to the press is
// still a tap.
constexpr int kTapSlop = 2;

Box StepBox(int nStepY, bool up)
{
    return {kStepX, up ? nStepY - kStepSize : nStepY + 1, kStepSize, kStepSize};
}
} // namespace

void CTervanDlg::ShowStepButtons(int y)
{
    // Centred on the row tapped, kept whole within the bench.
    m_nStepY = std::clamp(y, kTopRow + kStepSize, kBottomRow - kStepSize - 1);
    m_bStepButtons = true;
    DeclareStepButtons();
}

void CTervanDlg::HideStepButtons()
{
    if (!m_bStepButtons)
        return;
    m_bStepButtons = false;
    m_nStepHeld = 0;
    KillTimer(kStepTimer);
    RemoveClientPart(IDC_STEP_UP);
    RemoveClientPart(IDC_STEP_DOWN);
}

void CTervanDlg::DeclareStepButtons()
{
    for (const bool up : {true, false}) {
        ClientPart b;
        b.id = up ? IDC_STEP_UP : IDC_STEP_DOWN;
        b.role = PartRole::PushButton;
        CString name;
        name.LoadString(up ? IDS_STEP_UP : IDS_STEP_DOWN);
        b.name = name.str();
        b.rect = StepBox(m_nStepY, up);
        b.painted = true;
        b.glyph = up ? PartGlyph::ArrowUp : PartGlyph::ArrowDown;
        b.pressed = m_nStepHeld == b.id;
        SetClientPart(b);
    }
}

bool CTervanDlg::PointerPressed(CPoint point)
{
    if (m_bSyntheticPointer)
        return false;
    m_ptPress = point;
    m_bPointerMoved = false;
    if (!m_bStepButtons)
        return false;
    for (const int id : {IDC_STEP_UP, IDC_STEP_DOWN}) {
        if (StepBox(m_nStepY, id == IDC_STEP_UP).Contains(point.x, point.y)) {
            m_nStepHeld = id;
            DeclareStepButtons();
            StepBranch(id == IDC_STEP_UP ? -1 : 1);
            if (m_nStepHeld) {
                // The step's own drag let the pointer go: held again, so
                // that a release anywhere ends the repeat.
                SetCapture();
                SetTimer(kStepTimer, kStepDelayMs);
            }
            return true;
        }
    }
    HideStepButtons();
    return false;
}

void CTervanDlg::PointerMoved(UINT nFlags, CPoint point)
{
    if (m_bSyntheticPointer || !(nFlags & MK_LBUTTON) || m_nStepHeld)
        return;
    if (std::abs(point.x - m_ptPress.x) > kTapSlop || std::abs(point.y - m_ptPress.y) > kTapSlop)
        m_bPointerMoved = true;
}

bool CTervanDlg::PointerReleased()
{
    if (m_bSyntheticPointer)
        return false;
    if (m_nStepHeld) {
        m_nStepHeld = 0;
        KillTimer(kStepTimer);
        ReleaseCapture();
        DeclareStepButtons();
        return true;
    }
    // A grab of the branch let go where it was pressed: a tap.
    if (m_bDragging && !m_bPointerMoved)
        ShowStepButtons(m_ptPress.y);
    return false;
}

void CTervanDlg::StepBranch(int dy)
{
    // A spill warning lets go of the button, as it ends a drag.
    if (!DragBranchBy(dy) && m_nStepHeld) {
        m_nStepHeld = 0;
        KillTimer(kStepTimer);
        DeclareStepButtons();
    }
}

void CTervanDlg::StepTick()
{
    KillTimer(kStepTimer);
    if (!m_nStepHeld)
        return;
    StepBranch(m_nStepHeld == IDC_STEP_UP ? -1 : 1);
    if (m_nStepHeld) {
        SetCapture();
        SetTimer(kStepTimer, kStepRepeatMs);
    }
}

void CTervanDlg::OnStepUp()
{
    DragBranchBy(-1);
}

void CTervanDlg::OnStepDown()
{
    DragBranchBy(1);
}
