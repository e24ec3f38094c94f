// The program's bitmaps and icons, compiled in from res/bitmaps and
// res/icons by the build.
#pragma once

#include <vector>

#include "platform/ApplicationResources.h"

const std::vector<EmbeddedResource>& EmbeddedBitmaps();
const std::vector<EmbeddedIcon>& EmbeddedIcons();
