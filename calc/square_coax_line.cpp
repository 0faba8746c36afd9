#include "calc/square_coax_line.h"

#include "calc/physical_constants.h"
#include "calc/square_coax_modes.h"

#include <boost/math/quadrature/gauss_kronrod.hpp>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace tarvelle {

double SquareCoaxLine::idealImpedance(double ratio)
{
    if (!(ratio >= smallestIdealRatio))
        return std::numeric_limits<double>::quiet_NaN();
    // A wire of no thickness, whose limit (η0/2π)·ln(k·D/d) is infinite too.
    if (std::isinf(ratio))
        return ratio;
    const SquareCoaxField field = solveSquareCoaxField(ratio);
    if (!(field.wallError <= 1e-7))
        return std::numeric_limits<double>::quiet_NaN();
    // C/ε0 = 2π·c0, the charge per unit length at unit voltage.
    return freeSpaceImpedance / (2.0 * std::numbers::pi * field.logCoefficient);
}

double SquareCoaxLine::idealRatioNear(double ohms)
{
    // A square of inside width D acts on a thin inner conductor as a round tube of
    // diameter k·D, k = 8√π/Γ(1/4)².
    constexpr double squareAsRound = 1.0787052;
    return std::max(1.0, std::exp(ohms / freeSpaceImpedance * 2.0 * std::numbers::pi) / squareAsRound);
}

FieldNumbers SquareCoaxLine::fieldNumbers(double d, double D)
{
    const SquareCoaxField field = solveSquareCoaxField(D / d);
    const double z = freeSpaceImpedance / (2.0 * std::numbers::pi * field.logCoefficient);
    // ∮|∇φ|² dl over each conductor, φ from 0 to 1 volt, in units of D/2: by symmetry,
    // eight times an eighth of it. In metres, ∮ scales as 2/D.
    const double a = d / D;
    // The field peaks where the rod faces a side, over a width of the order of
    // s = √(1 − a²), which a narrow gap makes small: both integrals are taken in u,
    // θ or y = s·sinh u, over which the peak is spread evenly.
    const double s = std::sqrt((1.0 - a) * (1.0 + a));
    using Integral = boost::math::quadrature::gauss_kronrod<double, 31>;
    const double inner = 8.0 * Integral::integrate(
                                   [&](double u) {
                                       const double theta = s * std::sinh(u);
                                       const double e = fieldStrength(field, a * std::cos(theta), a * std::sin(theta));
                                       return e * e * a * s * std::cosh(u);
                                   },
                                   0.0, std::asinh(std::numbers::pi / 4.0 / s), 20, 1e-12);
    const double wall = 8.0 * Integral::integrate(
                                  [&](double u) {
                                      const double e = fieldStrength(field, 1.0, s * std::sinh(u));
                                      return e * e * s * std::cosh(u);
                                  },
                                  0.0, std::asinh(1.0 / s), 20, 1e-12);
    // A conductor's surface moved by δn into the field raises C/ε0 by ∮|∇φ|²·δn
    // (Hadamard), so Z = η0/(C/ε0) falls by Z²/η0 times that. D moves each wall by half
    // its change, d the inner surface by half of its. The surface currents are the
    // tangential H = |E|/η0, whose loss is Wheeler's rule α = Rs/(2η0 Z)·Σ ∂Z/∂n.
    const double perRecession = z * z / freeSpaceImpedance * 2.0 / D;
    const ImpedanceSlopes slopes{-perRecession * inner / 2.0, perRecession * wall / 2.0};
    const double loss = (perRecession * (inner + wall)) / (2.0 * freeSpaceImpedance * z);
    return {z, slopes, fieldStrength(field, a, 0.0) / (D / 2.0), loss};
}

double SquareCoaxLine::te11Cutoff(double d, double D)
{
    // kc·D/2 from the mode solver: fc = kc·c/(2π) = (kc·D/2)·c/(π·D).
    return squareCoaxTe11(D / d) * speedOfLight / (std::numbers::pi * D);
}

}  // namespace tarvelle
