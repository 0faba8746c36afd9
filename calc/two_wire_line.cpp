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

ImpedanceSlopes TwoWireLine::impedanceSlopes(double d, double D)
{
    // d acosh(x)/dx = 1/√(x² − 1), x = D/d.
    const double x = D / d;
    const double slope = freeSpaceImpedance / std::numbers::pi / std::sqrt(x * x - 1.0);
    return {-slope * x / d, slope / d};
}

double TwoWireLine::peakFieldPerVolt(double d, double D)
{
    // Line charges at ±h = ±√(s² − a²) about the midpoint, s = D/2, a = d/2, give at the
    // facing point s − a the field q/(2πε)·2h/(h² − (s − a)²), and V = (q/πε)·acosh(D/d).
    const double x = D / d;
    return std::sqrt((x + 1.0) / (x - 1.0)) / (d * std::acosh(x));
}

double TwoWireLine::conductorLoss(double d, double D, double surfaceResistance)
{
    // The current crowds toward the facing sides: the proximity factor x/√(x² − 1).
    const double x = D / d;
    return surfaceResistance / (std::numbers::pi * d * idealImpedance(x)) * x / std::sqrt(x * x - 1.0);
}

double TwoWireLine::te11Cutoff(double, double) { return std::numeric_limits<double>::quiet_NaN(); }

}  // namespace tarvelle
