// Reals become integers by truncation toward zero, as everywhere in the
// program; values no state can hold are pulled in first, so that the
// conversion stays defined: NaN gives 0, and beyond a billion either way
// the limit.
#pragma once

inline int TruncToInt(double v)
{
    if (!(v > -1e9))
        return v != v ? 0 : -1000000000;
    if (v > 1e9)
        return 1000000000;
    return static_cast<int>(v);
}
