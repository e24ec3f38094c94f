#include "ImageFiles.h"

#include "Quantize.h"

#include <QFile>

#include <algorithm>
#include <cstdint>

namespace artwork {

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::int32_t kPixelsPerMetre = 3780; // 96 dpi

void Put16(QByteArray& out, std::uint32_t v)
{
    out.append(char(v & 0xFF));
    out.append(char((v >> 8) & 0xFF));
}

void Put32(QByteArray& out, std::uint32_t v)
{
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

std::uint32_t RowStride(int width, int bits)
{
    return ((std::uint32_t(width) * std::uint32_t(bits) + 31) / 32) * 4;
}

void PutInfoHeader(QByteArray& out, int width, int height, int bits, std::uint32_t imageSize,
                   std::uint32_t colours)
{
    Put32(out, kInfoHeaderSize);
    Put32(out, std::uint32_t(width));
    Put32(out, std::uint32_t(height));
    Put16(out, 1); // planes
    Put16(out, std::uint32_t(bits));
    Put32(out, 0); // BI_RGB, uncompressed
    Put32(out, imageSize);
    Put32(out, std::uint32_t(kPixelsPerMetre));
    Put32(out, std::uint32_t(kPixelsPerMetre));
    Put32(out, colours);
    Put32(out, 0); // all colours important
}

QByteArray FileHeader(std::uint32_t fileSize, std::uint32_t pixelOffset)
{
    QByteArray out;
    out.append("BM");
    Put32(out, fileSize);
    Put32(out, 0);
    Put32(out, pixelOffset);
    return out;
}

void PutPaletteEntry(QByteArray& out, QRgb c)
{
    out.append(char(qBlue(c)));
    out.append(char(qGreen(c)));
    out.append(char(qRed(c)));
    out.append(char(0));
}

void PadRow(QByteArray& out, std::uint32_t written, std::uint32_t stride)
{
    for (std::uint32_t i = written; i < stride; ++i) {
        out.append(char(0));
    }
}

} // namespace

QByteArray EncodeBmp24(const QImage& image)
{
    const int w = image.width();
    const int h = image.height();
    const std::uint32_t stride = RowStride(w, 24);
    const std::uint32_t imageSize = stride * std::uint32_t(h);
    const std::uint32_t offset = kFileHeaderSize + kInfoHeaderSize;
    QByteArray out = FileHeader(offset + imageSize, offset);
    PutInfoHeader(out, w, h, 24, imageSize, 0);
    for (int y = h - 1; y >= 0; --y) {
        for (int x = 0; x < w; ++x) {
            const QRgb c = image.pixel(x, y);
            out.append(char(qBlue(c)));
            out.append(char(qGreen(c)));
            out.append(char(qRed(c)));
        }
        PadRow(out, std::uint32_t(w) * 3, stride);
    }
    return out;
}

QByteArray EncodeBmp8(const QImage& image, const std::vector<QRgb>& keep)
{
    const IndexedPicture indexed = Quantize(image, keep);
    const int w = image.width();
    const int h = image.height();
    const std::uint32_t stride = RowStride(w, 8);
    const std::uint32_t imageSize = stride * std::uint32_t(h);
    const std::uint32_t offset = kFileHeaderSize + kInfoHeaderSize + 256 * 4;
    QByteArray out = FileHeader(offset + imageSize, offset);
    PutInfoHeader(out, w, h, 8, imageSize, 256);
    for (std::size_t i = 0; i < 256; ++i) {
        PutPaletteEntry(out, i < indexed.palette.size() ? indexed.palette[i] : qRgb(0, 0, 0));
    }
    for (int y = h - 1; y >= 0; --y) {
        for (int x = 0; x < w; ++x) {
            out.append(char(indexed.rows[std::size_t(y) * std::size_t(w) + std::size_t(x)]));
        }
        PadRow(out, std::uint32_t(w), stride);
    }
    return out;
}

QByteArray EncodeIco4(const std::vector<QImage>& images, const std::vector<QRgb>& palette)
{
    std::vector<QByteArray> bodies;
    for (const QImage& image : images) {
        const int w = image.width();
        const int h = image.height();
        const std::uint32_t xorStride = RowStride(w, 4);
        const std::uint32_t andStride = RowStride(w, 1);
        QByteArray body;
        // The icon's header counts the colour image and the mask together.
        PutInfoHeader(body, w, 2 * h, 4, (xorStride + andStride) * std::uint32_t(h), 16);
        for (std::size_t i = 0; i < 16; ++i) {
            PutPaletteEntry(body, i < palette.size() ? palette[i] : qRgb(0, 0, 0));
        }
        for (int y = h - 1; y >= 0; --y) {
            QByteArray row(int(xorStride), char(0));
            for (int x = 0; x < w; ++x) {
                const QRgb c = image.pixel(x, y);
                int index = 0;
                if (qAlpha(c) != 0) {
                    const auto it = std::find(palette.begin(), palette.end(), c | 0xFF000000u);
                    index = it == palette.end() ? 0 : int(it - palette.begin());
                }
                row[x / 2] = char(row[x / 2] | (x % 2 == 0 ? index << 4 : index));
            }
            body.append(row);
        }
        for (int y = h - 1; y >= 0; --y) {
            QByteArray row(int(andStride), char(0));
            for (int x = 0; x < w; ++x) {
                if (qAlpha(image.pixel(x, y)) == 0) {
                    row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
                }
            }
            body.append(row);
        }
        bodies.push_back(body);
    }
    QByteArray out;
    Put16(out, 0);
    Put16(out, 1); // icon
    Put16(out, std::uint32_t(images.size()));
    std::uint32_t offset = 6 + 16 * std::uint32_t(images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        out.append(char(images[i].width()));
        out.append(char(images[i].height()));
        out.append(char(16)); // colours
        out.append(char(0));
        Put16(out, 1); // planes
        Put16(out, 4); // bits per pixel
        Put32(out, std::uint32_t(bodies[i].size()));
        Put32(out, offset);
        offset += std::uint32_t(bodies[i].size());
    }
    for (const QByteArray& body : bodies) {
        out.append(body);
    }
    return out;
}

bool WriteIconPng(const QString& path, const QImage& image)
{
    const auto opaqueOrClear = [](QRgb c) { return qAlpha(c) == 0 ? qRgba(0, 0, 0, 0) : c; };
    QVector<QRgb> table;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = opaqueOrClear(image.pixel(x, y));
            if (!table.contains(c)) {
                table.append(c);
            }
        }
    }
    QImage indexed(image.size(), QImage::Format_Indexed8);
    indexed.setColorTable(table);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            indexed.setPixel(x, y, uint(table.indexOf(opaqueOrClear(image.pixel(x, y)))));
        }
    }
    return indexed.save(path, "PNG");
}

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return false;
    }
    return file.write(bytes) == bytes.size();
}

} // namespace artwork
