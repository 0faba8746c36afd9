#pragma once

#include "canvas.h"

#include <array>
#include <cstdint>
#include <vector>

// A GIF89a file: a global table of 256 colours (0xRRGGBB, 8-bit resolution, not
// sorted, background 0, no aspect ratio), one frame covering the whole picture, not
// interlaced, LZW minimum code size 8, and no extension block.
std::vector<std::uint8_t> encodeGif(const Canvas& canvas, const std::array<std::uint32_t, 256>& colours);
