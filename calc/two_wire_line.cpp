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

FieldNumbers TwoWireLine::fieldNumbers(double d, double D)
{
    const double x = D / d;
    const double root = std::sqrt(x * x - 1.0);
    // d acosh(x)/dx = 1/√(x² − 1).
    const double slope = freeSpaceImpedance / std::numbers::pi / root;
    // Line charges at ±h = ±√(s² − a²) about the midpoint, s = D/2, a = d/2, give at the
    // facing point s − a the field q/(2πε)·2h/(h² − (s − a)²), and V = (q/πε)·acosh(D/d).
    const double peak = std::sqrt((x + 1.0) / (x - 1.0)) / (d * std::acosh(x));
    // Rs/(π d Z0) for an even current; it crowds toward the facing sides, by the
    // proximity factor x/√(x² − 1).
    const double z = idealImpedance(x);
    const double loss = 1.0 / (std::numbers::pi * d * z) * x / root;
    return {z, {-slope * x / d, slope / d}, peak, loss};
}

}  // namespace tarvelle
