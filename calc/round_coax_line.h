#pragma once

#include "calc/field_numbers.h"
#include "calc/line_formulas.h"

namespace tarvelle {

// A round inner conductor of diameter d in a round tube of inside diameter D.
struct RoundCoaxLine {
    // 60 ln(D/d) = 138 log10(D/d), with no correction factor.
    static constexpr LineFormula handbook{1.0, 138.0F};
    // The ideal line's D/d must be above this.
    static constexpr double smallestIdealRatio = 1.0;
    static constexpr const char* name = "ligne ronde";

    // (η0/2π)·ln(D/d), in ohms in air; NaN for a ratio that is not above 1.
    static double idealImpedance(double ratio);
    // Its exact inverse: the ratio of an ideal line of that impedance in air.
    static double idealRatioNear(double ohms);

    // The ideal line in air, d and D in metres; the largest field is on the inner
    // conductor.
    static FieldNumbers fieldNumbers(double d, double D);
    // The cutoff of the first higher mode, TE11, in Hz in air.
    static double te11Cutoff(double d, double D);
};

}  // namespace tarvelle
