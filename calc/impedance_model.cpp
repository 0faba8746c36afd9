#include "calc/impedance_model.h"

#include "calc/messages.h"
#include "calc/physical_constants.h"
#include "calc/result_text.h"

#include <cmath>

namespace tarvelle {

ImpedanceModel::ImpedanceModel(Line line, bool exact, double permittivity)
    : line_(line), exact_(exact), permittivity_(permittivity), rootPermittivity_(std::sqrt(permittivity))
{
}

std::variant<double, std::string> ImpedanceModel::impedance(double d, double D) const
{
    if (!exact_) {
        try {
            // The window's figure, widened exactly; εr = 1 leaves it as it is.
            return static_cast<double>(line_.handbookImpedance(d, D)) / rootPermittivity_;
        } catch (const CalculationError&) {
            return messages::impossibleCalculation;
        }
    }
    if (!(D > d))
        return std::string(messages::touchingConductors) + ", la ligne n'a pas d'impédance exacte";
    const double ratio = D / d;
    if (ratio < line_.smallestIdealRatio()) {
        return "D/d trop proche de 1 pour la " + std::string(line_.name()) + " exacte (" +
               decimalResultText(line_.smallestIdealRatio(), 3, ".") + " au moins)";
    }
    const double ohms = line_.idealImpedance(ratio);
    if (!std::isfinite(ohms))
        return messages::impossibleCalculation;
    return ohms / rootPermittivity_;
}

double ImpedanceModel::idealRatioNear(double impedance) const
{
    return line_.idealRatioNear(impedance * rootPermittivity_);
}

std::string ImpedanceModel::text(double impedance, std::string_view decimalSeparator) const
{
    return decimalResultText(impedance, decimals(), decimalSeparator);
}

LineDetails lineDetails(double impedance, double permittivity)
{
    const double root = std::sqrt(permittivity);
    // The window's figure for D ≤ d can be 0 or below: no line has such a C or L.
    if (!(impedance > 0.0))
        return {decimalResultText(1.0 / root, 4, "."), "", ""};
    return {decimalResultText(1.0 / root, 4, "."), decimalResultText(root / (speedOfLight * impedance) * 1e12, 2, "."),
            decimalResultText(impedance * root / speedOfLight * 1e9, 1, ".")};
}

}  // namespace tarvelle
