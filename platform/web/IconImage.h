// The application icon (resource 128, res/icons/tervan.ico, embedded by the
// browser build) as pixels: the 32 x 32 image of the icon file, its
// transparent pixels showing `background`.
#pragma once

#include "platform/Surface.h"

bool LoadAppIcon(Surface& out, Pixel background);

// The icon file's bytes, generated into the build.
const unsigned char* AppIconFile(unsigned long* size);
