#pragma once

#include "calc/scaled_decimal.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace tarvelle::cli {

// What an entry of the window takes: digits with at most one ".", and at least one digit.
bool isPlainNumber(std::string_view text);

// The most rows that a table may have.
inline constexpr std::int64_t maxRows = 10'000'000;

// START:STOP:STEP, inclusive. The three numbers are read as integers scaled to the
// largest number of decimals among them, so that stepping adds no rounding error.
struct DecimalRange {
    std::int64_t first = 0;
    std::int64_t step = 0;
    std::int64_t count = 0;
    int decimals = 0;

    // Value `row`, written with the range's decimals: what one would type for it.
    std::string text(std::int64_t row) const { return decimalText(first + row * step, decimals); }
};

// The range of three plain numbers, or a French message saying why it is refused (a
// step of zero, the wrong way round, more than maxRows rows, too many digits).
std::variant<DecimalRange, std::string> makeRange(std::string_view start, std::string_view stop,
                                                  std::string_view step);

}  // namespace tarvelle::cli
