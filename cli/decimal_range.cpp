#include "cli/decimal_range.h"

#include "calc/characters.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace tarvelle::cli {
namespace {

int decimalsOf(std::string_view plainNumber)
{
    const auto point = plainNumber.find('.');
    return point == std::string_view::npos ? 0 : static_cast<int>(plainNumber.size() - point - 1);
}

}  // namespace

bool isPlainNumber(std::string_view text)
{
    const auto digits = std::count_if(text.begin(), text.end(), isDigit);
    const auto points = std::count(text.begin(), text.end(), '.');
    return digits > 0 && points <= 1 && std::all_of(text.begin(), text.end(), isNumberCharacter);
}

std::variant<DecimalRange, std::string> makeRange(std::string_view start, std::string_view stop,
                                                  std::string_view step)
{
    const std::string written = std::string(start) + ':' + std::string(stop) + ':' + std::string(step);
    DecimalRange range;
    range.decimals = std::max({decimalsOf(start), decimalsOf(stop), decimalsOf(step)});
    const auto first = scaledValue(start, range.decimals);
    const auto last = scaledValue(stop, range.decimals);
    const auto increment = scaledValue(step, range.decimals);
    if (!first || !last || !increment)
        return "plage trop fine : " + written + " (18 chiffres au plus, décimales comprises)";
    if (*increment == 0)
        return "la plage " + written + " a un pas nul : elle donnerait une infinité de lignes";
    if (*last < *first)
        return "la plage " + written + " donne 0 ligne : la fin est avant le début";
    range.first = *first;
    range.step = *increment;
    range.count = (*last - *first) / *increment + 1;
    if (range.count > maxRows)
        return "la plage " + written + " donne " + std::to_string(range.count) + " lignes, " + std::to_string(maxRows) + " au plus";
    return range;
}

}  // namespace tarvelle::cli
