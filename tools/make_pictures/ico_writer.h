#pragma once

#include "ui/pictures/icons.h"

#include <cstdint>
#include <vector>

// An ICO file: each image a device-independent bitmap with a 40-byte header (its
// height doubled), its palette (the 16 colours, or black and white), the colour
// bits and a 1-bit AND mask that makes the transparent pixels transparent.
std::vector<std::uint8_t> encodeIco(const std::vector<IconImage>& images);
