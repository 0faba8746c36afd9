#include "ui/pictures/icons.h"

#include <string_view>

using namespace vga;

namespace {

// The letters of the grids: K black, W white, S silver, G grey, N green, and three
// one-pixel checkerboards: p pink (magenta and white), o orange-gold (yellow and
// maroon), f the ferrule's silver and magenta. A point is transparent.
constexpr Ink inks[] = {
    {'K', black, black},    {'W', white, white},     {'S', silver, silver},   {'G', grey, grey},
    {'N', green, green},    {'p', magenta, white},   {'o', yellow, maroon},   {'f', silver, magenta},
};

// A white-gloved hand from a black sleeve holds a magic wand whose tip is white.
constexpr std::string_view wand32[] = {
    "KKKK............................",
    "KWSK............................",
    ".KWSK...........................",
    "..KKKK..........................",
    "...KKKK.........................",
    "....KKKK........................",
    ".....KKKK.......................",
    "......KKKK......................",
    ".......KKKK.....................",
    "........KKKK....................",
    ".........KKKK...................",
    "..........KKKK..................",
    "........KKKKKKKK................",
    ".......KSWWKKKWWK...............",
    "......KSWWWWKKWWWK..............",
    "......KGSWKKKKKWWWK.............",
    "......KGSWWWWKKKWWK.............",
    ".......KGKKKKWKKWWWK............",
    ".......KGSWWWWKWWWWK............",
    "........KGKKKKWWWWWK............",
    "........KGSWWWWWWWWWK...........",
    ".........KGSWWWWWWWWK...........",
    "..........KKGSWWWWWWKK..........",
    "............KKKWWWWKKKK.........",
    ".............KKKGSKKGSKKK.......",
    "..............KKKGSKKGSKKK......",
    "...............KKKGSKKGSKKK.....",
    "................KKKGSKKGSKKK....",
    ".................KKKGSKKGSKKK...",
    "..................KKKGSKKGSKKK..",
    "...................KKKGSKKGSKKK.",
    "....................KKKGSKKGSKKK",
};

// The same, reduced.
constexpr std::string_view wand16[] = {
    "KK..............",
    "KWK.............",
    ".KKK............",
    "..KKK...........",
    "...KKK..........",
    "....KKKK........",
    "...KSWKKWK......",
    "...KGKKKWWK.....",
    "...KGSWWWWK.....",
    "....KGKWWWK.....",
    ".....KKWWKKK....",
    "......KKKKGKK...",
    ".......KKGKGKK..",
    "........KKGKGKK.",
    ".........KKGKGKK",
    "..........KKGKGK",
};

// A pencil rubs out a scribble with its pink eraser; ferrule, then the orange-gold body.
constexpr std::string_view eraser32[] = {
    "................................",
    ".......S...........K............",
    "..K...S...........KK............",
    ".KK.....G....S....K.K....K......",
    ".K.K..S.....S.K..K..K...K.K....K",
    "K..K.S...S..G..K.K..K...K.K...K.",
    "....S......G....K....K..K..K.K..",
    "....G.....KKK........K.K....K...",
    ".........KKppK........K.........",
    "........KKppppK.......K.........",
    "........KppppppK................",
    "........KpppppppK...............",
    ".........KpppppKfK..............",
    "..........KpppKffNK.............",
    "...........KpKffNKNK............",
    "............KffNKNffK...........",
    ".............KNKNffKoK..........",
    "..............KNffKoKoK.........",
    "...............KfKoooKoK........",
    "................KoKoooKoK.......",
    ".................KoKoooKoK......",
    "..................KoKoooKoK.....",
    "...................KoKoooKoK....",
    "....................KoKoooKoK...",
    ".....................KoKoooKoK..",
    "......................KoKoooKoK.",
    ".......................KoKoooKoK",
    "........................KoKoooKo",
    ".........................KoKoooK",
    "..........................KoKooo",
    "...........................KoKoo",
    "............................KoKo",
};

// The same, reduced.
constexpr std::string_view eraser16[] = {
    "................",
    ".K..G..K..K..K..",
    "KK.G..SK.KK.K.K.",
    "K.G..SK.KK.KK..K",
    ".....KKK........",
    "....KpppK.......",
    "....KppfNK......",
    ".....KfNKNK.....",
    "......KKNooK....",
    ".......KooooK...",
    "........KooooK..",
    ".........KooooK.",
    "..........KooooK",
    "...........Koooo",
    "............Kooo",
    ".............Koo",
};

template <std::size_t Size>
Canvas fromGrid(const std::string_view (&rows)[Size])
{
    Canvas canvas(static_cast<int>(Size), static_cast<int>(Size), transparent);
    paintGrid(canvas, rows, inks);
    return canvas;
}

// The application icon: a blank window seen at a slant. Its left edge stands at x0,
// its right edge at x1; the top edge falls from y top0 to top1 and the bottom edge
// from bottom0 to bottom1, in even steps one pixel high. The colours of the title
// strip, of the line under it, of the pixels that mark the steps of the bottom edge
// and of the wedge beside the right edge differ between the colour and the
// black-and-white images.
struct SlantedWindow {
    int x0, x1, top0, top1, bottom0, bottom1;
    struct {
        int x0, x1, y0, y1;
    } wedge;
};

struct WindowInks {
    std::uint8_t title, underTitle, stepMark, wedge;
};

int stepped(int x, const SlantedWindow& w, int y0, int y1)
{
    return y0 + (x - w.x0) * (y1 - y0 + 1) / (w.x1 - w.x0 + 1);
}

Canvas slantedWindow(int size, const SlantedWindow& w, const WindowInks& ink)
{
    Canvas c(size, size, transparent);
    for (int x = w.x0; x <= w.x1; ++x) {
        const int top = stepped(x, w, w.top0, w.top1);
        const int bottom = stepped(x, w, w.bottom0, w.bottom1);
        const bool edge = x == w.x0 || x == w.x1;
        for (int y = top; y <= bottom; ++y) {
            std::uint8_t colour = white;
            if (edge || y == top || y == bottom)
                colour = black;
            else if (y == top + 1)
                colour = ink.title;
            else if (y == top + 2)
                colour = black;
            else if (y == top + 3)
                colour = ink.underTitle;
            c.set(x, y, colour);
        }
        // A mark at the first pixel of each step down of the bottom edge.
        if (!edge && bottom > stepped(x - 1, w, w.bottom0, w.bottom1))
            c.set(x, bottom, ink.stepMark);
    }
    // The wedge points right: each column pair one pixel shorter at both ends.
    const int middle = (w.wedge.y0 + w.wedge.y1) / 2;
    for (int x = w.wedge.x0; x <= w.wedge.x1; ++x) {
        const int half = (w.wedge.y1 - w.wedge.y0) / 2 - (x - w.wedge.x0) / 2;
        for (int y = middle - half; y <= middle + half; ++y)
            c.set(x, y, ink.wedge);
    }
    return c;
}

constexpr SlantedWindow large{5, 22, 6, 10, 23, 26, {23, 28, 21, 25}};
constexpr SlantedWindow small{2, 11, 3, 5, 11, 13, {12, 14, 10, 12}};
constexpr WindowInks colourInks{cyan, silver, silver, grey};
constexpr WindowInks monochromeInks{white, white, black, black};

}  // namespace

std::vector<IconImage> wandIcon() { return {{fromGrid(wand32), 4}, {fromGrid(wand16), 4}}; }

std::vector<IconImage> eraserIcon() { return {{fromGrid(eraser32), 4}, {fromGrid(eraser16), 4}}; }

std::vector<IconImage> applicationIcon()
{
    return {
        {slantedWindow(32, large, monochromeInks), 1},
        {slantedWindow(32, large, colourInks), 4},
        {slantedWindow(16, small, colourInks), 4},
    };
}
