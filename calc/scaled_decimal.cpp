#include "calc/scaled_decimal.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace tarvelle {

std::optional<std::int64_t> scaledValue(std::string_view plainNumber, int decimals)
{
    const auto point = std::min(plainNumber.find('.'), plainNumber.size());
    std::string digits(plainNumber.substr(0, point));
    const std::string_view fraction = plainNumber.substr(std::min(point + 1, plainNumber.size()));
    digits.append(fraction.substr(0, static_cast<std::size_t>(decimals)));
    digits.append(static_cast<std::size_t>(decimals) - std::min(fraction.size(), static_cast<std::size_t>(decimals)), '0');
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size()));
    if (digits.size() > 18)
        return std::nullopt;
    std::int64_t value = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return value;
}

std::string decimalText(std::int64_t scaled, int decimals)
{
    std::array<char, 24> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), scaled).ptr;
    std::string text(buffer.data(), end);
    if (decimals > 0) {
        if (text.size() <= static_cast<std::size_t>(decimals))
            text.insert(0, static_cast<std::size_t>(decimals) + 1 - text.size(), '0');
        text.insert(text.size() - static_cast<std::size_t>(decimals), 1, '.');
    }
    return text;
}

}  // namespace tarvelle
