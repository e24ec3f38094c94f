// The desktop's font matching: fontconfig chooses among the installed faces.
#include "platform/FontMatch.h"

#include <fontconfig/fontconfig.h>

#include "platform/ApplicationResources.h"
#include "platform/FontSubstitutes.h"
#include "platform/Types.h"

namespace {

// fontconfig's best match for `family` (any face when empty), or null.
FcPattern* MatchPattern(const std::string& family, int weight, bool italic)
{
    FcPattern* pattern = FcPatternCreate();
    if (!pattern)
        return nullptr;
    if (!family.empty())
        FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddInteger(pattern, FC_WEIGHT, FcWeightFromOpenType(weight));
    FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    return match;
}

} // namespace

bool MatchFaceFile(const std::string& family, int weight, bool italic, FaceFile* out)
{
    FcPattern* match = MatchPattern(family, weight, italic);
    if (!match)
        return false;
    FcChar8* file = nullptr;
    const bool found = FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch && file;
    if (found) {
        double matchedWeight = FC_WEIGHT_REGULAR;
        int slant = FC_SLANT_ROMAN;
        out->path = reinterpret_cast<const char*>(file);
        out->data = nullptr;
        out->size = 0;
        out->index = 0;
        FcPatternGetInteger(match, FC_INDEX, 0, &out->index);
        FcPatternGetDouble(match, FC_WEIGHT, 0, &matchedWeight);
        FcPatternGetInteger(match, FC_SLANT, 0, &slant);
        out->bold = matchedWeight >= FC_WEIGHT_DEMIBOLD;
        out->italic = slant != FC_SLANT_ROMAN;
    }
    FcPatternDestroy(match);
    return found;
}

std::string SubstituteFontFace(const std::string& requested)
{
    const char* listed = FindFontSubstitute(requested);
    // Even a listed stand-in goes through the matcher, which names what is
    // really installed should the listed family be missing.
    FcPattern* match = MatchPattern(listed ? listed : requested, FW_NORMAL, false);
    if (!match)
        return std::string();
    FcChar8* family = nullptr;
    std::string name;
    if (FcPatternGetString(match, FC_FAMILY, 0, &family) == FcResultMatch && family)
        name = reinterpret_cast<const char*>(family);
    FcPatternDestroy(match);
    return name;
}
