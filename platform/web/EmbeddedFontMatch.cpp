// Font matching in the browser: the requests the build foresaw, answered
// from the embedded files exactly as fontconfig answered them on the machine
// that built the page.
#include <cstdio>
#include <cstdlib>
#include <strings.h>

#include "platform/FontMatch.h"
#include "platform/FontSubstitutes.h"
#include "platform/web/EmbeddedFonts.h"

namespace {

const EmbeddedFontRequest* FirstRequest()
{
    std::size_t count = 0;
    const EmbeddedFontRequest* table = EmbeddedFontRequests(count);
    return count > 0 ? table : nullptr;
}

void NoteMissing(const char* what, const std::string& name, int weight, bool italic)
{
    // A request the build did not foresee draws in the first face; the
    // browser tests read this line from the console and fail on it.
    std::printf("tervan: no embedded face for %s \"%s\" weight %d%s\n", what, name.c_str(), weight,
                italic ? " italic" : "");
}

} // namespace

std::string SubstituteFontFace(const std::string& requested)
{
    std::size_t count = 0;
    const EmbeddedFontRequest* table = EmbeddedFontRequests(count);
    for (std::size_t i = 0; i < count; ++i)
        if (strcasecmp(table[i].face, requested.c_str()) == 0)
            return table[i].family;
    const EmbeddedFontRequest* first = FirstRequest();
    if (!first)
        return std::string();
    if (!requested.empty())
        NoteMissing("face", requested, 0, false);
    return first->family;
}

bool MatchFaceFile(const std::string& family, int weight, bool italic, FaceFile* out)
{
    std::size_t count = 0, files = 0;
    const EmbeddedFontRequest* table = EmbeddedFontRequests(count);
    const EmbeddedFontFile* file = EmbeddedFontFiles(files);
    // The same family and slant at the nearest weight; failing that, the
    // first face.
    const EmbeddedFontRequest* best = nullptr;
    for (std::size_t i = 0; i < count; ++i) {
        const EmbeddedFontRequest& r = table[i];
        const int w = r.weight > 0 ? r.weight : 400;
        if (family != r.family || r.italic != italic)
            continue;
        const int bw = best ? (best->weight > 0 ? best->weight : 400) : 0;
        if (!best || std::abs(w - weight) < std::abs(bw - weight))
            best = &r;
    }
    if (!best || (best->weight > 0 ? best->weight : 400) != weight) {
        if (!family.empty())
            NoteMissing("family", family, weight, italic);
        if (!best)
            best = FirstRequest();
    }
    if (!best || best->file >= files)
        return false;
    out->path = file[best->file].name;
    out->data = file[best->file].data;
    out->size = file[best->file].size;
    out->index = best->index;
    out->bold = best->boldFace;
    out->italic = best->italicFace;
    return true;
}
