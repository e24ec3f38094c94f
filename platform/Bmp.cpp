#include "platform/Bmp.h"

#include <cstdint>
#include <string>
#include <utility>

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kUncompressed = 0; // BI_RGB

// Little-endian fields; callers have checked that the bytes exist.
std::uint32_t U16(const unsigned char* p)
{
    return static_cast<std::uint32_t>(p[0] | (p[1] << 8));
}

std::uint32_t U32(const unsigned char* p)
{
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

std::int32_t I32(const unsigned char* p)
{
    return static_cast<std::int32_t>(U32(p));
}

bool Fail(std::string* error, std::string text)
{
    if (error)
        *error = "BMP: " + text;
    return false;
}

// The header sizes of the Windows bitmap header versions that share the
// 40-byte layout at their start (plain, V2, V3, V4, V5).
bool KnownInfoHeaderSize(std::uint32_t size)
{
    return size == 40 || size == 52 || size == 56 || size == 108 || size == 124;
}

Pixel FromBgr(const unsigned char* p)
{
    return (static_cast<Pixel>(p[2]) << 16) | (static_cast<Pixel>(p[1]) << 8) | p[0];
}

} // namespace

bool DecodeBmp(const unsigned char* data, std::size_t size, DecodedBitmap& out, std::string* error)
{
    out = DecodedBitmap();
    if (!data || size < kFileHeaderSize + 4)
        return Fail(error, "file too short for its headers (" + std::to_string(size) + " bytes)");
    if (data[0] != 'B' || data[1] != 'M')
        return Fail(error, "wrong magic, not a bitmap file");
    const std::uint32_t fileSize = U32(data + 2);
    if (fileSize > size)
        return Fail(error, "truncated: the header gives " + std::to_string(fileSize) +
                               " bytes, the file has " + std::to_string(size));
    const std::uint32_t pixelOffset = U32(data + 10);

    const unsigned char* info = data + kFileHeaderSize;
    const std::uint32_t infoSize = U32(info);
    if (!KnownInfoHeaderSize(infoSize))
        return Fail(error,
                    "malformed header: unsupported info header size " + std::to_string(infoSize));
    if (kFileHeaderSize + infoSize > size)
        return Fail(error, "truncated inside the info header");

    const std::int32_t width = I32(info + 4);
    const std::int32_t rawHeight = I32(info + 8);
    const std::uint32_t planes = U16(info + 12);
    const std::uint32_t bits = U16(info + 14);
    const std::uint32_t compression = U32(info + 16);
    const std::uint32_t coloursUsed = U32(info + 32);

    if (planes != 1)
        return Fail(error, "malformed header: " + std::to_string(planes) + " colour planes");
    const std::int64_t height = rawHeight < 0 ? -std::int64_t{rawHeight} : rawHeight;
    if (width <= 0 || height == 0)
        return Fail(error, "bad size " + std::to_string(width) + " x " + std::to_string(rawHeight));
    if (width > kMaxBmpDimension || height > kMaxBmpDimension)
        return Fail(error,
                    "absurd size " + std::to_string(width) + " x " + std::to_string(rawHeight));
    if (bits != 8 && bits != 24 && bits != 32)
        return Fail(error, "unsupported depth of " + std::to_string(bits) + " bits per pixel");
    if (compression != kUncompressed)
        return Fail(error, "unsupported compression " + std::to_string(compression));

    // 8-bit pixels index a palette of BGR0 quads right after the info header.
    std::size_t paletteEnd = kFileHeaderSize + infoSize;
    std::uint32_t colours = 0;
    if (bits == 8) {
        colours = coloursUsed == 0 ? 256 : coloursUsed;
        if (colours > 256)
            return Fail(error, "palette of " + std::to_string(colours) + " colours for 8 bits");
        paletteEnd += std::size_t{colours} * 4;
        if (paletteEnd > size)
            return Fail(error, "palette runs past the end of the file");
    }
    if (pixelOffset < paletteEnd)
        return Fail(error, "pixel data at offset " + std::to_string(pixelOffset) +
                               " overlaps the headers");
    const std::uint64_t stride =
        (std::uint64_t{static_cast<std::uint32_t>(width)} * bits + 31) / 32 * 4;
    const std::uint64_t pixelEnd = std::uint64_t{pixelOffset} + stride * std::uint64_t(height);
    if (pixelEnd > size)
        return Fail(error, "pixel data runs past the end of the file (needs " +
                               std::to_string(pixelEnd) + " bytes, has " + std::to_string(size) +
                               ")");

    DecodedBitmap result;
    result.width = width;
    result.height = static_cast<int>(height);
    result.bitsPerPixel = static_cast<int>(bits);
    result.pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    const unsigned char* palette = info + infoSize;
    const bool bottomUp = rawHeight > 0;
    for (int y = 0; y < result.height; ++y) {
        const int fileRow = bottomUp ? result.height - 1 - y : y;
        const unsigned char* src = data + pixelOffset + stride * std::uint64_t(fileRow);
        Pixel* dst = result.pixels.data() + static_cast<std::size_t>(y) * width;
        for (int x = 0; x < width; ++x) {
            if (bits == 8) {
                const unsigned index = src[x];
                if (index >= colours)
                    return Fail(error, "palette index " + std::to_string(index) + " at (" +
                                           std::to_string(x) + ", " + std::to_string(y) +
                                           ") beyond the " + std::to_string(colours) + " colours");
                dst[x] = FromBgr(palette + index * 4);
            } else {
                dst[x] = FromBgr(src + static_cast<std::size_t>(x) * (bits / 8));
            }
        }
    }
    out = std::move(result);
    return true;
}
