// Writes the application icon as the ICO file that a Windows build of the program
// carries; the window draws its pictures itself with the same code.
//   usage: make_pictures OUTPUT.ico

#include "ico_writer.h"
#include "ui/pictures/icons.h"

#include <fstream>
#include <iostream>

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::cerr << "usage: make_pictures OUTPUT.ico\n";
        return 2;
    }
    const std::vector<std::uint8_t> bytes = encodeIco(applicationIcon());
    std::ofstream out(argv[1], std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        std::cerr << "make_pictures: cannot write " << argv[1] << '\n';
        return 1;
    }
    return 0;
}
