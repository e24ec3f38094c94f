// The mouse on the bench: a click inside the valve's circle turns it; a grab
// on the right branch's strip drags the branch up and down.
#include <cstdlib>

#include "app/TervanDlg.h"
#include "model/RightBranch.h"
#include "view/BenchLayout.h"

namespace {
const char* const kOpeningWhileSubmerged =
    "Amb aquesta acció s'obrirà la clau de pas i la pressió de l'aire que hi ha dins la "
    "botella s'igualarà a l'atmosfèrica. Si es torna tancar la clau de pas, la pressió "
    "canviarà amb la temperatura amb un pendent distint del que ho feia fins ara.";

// Inside the valve's hit circle, around client (280, 160). Squared in 64
// bits: a pointer far outside the window must not overflow.
bool OnValve(CPoint p)
{
    const long long dx = Bench::kBackBufferX + Bench::kValveCentreX - p.x;
    const long long dy = Bench::kBackBufferY + Bench::kValveCentreY - p.y;
    return dx * dx + dy * dy < Bench::kValveHitRadius * Bench::kValveHitRadius;
}

// The vertical strip over the right branch, client x 362..380.
bool OnRightBranch(CPoint p)
{
    return std::abs(p.x - (Bench::kBackBufferX + Bench::kGrabStripX)) < Bench::kGrabStripReach;
}
} // namespace

void CTervanDlg::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (PointerPressed(point))
        return;
    if (OnValve(point) && !m_bValveMoving) {
        m_nValveStep = -m_nValveStep;
        m_bValveMoving = true;
        SetTimer(kValveTimer, kValveTimerMs);
        // The valve opens whatever the answer; it turns on behind the warning.
        if (m_bSubmerged && m_nValveStep == -1) {
            ShowWarning(kOpeningWhileSubmerged);
            return;
        }
    }
    if (OnRightBranch(point)) {
        m_bDragging = true;
        m_nDragY = point.y;
        // Held so that a release outside the window still ends the drag.
        SetCapture();
        OnMouseMove(nFlags, point);
        if (m_bSubmerged)
            PutNotebookAway();
    }
}

void CTervanDlg::OnMouseMove(UINT nFlags, CPoint point)
{
    PointerMoved(nFlags, point);
    if (!m_bDragging)
        return;
    const BranchDrag drag = DragRightBranch(m_nTubeY, point.y - m_nDragY);
    m_nTubeY = drag.tubeY;
    // Past a bound the anchor stays: the branch follows again only once the
    // pointer is back on the inner side of the last accepted position.
    if (!drag.moved)
        return;
    m_nDragY = point.y;
    DrawManometer();
}

void CTervanDlg::OnLButtonUp(UINT, CPoint)
{
    if (PointerReleased())
        return;
    m_bDragging = false;
    ReleaseCapture();
}
