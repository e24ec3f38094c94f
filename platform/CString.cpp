#include "platform/CString.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

void CString::Format(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int length = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (length < 0) {
        m_text.clear();
    } else {
        std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
        std::vsnprintf(buffer.data(), buffer.size(), format, args);
        m_text.assign(buffer.data(), static_cast<std::size_t>(length));
    }
    va_end(args);
}

namespace {
StringLookup g_lookup = nullptr;
}

void SetStringLookup(StringLookup lookup)
{
    g_lookup = lookup;
}

BOOL CString::LoadString(UINT id)
{
    const char* text = g_lookup ? g_lookup(id) : nullptr;
    m_text = text ? text : "";
    return text != nullptr;
}
