// The BMP decoder on small files built here, good and damaged.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Bmp.h"

namespace {

using Bytes = std::vector<unsigned char>;

void Put16(Bytes& b, std::size_t at, std::uint32_t v)
{
    b[at] = static_cast<unsigned char>(v);
    b[at + 1] = static_cast<unsigned char>(v >> 8);
}

void Put32(Bytes& b, std::size_t at, std::uint32_t v)
{
    Put16(b, at, v & 0xFFFF);
    Put16(b, at + 2, v >> 16);
}

// A width x height BMP whose pixel (x, y), counted from the top, has red x*40,
// green y*40 and blue 7; 8-bit files index a palette that holds exactly the
// colours used.
Bytes MakeBmp(int width, int height, int bits, bool topDown)
{
    const int colours = bits == 8 ? width * height : 0;
    const std::size_t stride = (static_cast<std::size_t>(width) * bits + 31) / 32 * 4;
    const std::size_t offset = 14 + 40 + static_cast<std::size_t>(colours) * 4;
    Bytes b(offset + stride * height, 0);
    b[0] = 'B';
    b[1] = 'M';
    Put32(b, 2, static_cast<std::uint32_t>(b.size()));
    Put32(b, 10, static_cast<std::uint32_t>(offset));
    Put32(b, 14, 40);
    Put32(b, 18, static_cast<std::uint32_t>(width));
    Put32(b, 22, static_cast<std::uint32_t>(topDown ? -height : height));
    Put16(b, 26, 1);
    Put16(b, 28, static_cast<std::uint32_t>(bits));
    Put32(b, 46, static_cast<std::uint32_t>(colours));
    for (int y = 0; y < height; ++y) {
        const int fileRow = topDown ? y : height - 1 - y;
        for (int x = 0; x < width; ++x) {
            const unsigned char bgr[3] = {7, static_cast<unsigned char>(y * 40),
                                          static_cast<unsigned char>(x * 40)};
            unsigned char* px = &b[offset + fileRow * stride + x * (bits == 8 ? 1 : bits / 8)];
            if (bits == 8) {
                const int index = y * width + x;
                *px = static_cast<unsigned char>(index);
                std::copy(bgr, bgr + 3, &b[54 + index * 4]);
            } else {
                std::copy(bgr, bgr + 3, px);
            }
        }
    }
    return b;
}

Pixel Expected(int x, int y)
{
    return static_cast<Pixel>((x * 40) << 16 | (y * 40) << 8 | 7);
}

std::string ErrorOf(const Bytes& b)
{
    DecodedBitmap out;
    std::string error;
    EXPECT_FALSE(DecodeBmp(b.data(), b.size(), out, &error));
    EXPECT_TRUE(out.pixels.empty());
    return error;
}

} // namespace

TEST(BmpTest, DecodesPaletteAndTrueColourFilesEitherWayUp)
{
    for (int bits : {8, 24, 32})
        for (bool topDown : {false, true}) {
            const Bytes file = MakeBmp(3, 2, bits, topDown); // 3 wide: rows need padding
            DecodedBitmap out;
            std::string error;
            ASSERT_TRUE(DecodeBmp(file.data(), file.size(), out, &error)) << error;
            EXPECT_EQ(out.width, 3);
            EXPECT_EQ(out.height, 2);
            EXPECT_EQ(out.bitsPerPixel, bits);
            for (int y = 0; y < 2; ++y)
                for (int x = 0; x < 3; ++x)
                    EXPECT_EQ(out.pixels[y * 3 + x], Expected(x, y))
                        << bits << " bits, top-down " << topDown << ", at " << x << "," << y;
        }
}

TEST(BmpTest, RejectsEveryKindOfDamageWithAReason)
{
    const Bytes good = MakeBmp(3, 2, 8, false);
    auto damaged = [&](auto change) {
        Bytes b = good;
        change(b);
        return ErrorOf(b);
    };
    auto says = [](const std::string& error, const char* what) {
        return error.find(what) != std::string::npos;
    };
    EXPECT_PRED2(says, damaged([](Bytes& b) { b[1] = 'X'; }), "wrong magic");
    EXPECT_PRED2(says, ErrorOf(Bytes(good.begin(), good.begin() + 10)), "too short");
    EXPECT_PRED2(says, damaged([](Bytes& b) { Put32(b, 2, 5000); }), "truncated");
    EXPECT_PRED2(says, damaged([](Bytes& b) { Put32(b, 14, 12); }), "info header size");
    EXPECT_PRED2(says, damaged([](Bytes& b) { Put16(b, 26, 0); }), "planes");
    EXPECT_PRED2(says, damaged([](Bytes& b) { Put32(b, 18, 0); }), "bad size");
    EXPECT_PRED2(says, damaged([](Bytes& b) { Put32(b, 22, 0); }), "bad size");
    EXPECT_PRED2(says, damaged([](Bytes& b) { Put32(b, 18, 0xFFFFFFFD); }), "bad size");
    EXPECT_PRED2(says, damaged([](Bytes& b) { Put32(b, 22, 0x80000000); }), "absurd size");
    EXPECT_PRED2(says, damaged([](Bytes& b) { Put32(b, 18, 1000000); }), "absurd size");
    EXPECT_PRED2(says, damaged([](Bytes& b) { Put16(b, 28, 16); }), "depth");
    EXPECT_PRED2(says, damaged([](Bytes& b) { Put32(b, 30, 1); }), "compression");
    EXPECT_PRED2(says, damaged([](Bytes& b) { Put32(b, 46, 300); }), "palette of 300");
    EXPECT_PRED2(says, damaged([](Bytes& b) { Put32(b, 46, 255); }), "palette runs past");
    EXPECT_PRED2(says, damaged([](Bytes& b) { Put32(b, 10, 20); }), "overlaps");
    EXPECT_PRED2(says, damaged([](Bytes& b) { Put32(b, 10, 0xFFFFFFF0); }), "runs past the end");
    EXPECT_PRED2(says, damaged([](Bytes& b) { Put32(b, 46, 4); }), "palette index 4");

    // Cut short anywhere, with and without the size in the header to tell.
    for (Bytes file : {good, MakeBmp(5, 3, 24, true)}) {
        for (int withSize : {1, 0}) {
            if (!withSize)
                Put32(file, 2, 0);
            for (std::size_t n = 0; n < file.size(); ++n) {
                const Bytes cut(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(n));
                DecodedBitmap out;
                EXPECT_FALSE(DecodeBmp(cut.data(), cut.size(), out)) << "cut at " << n;
            }
        }
    }

    // Any single header byte set to an extreme value is decoded or refused,
    // never read past (the sanitiser build watches this).
    for (std::size_t at = 0; at < 54; ++at)
        for (unsigned char value : {0x00, 0x7F, 0x80, 0xFF}) {
            Bytes b = good;
            b[at] = value;
            DecodedBitmap out;
            DecodeBmp(b.data(), b.size(), out);
        }
}
