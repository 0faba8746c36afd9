#include "calc/ideal_lines.h"

#include "calc/square_coax_field.h"

#include <cmath>
#include <limits>
#include <numbers>

namespace tarvelle {
namespace {

constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();

}  // namespace

double idealTwoWireImpedance(double ratio)
{
    if (!(ratio > 1.0))
        return notANumber;
    // Each wire's surface is a circle of the bipolar coordinates of two line charges,
    // at acosh(D/d) from the plane between them: C/ε0 = π/acosh(D/d).
    return freeSpaceImpedance / std::numbers::pi * std::acosh(ratio);
}

double idealRoundCoaxImpedance(double ratio)
{
    if (!(ratio > 1.0))
        return notANumber;
    // φ = ln(r/a)/ln(D/d), so C/ε0 = 2π/ln(D/d), and Z = η0/(C/ε0) for a TEM line in air.
    return freeSpaceImpedance / (2.0 * std::numbers::pi) * std::log(ratio);
}

double idealSquareCoaxImpedance(double ratio)
{
    if (!(ratio >= smallestSquareCoaxRatio))
        return notANumber;
    // A wire of no thickness, whose limit (η0/2π)·ln(k·D/d) is infinite too.
    if (std::isinf(ratio))
        return ratio;
    const SquareCoaxField field = solveSquareCoaxField(ratio);
    if (!(field.wallError <= 1e-7))
        return notANumber;
    // C/ε0 = 2π·c0, the charge per unit length at unit voltage.
    return freeSpaceImpedance / (2.0 * std::numbers::pi * field.logCoefficient);
}

}  // namespace tarvelle
