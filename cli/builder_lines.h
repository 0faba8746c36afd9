#pragma once

#include "calc/builder_numbers.h"
#include "cli/arguments.h"

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace tarvelle::cli {

// What the core needs for the builder's numbers of the dimensions d and D in mm.
BuilderInputs builderInputs(const Request& request, double d, double D);

// The builder's numbers of the ideal line with the dimensions d and D in mm, after the
// other details: its TE11 cutoff, peak field, breakdown power and tolerance, and with
// -f its losses, Q0 and λ/4. A note goes to `err` where the skin effect's formula no
// longer holds.
void writeBuilderLines(const Request& request, double d, double D, std::string_view separator, std::FILE* out,
                       std::FILE* err);

// The same as a table's columns: their short headers, and the cells of one row, with a
// point; a line without a TE11 cutoff leaves that cell empty.
std::vector<std::string> builderHeaders(const Request& request);
std::vector<std::string> builderCells(const Request& request, double d, double D);

}  // namespace tarvelle::cli
