// "Escalfar Aigua" and "Refredar Aigua": each click moves the water by ten
// random steps of 0.2 to 0.4 degrees over one second, within -15..80 degrees.
#include "app/TervanDlg.h"

void CTervanDlg::OnEscalfarAigua()
{
    HeatWater(0.2 + 0.2 * Random::Draw() / RAND_MAX_VALUE);
}

void CTervanDlg::OnRefredarAigua()
{
    CoolWater(-0.2 - 0.2 * Random::Draw() / RAND_MAX_VALUE);
}

bool CTervanDlg::HeatWater(double step)
{
    if (!(m_dWaterTemp + 10 * step < 80))
        return false; // refused silently; the button stays enabled
    RampWaterTemp(step, 10);
    return true;
}

bool CTervanDlg::CoolWater(double step)
{
    if (!(m_dWaterTemp + 10 * step > -15))
        return false;
    RampWaterTemp(step, 10);
    return true;
}
