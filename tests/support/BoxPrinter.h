// How a failed test shows a Box: "{x, y, w x h}".
#pragma once

#include <ostream>

#include "platform/Box.h"

inline void PrintTo(const Box& b, std::ostream* out)
{
    *out << "{" << b.x << ", " << b.y << ", " << b.w << " x " << b.h << "}";
}
