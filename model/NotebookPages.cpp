#include "model/NotebookPages.h"

int PageNumber(const CString& label)
{
    const std::string& s = label.str();
    std::size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '-' || s[i] == '+'))
        negative = s[i++] == '-';
    int value = 0;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9' && value < 100000; ++i)
        value = value * 10 + (s[i] - '0');
    return negative ? value : -value;
}

PageKind PageKindFor(int page, int count)
{
    if (page < 2)
        return PageKind::None;
    if (10 * (page - 2) < count)
        return PageKind::Measurements;
    if (count > 1 && page == count / 10 + 3)
        return PageKind::Graph;
    return PageKind::Blank;
}

const char* RomanMonth(int month)
{
    static const char* const names[] = {"I",   "II",   "III", "IV", "V",  "VI",
                                        "VII", "VIII", "IX",  "X",  "XI", "XII"};
    return month >= 1 && month <= 12 ? names[month - 1] : "";
}
