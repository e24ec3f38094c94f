// What an application supplies to the framework, in one table: its name, its
// dialog templates, its string table, the installed faces that stand in for
// the faces it asks for, and its bitmaps and icons as the bytes of their
// files. The application hands the table over once, before its first window;
// the framework looks everything up here and knows no application of its
// own.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "platform/DialogTemplate.h"
#include "platform/Types.h"

// The bytes of a resource file compiled into the program: a BMP for a
// bitmap, a PNG for one size of an icon.
struct EmbeddedResource {
    UINT id;
    const unsigned char* data;
    std::size_t size;
};

struct EmbeddedIcon {
    UINT id;
    int pixels; // its width and height
    EmbeddedResource png;
};

struct StringResource {
    UINT id;
    const char* text;
};

struct FontSubstitute {
    const char* requested; // a face the application names
    const char* installed; // the installed family that draws it
};

struct ApplicationResources {
    // The caption of message boxes when the application object gives none,
    // and the window system's name for the program.
    const char* name = "";
    // The desktop entry the window system matches the windows to.
    const char* desktopEntry = "";
    const char* version = "";
    std::vector<const DialogTemplate*> templates;
    std::vector<StringResource> strings;
    std::vector<FontSubstitute> fonts;
    std::vector<EmbeddedResource> bitmaps;
    std::vector<EmbeddedIcon> icons;
};

// Makes `resources` the application's; it must outlive its use. Null puts
// back the empty table, in which every look-up fails.
void SetApplicationResources(const ApplicationResources* resources);
const ApplicationResources& GetApplicationResources();

// Look-ups in the application's table; null when it has no such entry.
const DialogTemplate* FindDialogTemplate(UINT id);
const char* FindStringResource(UINT id);
// By face name, without regard to case.
const char* FindFontSubstitute(const std::string& requested);
const EmbeddedResource* FindBitmapResource(UINT id);
// The icon `id` in the size nearest `pixels`.
const EmbeddedIcon* FindIcon(UINT id, int pixels);
