#include "model/GraphData.h"

#include "model/LevelParser.h"

void RowPressures(const ExperimentState& s, double pressures[ExperimentState::kMaxRows])
{
    const double h0 = LevelOrZero(s.m_strInitialLevel);
    for (int i = 0; i < s.m_nCount && i < ExperimentState::kMaxRows; ++i)
        pressures[i] = RowPressure(s.m_dAtmPressure, s.m_dLevel[i], h0);
}
