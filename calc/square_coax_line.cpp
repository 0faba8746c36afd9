#include "calc/square_coax_line.h"

#include "calc/physical_constants.h"

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

}  // namespace tarvelle
