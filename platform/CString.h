// The framework's string: UTF-8 text with printf-style formatting, as the
// system's code uses it for captions, edit texts and the lines it draws.
#pragma once

#include <string>

#include "platform/Types.h"

class CString {
  public:
    CString() = default;
    CString(const char* text) : m_text(text ? text : "") {}
    CString(std::string text) : m_text(std::move(text)) {}

    // Replaces the text with `format` applied to the arguments, as printf does.
    void Format(const char* format, ...)
#if defined(__GNUC__)
        __attribute__((format(printf, 2, 3)))
#endif
        ;

    // The text of string resource `id`, empty when there is none.
    BOOL LoadString(UINT id);

    bool IsEmpty() const
    {
        return m_text.empty();
    }
    void Empty()
    {
        m_text.clear();
    }
    int GetLength() const
    {
        return static_cast<int>(m_text.size());
    }
    const char* GetString() const
    {
        return m_text.c_str();
    }
    operator const char*() const
    {
        return m_text.c_str();
    }
    const std::string& str() const
    {
        return m_text;
    }
    char GetAt(int i) const
    {
        return m_text[static_cast<std::size_t>(i)];
    }

    int Compare(const char* other) const
    {
        return m_text.compare(other ? other : "");
    }

    CString& operator+=(const CString& other)
    {
        m_text += other.m_text;
        return *this;
    }
    CString& operator+=(const char* other)
    {
        m_text += other ? other : "";
        return *this;
    }

    friend CString operator+(CString a, const CString& b)
    {
        return a += b;
    }
    friend CString operator+(CString a, const char* b)
    {
        return a += b;
    }
    friend bool operator==(const CString& a, const CString& b)
    {
        return a.m_text == b.m_text;
    }
    friend bool operator==(const CString& a, const char* b)
    {
        return a.Compare(b) == 0;
    }
    friend bool operator!=(const CString& a, const CString& b)
    {
        return !(a == b);
    }
    friend bool operator!=(const CString& a, const char* b)
    {
        return !(a == b);
    }

  private:
    std::string m_text;
};

// Where LoadString finds its texts: the framework points it at the
// application's string table. Null: no strings at all.
using StringLookup = const char* (*)(UINT id);
void SetStringLookup(StringLookup lookup);
