// The three window timers: the turning valve (timer 1, 30 ms), the water
// drifting towards the room (timer 2, 3 s) and the gas following the water
// (timer 3, 50 ms), plus the ramp that moves the water in visible steps.
#include "app/TervanDlg.h"
#include "model/GasModel.h"
#include "res/ErrorCodes.h"

void CTervanDlg::OnTimer(UINT nIDEvent)
{
    if (m_bValveMoving && nIDEvent == kValveTimer)
        ValveTick();
    else if (nIDEvent == kDriftTimer)
        DriftTick();
    else if (nIDEvent == kGasTimer)
        GasTick();
    else if (nIDEvent == kStepTimer)
        StepTick();
}

void CTervanDlg::ValveTick()
{
    m_nValveFrame += m_nValveStep;
    // A movement always runs between the two end pictures; never past them.
    if (m_nValveFrame < IDB_VALVE_OPEN)
        m_nValveFrame = IDB_VALVE_OPEN;
    if (m_nValveFrame > IDB_VALVE_CLOSED)
        m_nValveFrame = IDB_VALVE_CLOSED;
    DrawValve();
    CopyBackBufferToWindow();
    if (m_nValveFrame == IDB_VALVE_OPEN) {
        // Fully open: the enclosed air is back at atmospheric pressure, at
        // its present temperature.
        m_bValveMoving = false;
        KillTimer(kValveTimer);
        m_dGasPressure = m_dAtmPressure;
        m_dGasConstant = GasConstantFor(m_dAtmPressure, m_dGasTemp);
    } else if (m_nValveFrame == IDB_VALVE_CLOSED) {
        m_bValveMoving = false;
        KillTimer(kValveTimer);
    }
    DescribeBench(); // a turn that ended is no longer "girant"
}

void CTervanDlg::DriftTick()
{
    m_dWaterTemp = DriftedWaterTemp(m_dWaterTemp, m_dRoomTemp);
    const double kept = m_dWaterTemp;
    // The thermometer's last digit flickers upward for one redraw only.
    m_dWaterTemp += ThermometerJitter(Random::Draw());
    DrawThermometer();
    m_dWaterTemp = kept;
}

void CTervanDlg::GasTick()
{
    m_dGasTemp = RelaxedGasTemp(m_dGasTemp, m_dWaterTemp);
    m_strGasTempC.Format("%5.1f", m_dGasTemp);
    m_strGasTempK.Format("%6.1f", m_dGasTemp + kKelvinOffset);
    UpdateData(FALSE);
    m_dGasPressure = GasPressureAt(m_dGasTemp, m_dGasConstant);
    m_dPressureDiff = m_dGasPressure - m_dAtmPressure;
    DrawManometer();
}

void CTervanDlg::RampWaterTemp(double step, int count)
{
    SelectBackBuffer(Err::kRampBackBuffer);
    for (int i = 0; i < count; ++i) {
        m_dWaterTemp += step;
        DrawWaterDigits();
        Sleep(100);
        CopyBackBufferToWindow();
    }
}
