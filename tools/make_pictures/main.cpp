// Draws Tarvelle's pictures from their description and writes them as the files
// that the program carries: the three cross-section diagrams as GIF, the two button
// icons and the application icon as ICO.
//   usage: make_pictures DIAGRAM_AND_BUTTON_DIR APPLICATION_ICON_DIR

#include "diagrams.h"
#include "gif_writer.h"
#include "icons.h"

#include <filesystem>
#include <fstream>
#include <iostream>

namespace {

void write(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::cerr << "usage: make_pictures DIAGRAM_AND_BUTTON_DIR APPLICATION_ICON_DIR\n";
        return 2;
    }
    try {
        const std::filesystem::path pictures = argv[1];
        const std::filesystem::path app = argv[2];
        const auto colours = diagram::colourTable();
        write(pictures / "two_wire.gif", encodeGif(twoWireDiagram(), colours));
        write(pictures / "square_coax.gif", encodeGif(squareCoaxDiagram(), colours));
        write(pictures / "round_coax.gif", encodeGif(roundCoaxDiagram(), colours));
        write(pictures / "wand.ico", encodeIco(wandIcon()));
        write(pictures / "eraser.ico", encodeIco(eraserIcon()));
        write(app / "tarvelle.ico", encodeIco(applicationIcon()));
    } catch (const std::exception& error) {
        std::cerr << "make_pictures: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
