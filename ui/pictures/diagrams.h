#pragma once

#include "ui/pictures/canvas.h"

#include <array>
#include <cstdint>

// The cross-section diagrams share one colour table; these are its indexes.
namespace diagram {
inline constexpr std::uint8_t black = 0;  // conductors
inline constexpr std::uint8_t blue = 1;   // extension lines
inline constexpr std::uint8_t green = 2;  // dimension lines and arrowheads
inline constexpr std::uint8_t red = 3;    // the letters d and D
inline constexpr std::uint8_t white = 4;  // background

// 256 entries: the five colours, then white.
std::array<std::uint32_t, 256> colourTable();
}  // namespace diagram

Canvas twoWireDiagram();
Canvas squareCoaxDiagram();
Canvas roundCoaxDiagram();
