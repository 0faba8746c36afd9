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

ImpedanceSlopes SquareCoaxLine::impedanceSlopes(double d, double D)
{
    // Z depends on r = D/d alone. Its slope by central differences, extrapolated once:
    // an error of order h⁴, with rounding of order 1e-16/h.
    const double r = D / d;
    const double h = 1e-3 * (r - 1.0);
    const auto difference = [r](double step) {
        return (idealImpedance(r + step) - idealImpedance(r - step)) / (2.0 * step);
    };
    const double slope = (4.0 * difference(h / 2.0) - difference(h)) / 3.0;
    return {-slope * r / d, slope / d};
}

double SquareCoaxLine::peakFieldPerVolt(double d, double D)
{
    const SquareCoaxField field = solveSquareCoaxField(D / d);
    return fieldStrength(field, d / D, 0.0) / (D / 2.0);
}

double SquareCoaxLine::conductorLoss(double d, double D, double surfaceResistance)
{
    // α = Rs·Z0/(2η0²)·∮|∇φ|² dl over both conductors, for φ from 0 to 1 volt: the
    // surface currents are the tangential H = |E|/η0. By symmetry, eight times an eighth
    // of each surface; in units of D/2, ∮ scales as 2/D.
    const SquareCoaxField field = solveSquareCoaxField(D / d);
    const double a = d / D;
    using Integral = boost::math::quadrature::gauss_kronrod<double, 31>;
    const double inner = Integral::integrate(
        [&](double theta) {
            const double e = fieldStrength(field, a * std::cos(theta), a * std::sin(theta));
            return e * e * a;
        },
        0.0, std::numbers::pi / 4.0, 20, 1e-12);
    const double wall = Integral::integrate(
        [&](double y) {
            const double e = fieldStrength(field, 1.0, y);
            return e * e;
        },
        0.0, 1.0, 20, 1e-12);
    const double squareIntegral = 8.0 * (inner + wall) * 2.0 / D;
    return surfaceResistance * idealImpedance(D / d) / (2.0 * freeSpaceImpedance * freeSpaceImpedance) * squareIntegral;
}

double SquareCoaxLine::te11Cutoff(double d, double D)
{
    // kc·D/2 from the mode solver: fc = kc·c/(2π) = (kc·D/2)·c/(π·D).
    return squareCoaxTe11(D / d) * speedOfLight / (std::numbers::pi * D);
}

}  // namespace tarvelle
