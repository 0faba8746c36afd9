#include "ui/pictures/diagrams.h"
#include "ui/pictures/icons.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

namespace {

using namespace diagram;

struct Box {
    int x0, y0, x1, y1;
    bool operator==(const Box&) const = default;
};

// The pixels of one colour: each box filled with it, or (with a search box) their
// bounding box within it.
struct Check {
    const char* what;
    std::uint8_t colour;
    Box box;
    Box search{};
};

// A green dimension line from x0 to x1 on row y, between blue extension lines at
// x0 - 1 and x1 + 1 (from row extensionTop to extensionBottom), broken around its red
// letter with `gap` white pixels on each side. D is 6 pixels wide with its stem on
// the left; d is 5 wide with its stem on the right; both are 9 high.
struct Dimension {
    bool capital;
    int x0, x1, y, letterLeft, letterTop, gap, extensionTop, extensionBottom;
};

struct Diagram {
    const char* name;
    Canvas (*draw)();
    int width, height;
    std::vector<Check> checks;
    std::vector<Dimension> dimensions;
};

const Diagram diagrams[] = {
    {"two-wire", twoWireDiagram, 145, 83,
     {{"left conductor", black, {9, 28, 33, 52}, {0, 20, 70, 82}},
      {"right conductor", black, {111, 28, 135, 52}, {72, 20, 144, 82}},
      {"left conductor's middle row", black, {9, 40, 33, 40}},
      {"above the extension lines", white, {21, 7, 21, 7}}},
     {{true, 22, 122, 14, 70, 9, 3, 8, 27}, {false, 9, 33, 66, 19, 60, 3, 40, 73}}},
    {"square coax", squareCoaxDiagram, 92, 136,
     {{"outer conductor", black, {7, 7, 83, 83}, {0, 0, 91, 85}},
      {"inner conductor", black, {33, 32, 58, 57}, {13, 13, 77, 77}},
      {"left wall", black, {7, 45, 11, 45}}, {"opening", white, {12, 45, 31, 45}},
      {"right wall", black, {79, 45, 83, 45}}, {"bottom wall", black, {13, 81, 31, 81}}},
     {{false, 33, 58, 100, 43, 94, 2, 44, 105}, {true, 13, 77, 122, 43, 117, 3, 71, 127}}},
    {"round coax", roundCoaxDiagram, 92, 136,
     {{"outer conductor", black, {7, 6, 84, 83}, {0, 0, 91, 85}},
      {"inner conductor", black, {31, 31, 60, 60}, {25, 25, 66, 66}},
      {"ring, left, where it is widest", black, {7, 44, 11, 44}},
      {"ring, right, where it is widest", black, {80, 44, 84, 44}}, {"inside the ring", white, {12, 44, 30, 44}}},
     {{false, 31, 60, 99, 43, 93, 2, 45, 103}, {true, 13, 78, 121, 43, 116, 3, 45, 126}}},
};

Box extentOf(const Canvas& canvas, std::uint8_t colour, Box search)
{
    Box found{search.x1 + 1, search.y1 + 1, search.x0 - 1, search.y0 - 1};
    for (int y = search.y0; y <= search.y1; ++y)
        for (int x = search.x0; x <= search.x1; ++x)
            if (canvas.at(x, y) == colour)
                found = {std::min(found.x0, x), std::min(found.y0, y), std::max(found.x1, x), std::max(found.y1, y)};
    return found;
}

void expectFilled(const Canvas& canvas, const Check& check)
{
    for (int y = check.box.y0; y <= check.box.y1; ++y)
        for (int x = check.box.x0; x <= check.box.x1; ++x)
            EXPECT_EQ(canvas.at(x, y), check.colour) << check.what << " at " << x << ", " << y;
}

}  // namespace

TEST(Diagrams, ShowWhatEachEntryMeasures)
{
    for (const Diagram& diagram : diagrams) {
        SCOPED_TRACE(diagram.name);
        const Canvas canvas = diagram.draw();
        ASSERT_EQ(canvas.width, diagram.width);
        ASSERT_EQ(canvas.height, diagram.height);
        for (const Check& check : diagram.checks) {
            if (check.search.x1 == 0)
                expectFilled(canvas, check);
            else
                EXPECT_EQ(extentOf(canvas, check.colour, check.search), check.box) << check.what;
        }
        for (const auto& [capital, x0, x1, y, left, top, gap, extensionTop, extensionBottom] : diagram.dimensions) {
            const int right = left + (capital ? 5 : 4), stem = capital ? left : right;
            expectFilled(canvas, {"extension line", blue, {x0 - 1, extensionTop, x0 - 1, extensionBottom}});
            expectFilled(canvas, {"extension line", blue, {x1 + 1, extensionTop, x1 + 1, extensionBottom}});
            expectFilled(canvas, {"dimension line", green, {x0, y, left - gap - 1, y}});
            expectFilled(canvas, {"dimension line", green, {right + gap + 1, y, x1, y}});
            expectFilled(canvas, {"gap before the letter", white, {left - gap, y, left - 1, y}});
            expectFilled(canvas, {"gap after the letter", white, {right + 1, y, right + gap, y}});
            for (int x : {x0 + 3, x1 - 3})  // the ends of the arrowheads' strokes, 3 pixels at 45°
                for (int end : {y - 3, y + 3})
                    expectFilled(canvas, {"arrowhead", green, {x, end, x, end}});
            EXPECT_EQ(extentOf(canvas, red, {left - 3, top - 3, right + 3, top + 11}), (Box{left, top, right, top + 8}));
            expectFilled(canvas, {"the letter's stem", red, {stem, top, stem, top + 8}});
        }
        EXPECT_EQ(std::set<std::uint8_t>(canvas.pixels.begin(), canvas.pixels.end()).size(), 5U);
    }
    // The colour table the three diagrams share.
    const std::array<std::uint32_t, 256> table = colourTable();
    const std::pair<std::uint8_t, std::uint32_t> colours[] = {
        {black, 0x000000}, {blue, 0x0000ff}, {green, 0x008400}, {red, 0xff0000}, {white, 0xffffff}, {255, 0xffffff}};
    for (const auto& [index, rgb] : colours)
        EXPECT_EQ(table[index], rgb) << int(index);
}

TEST(Icons, HaveTheirSizesColoursAndTransparentCorners)
{
    // Each icon's images, their sizes, and how many colours its 32 × 32 image in 16 colours uses.
    const struct { std::vector<IconImage> images; std::vector<int> sizes; std::size_t colours; } icons[] = {
        {wandIcon(), {32, 16}, 4}, {eraserIcon(), {32, 16}, 8}, {applicationIcon(), {32, 32, 16}, 5}};
    for (const auto& [images, sizes, colours] : icons) {
        ASSERT_EQ(images.size(), sizes.size());
        for (std::size_t i = 0; i < sizes.size(); ++i) {
            const Canvas& canvas = images[i].canvas;
            const int n = sizes[i];
            ASSERT_TRUE(canvas.width == n && canvas.height == n) << colours << ", image " << i;
            EXPECT_TRUE(canvas.at(n - 1, 0) == transparent && canvas.at(0, n - 1) == transparent) << colours << ", " << i;
            std::set<std::uint8_t> used(canvas.pixels.begin(), canvas.pixels.end());
            used.erase(transparent);
            if (images[i].bitsPerPixel == 1) {
                EXPECT_EQ(used, (std::set<std::uint8_t>{vga::black, vga::white}));
            } else if (n == 32) {
                EXPECT_EQ(used.size(), colours);
            }
        }
    }
}
