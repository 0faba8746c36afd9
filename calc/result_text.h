#pragma once

#include <string>
#include <string_view>

namespace tarvelle {

// Writes a stored impedance with the pattern "0.0": at least one digit before the
// separator, exactly one after, no grouping, a leading minus for negative values.
// The value is rounded to the nearest tenth, judged on its exact single-precision
// value; a value exactly halfway rounds away from zero, and a negative value that
// rounds to zero is written without a minus. The separator is the caller's (the
// window passes the user's locale's). The value must be finite.
std::string resultText(float value, std::string_view decimalSeparator);

// The same pattern with `decimals` digits after the separator (1 to 6), the value
// rounded on value × 10^decimals as a double; for a single-precision value and one
// decimal this is resultText.
std::string decimalResultText(double value, int decimals, std::string_view decimalSeparator);

}  // namespace tarvelle
