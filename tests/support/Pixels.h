// Reading pictures in tests: resource bitmaps decoded, regions compared, and
// surfaces written to PNG files to look at.
#pragma once

#include <cstdint>
#include <string>

#include "platform/Bmp.h"
#include "platform/Surface.h"

// The decoded pixels of bitmap resource `id` (empty when there is none).
const DecodedBitmap& ResourcePixels(unsigned int id);

// How many pixels of the cx x cy block at (x, y) differ from the same block
// of resource `id` taken at (sx, sy).
int DiffFromResource(const Surface& s, int x, int y, unsigned int id, int sx = 0, int sy = 0,
                     int cx = -1, int cy = -1);

COLORREF PixelAt(const Surface& s, int x, int y);

// Writes `s` as an RGB PNG; returns false if the file cannot be written.
bool WritePng(const Surface& s, const std::string& path);

// A 64-bit FNV-1a hash of the surface's size and pixels: equal pictures,
// equal prints; one pixel changed changes it.
std::uint64_t Fingerprint(const Surface& s);

// Where tests leave the pictures they make: <build>/artefacts/<name>.
std::string ArtefactPath(const std::string& name);
