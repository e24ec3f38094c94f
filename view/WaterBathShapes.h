// The shapes of the water bath, drawn with whatever pen is selected, so the
// repaint and the filling animation draw the very same lines.
#pragma once

#include "platform/Framework.h"

namespace WaterBath {
inline void BenchTop(CDC& dc)
{
    dc.MoveTo(-10, 391);
    dc.LineTo(215, 391);
}
inline void Walls(CDC& dc)
{
    dc.MoveTo(50, 155);
    dc.LineTo(50, 370);
    dc.LineTo(200, 370);
    dc.LineTo(200, 155);
}
inline void InnerEdge(CDC& dc)
{
    dc.MoveTo(48, 158);
    dc.LineTo(48, 370);
    dc.LineTo(198, 370);
    dc.LineTo(198, 158);
}
inline void Probe(CDC& dc)
{
    dc.MoveTo(69, 105);
    dc.LineTo(69, 230);
}
} // namespace WaterBath
