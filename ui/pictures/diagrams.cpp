#include "ui/pictures/diagrams.h"

#include <string_view>

using namespace diagram;

namespace {

// A solid disc that fills the box x0–x1, y0–y1 (inclusive): a pixel belongs to it
// when its centre lies within half the diameter of the box's centre. Working in
// doubled coordinates keeps even diameters, whose centre falls between pixels, exact.
void disc(Canvas& c, int x0, int y0, int x1, int y1, std::uint8_t colour)
{
    const int diameter = x1 - x0 + 1;
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            const int dx = 2 * x - (x0 + x1);
            const int dy = 2 * y - (y0 + y1);
            if (dx * dx + dy * dy <= diameter * diameter)
                c.set(x, y, colour);
        }
    }
}

void rectangle(Canvas& c, int x0, int y0, int x1, int y1, std::uint8_t colour)
{
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            c.set(x, y, colour);
}

void verticalLine(Canvas& c, int x, int y0, int y1) { rectangle(c, x, y0, x, y1, blue); }

// A capital D 6 pixels wide and a small d 5 wide, both 9 tall.
constexpr std::string_view capitalD[] = {
    "####..", "#...#.", "#....#", "#....#", "#....#", "#....#", "#....#", "#...#.", "####..",
};
constexpr std::string_view smallD[] = {
    "....#", "....#", "....#", ".####", "#...#", "#...#", "#...#", "#...#", ".####",
};

template <std::size_t Rows>
int letter(Canvas& c, const std::string_view (&glyph)[Rows], int left, int top)
{
    for (int y = 0; y < static_cast<int>(Rows); ++y)
        for (int x = 0; x < static_cast<int>(glyph[y].size()); ++x)
            if (glyph[y][static_cast<std::size_t>(x)] == '#')
                c.set(left + x, top + y, red);
    return static_cast<int>(glyph[0].size());
}

// A dimension: green from x0 to x1 on row y, with an open arrowhead at each end
// pointing outward, broken around its letter (drawn at letterLeft, letterTop) with
// the given gap on each side.
template <std::size_t Rows>
void dimension(Canvas& c, int x0, int x1, int y, const std::string_view (&glyph)[Rows], int letterLeft,
               int letterTop, int gap)
{
    const int letterRight = letterLeft + letter(c, glyph, letterLeft, letterTop) - 1;
    rectangle(c, x0, y, letterLeft - gap - 1, y, green);
    rectangle(c, letterRight + gap + 1, y, x1, y, green);
    for (int step = 1; step <= 3; ++step) {
        c.set(x0 + step, y - step, green);
        c.set(x0 + step, y + step, green);
        c.set(x1 - step, y - step, green);
        c.set(x1 - step, y + step, green);
    }
}

}  // namespace

std::array<std::uint32_t, 256> diagram::colourTable()
{
    std::array<std::uint32_t, 256> table{};
    table.fill(0xffffff);
    table[black] = 0x000000;
    table[blue] = 0x0000ff;
    // The diagrams' own dark green, as they were drawn: a shade brighter (132 against
    // 128) than the 16-colour palette's #008000 that the icons use.
    table[green] = 0x008400;
    table[red] = 0xff0000;
    return table;
}

// Two conductors 25 pixels across whose centres are 102 pixels apart.
Canvas twoWireDiagram()
{
    Canvas c(145, 83, white);
    disc(c, 9, 28, 33, 52, black);
    disc(c, 111, 28, 135, 52, black);
    // D, the spacing, between the centre columns of the two conductors.
    verticalLine(c, 21, 8, 27);
    verticalLine(c, 123, 8, 27);
    dimension(c, 22, 122, 14, capitalD, 70, 9, 3);
    // d, the diameter of the left conductor, below it.
    verticalLine(c, 8, 40, 73);
    verticalLine(c, 34, 40, 73);
    dimension(c, 9, 33, 66, smallD, 19, 60, 3);
    return c;
}

// A disc 26 across inside a square frame with 5-pixel walls.
Canvas squareCoaxDiagram()
{
    Canvas c(92, 136, white);
    rectangle(c, 7, 7, 83, 83, black);
    rectangle(c, 12, 12, 78, 78, white);
    disc(c, 33, 32, 58, 57, black);
    verticalLine(c, 32, 44, 105);
    verticalLine(c, 59, 44, 105);
    dimension(c, 33, 58, 100, smallD, 43, 94, 2);
    // D, from wall face to wall face, its extension lines drawn over the bottom wall.
    verticalLine(c, 12, 71, 127);
    verticalLine(c, 78, 71, 127);
    dimension(c, 13, 77, 122, capitalD, 43, 117, 3);
    return c;
}

// A disc 30 across inside a ring 78 across and 5 thick.
Canvas roundCoaxDiagram()
{
    Canvas c(92, 136, white);
    disc(c, 7, 6, 84, 83, black);
    disc(c, 12, 11, 79, 78, white);
    disc(c, 31, 31, 60, 60, black);
    verticalLine(c, 30, 45, 103);
    verticalLine(c, 61, 45, 103);
    dimension(c, 31, 60, 99, smallD, 43, 93, 2);
    // D, the inside diameter where the ring is widest, drawn over its lower half.
    verticalLine(c, 12, 45, 126);
    verticalLine(c, 79, 45, 126);
    dimension(c, 13, 78, 121, capitalD, 43, 116, 3);
    return c;
}
