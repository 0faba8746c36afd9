#pragma once

#include "calc/impedance_model.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace tarvelle {

enum class Dimension { Small, Large };  // d or D

// The dimensions that an answer may take, in micrometres: from 0.001 mm to 100 m.
inline constexpr std::int64_t smallestStep = 1;
inline constexpr std::int64_t largestStep = 100'000'000;

struct Solution {
    std::int64_t micrometres = 0;
    double impedance = 0.0;  // the impedance shown for that dimension
    std::string target;      // the handbook target as the window would show it, with a point
    bool showsTarget = false;
};

// The free dimension, to the micrometre, that gives `target` ohms (a plain number)
// beside the other dimension `fixed` (a plain number in mm, as typed), or a French
// message naming the limit that no step can meet.
// - The handbook formula: of the steps for which the window shows the target to the
//   tenth, the one nearest to the formula's exact inverse; when none does, the step
//   nearest to that inverse. In a dielectric, what is shown is the window's figure
//   divided by √εr.
// - The ideal line: the step beyond the fixed dimension whose impedance is nearest.
std::variant<Solution, std::string> solveDimension(const ImpedanceModel& model, Dimension free, std::string_view fixed,
                                                   std::string_view target);

}  // namespace tarvelle
