#include "ProbeDlg.h"

// clang-format off
BEGIN_MESSAGE_MAP(CProbeDlg, CDialog)
    ON_WM_TIMER()
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_BN_CLICKED(1005, OnHold)
    ON_BN_CLICKED(1004, OnOther)
    ON_BN_CLICKED(1009, OnAskLevel)
END_MESSAGE_MAP()
// clang-format on
