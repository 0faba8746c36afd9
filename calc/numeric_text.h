#pragma once

#include <string_view>

namespace tarvelle {

// Reads the leading number of an entry's text, the way the entries are meant to be
// read: blanks, tabs and line feeds are skipped wherever they stand; then an optional
// sign, decimal digits with at most one "." as the decimal point (whatever the
// locale) and an optional exponent ("E" or "e", an optional sign, digits). Anything
// else ends the number and the rest is ignored. A text without a leading number
// gives 0; a number beyond the double range gives plus or minus infinity.
double numericValue(std::string_view text);

}  // namespace tarvelle
