// Numbers as a student writes them in Catalan: one decimal, after a comma.
#pragma once

#include <string>

#include "platform/CString.h"

inline std::string OneDecimalWithComma(double value)
{
    CString text;
    text.Format("%.1f", value);
    std::string s = text.str();
    for (char& c : s)
        if (c == '.')
            c = ',';
    return s;
}
