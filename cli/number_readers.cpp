#include "cli/number_readers.h"

#include "calc/messages.h"
#include "calc/numeric_text.h"

#include <algorithm>
#include <array>

namespace tarvelle::cli {
namespace {

using messages::quoted;

// A number as the entries take it; the messages of the empty and zero entries are
// the window's own.
std::optional<std::string> numberError(std::string_view text)
{
    if (text.empty())
        return messages::emptyEntry;
    if (text.starts_with('-') && isPlainNumber(text.substr(1)))
        return "les valeurs négatives sont refusées : " + std::string(text);
    if (!isPlainNumber(text))
        return quoted(text) + " n'est pas un nombre (des chiffres et au plus un point)";
    return std::nullopt;
}

std::variant<Quantity, std::string> readRange(std::string_view text)
{
    if (std::count(text.begin(), text.end(), ':') != 2)
        return "plage invalide : " + quoted(text) + " (début:fin:pas)";
    const auto colon1 = text.find(':');
    const auto colon2 = text.find(':', colon1 + 1);
    const std::array fields{text.substr(0, colon1), text.substr(colon1 + 1, colon2 - colon1 - 1),
                            text.substr(colon2 + 1)};
    for (const auto field : fields) {
        if (auto error = numberError(field))
            return *error;
    }
    auto made = makeRange(fields[0], fields[1], fields[2]);
    if (auto* error = std::get_if<std::string>(&made))
        return *error;
    const auto& range = std::get<DecimalRange>(made);
    if (range.first == 0)
        return messages::zeroValue;
    return Quantity{std::string(text), range};
}

std::optional<std::string> commaError(std::string_view text)
{
    if (text.find(',') == std::string_view::npos)
        return std::nullopt;
    std::string withPoints(text);
    std::replace(withPoints.begin(), withPoints.end(), ',', '.');
    return "utilisez le point décimal : " + withPoints;
}

}  // namespace

std::variant<Quantity, std::string> readQuantity(std::string_view text)
{
    if (auto error = commaError(text))
        return *error;
    if (text.find(':') != std::string_view::npos)
        return readRange(text);
    if (auto error = numberError(text))
        return *error;
    if (numericValue(text) == 0.0)
        return messages::zeroValue;
    return Quantity{std::string(text), std::nullopt};
}

namespace {

// A VALEUR as a number: digits and at most one point.
std::variant<double, std::string> readNumber(std::string_view text)
{
    if (auto error = commaError(text))
        return *error;
    if (auto error = numberError(text))
        return *error;
    return numericValue(text);
}

}  // namespace

std::variant<double, std::string> readPositive(std::string_view text)
{
    auto read = readNumber(text);
    if (const double* value = std::get_if<double>(&read); value && *value == 0.0)
        return messages::zeroValue;
    return read;
}

std::variant<double, std::string> readPermittivity(std::string_view text)
{
    auto read = readPositive(text);
    if (const double* value = std::get_if<double>(&read); value && *value < 1.0)
        return "la permittivité relative vaut au moins 1 (le vide) : --er " + std::string(text);
    return read;
}

std::variant<double, std::string> readLossTangent(std::string_view text)
{
    auto read = readNumber(text);
    // At tan δ = 1 the dielectric conducts as much as it stores: no longer a line.
    if (const double* value = std::get_if<double>(&read); value && *value >= 1.0)
        return "la tangente de pertes est inférieure à 1 : --tand " + std::string(text);
    return read;
}

std::variant<double, std::string> readMetal(std::string_view text)
{
    // At 20 °C: annealed copper is 100 % IACS by definition; the others from the CRC
    // Handbook of Chemistry and Physics (resistivities 1.59, 2.44 and 2.65 µΩ·cm) and,
    // for brass (70/30), 28 % IACS.
    constexpr struct { std::string_view french, english; double conductivity; } metals[] = {
        {"cuivre", "copper", 58.0}, {"argent", "silver", 62.9}, {"or", "gold", 41.0},
        {"aluminium", "aluminum", 37.7}, {"laiton", "brass", 16.2}};
    for (const auto& metal : metals) {
        if (text == metal.french || text == metal.english)
            return metal.conductivity;
    }
    return "métal inconnu : " + quoted(text) + " (cuivre, argent, or, aluminium ou laiton)";
}

}  // namespace tarvelle::cli
