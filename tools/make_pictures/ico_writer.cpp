#include "ico_writer.h"

#include <stdexcept>

namespace {

void put16(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    put16(out, value & 0xffff);
    put16(out, value >> 16);
}

// Rows are padded to whole 32-bit words and stored from the bottom up.
int rowBytes(int width, int bitsPerPixel) { return (width * bitsPerPixel + 31) / 32 * 4; }

// The colour of a pixel in a 1-bit image: black and white only.
std::uint8_t monochrome(std::uint8_t index)
{
    if (index == vga::black || index == transparent)
        return 0;
    if (index == vga::white)
        return 1;
    throw std::logic_error("a 2-colour icon image holds only black and white");
}

std::vector<std::uint8_t> bitmap(const IconImage& image)
{
    const Canvas& c = image.canvas;
    const int bits = image.bitsPerPixel;
    const int colourRow = rowBytes(c.width, bits);
    const int maskRow = rowBytes(c.width, 1);
    const int colours = 1 << bits;

    std::vector<std::uint8_t> out;
    put32(out, 40);
    put32(out, static_cast<std::uint32_t>(c.width));
    put32(out, static_cast<std::uint32_t>(c.height * 2));  // the colour bits and the mask
    put16(out, 1);
    put16(out, static_cast<std::uint32_t>(bits));
    put32(out, 0);  // not compressed
    put32(out, static_cast<std::uint32_t>((colourRow + maskRow) * c.height));
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    for (int i = 0; i < colours; ++i) {
        const std::uint32_t rgb = bits == 1 ? (i == 0 ? 0x000000 : 0xffffff) : vga::palette[static_cast<std::size_t>(i)];
        out.push_back(static_cast<std::uint8_t>(rgb));  // blue, green, red, reserved
        out.push_back(static_cast<std::uint8_t>(rgb >> 8));
        out.push_back(static_cast<std::uint8_t>(rgb >> 16));
        out.push_back(0);
    }
    for (int y = c.height - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(static_cast<std::size_t>(colourRow), 0);
        for (int x = 0; x < c.width; ++x) {
            const std::uint8_t pixel = c.at(x, y);
            if (bits == 4) {
                const std::uint8_t index = pixel == transparent ? 0 : pixel;
                row[static_cast<std::size_t>(x / 2)] |= static_cast<std::uint8_t>(x % 2 == 0 ? index << 4 : index);
            } else if (monochrome(pixel)) {
                row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
            }
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    for (int y = c.height - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(static_cast<std::size_t>(maskRow), 0);
        for (int x = 0; x < c.width; ++x) {
            if (c.at(x, y) == transparent)
                row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

}  // namespace

std::vector<std::uint8_t> encodeIco(const std::vector<IconImage>& images)
{
    std::vector<std::uint8_t> out;
    put16(out, 0);
    put16(out, 1);  // an icon
    put16(out, static_cast<std::uint32_t>(images.size()));

    std::vector<std::vector<std::uint8_t>> bitmaps;
    for (const IconImage& image : images)
        bitmaps.push_back(bitmap(image));

    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const IconImage& image = images[i];
        out.push_back(static_cast<std::uint8_t>(image.canvas.width));
        out.push_back(static_cast<std::uint8_t>(image.canvas.height));
        out.push_back(static_cast<std::uint8_t>(1 << image.bitsPerPixel));  // colour count
        out.push_back(0);
        put16(out, 1);  // planes
        put16(out, static_cast<std::uint32_t>(image.bitsPerPixel));
        put32(out, static_cast<std::uint32_t>(bitmaps[i].size()));
        put32(out, offset);
        offset += static_cast<std::uint32_t>(bitmaps[i].size());
    }
    for (const auto& bitmap : bitmaps)
        out.insert(out.end(), bitmap.begin(), bitmap.end());
    return out;
}
