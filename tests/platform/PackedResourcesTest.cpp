// Unpacking compressed resources with FreeType's inflate: gzip and zlib
// data come back byte for byte; damaged data, or data of another length than
// the table says, leaves the resource out rather than handing on garbage.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "platform/PackedResources.h"

namespace {

const std::string kText = "Tervan, Tervan, Tervan!\n";
// kText, gzip-compressed (as the build packs bitmaps) and zlib-compressed.
const unsigned char kGzip[] = {0x1f, 0x8b, 0x08, 0x00, 0x00, 0x00, 0x00, 0x00, 0x02, 0x03, 0x0b,
                               0x49, 0x2d, 0x2a, 0x4b, 0xcc, 0xd3, 0x51, 0x08, 0x41, 0xa1, 0x15,
                               0xb9, 0x00, 0x1b, 0x8c, 0x7f, 0x41, 0x18, 0x00, 0x00, 0x00};
const unsigned char kZlib[] = {0x78, 0xda, 0x0b, 0x49, 0x2d, 0x2a, 0x4b, 0xcc, 0xd3, 0x51,
                               0x08, 0x41, 0xa1, 0x15, 0xb9, 0x00, 0x6a, 0x75, 0x08, 0x14};

std::string Text(const std::vector<unsigned char>& bytes)
{
    return std::string(bytes.begin(), bytes.end());
}

TEST(PackedResourcesTest, UnpacksGzipAndZlibAndRefusesDamage)
{
    std::vector<unsigned char> out;
    ASSERT_TRUE(Unpack(kGzip, sizeof kGzip, out, kText.size()));
    EXPECT_EQ(Text(out), kText);
    ASSERT_TRUE(Unpack(kZlib, sizeof kZlib, out, kText.size()));
    EXPECT_EQ(Text(out), kText);

    // Longer or shorter than the table says.
    EXPECT_FALSE(Unpack(kGzip, sizeof kGzip, out, kText.size() + 1));
    EXPECT_TRUE(out.empty());
    EXPECT_FALSE(Unpack(kGzip, sizeof kGzip, out, kText.size() - 1));
    // Cut short, and with a flipped bit in the compressed stream.
    EXPECT_FALSE(Unpack(kGzip, sizeof kGzip / 2, out, kText.size()));
    unsigned char damaged[sizeof kZlib];
    std::copy(kZlib, kZlib + sizeof kZlib, damaged);
    damaged[12] ^= 0x40;
    EXPECT_FALSE(Unpack(damaged, sizeof damaged, out, kText.size()));
}

TEST(PackedResourcesTest, TableKeepsWhatUnpacksInOrder)
{
    const PackedResource packed[] = {
        {7u, kGzip, sizeof kGzip, kText.size()},
        {8u, kGzip, sizeof kGzip, kText.size() + 3}, // the table's size is wrong
        {9u, kZlib, sizeof kZlib, kText.size()},
    };
    const std::vector<EmbeddedResource> table = UnpackResources(packed, 3);
    ASSERT_EQ(table.size(), 2u);
    EXPECT_EQ(table[0].id, 7u);
    EXPECT_EQ(table[1].id, 9u);
    for (const EmbeddedResource& r : table)
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(r.data), r.size), kText);
}

} // namespace
