// The application's icon, its icon file embedded by the browser build, as
// pixels: the file's 32 x 32 image, its transparent pixels showing
// `background`.
#pragma once

#include "platform/Surface.h"

bool LoadAppIcon(Surface& out, Pixel background);

// The icon file's bytes, generated into the build.
const unsigned char* AppIconFile(unsigned long* size);
