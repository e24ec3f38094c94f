#include "platform/PngWriter.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {
// --- Bits, checksums and chunks ------------------------------------------------

// Deflate's bit order: each value's low bit first, packed from the low bit of
// each byte up.
class BitWriter {
  public:
    explicit BitWriter(std::string& out) : m_out(out) {}
    void Put(std::uint32_t value, int count)
    {
        for (int i = 0; i < count; ++i) {
            m_byte |= ((value >> i) & 1u) << m_used;
            if (++m_used == 8)
                Flush();
        }
    }
    // A Huffman code goes in from its highest bit.
    void PutCode(std::uint32_t code, int length)
    {
        for (int i = length - 1; i >= 0; --i)
            Put((code >> i) & 1u, 1);
    }
    void Flush()
    {
        if (m_used == 0)
            return;
        m_out.push_back(static_cast<char>(m_byte));
        m_byte = 0;
        m_used = 0;
    }

  private:
    std::string& m_out;
    std::uint32_t m_byte = 0;
    int m_used = 0;
};

std::uint32_t Crc32(const std::string& data, std::size_t from)
{
    static const std::vector<std::uint32_t> table = [] {
        std::vector<std::uint32_t> t(256);
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1u) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = from; i < data.size(); ++i)
        crc = table[(crc ^ static_cast<unsigned char>(data[i])) & 0xFFu] ^ (crc >> 8);
    return ~crc;
}

std::uint32_t Adler32(const std::vector<unsigned char>& data)
{
    std::uint32_t a = 1, b = 0;
    for (unsigned char c : data) {
        a = (a + c) % 65521u;
        b = (b + a) % 65521u;
    }
    return (b << 16) | a;
}

void Put32(std::string& out, std::uint32_t v)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<char>((v >> shift) & 0xFFu));
}

void Chunk(std::string& png, const char* type, const std::string& body)
{
    Put32(png, static_cast<std::uint32_t>(body.size()));
    const std::size_t start = png.size();
    png.append(type, 4);
    png += body;
    Put32(png, Crc32(png, start));
}

// --- Deflate with the fixed codes ---------------------------------------------------

constexpr int kMinMatch = 3;
constexpr int kMaxMatch = 258;
constexpr int kWindow = 32768;
// How many earlier places with the same three bytes are tried: enough for
// the runs of flat colour and repeated rows a picture of the program has.
constexpr int kMaxChain = 48;

const int kLengthBase[] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                           31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
const int kLengthExtra[] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                            2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
const int kDistanceBase[] = {1,    2,    3,    4,    5,    7,    9,    13,    17,    25,
                             33,   49,   65,   97,   129,  193,  257,  385,   513,   769,
                             1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
const int kDistanceExtra[] = {0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,
                              6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

// A literal byte or an end-of-block or length symbol, in the fixed code.
void PutSymbol(BitWriter& bits, int symbol)
{
    if (symbol < 144)
        bits.PutCode(0x30u + symbol, 8);
    else if (symbol < 256)
        bits.PutCode(0x190u + (symbol - 144), 9);
    else if (symbol < 280)
        bits.PutCode(static_cast<std::uint32_t>(symbol - 256), 7);
    else
        bits.PutCode(0xC0u + (symbol - 280), 8);
}

void PutMatch(BitWriter& bits, int length, int distance)
{
    int l = 28;
    while (kLengthBase[l] > length)
        --l;
    PutSymbol(bits, 257 + l);
    bits.Put(static_cast<std::uint32_t>(length - kLengthBase[l]), kLengthExtra[l]);
    int d = 29;
    while (kDistanceBase[d] > distance)
        --d;
    bits.PutCode(static_cast<std::uint32_t>(d), 5);
    bits.Put(static_cast<std::uint32_t>(distance - kDistanceBase[d]), kDistanceExtra[d]);
}

std::string Deflate(const std::vector<unsigned char>& data)
{
    std::string out = {'\x78', '\x01'}; // deflate, 32 KiB window, no dictionary
    BitWriter bits(out);
    bits.Put(1, 1); // the last block
    bits.Put(1, 2); // fixed codes

    const int n = static_cast<int>(data.size());
    constexpr int kHashSize = 1 << 15;
    std::vector<int> head(kHashSize, -1), previous(static_cast<std::size_t>(n), -1);
    auto hashAt = [&](int i) {
        return ((data[i] << 10) ^ (data[i + 1] << 5) ^ data[i + 2]) & (kHashSize - 1);
    };
    auto remember = [&](int i) {
        if (i + kMinMatch > n)
            return;
        const int h = hashAt(i);
        previous[static_cast<std::size_t>(i)] = head[h];
        head[h] = i;
    };
    int i = 0;
    while (i < n) {
        int bestLength = 0, bestDistance = 0;
        if (i + kMinMatch <= n) {
            const int limit = std::min(kMaxMatch, n - i);
            int candidate = head[hashAt(i)];
            for (int tries = 0; candidate >= 0 && i - candidate <= kWindow && tries < kMaxChain;
                 ++tries) {
                int length = 0;
                while (length < limit && data[candidate + length] == data[i + length])
                    ++length;
                if (length > bestLength) {
                    bestLength = length;
                    bestDistance = i - candidate;
                    if (length == limit)
                        break;
                }
                candidate = previous[static_cast<std::size_t>(candidate)];
            }
        }
        if (bestLength >= kMinMatch) {
            PutMatch(bits, bestLength, bestDistance);
            for (int k = 0; k < bestLength; ++k)
                remember(i + k);
            i += bestLength;
        } else {
            PutSymbol(bits, data[i]);
            remember(i);
            ++i;
        }
    }
    PutSymbol(bits, 256);
    bits.Flush();
    Put32(out, Adler32(data));
    return out;
}
} // namespace

std::string EncodePng(const Surface& picture)
{
    // Each row: filter type 0 (none), then red, green and blue of each pixel.
    std::vector<unsigned char> raw;
    raw.reserve(static_cast<std::size_t>(picture.height) * (1 + 3 * picture.width));
    for (int y = 0; y < picture.height; ++y) {
        raw.push_back(0);
        for (const Pixel* p = picture.Row(y); p != picture.Row(y) + picture.width; ++p) {
            raw.push_back(static_cast<unsigned char>(*p >> 16));
            raw.push_back(static_cast<unsigned char>(*p >> 8));
            raw.push_back(static_cast<unsigned char>(*p));
        }
    }
    // Bytes rather than a string literal: the browser build keeps, of each
    // font, the characters of the program's string literals.
    std::string png = {'\x89', 'P', 'N', 'G', '\r', '\n', '\x1A', '\n'};
    std::string header;
    Put32(header, static_cast<std::uint32_t>(picture.width));
    Put32(header, static_cast<std::uint32_t>(picture.height));
    header += {'\x08', '\x02', '\x00', '\x00', '\x00'}; // 8 bits, RGB, no interlace
    Chunk(png, "IHDR", header);
    Chunk(png, "IDAT", Deflate(raw));
    Chunk(png, "IEND", "");
    return png;
}

Surface ScaledByWholeFactor(const Surface& picture, int factor)
{
    if (factor <= 1)
        return picture;
    Surface big(picture.width * factor, picture.height * factor);
    for (int y = 0; y < big.height; ++y) {
        const Pixel* from = picture.Row(y / factor);
        Pixel* to = big.Row(y);
        for (int x = 0; x < big.width; ++x)
            to[x] = from[x / factor];
    }
    return big;
}
