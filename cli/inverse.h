#pragma once

#include "calc/line_formulas.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace tarvelle::cli {

enum class Dimension { Small, Large };  // d or D

// The dimensions that an answer may take, in micrometres: from 0.001 mm to 100 m.
inline constexpr std::int64_t smallestStep = 1;
inline constexpr std::int64_t largestStep = 100'000'000;

struct Solution {
    std::int64_t micrometres = 0;
    float impedance = 0.0F;  // the window's impedance for that dimension
    std::string target;      // the target as the window would show it, with a point
    bool showsTarget = false;
};

// The free dimension, to the micrometre, for which the window shows `target` ohms (a
// plain number) beside the other dimension `fixed` (a plain number in mm, as typed).
// Of the steps that show the target to the tenth, the one nearest to the exact
// inverse of the formula; when none does, the step nearest to that inverse. Or a
// French message naming the limit that no step can meet.
std::variant<Solution, std::string> solveDimension(const LineFormula& formula, Dimension free, std::string_view fixed,
                                                   std::string_view target);

}  // namespace tarvelle::cli
