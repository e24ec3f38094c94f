// Where tests click and look on the bench window: the back buffer's places
// moved to where the window's client area shows them.
#pragma once

#include "view/BenchLayout.h"

namespace Client {
// A back-buffer column or row as the client area shows it.
constexpr int X(int x)
{
    return Bench::kBackBufferX + x;
}
constexpr int Y(int y)
{
    return Bench::kBackBufferY + y;
}
// The valve's centre and the middle of the right branch's grab strip.
constexpr int kValveX = X(Bench::kValveCentreX);
constexpr int kValveY = Y(Bench::kValveCentreY);
constexpr int kStripX = X(Bench::kGrabStripX);
} // namespace Client
