#include "model/LevelParser.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
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

// The number in [first, last), which holds a sign, digits, a '.' and an
// exponent at most; false when it does not fit in a double.
bool ToDouble(const char* first, const char* last, double& value)
{
#if defined(__cpp_lib_to_chars)
    const auto [end, ec] = std::from_chars(first, last, value);
    (void)end;
    return ec == std::errc();
#else
    // The browser build's library has no from_chars for doubles. strtod
    // reads the same text (the program never leaves the "C" locale, so '.'
    // is its decimal point) and, like from_chars, refuses a number too large
    // or too small for a normal double.
    const std::string text(first, last);
    errno = 0;
    value = std::strtod(text.c_str(), nullptr);
    return errno != ERANGE;
#endif
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
    // A ruler reading is a few tens of centimetres; a number far beyond any
    // ruler would only turn the graph's pressures into infinities.
    if (!ToDouble(first, number.c_str() + number.size(), value) || !std::isfinite(value) ||
        std::fabs(value) > kMaxLevel)
        return false;
    cm = value;
    return true;
}

double LevelOrZero(const CString& text)
{
    double cm = 0.0;
    return ParseLevel(text, cm) ? cm : 0.0;
}
