#include "calc/round_coax_line.h"

#include "calc/bessel_roots.h"
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

FieldNumbers RoundCoaxLine::fieldNumbers(double d, double D)
{
    const double scale = freeSpaceImpedance / (2.0 * std::numbers::pi);
    const double logRatio = std::log(D / d);
    // E(r) = V/(r ln(D/d)), largest at r = d/2; the loss Rs(1/a + 1/b)/(2η0 ln(b/a)),
    // a = d/2 and b = D/2.
    return {scale * logRatio, {-scale / d, scale / D}, 2.0 / (d * logRatio), (2.0 / d + 2.0 / D) / (2.0 * freeSpaceImpedance * logRatio)};
}

double RoundCoaxLine::te11Cutoff(double d, double D)
{
    // kc·d/2 = x, the first root of J1'(x)Y1'(cx) − J1'(cx)Y1'(x), c = D/d.
    return roundCoaxTe11Root(D / d) * speedOfLight / (std::numbers::pi * d);
}

}  // namespace tarvelle
