// The one pseudo-random generator of the program: seeded once, it yields
// integers 0..32767. Tests can put a scripted sequence of draws in its place.
#pragma once

#include <functional>

constexpr int RAND_MAX_VALUE = 32767;

namespace Random {
void Seed(unsigned int seed);
// The next draw, always within 0..32767.
int Draw();
// From now on draws come from `source` (its values are clamped to 0..32767);
// an empty function brings the generator back.
void SetSource(std::function<int()> source);
} // namespace Random
