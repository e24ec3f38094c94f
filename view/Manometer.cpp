// The moving part of the apparatus: the mercury U-tube and its side gauge.
#include "app/TervanDlg.h"

void CTervanDlg::DrawManometer()
{
    // While the valve stands open, or before the bottle is closed, the
    // mercury stands level.
    if (m_nValveFrame == 137 || !m_bBottleClosed)
        m_dPressureDiff = 0.0;
    SelectBackBuffer("error 1016");
    CopyBackBufferToWindow();
}

void CTervanDlg::DrawSideGauge()
{
    SelectBackBuffer("error 1021");
    DrawManometer();
}
