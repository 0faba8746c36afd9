#include "cli/impedance_model.h"

#include "calc/ideal_lines.h"
#include "calc/messages.h"
#include "calc/result_text.h"
#include "calc/square_coax_field.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tarvelle::cli {
namespace {

// The speed of light in vacuum, in m/s (exact by the definition of the metre).
constexpr double speedOfLight = 299'792'458.0;

}  // namespace

ImpedanceModel::ImpedanceModel(const Request& request)
    : formula_(request.line), ideal_(request.idealImpedance), exact_(request.exact),
      permittivity_(request.permittivity), rootPermittivity_(std::sqrt(request.permittivity))
{
}

std::variant<double, std::string> ImpedanceModel::impedance(double d, double D) const
{
    if (!exact_) {
        try {
            // The window's figure, widened exactly; εr = 1 leaves it as it is.
            return static_cast<double>(lineImpedance(*formula_, d, D)) / rootPermittivity_;
        } catch (const CalculationError&) {
            return messages::impossibleCalculation;
        }
    }
    if (!(D > d))
        return std::string(messages::touchingConductors) + ", la ligne n'a pas d'impédance exacte";
    const double ratio = D / d;
    const double ohms = ideal_(ratio);
    if (std::isnan(ohms) && ideal_ == idealSquareCoaxImpedance && ratio < smallestSquareCoaxRatio)
        return "D/d trop proche de 1 pour la ligne carrée exacte (1.001 au moins)";
    if (!std::isfinite(ohms))
        return messages::impossibleCalculation;
    return ohms / rootPermittivity_;
}

double ImpedanceModel::idealRatioNear(double impedance) const
{
    const double air = impedance * rootPermittivity_ / freeSpaceImpedance;
    if (ideal_ == idealTwoWireImpedance)
        return std::cosh(air * std::numbers::pi);
    // A square of inside width D acts on a thin inner conductor as a round tube of
    // diameter k·D, k = 8√π/Γ(1/4)².
    constexpr double squareAsRound = 1.0787052;
    const double round = std::exp(air * 2.0 * std::numbers::pi);
    return ideal_ == idealSquareCoaxImpedance ? std::max(1.0, round / squareAsRound) : round;
}

std::string ImpedanceModel::text(double impedance, std::string_view decimalSeparator) const
{
    return decimalResultText(impedance, decimals(), decimalSeparator);
}

LineDetails lineDetails(double impedance, double permittivity)
{
    const double root = std::sqrt(permittivity);
    return {decimalResultText(1.0 / root, 4, "."), decimalResultText(root / (speedOfLight * impedance) * 1e12, 2, "."),
            decimalResultText(impedance * root / speedOfLight * 1e9, 1, ".")};
}

}  // namespace tarvelle::cli
