#include "calc/result_text.h"

#include <array>
#include <charconv>
#include <cmath>

namespace tarvelle {

std::string resultText(float value, std::string_view decimalSeparator)
{
    // A single times ten is exact in double, and std::round takes halves away from
    // zero, so the tenths are rounded on the exact value.
    return decimalResultText(static_cast<double>(value), 1, decimalSeparator);
}

std::string decimalResultText(double value, int decimals, std::string_view decimalSeparator)
{
    const double scaled = std::round(value * std::pow(10.0, decimals));

    std::array<char, 400> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                       std::fabs(scaled), std::chars_format::fixed, 0);
    std::string digits(buffer.data(), written.ptr);
    const auto fraction = static_cast<std::size_t>(decimals);
    if (digits.size() <= fraction)
        digits.insert(0, fraction + 1 - digits.size(), '0');

    std::string text;
    if (scaled < 0.0)
        text += '-';
    text.append(digits, 0, digits.size() - fraction);
    text += decimalSeparator;
    text.append(digits, digits.size() - fraction);
    return text;
}

}  // namespace tarvelle
