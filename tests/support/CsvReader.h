// Reads a saved notebook table the way a spreadsheet set to Catalan does:
// a UTF-8 byte-order mark, CR LF lines, ';' between fields and ',' as the
// decimal mark. Header-only: the model's tests use it too.
#pragma once

#include <cstdlib>
#include <string>
#include <vector>

struct CsvTable {
    bool byteOrderMark = false;
    bool crlf = true; // every line ended by CR LF
    std::vector<std::vector<std::string>> lines;
};

inline CsvTable ReadCsv(const std::string& bytes)
{
    CsvTable table;
    std::string text = bytes;
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) {
        table.byteOrderMark = true;
        text.erase(0, 3);
    }
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        else
            table.crlf = false;
        std::vector<std::string> fields;
        std::size_t from = 0;
        for (;;) {
            const std::size_t semicolon = line.find(';', from);
            fields.push_back(line.substr(from, semicolon - from));
            if (semicolon == std::string::npos)
                break;
            from = semicolon + 1;
        }
        table.lines.push_back(fields);
        start = end + 1;
    }
    return table;
}

// A field as a number with a decimal comma; false when it is not wholly one
// (a point as decimal mark is not one here).
inline bool CsvNumber(const std::string& field, double& value)
{
    if (field.empty() || field.find('.') != std::string::npos)
        return false;
    std::string c = field;
    for (char& ch : c)
        if (ch == ',')
            ch = '.';
    char* end = nullptr;
    value = std::strtod(c.c_str(), &end);
    return end == c.c_str() + c.size();
}
