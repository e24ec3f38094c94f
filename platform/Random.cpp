#include "platform/Random.h"

#include <cstdint>

namespace {
// A linear congruential generator whose upper bits give 15-bit values.
std::uint32_t g_state = 1;
std::function<int()> g_source;
} // namespace

namespace Random {
void Seed(unsigned int seed)
{
    g_state = seed;
}

int Draw()
{
    if (g_source) {
        const int r = g_source();
        return r < 0 ? 0 : (r > RAND_MAX_VALUE ? RAND_MAX_VALUE : r);
    }
    g_state = g_state * 214013u + 2531011u;
    return static_cast<int>((g_state >> 16) & 0x7FFFu);
}

void SetSource(std::function<int()> source)
{
    g_source = std::move(source);
}
} // namespace Random
