#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

// An indexed-colour picture: one palette index per pixel, rows from the top.
struct Canvas {
    Canvas(int width, int height, std::uint8_t background)
        : width(width), height(height), pixels(static_cast<std::size_t>(width * height), background)
    {
    }

    std::uint8_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
    void set(int x, int y, std::uint8_t colour)
    {
        if (x >= 0 && y >= 0 && x < width && y < height)
            pixels[static_cast<std::size_t>(y * width + x)] = colour;
    }

    int width;
    int height;
    std::vector<std::uint8_t> pixels;
};

// What one character of a text grid paints: a colour, or a one-pixel checkerboard
// of two colours (even where x + y is even).
struct Ink {
    char symbol;
    std::uint8_t even;
    std::uint8_t odd;
};

// Paints a text grid, one string a row, from the top-left corner; characters with no
// ink leave their pixel alone.
void paintGrid(Canvas& canvas, std::span<const std::string_view> rows, std::span<const Ink> inks);
