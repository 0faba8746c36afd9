#include "cli/arguments.h"

#include "calc/messages.h"
#include "calc/numeric_text.h"

#include <algorithm>
#include <array>

namespace tarvelle::cli {
namespace {

struct LineName {
    std::string_view name;
    Line line;
};

constexpr std::array lineNames{
    LineName{"bifilaire", TwoWireLine{}}, LineName{"two-wire", TwoWireLine{}},   LineName{"carree", SquareCoaxLine{}},
    LineName{"carrée", SquareCoaxLine{}}, LineName{"square", SquareCoaxLine{}}, LineName{"ronde", RoundCoaxLine{}},
    LineName{"round", RoundCoaxLine{}}};

using QuantityReading = std::variant<Quantity, std::string>;
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

QuantityReading readRange(std::string_view text)
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

// The relative permittivity: a plain number, 1 for air and more for any dielectric.
std::variant<double, std::string> readPermittivity(std::string_view text)
{
    if (auto error = commaError(text))
        return *error;
    if (auto error = numberError(text))
        return *error;
    const double value = numericValue(text);
    if (value == 0.0)
        return messages::zeroValue;
    if (value < 1.0)
        return "la permittivité relative vaut au moins 1 (le vide) : --er " + std::string(text);
    return value;
}

QuantityReading readQuantity(std::string_view text)
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

std::optional<Quantity>* quantityOption(Request& request, std::string_view option)
{
    if (option == "-d")
        return &request.small;
    if (option == "-D")
        return &request.large;
    if (option == "-z")
        return &request.impedance;
    return nullptr;
}

}  // namespace

bool Request::isTable() const
{
    return (small && small->range) || (large && large->range) || (impedance && impedance->range);
}

std::variant<Request, UsageError> readArguments(std::span<const std::string_view> words)
{
    Request request;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string_view word = words[i];
        if (optionsEnded || word == "-" || !word.starts_with('-')) {
            const auto known = std::find_if(lineNames.begin(), lineNames.end(),
                                            [&](const LineName& line) { return line.name == word; });
            if (request.line)
                return UsageError{"argument en trop : " + quoted(word)};
            if (known == lineNames.end())
                return UsageError{"ligne inconnue : " + quoted(word) + " (bifilaire, carree ou ronde)"};
            request.line = known->line;
        } else if (word == "--") {
            optionsEnded = true;
        } else if (word == "--help" || word == "--version") {
            request.action = word == "--help" ? Request::Action::ShowHelp : Request::Action::ShowVersion;
            return request;
        } else if (word == "--csv" || word == "--locale" || word == "--exact" || word == "--details") {
            (word == "--csv"      ? request.csv
             : word == "--locale" ? request.localeSeparator
             : word == "--exact"  ? request.exact
                                  : request.details) = true;
        } else if (word == "--er" || word.starts_with("--er=")) {
            // "--er 2.1" or "--er=2.1", as getopt_long reads them.
            if (word == "--er" && i + 1 == words.size())
                return UsageError{"l'option --er demande une valeur"};
            const std::string_view value = word == "--er" ? words[++i] : word.substr(5);
            if (request.permittivityGiven)
                return UsageError{"l'option --er est donnée deux fois"};
            auto reading = readPermittivity(value);
            if (auto* error = std::get_if<std::string>(&reading))
                return UsageError{*error};
            request.permittivity = std::get<double>(reading);
            request.permittivityGiven = true;
        } else if (auto* slot = quantityOption(request, word.substr(0, 2)); slot && !word.starts_with("--")) {
            // "-d 2" or "-d2", as getopt reads them.
            const std::string_view option = word.substr(0, 2);
            if (word.size() == 2 && i + 1 == words.size())
                return UsageError{"l'option " + std::string(option) + " demande une valeur"};
            const std::string_view value = word.size() > 2 ? word.substr(2) : words[++i];
            if (slot->has_value())
                return UsageError{"l'option " + std::string(option) + " est donnée deux fois"};
            auto reading = readQuantity(value);
            if (auto* error = std::get_if<std::string>(&reading))
                return UsageError{*error};
            *slot = std::get<Quantity>(std::move(reading));
        } else {
            return UsageError{"option inconnue : " + quoted(word)};
        }
    }
    if (!request.line)
        return UsageError{"indiquez la ligne : bifilaire, carree ou ronde"};
    const std::array given{&request.small, &request.large, &request.impedance};
    if (std::count_if(given.begin(), given.end(), [](auto* slot) { return slot->has_value(); }) != 2)
        return UsageError{"donnez exactement deux des options -d, -D et -z"};
    std::int64_t rows = 1;
    for (auto* slot : given)
        rows *= *slot ? (*slot)->count() : 1;
    if (rows > maxRows)
        return UsageError{"le tableau aurait " + std::to_string(rows) + " lignes, " + std::to_string(maxRows) +
                          " au plus"};
    return request;
}

}  // namespace tarvelle::cli
