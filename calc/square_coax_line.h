#pragma once

#include "calc/field_numbers.h"
#include "calc/line_formulas.h"
#include "calc/square_coax_field.h"

namespace tarvelle {

// A round inner conductor of diameter d, centred in a square tube of inside width D.
struct SquareCoaxLine {
    // A square outer conductor of inside width D acts like a round one of about
    // 1.07 × D, hence the multiplier: 138 log10(1.07 D/d).
    static constexpr LineFormula handbook{1.07, 138.0F};
    // Below this D/d the gaps are too narrow for the field solver.
    static constexpr double smallestIdealRatio = smallestSquareCoaxRatio;
    static constexpr const char* name = "ligne carrée";

    // Solved from Laplace's equation, in ohms in air, to a relative error below 1e-13
    // from D/d = 1.02 up and below 1e-10 down to 1.001 (the solver's own bound). NaN
    // below smallestIdealRatio, as it would be should the solver ever fail to bound its
    // error by 1e-7.
    static double idealImpedance(double ratio);
    // The ratio near which the ideal line has that impedance: the thin-wire limit.
    static double idealRatioNear(double ohms);

    // The ideal line in air, d and D in metres, from the solved field: the loss and the
    // slopes from its square integrated over each conductor's surface, the largest
    // field on the inner conductor, where it faces the middle of a side.
    static FieldNumbers fieldNumbers(double d, double D);
    // The cutoff of the first higher mode, TE11, in Hz in air; NaN below D/d = 1.1.
    static double te11Cutoff(double d, double D);
};

}  // namespace tarvelle
