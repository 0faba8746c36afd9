#pragma once

#include "calc/line.h"

#include <string>
#include <string_view>
#include <variant>

namespace tarvelle {

// How a line's impedance is computed and written: the window's handbook formula, in
// its single precision and shown to the tenth, or the ideal line's exact impedance,
// shown to the hundredth; either divided by √εr in a dielectric.
class ImpedanceModel {
public:
    ImpedanceModel(Line line, bool exact, double permittivity);

    // Ohms for the dimensions d and D, or a French message saying why there are none.
    std::variant<double, std::string> impedance(double d, double D) const;
    // An impedance as shown: rounded to the model's decimals, halves away from zero.
    std::string text(double impedance, std::string_view decimalSeparator) const;
    // The ratio D/d near which the ideal line has that impedance: exact for the
    // two-wire and round lines, the thin-wire limit for the square one.
    double idealRatioNear(double impedance) const;
    int decimals() const { return exact_ ? 2 : 1; }
    bool exact() const { return exact_; }
    double permittivity() const { return permittivity_; }
    const Line& line() const { return line_; }

private:
    Line line_;
    bool exact_;
    double permittivity_;
    double rootPermittivity_;
};

// The velocity factor, and the capacitance and inductance per metre, of a line of that
// impedance in that dielectric, as "v/c", "pF/m" and "nH/m" figures with a point; C and
// L empty for an impedance that is not above 0.
struct LineDetails {
    std::string velocityFactor, capacitance, inductance;
};
LineDetails lineDetails(double impedance, double permittivity);

}  // namespace tarvelle
