// Whether a text is one JSON object the page's JSON.parse takes: objects,
// arrays, strings with their escapes, numbers, true, false and null, and
// nothing after. Strings may hold any byte from 0x20 up (the page decodes
// the UTF-8 itself); a control byte, an unknown escape or a missing comma
// fails.
#pragma once

#include <cstring>

namespace json_check {

class Reader {
  public:
    explicit Reader(const char* text) : m_at(text) {}

    bool Object()
    {
        Blanks();
        if (!Take('{'))
            return false;
        Blanks();
        if (Take('}'))
            return true;
        do {
            Blanks();
            if (!String())
                return false;
            Blanks();
            if (!Take(':') || !Value())
                return false;
            Blanks();
        } while (Take(','));
        return Take('}');
    }

    bool AtEnd()
    {
        Blanks();
        return *m_at == '\0';
    }

  private:
    bool Value()
    {
        Blanks();
        switch (*m_at) {
        case '{':
            return Object();
        case '[':
            return Array();
        case '"':
            return String();
        case 't':
            return Word("true");
        case 'f':
            return Word("false");
        case 'n':
            return Word("null");
        default:
            return Number();
        }
    }

    bool Array()
    {
        Take('[');
        Blanks();
        if (Take(']'))
            return true;
        do {
            if (!Value())
                return false;
            Blanks();
        } while (Take(','));
        return Take(']');
    }

    bool String()
    {
        if (!Take('"'))
            return false;
        while (*m_at != '"') {
            const auto c = static_cast<unsigned char>(*m_at);
            if (c < 0x20)
                return false;
            ++m_at;
            if (c != '\\')
                continue;
            if (*m_at && std::strchr("\"\\/bfnrt", *m_at)) {
                ++m_at;
            } else if (Take('u')) {
                for (int i = 0; i < 4; ++i)
                    if (!*m_at || !std::strchr("0123456789abcdefABCDEF", *m_at++))
                        return false;
            } else {
                return false;
            }
        }
        return Take('"');
    }

    bool Number()
    {
        Take('-');
        if (!Digits())
            return false;
        if (Take('.') && !Digits())
            return false;
        if (Take('e') || Take('E')) {
            if (!Take('+'))
                Take('-');
            return Digits();
        }
        return true;
    }

    bool Digits()
    {
        const char* start = m_at;
        while (*m_at >= '0' && *m_at <= '9')
            ++m_at;
        return m_at != start;
    }

    bool Word(const char* word)
    {
        const std::size_t n = std::strlen(word);
        if (std::strncmp(m_at, word, n) != 0)
            return false;
        m_at += n;
        return true;
    }

    bool Take(char c)
    {
        if (*m_at != c)
            return false;
        ++m_at;
        return true;
    }

    void Blanks()
    {
        while (*m_at == ' ' || *m_at == '\n' || *m_at == '\t' || *m_at == '\r')
            ++m_at;
    }

    const char* m_at;
};

} // namespace json_check

inline bool IsJsonObject(const char* text)
{
    json_check::Reader reader(text);
    return reader.Object() && reader.AtEnd();
}
