#include "calc/dimension_search.h"

#include "calc/messages.h"
#include "calc/numeric_text.h"
#include "calc/result_text.h"
#include "calc/scaled_decimal.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <tuple>
#include <utility>

namespace tarvelle {
namespace {

// The first step of [smallestStep, largestStep] where `holds` (false, then true for
// good) is true, or largestStep + 1: a gallop out from `start`, then a bisection.
template <typename Predicate>
std::int64_t firstStepWhere(Predicate holds, std::int64_t start)
{
    std::int64_t below = start;  // holds() false there, or below the steps
    std::int64_t above = start;  // holds() true there, or above the steps
    std::int64_t stride = 1;
    if (holds(start)) {
        do {
            above = below;
            below = std::max(smallestStep - 1, above - stride);
            stride *= 2;
        } while (below >= smallestStep && holds(below));
    } else {
        do {
            below = above;
            above = std::min(largestStep + 1, below + stride);
            stride *= 2;
        } while (above <= largestStep && !holds(above));
    }
    while (above - below > 1) {
        const std::int64_t middle = below + (above - below) / 2;
        (holds(middle) ? above : below) = middle;
    }
    return above;
}

// The first step beyond the fixed dimension (a plain number in mm, as typed) on the
// side of the free one: only a D beyond d answers, since D = d would be conductors
// that touch. Judged on the decimal as typed: a binary product such as
// 1.001 × 1000 = 1000.9999… would put the bound on d itself.
std::int64_t firstStepBeyond(std::string_view fixed, Dimension free)
{
    const auto whole = scaledValue(fixed, 3);  // rounded down to the micrometre
    if (!whole)  // beyond every step
        return free == Dimension::Large ? largestStep + 1 : largestStep;
    if (free == Dimension::Large)
        return *whole + 1;
    const auto point = fixed.find('.');
    const std::string_view beyond = point == std::string_view::npos ? "" : fixed.substr(std::min(point + 4, fixed.size()));
    const bool exact = beyond.find_first_not_of('0') == std::string_view::npos;
    return exact ? *whole - 1 : *whole;
}

// Why no step answers: the free dimension would have to lie beyond the steps, above
// them or below them.
std::string outsideTheSteps(Dimension free, bool above)
{
    return std::string("il faudrait ") + (free == Dimension::Small ? "d" : "D") +
           (above ? " > " + std::to_string(largestStep / 1000) + " mm" : " < 0.001 mm, en dessous du micromètre");
}

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

std::variant<Solution, std::string> solveHandbookDimension(const LineFormula& formula, Dimension free,
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

std::variant<Solution, std::string> solveIdealDimension(const ImpedanceModel& model, Dimension free,
                                                        std::string_view fixedText, std::string_view target)
{
    const bool large = free == Dimension::Large;
    const double fixed = numericValue(fixedText);
    const double wanted = numericValue(target);
    // The ideal impedance rises with D and falls with d. A step with no impedance (D
    // not beyond d, or too near it for the solver) counts as none at all.
    const auto ohms = [&](std::int64_t step) {
        // The step in mm as its decimal text reads: a correctly rounded quotient is the
        // double nearest that same decimal.
        const double value = static_cast<double>(step) / 1000.0;
        const auto answer = large ? model.impedance(fixed, value) : model.impedance(value, fixed);
        const double* impedance = std::get_if<double>(&answer);
        return impedance ? *impedance : -std::numeric_limits<double>::infinity();
    };
    const auto reached = [&](std::int64_t step) { return large ? ohms(step) >= wanted : ohms(step) <= wanted; };

    const std::int64_t beyond = firstStepBeyond(fixedText, free);
    const std::int64_t lowest = large ? std::max(beyond, smallestStep) : smallestStep;
    const std::int64_t highest = large ? largestStep : std::min(beyond, largestStep);
    if (lowest > highest)
        return outsideTheSteps(free, large);

    // Started near the answer, so that a table stays quick.
    const double ratio = model.idealRatioNear(wanted);
    const double guess = (large ? fixed * ratio : fixed / ratio) * 1000.0;
    const auto start = static_cast<std::int64_t>(
        std::clamp(std::isfinite(guess) ? guess : 0.0, static_cast<double>(lowest), static_cast<double>(highest)));
    // The target lies between the first step that reaches it and the one before.
    const std::int64_t first = firstStepWhere(reached, start);
    std::int64_t best = std::clamp(first, lowest, highest);
    double impedance = ohms(best);
    if (const std::int64_t other = std::clamp(first - 1, lowest, highest); other != best) {
        const double alternative = ohms(other);
        if (std::fabs(alternative - wanted) <= std::fabs(impedance - wanted))
            std::tie(best, impedance) = std::pair(other, alternative);
    }
    // Further than half the last shown decimal from the target, at the end of the
    // steps: the answer lies beyond them, or between the fixed dimension and the
    // first step that has an impedance.
    if (std::fabs(impedance - wanted) >= 0.005) {
        const bool wantsLarger = large ? impedance < wanted : impedance > wanted;
        if (best == (wantsLarger ? largestStep : smallestStep))
            return outsideTheSteps(free, wantsLarger);
        const std::int64_t next = large ? best - 1 : best + 1;
        const bool atFloor = next < lowest || next > highest || ohms(next) == -std::numeric_limits<double>::infinity();
        if (impedance > wanted && atFloor) {
            const std::string name = large ? "D" : "d";
            const std::string step = decimalText(best, 3) + " mm";
            return "impédance trop faible : il faudrait " + name + (large ? " < " : " > ") + step +
                   " (cette ligne donne " + model.text(impedance, ".") + " ohms pour " + name + " = " + step + ")";
        }
    }
    return Solution{best, impedance, {}, true};
}

}  // namespace

std::variant<Solution, std::string> solveDimension(const ImpedanceModel& model, Dimension free, std::string_view fixed,
                                                   std::string_view target)
{
    if (model.exact())
        return solveIdealDimension(model, free, fixed, target);
    return solveHandbookDimension(model.line().handbook(), free, fixed, target, model.permittivity());
}

}  // namespace tarvelle
