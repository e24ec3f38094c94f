// Writes the generator's pictures in the formats the program embeds: plain
// uncompressed Windows bitmaps, the 16-colour icon file and the icon PNGs.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <vector>

namespace artwork {

// BITMAPFILEHEADER + BITMAPINFOHEADER, bottom-up rows padded to 4 bytes.
QByteArray EncodeBmp24(const QImage& image);
// The same with a 256-entry palette; `keep` lists colours kept exactly.
QByteArray EncodeBmp8(const QImage& image, const std::vector<QRgb>& keep);

// An icon file with one 4-bit image per entry of `images`. Every opaque
// pixel must be one of the 16 colours of `palette`; fully transparent pixels
// go to the icon's mask.
QByteArray EncodeIco4(const std::vector<QImage>& images, const std::vector<QRgb>& palette);

// An indexed PNG holding only the colours the icon uses (plus transparency).
bool WriteIconPng(const QString& path, const QImage& image);

bool WriteFile(const QString& path, const QByteArray& bytes);

} // namespace artwork
