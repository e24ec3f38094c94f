// Pictures written as PNG files, read back through zlib; and pictures
// enlarged by whole factors.
#include <gtest/gtest.h>

#include "platform/PngWriter.h"
#include "support/PngReader.h"

namespace {
// A picture like the program's: flat colours, a few lines, a gradient.
Surface Sample(int w, int h)
{
    Surface s(w, h, 0xD7FFD7);
    s.FillRect(10, 10, w / 2, h / 3, 0x330099);
    s.DrawLine(0, h - 1, w - 1, 0, 0xC80037);
    for (int x = 0; x < w; ++x)
        s.SetPixel(x, h / 2, static_cast<Pixel>((x * 255 / w) * 0x010101));
    return s;
}

TEST(PngWriterTest, ReadsBackPixelForPixelAndSmall)
{
    if (!CanReadPng())
        GTEST_SKIP() << "no zlib to read PNG files with";
    for (const auto& size : {std::pair<int, int>{1, 1}, {3, 2}, {212, 299}, {848, 299}}) {
        const Surface picture = Sample(size.first, size.second);
        const std::string png = EncodePng(picture);
        Surface back;
        ASSERT_TRUE(ReadPng(png, back)) << size.first << " x " << size.second;
        EXPECT_EQ(back.width, picture.width);
        EXPECT_EQ(back.height, picture.height);
        EXPECT_TRUE(back.pixels == picture.pixels) << size.first << " x " << size.second;
    }
    // Flat colour shrinks to a small part of its raw bytes.
    const Surface page = Sample(212, 299);
    EXPECT_LT(EncodePng(page).size(), 212u * 299u * 3u / 20u);
    // Noise, where no run repeats, still reads back.
    Surface noise(97, 61);
    std::uint32_t seed = 2026;
    for (Pixel& p : noise.pixels)
        p = (seed = seed * 1664525u + 1013904223u) >> 8;
    Surface back;
    ASSERT_TRUE(ReadPng(EncodePng(noise), back));
    EXPECT_TRUE(back.pixels == noise.pixels);
}

TEST(PngWriterTest, StartsWithTheSignatureAndTheHeader)
{
    const std::string png = EncodePng(Sample(300, 20));
    EXPECT_EQ(png.substr(0, 8), "\x89PNG\r\n\x1A\n");
    EXPECT_EQ(png.substr(12, 4), "IHDR");
    EXPECT_EQ(PngBig32(png, 16), 300u);
    EXPECT_EQ(PngBig32(png, 20), 20u);
    EXPECT_EQ(png.substr(png.size() - 8, 4), "IEND");
}

TEST(PngWriterTest, WholeFactorsMakeEachPixelABlock)
{
    Surface s(2, 2);
    s.SetPixel(0, 0, 0x112233);
    s.SetPixel(1, 0, 0x445566);
    s.SetPixel(0, 1, 0x778899);
    s.SetPixel(1, 1, 0xAABBCC);
    const Surface big = ScaledByWholeFactor(s, 3);
    ASSERT_EQ(big.width, 6);
    ASSERT_EQ(big.height, 6);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(big.At(x, y), s.At(x / 3, y / 3)) << x << ", " << y;
    EXPECT_TRUE(ScaledByWholeFactor(s, 1).pixels == s.pixels);
}
} // namespace
