#include "cli/arguments.h"

#include "calc/messages.h"
#include "cli/number_readers.h"
#include "cli/options.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

namespace tarvelle::cli {
namespace {

struct LineName {
    std::string_view name;
    Line line;
    std::string_view canonical;
};

constexpr std::array lineNames{
    LineName{"bifilaire", TwoWireLine{}, "bifilaire"}, LineName{"two-wire", TwoWireLine{}, "bifilaire"},
    LineName{"carree", SquareCoaxLine{}, "carree"},    LineName{"carrée", SquareCoaxLine{}, "carree"},
    LineName{"square", SquareCoaxLine{}, "carree"},    LineName{"ronde", RoundCoaxLine{}, "ronde"},
    LineName{"round", RoundCoaxLine{}, "ronde"}};

using messages::quoted;

// The option that `word` names, and its value when the word holds it too ("-d2",
// "--er=2"), as getopt_long reads them.
const Option* optionOf(std::string_view word, std::optional<std::string_view>& attached)
{
    for (const Option& option : options()) {
        attached.reset();
        if (word == option.name)
            return &option;
        if (option.value.empty() || !word.starts_with(option.name))
            continue;
        const std::string_view rest = word.substr(option.name.size());
        if (option.name.starts_with("--") ? rest.starts_with('=') : !word.starts_with("--")) {
            attached = option.name.starts_with("--") ? rest.substr(1) : rest;
            return &option;
        }
    }
    return nullptr;
}

// Reads an option's value into the request; or a message saying why it is refused.
std::optional<std::string> readValue(Request& request, const OptionField& field, std::string_view value)
{
    if (const auto* quantity = std::get_if<std::optional<Quantity> Request::*>(&field)) {
        auto reading = readQuantity(value);
        if (auto* error = std::get_if<std::string>(&reading))
            return *error;
        request.*(*quantity) = std::get<Quantity>(std::move(reading));
    } else if (const auto* number = std::get_if<NumberField>(&field)) {
        auto reading = number->read(value);
        if (auto* error = std::get_if<std::string>(&reading))
            return *error;
        request.*(number->field) = std::get<double>(reading);
    }
    return std::nullopt;
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
    std::vector<const Option*> valued;  // the options with a value, each allowed once
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
            request.lineName = known->canonical;
            continue;
        }
        if (word == "--") {
            optionsEnded = true;
            continue;
        }
        std::optional<std::string_view> attached;
        const Option* option = optionOf(word, attached);
        if (!option)
            return UsageError{"option inconnue : " + quoted(word)};
        if (const auto* action = std::get_if<Request::Action>(&option->field)) {
            request.action = *action;
            return request;
        }
        if (const auto* flag = std::get_if<bool Request::*>(&option->field)) {
            request.*(*flag) = true;
            continue;
        }
        const std::string name(option->name);
        if (!attached && i + 1 == words.size())
            return UsageError{"l'option " + name + " demande une valeur"};
        const std::string_view value = attached ? *attached : words[++i];
        if (std::find(valued.begin(), valued.end(), option) != valued.end())
            return UsageError{"l'option " + name + " est donnée deux fois"};
        valued.push_back(option);
        if (auto error = readValue(request, option->field, value))
            return UsageError{*error};
    }
    const auto took = [&](std::string_view name) {
        return std::any_of(valued.begin(), valued.end(), [&](const Option* option) { return option->name == name; });
    };
    if (took("--metal") && took("--sigma"))
        return UsageError{"--metal et --sigma donnent tous deux la conductivité : l'un ou l'autre"};
    if (request.json && (request.csv || request.localeSeparator))
        return UsageError{std::string("--json ne va pas avec ") + (request.csv ? "--csv" : "--locale")};
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
