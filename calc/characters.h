#pragma once

namespace tarvelle {

// The characters of a number as the entries take it and as tarvelle-calc reads a
// value: decimal digits and the point, whatever the locale.
constexpr bool isDigit(char c) { return c >= '0' && c <= '9'; }
constexpr bool isNumberCharacter(char c) { return isDigit(c) || c == '.'; }

}  // namespace tarvelle
