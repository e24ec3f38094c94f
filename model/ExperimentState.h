// Everything the simulated bench knows: room, water bath, enclosed air,
// valve, bottle, the movable right branch and the noted rows. The main window
// carries it as plain members for the life of the window.
#pragma once

#include "platform/CString.h"
#include "res/ResourceIds.h"

struct ExperimentState {
    static constexpr int kMaxRows = 14;

    // Valve and bottle. The valve's frame is the ID of its picture, from
    // IDB_VALVE_OPEN to IDB_VALVE_CLOSED; the first accepted click closes it.
    bool m_bValveMoving = false;
    int m_nValveFrame = IDB_VALVE_OPEN;
    int m_nValveStep = -1;
    // The bottle's top row: open below its stopper, then raised onto it.
    static constexpr int kBottleOpenY = 254;
    static constexpr int kBottleRaisedY = 200;
    int m_nBottleY = kBottleOpenY;
    bool m_bBottleClosed = false;
    bool m_bSubmerged = false;

    // Temperatures, degrees Celsius.
    double m_dRoomTemp = 0.0;
    double m_dWaterTemp = 0.0;
    double m_dGasTemp = 0.0;

    // Pressures, mmHg; the ratio P / T(K) of the enclosed air is fixed each
    // time the valve finishes opening.
    double m_dAtmPressure = 0.0;
    double m_dGasPressure = 0.0;
    double m_dGasConstant = 0.0;
    double m_dPressureDiff = 0.0;

    // Right branch of the manometer and its drag; y in back-buffer pixels.
    int m_nTubeY = 0; // always within -300..320
    bool m_bDragging = false;
    int m_nDragY = 0;
    bool m_bOverflowWarned = false;
    bool m_bInflowWarned = false;

    int m_nRulerTop = 0; // number printed at the ruler's top

    // The notebook: page label "-N-" (empty: put away) and the noted rows.
    CString m_strPage = "-1-";
    bool m_bInitialNoted = false;
    CString m_strInitialLevel;
    double m_dTemp[kMaxRows] = {};
    double m_dLevel[kMaxRows] = {};
    int m_nCount = 0;

    // Texts of the two gas-temperature edits (degrees Celsius and kelvin).
    CString m_strGasTempC;
    CString m_strGasTempK;
};
