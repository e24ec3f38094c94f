// The fixed part of the apparatus: bench, thermometer and water bath.
#include "app/TervanDlg.h"

void CTervanDlg::DrawBench()
{
    SelectBackBuffer("error 1001");
    CopyBackBufferToWindow();
}

void CTervanDlg::DrawThermometer()
{
    SelectBackBuffer("error 1005");
    m_display.DrawValue(&m_dcBack, m_dWaterTemp);
    CopyBackBufferToWindow();
}

void CTervanDlg::DrawWaterBath()
{
    SelectBackBuffer("error 1008");
    CopyBackBufferToWindow();
}
