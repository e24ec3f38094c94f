// Reduces a true-colour picture to a palette of at most 256 colours, for the
// pictures the program keeps as 8-bit palette bitmaps.
#pragma once

#include <QImage>

#include <cstdint>
#include <vector>

namespace artwork {

struct IndexedPicture {
    std::vector<QRgb> palette;      // at most 256 entries
    std::vector<std::uint8_t> rows; // top-down, one index per pixel
};

// Every colour of `keep` that the picture uses gets a palette entry of its
// own, so colours that other code relies on (the bench green, the grey of
// the display window, the white page) survive exactly. A picture with at
// most 256 colours keeps all of them; otherwise the rest is reduced by
// median cut. Deterministic: the same picture always gives the same result.
IndexedPicture Quantize(const QImage& image, const std::vector<QRgb>& keep);

} // namespace artwork
