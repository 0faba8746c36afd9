#include "calc/numeric_text.h"
#include "cli/decimal_range.h"
#include "cli/impedance_model.h"
#include "cli/inverse.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <tuple>
#include <utility>

namespace tarvelle::cli {

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

}  // namespace tarvelle::cli
