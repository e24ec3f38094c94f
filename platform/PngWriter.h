// Pictures as PNG files: 8-bit RGB, compressed with deflate (repeated runs
// found within the last 32 KiB, coded with the fixed Huffman codes), which
// takes the flat colours of the program's pictures down to a small part of
// their raw size.
#pragma once

#include <string>

#include "platform/Surface.h"

// The whole PNG file of `picture`, as bytes.
std::string EncodePng(const Surface& picture);

// `picture` with every pixel made a `factor` x `factor` block: larger, and
// exactly as sharp (factor 1 or less gives a copy).
Surface ScaledByWholeFactor(const Surface& picture, int factor);
