// "Escalfar Aigua" and "Refredar Aigua": each click moves the water by ten
// random steps of 0.2 to 0.4 degrees over one second, and is refused when
// it would take the water to 80 degrees or more, or to -15 or less.
#include "app/TervanDlg.h"
#include "model/WaterTemperature.h"

void CTervanDlg::OnEscalfarAigua()
{
    HeatWater(HeatingStepFromDraw(Random::Draw()));
}

void CTervanDlg::OnRefredarAigua()
{
    CoolWater(CoolingStepFromDraw(Random::Draw()));
}

bool CTervanDlg::HeatWater(double step)
{
    if (!HeatingAllowed(m_dWaterTemp, step))
        return false; // refused silently; the button stays enabled
    RampWaterTemp(step, kClickRampSteps);
    return true;
}

bool CTervanDlg::CoolWater(double step)
{
    if (!CoolingAllowed(m_dWaterTemp, step))
        return false;
    RampWaterTemp(step, kClickRampSteps);
    return true;
}
