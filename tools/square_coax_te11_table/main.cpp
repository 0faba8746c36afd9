// The square coax's TE11 solved at the Chebyshev points of each piece of the table, as
// the C++ header that the core interpolates: usage square_coax_te11_table > FILE.
#include "calc/square_coax_modes.h"

#include <cmath>
#include <cstdio>
#include <numbers>

int main()
{
    using namespace tarvelle;
    std::printf("#pragma once\n\n// Written by tools/square_coax_te11_table from the mode solver; do not edit.\n"
                "// kc·D/2 of the square coax's TE11 at the Chebyshev points of each piece of d/D.\n\n"
                "namespace tarvelle::squareCoaxTe11Table {\n\n"
                "inline constexpr int points = %d;\n",
                squareCoaxTe11Points);
    for (const Te11Piece& piece : squareCoaxTe11Pieces) {
        std::printf("\n// d/D from %.17g to %.17g\ninline constexpr double %s[points] = {\n", piece.low, piece.high,
                    piece.name);
        for (int i = 0; i < squareCoaxTe11Points; ++i) {
            const double ratio = 1.0 / chebyshevPoint(piece, i);
            std::printf("    %.17g,\n", solveSquareCoaxTe11(ratio));
        }
        std::printf("};\n");
    }
    std::printf("\n}  // namespace tarvelle::squareCoaxTe11Table\n");
}
