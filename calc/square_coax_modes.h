#pragma once

namespace tarvelle {

// The TE11 mode of the square coax, the first above TEM: its cutoff wavenumber kc
// times D/2, by the method of particular solutions. Fourier–Bessel terms that meet
// the Neumann condition exactly on the round inner conductor are fitted to it on the
// square wall; kc is where the subspace they span comes nearest to vanishing on the
// wall while staying whole inside (Betcke and Trefethen's subspace angle). NaN for a
// ratio below 1.1 or not a number. Some 15 ms each.
double solveSquareCoaxTe11(double ratio);

// The same, from a table of the solver's values: the polynomials through them at the
// Chebyshev points of two pieces of d/D, which match the solver within 3e-10 wherever
// the ratio is 1.1 or above (up to an infinite one, the empty square's π/2). NaN below.
double squareCoaxTe11(double ratio);

// The table's pieces of d/D, and their points: the first kind's, without the ends.
struct Te11Piece {
    const char* name;
    double low, high;
};
inline constexpr int squareCoaxTe11Points = 24;
inline constexpr Te11Piece squareCoaxTe11Pieces[] = {{"thin", 0.0, 0.5}, {"thick", 0.5, 1.0 / 1.1}};
double chebyshevPoint(const Te11Piece& piece, int i);

}  // namespace tarvelle
