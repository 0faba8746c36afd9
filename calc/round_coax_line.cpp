#include "calc/round_coax_line.h"

#include "calc/physical_constants.h"

#include <cmath>
#include <limits>
#include <numbers>

namespace tarvelle {

double RoundCoaxLine::idealImpedance(double ratio)
{
    if (!(ratio > 1.0))
        return std::numeric_limits<double>::quiet_NaN();
    // φ = ln(r/a)/ln(D/d), so C/ε0 = 2π/ln(D/d), and Z = η0/(C/ε0) for a TEM line in air.
    return freeSpaceImpedance / (2.0 * std::numbers::pi) * std::log(ratio);
}

double RoundCoaxLine::idealRatioNear(double ohms)
{
    return std::exp(ohms / freeSpaceImpedance * 2.0 * std::numbers::pi);
}

}  // namespace tarvelle
