#pragma once

namespace tarvelle {

// The TE11 mode of the square coax, the first above TEM: its cutoff wavenumber kc
// times D/2, by the method of particular solutions. Fourier–Bessel terms that meet
// the Neumann condition exactly on the round inner conductor are fitted to it on the
// square wall; kc is where the subspace they span comes nearest to vanishing on the
// wall while staying whole inside (Betcke and Trefethen's subspace angle). NaN for a
// ratio below 1.1 or not a number.
double squareCoaxTe11(double ratio);

}  // namespace tarvelle
