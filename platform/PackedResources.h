// Resources kept compressed in the program and unpacked once, on first use:
// the browser build packs its bitmaps so that the page is smaller, and
// unpacks them with the inflate that FreeType carries for its gzip-compressed
// fonts, so no second inflater is linked in.
#pragma once

#include <cstddef>
#include <vector>

#include "platform/ApplicationResources.h"

// A resource file's bytes, gzip- or zlib-compressed, and their size unpacked.
struct PackedResource {
    UINT id;
    const unsigned char* data;
    std::size_t size;
    std::size_t unpackedSize;
};

// Unpacks `packed` into `out`, which is sized to the expected length; false
// when the data is damaged or unpacks to another length.
bool Unpack(const unsigned char* packed, std::size_t size, std::vector<unsigned char>& out,
            std::size_t unpackedSize);

// The table of the unpacked resources. Their bytes live as long as the
// program; a resource that does not unpack is left out, as if it were not
// embedded.
std::vector<EmbeddedResource> UnpackResources(const PackedResource* packed, std::size_t count);
