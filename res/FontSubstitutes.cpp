// The faces the program asks for that this machine lacks, and the installed
// families that stand in for them: look-alikes with similar proportions, so
// the notebook's lines keep their length.
#include "platform/FontSubstitutes.h"

#include <strings.h>

namespace {

struct FontSubstitute {
    const char* requested;
    const char* installed;
};

constexpr FontSubstitute kSubstitutes[] = {
    {"Comic Sans Serif", "Comic Neue"},   {"Comic Sans MS", "Comic Neue"},
    {"Bookman Old Style", "URW Bookman"}, {"Times New Roman", "Liberation Serif"},
    {"MS Sans Serif", "Liberation Sans"},
};

} // namespace

const char* FindFontSubstitute(const std::string& requested)
{
    for (const FontSubstitute& s : kSubstitutes) {
        if (strcasecmp(s.requested, requested.c_str()) == 0)
            return s.installed;
    }
    return nullptr;
}
