#pragma once

#include <bit>
#include <cstdint>
#include <optional>

namespace tarvelle {

// Floats are compared bit for bit: the calculator's results are exact by design.
inline std::uint32_t bitsOf(float value) { return std::bit_cast<std::uint32_t>(value); }
inline std::optional<std::uint32_t> bitsOf(std::optional<float> value)
{
    return value ? std::optional(bitsOf(*value)) : std::nullopt;
}

}  // namespace tarvelle
