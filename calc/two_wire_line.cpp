#include "calc/two_wire_line.h"

#include "calc/physical_constants.h"

#include <cmath>
#include <limits>
#include <numbers>

namespace tarvelle {

double TwoWireLine::idealImpedance(double ratio)
{
    if (!(ratio > 1.0))
        return std::numeric_limits<double>::quiet_NaN();
    // Each wire's surface is a circle of the bipolar coordinates of two line charges,
    // at acosh(D/d) from the plane between them: C/ε0 = π/acosh(D/d).
    return freeSpaceImpedance / std::numbers::pi * std::acosh(ratio);
}

double TwoWireLine::idealRatioNear(double ohms)
{
    return std::cosh(ohms / freeSpaceImpedance * std::numbers::pi);
}

}  // namespace tarvelle
