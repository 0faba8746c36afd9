#pragma once

#include <bit>
#include <cstdint>

namespace tarvelle {

// Floats are compared bit for bit: the calculator's results are exact by design.
inline std::uint32_t bitsOf(float value) { return std::bit_cast<std::uint32_t>(value); }

}  // namespace tarvelle
