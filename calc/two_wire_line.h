#pragma once

#include "calc/field_numbers.h"
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

    // From the exact field of the two cylinders, d and D in metres; the largest field
    // is at the facing points. An open line has no cutoff of a higher mode.
    static FieldNumbers fieldNumbers(double d, double D);
};

}  // namespace tarvelle
