#include "platform/web/IconImage.h"

#include <cstdint>

namespace {
std::uint32_t Read32(const unsigned char* p)
{
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
unsigned Read16(const unsigned char* p)
{
    return p[0] | (p[1] << 8);
}
} // namespace

bool LoadAppIcon(Surface& out, Pixel background)
{
    unsigned long size = 0;
    const unsigned char* data = AppIconFile(&size);
    if (!data || size < 6)
        return false;
    const unsigned count = Read16(data + 4);
    for (unsigned i = 0; i < count && 6 + 16 * (i + 1) <= size; ++i) {
        const unsigned char* entry = data + 6 + 16 * i;
        const std::uint32_t bytes = Read32(entry + 8), offset = Read32(entry + 12);
        if (entry[0] != 32 || offset + bytes > size || bytes < 40)
            continue;
        // A 4- or 8-bit bottom-up image with its palette, then the mask.
        const unsigned char* dib = data + offset;
        const int w = static_cast<int>(Read32(dib + 4));
        const int h = static_cast<int>(Read32(dib + 8)) / 2;
        const unsigned bits = Read16(dib + 14);
        if (w != 32 || h != 32 || (bits != 4 && bits != 8))
            continue;
        const unsigned colours = Read32(dib + 32) ? Read32(dib + 32) : (1u << bits);
        const unsigned char* palette = dib + Read32(dib);
        const unsigned char* pixels = palette + 4 * colours;
        const std::size_t xorStride = ((w * bits + 31) / 32) * 4;
        const unsigned char* mask = pixels + xorStride * h;
        const std::size_t maskStride = ((w + 31) / 32) * 4;
        if (mask + maskStride * h > data + size)
            return false;
        out.Reset(w, h, background);
        for (int y = 0; y < h; ++y) {
            const unsigned char* row = pixels + xorStride * (h - 1 - y);
            const unsigned char* maskRow = mask + maskStride * (h - 1 - y);
            for (int x = 0; x < w; ++x) {
                if (maskRow[x / 8] & (0x80 >> (x % 8)))
                    continue;
                const unsigned index =
                    bits == 8 ? row[x] : (x % 2 ? row[x / 2] & 0x0F : row[x / 2] >> 4);
                if (index >= colours)
                    continue;
                const unsigned char* c = palette + 4 * index;
                out.SetPixel(x, y, (static_cast<Pixel>(c[2]) << 16) | (c[1] << 8) | c[0]);
            }
        }
        return true;
    }
    return false;
}
