#pragma once

#include "ui/pictures/canvas.h"

#include <array>
#include <cstdint>
#include <vector>

// The palette index that marks a transparent icon pixel (the mask bit set).
inline constexpr std::uint8_t transparent = 255;

// The 16 colours of the classic desktop, in their standard order (all named, so that
// the order reads as a table; the icons use a few). Its green, #008000, is the
// icons'; the diagrams have a green of their own.
namespace vga {
inline constexpr std::uint8_t black = 0, maroon = 1, green = 2, olive = 3, navy = 4, purple = 5, teal = 6,
                              grey = 7, silver = 8, red = 9, lime = 10, yellow = 11, blue = 12, magenta = 13,
                              cyan = 14, white = 15;
inline constexpr std::array<std::uint32_t, 16> palette{
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0x808080,
    0xc0c0c0, 0xff0000, 0x00ff00, 0xffff00, 0x0000ff, 0xff00ff, 0x00ffff, 0xffffff,
};
}  // namespace vga

struct IconImage {
    Canvas canvas;  // palette indexes, `transparent` outside the drawing
    int bitsPerPixel;  // 4 for the 16-colour palette, 1 for black and white
};

// The picture on the "Calculer !" buttons: 32 × 32 and 16 × 16.
std::vector<IconImage> wandIcon();
// The picture on the "Nouveau !" buttons: 32 × 32 and 16 × 16.
std::vector<IconImage> eraserIcon();
// The program's icon: 32 × 32 in black and white, then 32 × 32 and 16 × 16 in colour.
std::vector<IconImage> applicationIcon();
