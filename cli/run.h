#pragma once

#include "cli/arguments.h"

#include <cstdio>
#include <string_view>

namespace tarvelle::cli {

inline constexpr const char* programName = "tarvelle-calc";

// Writes "tarvelle-calc : message" on a line of its own.
void report(std::FILE* err, std::string_view message);

// Computes a request to calculate: one result, written with the given decimal
// separator, or a table with points. Notes and failures go to `err`. Returns the exit
// status: 1 when a calculation failed, 0 otherwise.
int runRequest(const Request& request, std::string_view decimalSeparator, std::FILE* out, std::FILE* err);

}  // namespace tarvelle::cli
