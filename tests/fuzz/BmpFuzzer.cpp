// The BMP decoder on any bytes. A file it refuses leaves nothing behind and
// says why; a file it takes gives a picture of the size it claims, and the
// same picture written again as a 24-bit or a 32-bit file, top-down or
// bottom-up, decodes to the very same pixels.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz/Check.h"
#include "platform/Bmp.h"

namespace {

using Bytes = std::vector<unsigned char>;

void Put(Bytes& b, std::size_t at, std::uint32_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        b[at + static_cast<std::size_t>(i)] = static_cast<unsigned char>(v >> (8 * i));
}

// `picture` as an uncompressed file of `bits` (24 or 32) per pixel.
Bytes Encode(const DecodedBitmap& picture, int bits, bool topDown)
{
    const std::size_t stride = (static_cast<std::size_t>(picture.width) * bits + 31) / 32 * 4;
    const std::size_t offset = 14 + 40;
    Bytes b(offset + stride * static_cast<std::size_t>(picture.height), 0);
    b[0] = 'B';
    b[1] = 'M';
    Put(b, 2, static_cast<std::uint32_t>(b.size()), 4);
    Put(b, 10, offset, 4);
    Put(b, 14, 40, 4);
    Put(b, 18, static_cast<std::uint32_t>(picture.width), 4);
    Put(b, 22, static_cast<std::uint32_t>(topDown ? -picture.height : picture.height), 4);
    Put(b, 26, 1, 2);
    Put(b, 28, static_cast<std::uint32_t>(bits), 2);
    for (int y = 0; y < picture.height; ++y) {
        const int fileRow = topDown ? y : picture.height - 1 - y;
        for (int x = 0; x < picture.width; ++x) {
            const Pixel p = picture.pixels[static_cast<std::size_t>(y) * picture.width + x];
            const std::size_t at = offset + static_cast<std::size_t>(fileRow) * stride +
                                   static_cast<std::size_t>(x) * (bits / 8);
            Put(b, at, p & 0xFFFFFF, 3);
        }
    }
    return b;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    DecodedBitmap picture;
    std::string error;
    if (!DecodeBmp(data, size, picture, &error)) {
        FUZZ_CHECK(picture.pixels.empty() && picture.width == 0 && picture.height == 0);
        FUZZ_CHECK(error.rfind("BMP: ", 0) == 0 && error.size() > 5);
        return 0;
    }
    FUZZ_CHECK(picture.width >= 1 && picture.width <= kMaxBmpDimension);
    FUZZ_CHECK(picture.height >= 1 && picture.height <= kMaxBmpDimension);
    FUZZ_CHECK(picture.bitsPerPixel == 8 || picture.bitsPerPixel == 24 ||
               picture.bitsPerPixel == 32);
    FUZZ_CHECK(picture.pixels.size() ==
               static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height));
    for (Pixel p : picture.pixels)
        FUZZ_CHECK((p & 0xFF000000u) == 0);

    // Written again, either way up, in either true-colour depth.
    const bool topDown = size % 2 == 0;
    const int bits = size % 3 == 0 ? 32 : 24;
    const Bytes again = Encode(picture, bits, topDown);
    DecodedBitmap second;
    FUZZ_CHECK(DecodeBmp(again.data(), again.size(), second, &error));
    FUZZ_CHECK(second.width == picture.width && second.height == picture.height);
    FUZZ_CHECK(second.bitsPerPixel == bits);
    FUZZ_CHECK(second.pixels == picture.pixels);
    return 0;
}
