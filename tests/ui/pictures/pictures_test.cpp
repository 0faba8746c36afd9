#include "ui/pictures/diagrams.h"
#include "ui/pictures/icons.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

using namespace diagram;

struct Box {
    int x0, y0, x1, y1;
    bool operator==(const Box&) const = default;
};

// The pixels of one colour, each box filled with it.
struct Filled {
    const char* what;
    std::uint8_t colour;
    Box box;
};

// The bounding box of the pixels of one colour found within `search`.
struct Extent {
    const char* what;
    std::uint8_t colour;
    Box box;
    Box search;
};

Filled vertical(const char* what, int x, int y0, int y1) { return {what, blue, {x, y0, x, y1}}; }
Filled horizontal(const char* what, int x0, int x1, int y, std::uint8_t colour = green)
{
    return {what, colour, {x0, y, x1, y}};
}

// A dimension line from x0 to x1 on row y, broken around the letter at
// letterLeft–letterRight with `gap` white pixels on each side, with an open
// arrowhead of two 3-pixel strokes at 45° at each end.
std::vector<Filled> dimension(int x0, int x1, int y, int letterLeft, int letterRight, int gap)
{
    std::vector<Filled> checks{
        horizontal("dimension line, left part", x0, letterLeft - gap - 1, y),
        horizontal("dimension line, right part", letterRight + gap + 1, x1, y),
        horizontal("gap before the letter", letterLeft - gap, letterLeft - 1, y, white),
        horizontal("gap after the letter", letterRight + 1, letterRight + gap, y, white),
    };
    for (int step = 1; step <= 3; ++step) {
        for (int x : {x0 + step, x1 - step}) {
            checks.push_back({"arrowhead stroke", green, {x, y - step, x, y - step}});
            checks.push_back({"arrowhead stroke", green, {x, y + step, x, y + step}});
        }
    }
    return checks;
}

const std::vector<std::string> capitalD{"####..", "#...#.", "#....#", "#....#", "#....#",
                                        "#....#", "#....#", "#...#.", "####.."};
const std::vector<std::string> smallD{"....#", "....#", "....#", ".####", "#...#",
                                      "#...#", "#...#", "#...#", ".####"};

struct Letter {
    const std::vector<std::string>* glyph;
    int left, top;
};

struct Diagram {
    const char* name;
    Canvas (*draw)();
    int width, height;
    std::vector<Extent> extents;
    std::vector<Filled> filled;
    std::vector<Letter> letters;
};

std::vector<Filled> operator+(std::vector<Filled> a, const std::vector<Filled>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

std::vector<Diagram> diagrams()
{
    const Box upper{0, 0, 91, 85};
    return {
        {"two-wire", twoWireDiagram, 145, 83,
         {{"left conductor", black, {9, 28, 33, 52}, {0, 20, 70, 82}},
          {"right conductor", black, {111, 28, 135, 52}, {72, 20, 144, 82}}},
         std::vector<Filled>{
             horizontal("left conductor's middle row", 9, 33, 40, black),
             vertical("extension line of D, left", 21, 8, 27),
             vertical("extension line of D, right", 123, 8, 27),
             horizontal("above the extension lines", 21, 21, 7, white),
             vertical("extension line of d, left", 8, 40, 73),
             vertical("extension line of d, right", 34, 40, 73),
         } + dimension(22, 122, 14, 70, 75, 3) + dimension(9, 33, 66, 19, 23, 3),
         {{&capitalD, 70, 9}, {&smallD, 19, 60}}},
        {"square coax", squareCoaxDiagram, 92, 136,
         {{"outer conductor", black, {7, 7, 83, 83}, upper},
          {"inner conductor", black, {33, 32, 58, 57}, {13, 13, 77, 77}}},
         std::vector<Filled>{
             horizontal("left wall", 7, 11, 45, black),
             horizontal("opening", 12, 31, 45, white),
             horizontal("right wall", 79, 83, 45, black),
             vertical("extension line of d, left", 32, 44, 105),
             vertical("extension line of d, right", 59, 44, 105),
             vertical("extension line of D, left", 12, 71, 127),
             vertical("extension line of D, right", 78, 71, 127),
             horizontal("bottom wall", 13, 31, 81, black),
         } + dimension(33, 58, 100, 43, 47, 2) + dimension(13, 77, 122, 43, 48, 3),
         {{&smallD, 43, 94}, {&capitalD, 43, 117}}},
        {"round coax", roundCoaxDiagram, 92, 136,
         {{"outer conductor", black, {7, 6, 84, 83}, upper},
          {"inner conductor", black, {31, 31, 60, 60}, {25, 25, 66, 66}}},
         std::vector<Filled>{
             horizontal("ring, left, where it is widest", 7, 11, 44, black),
             horizontal("ring, right, where it is widest", 80, 84, 44, black),
             horizontal("inside the ring", 12, 30, 44, white),
             vertical("extension line of d, left", 30, 45, 103),
             vertical("extension line of d, right", 61, 45, 103),
             vertical("extension line of D, left", 12, 45, 126),
             vertical("extension line of D, right", 79, 45, 126),
         } + dimension(31, 60, 99, 43, 47, 2) + dimension(13, 78, 121, 43, 48, 3),
         {{&smallD, 43, 93}, {&capitalD, 43, 116}}},
    };
}

Box extentOf(const Canvas& canvas, std::uint8_t colour, Box search)
{
    Box found{search.x1 + 1, search.y1 + 1, search.x0 - 1, search.y0 - 1};
    for (int y = search.y0; y <= search.y1; ++y) {
        for (int x = search.x0; x <= search.x1; ++x) {
            if (canvas.at(x, y) == colour)
                found = {std::min(found.x0, x), std::min(found.y0, y), std::max(found.x1, x), std::max(found.y1, y)};
        }
    }
    return found;
}

}  // namespace

TEST(Diagrams, ShowWhatEachEntryMeasures)
{
    for (const Diagram& diagram : diagrams()) {
        SCOPED_TRACE(diagram.name);
        const Canvas canvas = diagram.draw();
        ASSERT_EQ(canvas.width, diagram.width);
        ASSERT_EQ(canvas.height, diagram.height);
        for (const Extent& extent : diagram.extents)
            EXPECT_EQ(extentOf(canvas, extent.colour, extent.search), extent.box) << extent.what;
        for (const Filled& check : diagram.filled)
            for (int y = check.box.y0; y <= check.box.y1; ++y)
                for (int x = check.box.x0; x <= check.box.x1; ++x)
                    EXPECT_EQ(canvas.at(x, y), check.colour) << check.what << " at " << x << ", " << y;
        for (const Letter& letter : diagram.letters) {
            const int width = int((*letter.glyph)[0].size());
            for (int y = 0; y < 9; ++y)
                for (int x = 0; x < width; ++x)
                    EXPECT_EQ(canvas.at(letter.left + x, letter.top + y), (*letter.glyph)[y][x] == '#' ? red : white);
            EXPECT_EQ(extentOf(canvas, red, {letter.left - 3, letter.top - 3, letter.left + width + 2, letter.top + 11}),
                      (Box{letter.left, letter.top, letter.left + width - 1, letter.top + 8}));
        }
        EXPECT_EQ(std::set<std::uint8_t>(canvas.pixels.begin(), canvas.pixels.end()).size(), 5U);
    }
}

TEST(Icons, HaveTheirSizesColoursAndTransparentCorners)
{
    const struct {
        const char* name;
        std::vector<IconImage> images;
        std::vector<int> sizes;
        std::size_t colours;  // distinct colours of the first 16-colour image
    } icons[] = {
        {"wand", wandIcon(), {32, 16}, 4},
        {"eraser", eraserIcon(), {32, 16}, 8},
        {"application", applicationIcon(), {32, 32, 16}, 5},
    };
    for (const auto& icon : icons) {
        SCOPED_TRACE(icon.name);
        ASSERT_EQ(icon.images.size(), icon.sizes.size());
        bool firstColourImage = true;
        for (std::size_t i = 0; i < icon.sizes.size(); ++i) {
            const Canvas& canvas = icon.images[i].canvas;
            ASSERT_EQ(canvas.width, icon.sizes[i]);
            ASSERT_EQ(canvas.height, icon.sizes[i]);
            const int last = icon.sizes[i] - 1;
            EXPECT_EQ(canvas.at(last, 0), transparent);
            EXPECT_EQ(canvas.at(0, last), transparent);
            std::set<std::uint8_t> used(canvas.pixels.begin(), canvas.pixels.end());
            const auto opaque = std::count_if(canvas.pixels.begin(), canvas.pixels.end(),
                                              [](std::uint8_t p) { return p != transparent; });
            EXPECT_GT(opaque, icon.sizes[i] * icon.sizes[i] / 8);
            used.erase(transparent);
            if (icon.images[i].bitsPerPixel == 1) {
                EXPECT_EQ(used, (std::set<std::uint8_t>{vga::black, vga::white}));
            } else if (firstColourImage) {
                EXPECT_EQ(used.size(), icon.colours);
                firstColourImage = false;
            }
        }
    }
}
