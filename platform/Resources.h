// Resources compiled into the program: the bitmaps of res/bitmaps, by ID.
#pragma once

#include <cstddef>

#include "platform/Types.h"

struct EmbeddedResource {
    UINT id;
    const unsigned char* data;
    std::size_t size;
};

// The table the build generates from res/bitmaps (ends with a null entry).
const EmbeddedResource* EmbeddedBitmaps(std::size_t& count);

// The bytes of bitmap resource `id`, or null when the program has none.
const EmbeddedResource* FindBitmapResource(UINT id);
