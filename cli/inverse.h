#pragma once

#include "calc/line_formulas.h"
#include "cli/step_search.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace tarvelle::cli {


struct Solution {
    std::int64_t micrometres = 0;
    double impedance = 0.0;  // the impedance shown for that dimension
    std::string target;      // the target as the window would show it, with a point
    bool showsTarget = false;
};

// The free dimension, to the micrometre, for which the window shows `target` ohms (a
// plain number) beside the other dimension `fixed` (a plain number in mm, as typed).
// Of the steps that show the target to the tenth, the one nearest to the exact
// inverse of the formula; when none does, the step nearest to that inverse. Or a
// French message naming the limit that no step can meet.
// With a dielectric, what is shown is the window's figure divided by √εr.
std::variant<Solution, std::string> solveDimension(const LineFormula& formula, Dimension free, std::string_view fixed,
                                                   std::string_view target, double permittivity = 1.0);

class ImpedanceModel;

// The free dimension, to the micrometre and beyond the fixed one, whose ideal
// impedance is nearest to `target` ohms; or a French message naming the limit.
std::variant<Solution, std::string> solveIdealDimension(const ImpedanceModel& model, Dimension free,
                                                        std::string_view fixed, std::string_view target);

}  // namespace tarvelle::cli
