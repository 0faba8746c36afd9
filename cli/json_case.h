#pragma once

#include "calc/impedance_model.h"
#include "cli/arguments.h"

#include <string>
#include <string_view>

namespace tarvelle::cli {

// One case as a JSON object on one line, numbers at full precision (the shortest text
// that reads back to the same double), for the dimensions d and D in mm and the
// impedance shown; the builder's numbers are null where the ideal line has none.
std::string caseJson(const Request& request, double d, double D, double impedance);

// A case that failed: {"error": "…"}.
std::string errorJson(std::string_view message);

}  // namespace tarvelle::cli
