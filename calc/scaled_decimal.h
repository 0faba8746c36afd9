#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarvelle {

// A plain number (digits with at most one ".") as an integer scaled by 10^decimals,
// digits beyond them dropped: ("2.57", 1) gives 25. Empty when it needs more than 18
// digits.
std::optional<std::int64_t> scaledValue(std::string_view plainNumber, int decimals);

// The text of a scaled integer with exactly that many decimals: (250, 2) gives "2.50".
std::string decimalText(std::int64_t scaled, int decimals);

}  // namespace tarvelle
