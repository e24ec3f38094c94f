#include "model/LevelParser.h"

#include <charconv>
#include <cmath>
#include <string>

namespace {
constexpr double kMaxLevel = 1e6;

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}
} // namespace

bool ParseLevel(const CString& text, double& cm)
{
    const std::string& s = text.str();
    std::size_t i = 0;
    while (i < s.size() && IsBlank(s[i]))
        ++i;
    // sign, digits, one decimal separator, digits, then an optional exponent
    std::string number;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        number += s[i++];
    int digits = 0;
    while (i < s.size() && IsDigit(s[i])) {
        number += s[i++];
        ++digits;
    }
    if (i < s.size() && (s[i] == '.' || s[i] == ',')) {
        number += '.';
        ++i;
        while (i < s.size() && IsDigit(s[i])) {
            number += s[i++];
            ++digits;
        }
    }
    if (digits == 0)
        return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            ++j;
        if (j < s.size() && IsDigit(s[j])) {
            number.append(s, i, j - i);
            while (j < s.size() && IsDigit(s[j]))
                number += s[j++];
        }
    }
    const char* first = number.c_str();
    if (*first == '+')
        ++first; // from_chars takes no plus sign
    double value = 0.0;
    const auto [end, ec] = std::from_chars(first, number.c_str() + number.size(), value);
    (void)end;
    // A ruler reading is a few tens of centimetres; a number far beyond any
    // ruler would only turn the graph's pressures into infinities.
    if (ec != std::errc() || !std::isfinite(value) || std::fabs(value) > kMaxLevel)
        return false;
    cm = value;
    return true;
}

double LevelOrZero(const CString& text)
{
    double cm = 0.0;
    return ParseLevel(text, cm) ? cm : 0.0;
}
