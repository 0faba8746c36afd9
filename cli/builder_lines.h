#pragma once

#include "cli/arguments.h"

#include <cstdio>
#include <string_view>

namespace tarvelle::cli {

// The builder's numbers of the ideal line with the dimensions d and D in mm, after the
// other details: its TE11 cutoff, peak field, breakdown power and tolerance, and with
// -f its losses, Q0 and λ/4. A note goes to `err` where the skin effect's formula no
// longer holds.
void writeBuilderLines(const Request& request, double d, double D, std::string_view separator, std::FILE* out,
                       std::FILE* err);

}  // namespace tarvelle::cli
