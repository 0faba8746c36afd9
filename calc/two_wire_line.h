#pragma once

#include "calc/impedance_slopes.h"
#include "calc/line_formulas.h"

namespace tarvelle {

// Two parallel round wires of diameter d, their axes D apart.
struct TwoWireLine {
    // The handbook's 276 log10(2D/d).
    static constexpr LineFormula handbook{2.0, 276.0F};
    // The ideal line's D/d must be above this.
    static constexpr double smallestIdealRatio = 1.0;
    static constexpr const char* name = "ligne bifilaire";

    // (η0/π)·acosh(D/d), in ohms in air; NaN for a ratio that is not above 1.
    static double idealImpedance(double ratio);
    // Its exact inverse: the ratio of an ideal line of that impedance in air.
    static double idealRatioNear(double ohms);

    // The ideal line in air, d and D in metres:
    // dZ/dd and dZ/dD in ohms per metre,
    static ImpedanceSlopes impedanceSlopes(double d, double D);
    // the largest field on a conductor, at the facing points, per volt between them,
    static double peakFieldPerVolt(double d, double D);
    // the loss of both wires in nepers per metre, for their surface resistance Rs,
    static double conductorLoss(double d, double D, double surfaceResistance);
    // and no cutoff of a higher mode: an open line has none (NaN).
    static double te11Cutoff(double d, double D);
};

}  // namespace tarvelle
