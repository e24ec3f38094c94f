// Reads back the PNG files the program writes (8-bit RGB, no interlace),
// through zlib: an inflater of its own would share the writer's mistakes.
// Where zlib is not at hand (the tests built for the browser) nothing is
// read and the tests that need it skip.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Surface.h"

#ifdef TERVAN_HAVE_ZLIB
#include <zlib.h>
#endif

inline bool CanReadPng()
{
#ifdef TERVAN_HAVE_ZLIB
    return true;
#else
    return false;
#endif
}

inline std::uint32_t PngBig32(const std::string& s, std::size_t at)
{
    std::uint32_t v = 0;
    for (int k = 0; k < 4; ++k)
        v = (v << 8) | static_cast<unsigned char>(s[at + k]);
    return v;
}

// The picture in `png`; false when the file is not one of ours or a chunk's
// check fails.
inline bool ReadPng(const std::string& png, Surface& picture)
{
#ifdef TERVAN_HAVE_ZLIB
    if (png.compare(0, 8, "\x89PNG\r\n\x1A\n") != 0)
        return false;
    std::string idat;
    int width = 0, height = 0;
    for (std::size_t at = 8; at + 12 <= png.size();) {
        const std::uint32_t length = PngBig32(png, at);
        if (at + 12 + length > png.size())
            return false;
        const std::string type = png.substr(at + 4, 4);
        const auto* bytes = reinterpret_cast<const Bytef*>(png.data() + at + 4);
        if (crc32(0, bytes, length + 4) != PngBig32(png, at + 8 + length))
            return false;
        if (type == "IHDR") {
            width = static_cast<int>(PngBig32(png, at + 8));
            height = static_cast<int>(PngBig32(png, at + 12));
            if (png.substr(at + 16, 5) != std::string("\x08\x02\x00\x00\x00", 5))
                return false;
        } else if (type == "IDAT") {
            idat += png.substr(at + 8, length);
        }
        at += 12 + length;
    }
    std::vector<unsigned char> raw(static_cast<std::size_t>(height) * (1 + 3 * width));
    uLongf size = static_cast<uLongf>(raw.size());
    if (uncompress(raw.data(), &size, reinterpret_cast<const Bytef*>(idat.data()),
                   static_cast<uLong>(idat.size())) != Z_OK ||
        size != raw.size())
        return false;
    picture.Reset(width, height);
    for (int y = 0; y < height; ++y) {
        const unsigned char* row = raw.data() + static_cast<std::size_t>(y) * (1 + 3 * width);
        if (row[0] != 0)
            return false; // the writer filters nothing
        for (int x = 0; x < width; ++x)
            picture.SetPixel(x, y,
                             (Pixel(row[1 + 3 * x]) << 16) | (Pixel(row[2 + 3 * x]) << 8) |
                                 row[3 + 3 * x]);
    }
    return true;
#else
    (void)png;
    (void)picture;
    return false;
#endif
}
