#include "calc/result_text.h"

#include <array>
#include <charconv>
#include <cmath>

namespace tarvelle {

std::string resultText(float value, std::string_view decimalSeparator)
{
    // A single times ten is exact in double, and std::round takes halves away from
    // zero, so the tenths are rounded on the exact value.
    const double tenths = std::round(static_cast<double>(value) * 10.0);

    std::array<char, 64> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                       std::fabs(tenths), std::chars_format::fixed, 0);
    std::string digits(buffer.data(), written.ptr);
    if (digits.size() == 1)
        digits.insert(digits.begin(), '0');

    std::string text;
    if (tenths < 0.0)
        text += '-';
    text.append(digits, 0, digits.size() - 1);
    text += decimalSeparator;
    text += digits.back();
    return text;
}

}  // namespace tarvelle
