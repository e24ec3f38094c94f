#include "res/Resources.h"

#include "res/EmbeddedResources.h"
#include "res/ResourceIds.h"

namespace {
// The faces the program asks for that this machine lacks, and the installed
// families that stand in for them: look-alikes with similar proportions, so
// the notebook's lines keep their length. A function's own static, not a
// file's: the application object asks for the table while the program's
// globals are still being built, in an order no file decides.
const std::vector<FontSubstitute>& FontSubstitutes()
{
    static const std::vector<FontSubstitute> substitutes = {
        {"Comic Sans Serif", "Comic Neue"},   {"Comic Sans MS", "Comic Neue"},
        {"Bookman Old Style", "URW Bookman"}, {"Times New Roman", "Liberation Serif"},
        {"MS Sans Serif", "Liberation Sans"},
    };
    return substitutes;
}

std::vector<EmbeddedIcon> Icons()
{
    // Every size drawn is the one application icon.
    std::vector<EmbeddedIcon> icons = EmbeddedIcons();
    for (EmbeddedIcon& icon : icons)
        icon.id = icon.png.id = IDR_MAINFRAME;
    return icons;
}
} // namespace

const ApplicationResources& TervanResources()
{
    static const ApplicationResources resources = [] {
        ApplicationResources r;
        // The program file's name: message boxes carry it as their caption.
        r.name = "Tervan";
        r.desktopEntry = "tervan";
        r.version = TERVAN_VERSION;
        r.templates = TervanDialogTemplates();
        r.strings = {{IDS_ABOUTBOX, "Acerca de Tervan"}};
        r.fonts = FontSubstitutes();
        r.bitmaps = EmbeddedBitmaps();
        r.icons = Icons();
        return r;
    }();
    return resources;
}
