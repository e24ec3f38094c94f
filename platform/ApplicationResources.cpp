#include "platform/ApplicationResources.h"

#include <cstdlib>
#include <strings.h>

#include "platform/CString.h"

namespace {
const ApplicationResources* g_resources = nullptr;

const char* LookUpString(UINT id)
{
    return FindStringResource(id);
}
} // namespace

void SetApplicationResources(const ApplicationResources* resources)
{
    g_resources = resources;
    // CString::LoadString reads the same string table.
    SetStringLookup(resources ? &LookUpString : nullptr);
}

const ApplicationResources& GetApplicationResources()
{
    static const ApplicationResources kNone;
    return g_resources ? *g_resources : kNone;
}

const DialogTemplate* FindDialogTemplate(UINT id)
{
    for (const DialogTemplate* t : GetApplicationResources().templates)
        if (t->id == id)
            return t;
    return nullptr;
}

const char* FindStringResource(UINT id)
{
    for (const StringResource& s : GetApplicationResources().strings)
        if (s.id == id)
            return s.text;
    return nullptr;
}

const char* FindFontSubstitute(const std::string& requested)
{
    for (const FontSubstitute& f : GetApplicationResources().fonts)
        if (strcasecmp(f.requested, requested.c_str()) == 0)
            return f.installed;
    return nullptr;
}

const EmbeddedResource* FindBitmapResource(UINT id)
{
    for (const EmbeddedResource& b : GetApplicationResources().bitmaps)
        if (b.id == id)
            return &b;
    return nullptr;
}

const EmbeddedIcon* FindIcon(UINT id, int pixels)
{
    const EmbeddedIcon* best = nullptr;
    for (const EmbeddedIcon& icon : GetApplicationResources().icons)
        if (icon.id == id &&
            (!best || std::abs(icon.pixels - pixels) < std::abs(best->pixels - pixels)))
            best = &icon;
    return best;
}
