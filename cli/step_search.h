#pragma once

#include "cli/decimal_range.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

namespace tarvelle::cli {

enum class Dimension { Small, Large };  // d or D

// The dimensions that an answer may take, in micrometres: from 0.001 mm to 100 m.
inline constexpr std::int64_t smallestStep = 1;
inline constexpr std::int64_t largestStep = 100'000'000;

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
inline std::int64_t firstStepBeyond(std::string_view fixed, Dimension free)
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
inline std::string outsideTheSteps(Dimension free, bool above)
{
    return std::string("il faudrait ") + (free == Dimension::Small ? "d" : "D") +
           (above ? " > " + std::to_string(largestStep / 1000) + " mm" : " < 0.001 mm, en dessous du micromètre");
}

}  // namespace tarvelle::cli
