#include "model/StartUp.h"

#include <cmath>

#include "model/Truncate.h"
#include "platform/Random.h"

namespace {
double Scaled(int r)
{
    return r / static_cast<double>(RAND_MAX_VALUE);
}
} // namespace

int DiscardDraws()
{
    int v = 0;
    for (int k = 0; k < 10; ++k)
        v = Random::Draw();
    int draws = 10;
    if (10 * v / RAND_MAX_VALUE > 0) {
        for (int i = 1;; ++i) {
            const int next = Random::Draw();
            ++draws;
            if (!(i < 10 * next / RAND_MAX_VALUE))
                break;
        }
    }
    return draws;
}

int TubeYFromDraw(int r)
{
    return TruncToInt(20.0 + 80.0 * Scaled(r)) + 60;
}

double RoomTempFor(int month, int r)
{
    // pi/9 rad is 20 degrees, pi/12 rad 15 degrees per month.
    return 18.0 - 10.0 * std::sin(0.3490658503988659 - month * 0.2617993877991494) +
           2.0 * Scaled(r);
}

double AtmPressureFromDraw(int r)
{
    return 750.0 + 20.0 * Scaled(r);
}

int RulerTopFromDraw(int r)
{
    return TruncToInt(50.0 + 12.0 * Scaled(r));
}
