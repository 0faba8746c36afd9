#include "cli/inverse.h"

#include "calc/messages.h"
#include "calc/numeric_text.h"
#include "calc/result_text.h"
#include "cli/decimal_range.h"
#include "cli/step_search.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tarvelle::cli {
namespace {

// The window's impedance for the step, divided by √εr.
double windowImpedance(const LineFormula& formula, Dimension free, double fixed, std::int64_t step,
                       double rootPermittivity)
{
    // The step in mm as its decimal text reads: a correctly rounded quotient is the
    // double nearest that same decimal.
    const double value = static_cast<double>(step) / 1000.0;
    const float window = free == Dimension::Small ? lineImpedance(formula, value, fixed) : lineImpedance(formula, fixed, value);
    return static_cast<double>(window) / rootPermittivity;
}

// What is shown for the step, read back as a number. A ratio beyond the single range
// counts as infinitely high and one that vanishes as infinitely low, so that the
// steps stay in order.
double shownValue(const LineFormula& formula, Dimension free, double fixed, std::int64_t step, double rootPermittivity)
{
    try {
        return numericValue(decimalResultText(windowImpedance(formula, free, fixed, step, rootPermittivity), 1, "."));
    } catch (const CalculationError& error) {
        const double infinity = std::numeric_limits<double>::infinity();
        return error.kind() == CalculationError::Kind::Overflow ? infinity : -infinity;
    }
}

}  // namespace

std::variant<Solution, std::string> solveDimension(const LineFormula& formula, Dimension free,
                                                   std::string_view fixedText, std::string_view target,
                                                   double permittivity)
{
    const double rootPermittivity = std::sqrt(permittivity);
    const double fixed = numericValue(fixedText);
    const auto hundredths = scaledValue(target, 2);  // none for a target beyond any line
    Solution solution;
    // Rounded as resultText rounds, halves away from zero, on the typed decimal itself:
    // the window's tenth is what the answer must show, and what the limits judge.
    solution.target = hundredths ? decimalText((*hundredths + 5) / 10, 1) : std::string(target);
    const double wanted = numericValue(solution.target);
    const double factor = formula.factor;
    const double lowest = factor * std::log10(formula.multiplier) / rootPermittivity;  // for D = d
    if (wanted <= lowest) {
        return "impédance trop faible : il faudrait D ≤ d (cette ligne donne " + decimalResultText(lowest, 2, ".") +
               " ohms pour D = d)";
    }
    // The exact inverse of the impedance asked for, as typed.
    const double ratio = std::pow(10.0, numericValue(target) * rootPermittivity / factor);
    const double exact = free == Dimension::Small ? formula.multiplier * fixed / ratio : fixed * ratio / formula.multiplier;
    const double exactSteps = exact * 1000.0;
    if (std::isnan(exactSteps))
        return messages::impossibleCalculation;
    if (exactSteps < smallestStep - 0.5)
        return outsideTheSteps(free, false);
    if (exactSteps >= largestStep + 0.5)
        return outsideTheSteps(free, true);

    // Above zero past the target in the direction of the steps, zero where it shows.
    const auto order = [&](std::int64_t step) {
        const double shown = shownValue(formula, free, fixed, step, rootPermittivity);
        return free == Dimension::Large ? shown - wanted : wanted - shown;
    };
    const std::int64_t beyondFixed = firstStepBeyond(fixedText, free);
    const auto allowed = [&](std::int64_t step) {
        return free == Dimension::Large ? std::max(step, beyondFixed) : std::min(step, beyondFixed);
    };
    const auto nearest = allowed(static_cast<std::int64_t>(std::llround(exactSteps)));
    std::int64_t first = firstStepWhere([&](std::int64_t step) { return order(step) >= 0; }, nearest);
    std::int64_t last = firstStepWhere([&](std::int64_t step) { return order(step) > 0; }, nearest) - 1;
    (free == Dimension::Large ? first : last) = allowed(free == Dimension::Large ? first : last);
    solution.showsTarget = first <= last;
    solution.micrometres = solution.showsTarget ? std::clamp(nearest, first, last) : nearest;
    try {
        solution.impedance = windowImpedance(formula, free, fixed, solution.micrometres, rootPermittivity);
    } catch (const CalculationError&) {
        return messages::impossibleCalculation;
    }
    return solution;
}

}  // namespace tarvelle::cli
