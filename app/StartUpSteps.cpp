// The start-up values of the experiment state, in the order the main window's
// initialisation runs them (it interleaves the graphics set-up).
#include "app/TervanDlg.h"
#include "model/GasModel.h"
#include "model/StartUp.h"

void CTervanDlg::SeedAndPlaceRightBranch()
{
    Random::Seed(static_cast<unsigned int>(TimeNow()));
    DiscardDraws();
    m_nTubeY = TubeYFromDraw(Random::Draw());
}

void CTervanDlg::ResetValveAndBottle()
{
    m_bValveMoving = false;
    m_nValveFrame = IDB_VALVE_OPEN;
    m_nValveStep = -1;
    m_nBottleY = kBottleOpenY;
    m_bBottleClosed = false;
    m_bSubmerged = false;
    m_bDragging = false;
}

void CTervanDlg::SetRoomAndWater()
{
    m_dRoomTemp = RoomTempFor(CTime::GetCurrentTime().GetMonth(), Random::Draw());
    m_dWaterTemp = m_dRoomTemp;
}

void CTervanDlg::SetGasAndPressure()
{
    m_dGasTemp = m_dRoomTemp;
    m_bOverflowWarned = false;
    m_bInflowWarned = false;
    m_dAtmPressure = AtmPressureFromDraw(Random::Draw());
    m_dGasPressure = m_dAtmPressure;
    m_dGasConstant = GasConstantFor(m_dAtmPressure, m_dGasTemp);
}

void CTervanDlg::SetNotebookStart()
{
    m_strPage = "-1-";
    m_bInitialNoted = false;
    m_strInitialLevel.Empty();
    m_nRulerTop = RulerTopFromDraw(Random::Draw());
    m_nCount = 0;
}
