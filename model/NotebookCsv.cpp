#include "model/NotebookCsv.h"

#include <cstdio>

#include "model/GraphData.h"
#include "model/LinearFit.h"

namespace {
const char* const kByteOrderMark = "\xEF\xBB\xBF";
const char* const kEndOfLine = "\r\n";

// A level as the student noted it: every digit the number holds, none more
// ("12,5", not "12,500000").
std::string AsNoted(double value)
{
    char text[40];
    std::snprintf(text, sizeof text, "%.15g", value);
    std::string s = text;
    for (char& c : s)
        if (c == '.')
            c = ',';
    return s;
}
} // namespace

std::string WithDecimalComma(double value, int decimals)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    std::string s = text;
    for (char& c : s)
        if (c == '.')
            c = ',';
    return s;
}

std::string NotebookCsv(const ExperimentState& s, const NotebookCsvTexts& texts)
{
    std::string csv = kByteOrderMark + texts.header + kEndOfLine;
    const int m = s.m_nCount;
    double p[ExperimentState::kMaxRows] = {};
    RowPressures(s, p);
    for (int i = 0; i < m; ++i) {
        csv += std::to_string(i + 1) + ';' + WithDecimalComma(s.m_dTemp[i], 1) + ';' +
               AsNoted(s.m_dLevel[i]) + ';' + WithDecimalComma(p[i], 2) + kEndOfLine;
    }
    // The graph page fits no line through rows without a spread.
    if (m < 2 || MinOf(p, m) == MaxOf(p, m) || MinOf(s.m_dTemp, m) == MaxOf(s.m_dTemp, m))
        return csv;
    double a = 0.0, b = 0.0;
    LinearFit(p, s.m_dTemp, 0, m - 1, b, a);
    csv += kEndOfLine;
    csv += texts.slope + ';' + WithDecimalComma(a, 6) + kEndOfLine;
    csv += texts.intercept + ';' + WithDecimalComma(b, 3) + kEndOfLine;
    return csv;
}

std::string PracticalFileName(int year, int month, int day, const char* extension)
{
    char text[48];
    std::snprintf(text, sizeof text, "tervan-%04d-%02d-%02d%s", year, month, day, extension);
    return text;
}
