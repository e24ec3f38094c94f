// The page's font subsets against the files they were cut from: every kept
// character, and every text of the program, drawn by the framework's own
// text renderer at the sizes the program asks for, must give the same
// pixels with the subset as with the whole file; a character the subset
// dropped must show the face's missing-glyph box.
//
//   tervan-font-check MANIFEST TEXTS
//
// MANIFEST and TEXTS are what tools/webfonts/subset-fonts.py writes. Prints
// a JSON summary; exits 1 on any difference.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/FontMatch.h"
#include "platform/FontSubstitutes.h"
#include "platform/TextRenderer.h"

// This program picks the file itself: the face name it asks for is the
// file's path, so the renderer opens exactly the whole file or the subset.
std::string SubstituteFontFace(const std::string& requested)
{
    return requested;
}

bool MatchFaceFile(const std::string& family, int, bool, FaceFile* out)
{
    if (family.empty())
        return false;
    out->path = family;
    out->index = 0;
    return true;
}

namespace {

struct FontPair {
    std::string full, subset;
    std::vector<char32_t> kept;
};

// The cell heights and widths the program's fonts are asked for: the
// dialogs' 8 points and their neighbours, the ruler, the chart, the
// notebook's labels, table, title and graph.
const int kSizes[][2] = {{-11, 0}, {-13, 0}, {-16, 0}, {10, 5}, {11, 6},
                         {12, 6},  {17, 8},  {22, 7},  {-24, 0}};
// A character none of the fonts has, and one that no subset keeps.
constexpr char32_t kMissing = 0x4E2D;
constexpr char32_t kDropped = 0x03A9;

std::string Utf8(char32_t c)
{
    std::string s;
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xF0 | (c >> 18));
        s += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
    return s;
}

std::vector<FontPair> ReadManifest(const char* path)
{
    std::vector<FontPair> pairs;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        FontPair p;
        std::string codes;
        if (!std::getline(fields, p.full, '\t') || !std::getline(fields, p.subset, '\t'))
            continue;
        std::getline(fields, codes);
        std::istringstream hex(codes);
        unsigned long c = 0;
        while (hex >> std::hex >> c)
            p.kept.push_back(static_cast<char32_t>(c));
        pairs.push_back(p);
    }
    return pairs;
}

Surface Draw(const std::string& file, const int size[2], const std::string& text)
{
    FontRequest font;
    font.height = size[0];
    font.width = size[1];
    font.weight = 400;
    font.faceName = file;
    const int width = TextRenderer::MeasureText(font, text) + 2 * 40;
    Surface s(width, 2 * 40 + 40, 0xFFFFFF);
    TextStyle style;
    TextRenderer::DrawText(s, font, 40, 40, text, style);
    return s;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: tervan-font-check MANIFEST TEXTS\n";
        return 2;
    }
    const std::vector<FontPair> pairs = ReadManifest(argv[1]);
    std::vector<std::string> texts;
    {
        std::ifstream in(argv[2]);
        std::string line;
        while (std::getline(in, line))
            if (!line.empty())
                texts.push_back(line);
    }
    long characters = 0, drawn = 0, differing = 0;
    bool boxes = true;
    for (const FontPair& p : pairs) {
        for (const auto& size : kSizes) {
            std::vector<std::string> samples = texts;
            for (char32_t c : p.kept)
                samples.push_back(Utf8(c));
            for (const std::string& text : samples) {
                ++drawn;
                const Surface full = Draw(p.full, size, text);
                const Surface subset = Draw(p.subset, size, text);
                if (full.width != subset.width || full.pixels != subset.pixels) {
                    if (++differing <= 20)
                        std::cerr << p.subset << " at " << size[0] << "/" << size[1]
                                  << " draws otherwise: \"" << text << "\"\n";
                }
            }
            // A character no font has, and one the whole files have but no
            // subset keeps: both the face's missing-glyph box (blank in
            // some faces), as the whole file draws it.
            const Surface box = Draw(p.subset, size, Utf8(kMissing));
            if (box.pixels != Draw(p.full, size, Utf8(kMissing)).pixels ||
                box.pixels != Draw(p.subset, size, Utf8(kDropped)).pixels) {
                boxes = false;
                std::cerr << p.subset << " at " << size[0] << " draws another missing-glyph box\n";
            }
        }
        characters += static_cast<long>(p.kept.size());
    }
    std::printf("{\"fonts\":%zu,\"characters\":%ld,\"texts\":%zu,\"drawn\":%ld,\"differing\":%ld,"
                "\"boxes\":%s}\n",
                pairs.size(), characters, texts.size(), drawn, differing, boxes ? "true" : "false");
    return pairs.empty() || texts.empty() || differing > 0 || !boxes ? 1 : 0;
}
