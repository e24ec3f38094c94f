// The bench by keyboard and by single taps. Every key goes through the
// mouse's handlers: Space or Return on the valve is a click at its centre;
// an arrow on the right branch is a drag of that many rows on its grab
// strip (grab, move, let go), so the bounds, the spill warnings and their
// latches, and the redraws are the mouse's own. F1 shows the keys.
#include "app/TervanDlg.h"
#include "view/BenchLayout.h"

namespace {
// One pixel is the finest a drag can do; Shift moves five; Page Up and
// Page Down a centimetre of the ruler.
constexpr int kFineStep = 1;
constexpr int kShiftStep = 5;
constexpr int kPageStep = Bench::kRulerPxPerCm;

// The rows a key moves the right branch: up is towards row 0; 0 for a key
// that does not move it.
int BranchStep(UINT nChar, bool shift)
{
    const int arrow = shift ? kShiftStep : kFineStep;
    switch (nChar) {
    case VK_UP:
        return -arrow;
    case VK_DOWN:
        return arrow;
    case VK_PRIOR:
        return -kPageStep;
    case VK_NEXT:
        return kPageStep;
    default:
        return 0;
    }
}
} // namespace

void CTervanDlg::OnKeyDown(UINT nChar, UINT nRepCnt, UINT)
{
    const int part = GetFocusedPart();
    if (part == IDC_VALVE && (nChar == VK_SPACE || nChar == VK_RETURN)) {
        ClickValve();
    } else if (part == IDC_RIGHT_BRANCH) {
        const int dy = BranchStep(nChar, GetKeyState(VK_SHIFT) < 0);
        for (UINT i = 0; dy != 0 && i < nRepCnt; ++i)
            DragBranchBy(dy);
    }
}

void CTervanDlg::OnHelp()
{
    CString help;
    help.LoadString(IDS_KEYS_HELP);
    MessageBox(help);
}

void CTervanDlg::ClickValve()
{
    const CPoint centre(Bench::kBackBufferX + Bench::kValveCentreX,
                        Bench::kBackBufferY + Bench::kValveCentreY);
    m_bSyntheticPointer = true;
    OnLButtonDown(MK_LBUTTON, centre);
    OnLButtonUp(0, centre);
    m_bSyntheticPointer = false;
}

bool CTervanDlg::DragBranchBy(int dy)
{
    // Grabbed halfway down the bench: a drag is relative, and the row
    // leaves room for a centimetre either way.
    const CPoint grab(Bench::kBackBufferX + Bench::kGrabStripX,
                      Bench::kBackBufferY + Bench::kBackBufferH / 2);
    const CPoint to(grab.x, grab.y + dy);
    const int warnings = m_nWarningsShown;
    m_bSyntheticPointer = true;
    OnLButtonDown(MK_LBUTTON, grab);
    OnMouseMove(MK_LBUTTON, to);
    OnLButtonUp(0, to);
    m_bSyntheticPointer = false;
    return m_nWarningsShown == warnings;
}
