#include "support/Pixels.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <map>
#include <vector>

#include "platform/ApplicationResources.h"

const DecodedBitmap& ResourcePixels(unsigned int id)
{
    static std::map<unsigned int, DecodedBitmap> cache;
    auto it = cache.find(id);
    if (it == cache.end()) {
        DecodedBitmap bitmap;
        if (const EmbeddedResource* r = FindBitmapResource(id))
            DecodeBmp(r->data, r->size, bitmap);
        it = cache.emplace(id, std::move(bitmap)).first;
    }
    return it->second;
}

int DiffFromResource(const Surface& s, int x, int y, unsigned int id, int sx, int sy, int cx,
                     int cy)
{
    const DecodedBitmap& b = ResourcePixels(id);
    if (cx < 0)
        cx = b.width;
    if (cy < 0)
        cy = b.height;
    int diffs = 0;
    for (int j = 0; j < cy; ++j) {
        for (int i = 0; i < cx; ++i) {
            if (!s.Contains(x + i, y + j))
                continue;
            const int bx = sx + i, by = sy + j;
            const bool inside = bx >= 0 && by >= 0 && bx < b.width && by < b.height;
            if (!inside ||
                s.At(x + i, y + j) != b.pixels[static_cast<std::size_t>(by) * b.width + bx])
                ++diffs;
        }
    }
    return diffs;
}

COLORREF PixelAt(const Surface& s, int x, int y)
{
    return s.Contains(x, y) ? ColorFromPixel(s.At(x, y)) : 0xFFFFFFFFu;
}

namespace {
std::uint32_t Crc(const std::vector<unsigned char>& data, std::size_t from)
{
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = from; i < data.size(); ++i) {
        crc ^= data[i];
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void Put32(std::vector<unsigned char>& out, std::uint32_t v)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<unsigned char>(v >> shift));
}

void Chunk(std::vector<unsigned char>& out, const char* type,
           const std::vector<unsigned char>& body)
{
    Put32(out, static_cast<std::uint32_t>(body.size()));
    const std::size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), body.begin(), body.end());
    Put32(out, Crc(out, start));
}
} // namespace

bool WritePng(const Surface& s, const std::string& path)
{
    // Raw scanlines (filter 0) in stored deflate blocks: large, but simple.
    std::vector<unsigned char> raw;
    for (int y = 0; y < s.height; ++y) {
        raw.push_back(0);
        for (int x = 0; x < s.width; ++x) {
            const Pixel p = s.At(x, y);
            raw.push_back(static_cast<unsigned char>(p >> 16));
            raw.push_back(static_cast<unsigned char>(p >> 8));
            raw.push_back(static_cast<unsigned char>(p));
        }
    }
    std::vector<unsigned char> z = {0x78, 0x01};
    std::size_t pos = 0;
    do {
        const std::size_t n = std::min<std::size_t>(65535, raw.size() - pos);
        z.push_back(pos + n == raw.size() ? 1 : 0);
        z.push_back(static_cast<unsigned char>(n));
        z.push_back(static_cast<unsigned char>(n >> 8));
        z.push_back(static_cast<unsigned char>(~n));
        z.push_back(static_cast<unsigned char>(~n >> 8));
        z.insert(z.end(), raw.begin() + static_cast<std::ptrdiff_t>(pos),
                 raw.begin() + static_cast<std::ptrdiff_t>(pos + n));
        pos += n;
    } while (pos < raw.size());
    std::uint32_t a = 1, b = 0;
    for (unsigned char c : raw) {
        a = (a + c) % 65521;
        b = (b + a) % 65521;
    }
    Put32(z, (b << 16) | a);

    std::vector<unsigned char> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<unsigned char> header;
    Put32(header, static_cast<std::uint32_t>(s.width));
    Put32(header, static_cast<std::uint32_t>(s.height));
    header.insert(header.end(), {8, 2, 0, 0, 0});
    Chunk(png, "IHDR", header);
    Chunk(png, "IDAT", z);
    Chunk(png, "IEND", {});
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    const bool ok = std::fwrite(png.data(), 1, png.size(), f) == png.size();
    return std::fclose(f) == 0 && ok;
}

std::uint64_t Fingerprint(const Surface& s)
{
    std::uint64_t h = 0xcbf29ce484222325u;
    auto mix = [&h](std::uint32_t v) {
        for (int k = 0; k < 4; ++k) {
            h ^= (v >> (8 * k)) & 0xFFu;
            h *= 0x100000001b3u;
        }
    };
    mix(static_cast<std::uint32_t>(s.width));
    mix(static_cast<std::uint32_t>(s.height));
    for (Pixel p : s.pixels)
        mix(p & 0xFFFFFFu);
    return h;
}

std::string ArtefactPath(const std::string& name)
{
    std::filesystem::create_directories("artefacts");
    return (std::filesystem::current_path() / "artefacts" / name).string();
}
