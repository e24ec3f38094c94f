#include "platform/EditText.h"

#include <cstdint>

#include "platform/Painter.h"

namespace {
bool IsContinuation(unsigned char c)
{
    return (c & 0xC0) == 0x80;
}

std::size_t ToBoundary(const std::string& s, std::size_t at)
{
    if (at > s.size())
        at = s.size();
    while (at > 0 && at < s.size() && IsContinuation(static_cast<unsigned char>(s[at])))
        --at;
    return at;
}

std::size_t NextBoundary(const std::string& s, std::size_t at)
{
    if (at >= s.size())
        return s.size();
    ++at;
    while (at < s.size() && IsContinuation(static_cast<unsigned char>(s[at])))
        ++at;
    return at;
}
} // namespace

bool EditText::Set(const std::string& value)
{
    if (value == text)
        return false;
    text = value;
    caret = anchor = 0;
    scroll = 0;
    return true;
}

void EditText::Mirror(const std::string& value, std::size_t start, std::size_t end, bool backward)
{
    text = value;
    start = ToBoundary(text, start);
    end = ToBoundary(text, end);
    if (end < start)
        end = start;
    caret = backward ? start : end;
    anchor = backward ? end : start;
}

void EditText::SelectAll()
{
    anchor = 0;
    caret = text.size();
}

std::size_t OffsetAtX(const FontRequest& font, const std::string& text, int x)
{
    // A text's width is the sum of its characters' advances, so each
    // character is measured once, in the order they stand: a text pasted
    // whole, tens of thousands of characters, answers at once.
    std::size_t at = 0;
    std::int64_t left = 0;
    while (at < text.size()) {
        const std::size_t next = NextBoundary(text, at);
        const std::int64_t right = left + TextWidth(font, text.substr(at, next - at));
        if (x < (left + right + 1) / 2)
            return at;
        left = right;
        at = next;
    }
    return text.size();
}

std::vector<std::string> WrapText(const FontRequest& font, const std::string& text, int width)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t newline = text.find('\n', start);
        const std::string paragraph =
            text.substr(start, newline == std::string::npos ? std::string::npos : newline - start);
        std::string line;
        std::size_t at = 0;
        while (at < paragraph.size()) {
            // The next word with the spaces before it.
            std::size_t end = at;
            while (end < paragraph.size() && paragraph[end] == ' ')
                ++end;
            while (end < paragraph.size() && paragraph[end] != ' ')
                ++end;
            const std::string word = paragraph.substr(at, end - at);
            if (line.empty() || TextWidth(font, line + word) <= width) {
                line += word;
            } else {
                lines.push_back(line);
                line = word.substr(word.find_first_not_of(' ') == std::string::npos
                                       ? word.size()
                                       : word.find_first_not_of(' '));
            }
            // A word wider than the line is broken where it stops fitting.
            while (TextWidth(font, line) > width && line.size() > 1) {
                std::size_t cut = NextBoundary(line, 0);
                while (NextBoundary(line, cut) < line.size() &&
                       TextWidth(font, line.substr(0, NextBoundary(line, cut))) <= width)
                    cut = NextBoundary(line, cut);
                lines.push_back(line.substr(0, cut));
                line = line.substr(cut);
            }
            at = end;
        }
        lines.push_back(line);
        if (newline == std::string::npos)
            break;
        start = newline + 1;
    }
    return lines;
}
