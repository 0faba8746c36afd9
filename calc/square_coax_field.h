#pragma once

#include <vector>

namespace tarvelle {

// The potential between a round inner conductor of diameter d (at 0) and a square outer
// conductor of inside width D (at 1), concentric, as
//   φ = c0·ln(r/a) + Σ terms that vanish on the inner circle r = a,
// fitted by least squares on the square. Only c0 carries charge: the inner conductor
// holds 2π·ε0·c0 per unit length, so C/ε0 = 2π·c0.
struct SquareCoaxField {
    double logCoefficient = 0.0;  // c0
    // The largest |φ − 1| found on the square. φ is exactly harmonic and exactly 0 on
    // the circle, and the wall's charge is all of one sign, so c0 is within this
    // fraction of the exact value (Green's reciprocity).
    double wallError = 0.0;
    int multipoles = 0;  // the terms in cos 4nθ about the axis
    int gapPoles = 0;    // the terms about the images that shape each narrow gap
    double ratio = 0.0;  // D/d
    std::vector<double> coefficients;  // c0, then the multipoles', then the gap poles'
};

// Below this ratio the gaps are too narrow for the expansion to reach 10 digits
// within a few milliseconds; the solver is not tried there.
inline constexpr double smallestSquareCoaxRatio = 1.001;

// With the sizes chosen for the ratio, raised when the wall error shows the need. The
// wall error is then below 1e-13 from a ratio of 1.02 up, below 1e-10 down to 1.001,
// and infinite for a ratio that is not above 1.
SquareCoaxField solveSquareCoaxField(double ratio);
// With given sizes, for studies of convergence.
SquareCoaxField solveSquareCoaxField(double ratio, int multipoles, int gapPoles);

// |∇φ| at the point (x, y) of the cross-section, lengths in units of D/2 with the
// centre at 0 and the wall at x = 1: the field per volt between the conductors,
// times D/2. Meant for points on and between the conductors.
double fieldStrength(const SquareCoaxField& field, double x, double y);

}  // namespace tarvelle
