// The bitmaps as the program holds them at run time are the very files of
// res/bitmaps: byte for byte, every one of them, whether the build embeds
// them as they are or packed and unpacked at start-up.
#include <gtest/gtest.h>

#include <dirent.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "platform/ApplicationResources.h"
#include "res/Resources.h"

namespace {

const std::string kBitmaps = std::string(TERVAN_SOURCE_ROOT) + "/res/bitmaps/";

std::vector<unsigned char> ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<unsigned char>((std::istreambuf_iterator<char>(in)),
                                      std::istreambuf_iterator<char>());
}

// The IDs of res/bitmaps/<ID>.bmp.
std::set<UINT> BitmapFiles()
{
    std::set<UINT> ids;
    DIR* dir = opendir(kBitmaps.c_str());
    if (!dir)
        return ids;
    while (const dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        const std::size_t dot = name.find(".bmp");
        if (dot != std::string::npos && dot > 0 && dot + 4 == name.size() &&
            name.find_first_not_of("0123456789") == dot)
            ids.insert(static_cast<UINT>(std::stoul(name.substr(0, dot))));
    }
    closedir(dir);
    return ids;
}

TEST(EmbeddedFilesTest, EveryBitmapIsItsFileByteForByte)
{
    const std::set<UINT> files = BitmapFiles();
    ASSERT_GT(files.size(), 30u) << "no bitmaps found in " << kBitmaps;
    std::set<UINT> embedded;
    for (const EmbeddedResource& r : TervanResources().bitmaps) {
        embedded.insert(r.id);
        const std::vector<unsigned char> file = ReadFile(kBitmaps + std::to_string(r.id) + ".bmp");
        ASSERT_EQ(r.size, file.size()) << "bitmap " << r.id;
        EXPECT_TRUE(std::equal(file.begin(), file.end(), r.data)) << "bitmap " << r.id;
    }
    EXPECT_EQ(embedded, files);
}

} // namespace
