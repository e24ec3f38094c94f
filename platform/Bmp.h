// Reading the program's bitmap resources: uncompressed Windows BMP files with
// 8-bit palettes, 24-bit or 32-bit pixels, stored bottom-up or top-down.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "platform/Surface.h"

struct DecodedBitmap {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;      // as stored in the file
    std::vector<Pixel> pixels; // top-down, row-major
};

// The largest width or height accepted; anything bigger is taken for damage.
constexpr int kMaxBmpDimension = 16384;

// Decodes `size` bytes at `data` into `out`. On failure returns false, leaves
// `out` empty and, when `error` is given, says what is wrong with the file.
// Never reads outside data..data+size.
bool DecodeBmp(const unsigned char* data, std::size_t size, DecodedBitmap& out,
               std::string* error = nullptr);
