#pragma once

#include "cli/arguments.h"

#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace tarvelle::cli {

// A number of an option's own kind, read and checked: the value, or why it is refused.
using NumberReader = std::variant<double, std::string> (*)(std::string_view text);

struct NumberField {
    double Request::*field;
    NumberReader read;
};

// What an option sets in the request.
using OptionField = std::variant<bool Request::*,                    // a switch
                                 std::optional<Quantity> Request::*,  // a dimension or impedance, or a range
                                 NumberField,                         // a number of its own kind
                                 Request::Action>;                    // --help, --version: nothing else is read

// One option of tarvelle-calc, as its reader, --help, the manual page and the
// completion know it.
struct Option {
    std::string_view name;   // "-d" (then also "-d2") or "--er" (then also "--er=2")
    std::string_view value;  // the value's name in --help; empty for an option without one
    OptionField field;
    std::string_view help;   // its lines in --help, a line feed between them
};

std::span<const Option> options();

// The list of options in --help: each name, its value and its help, the lines aligned.
std::string optionHelp();

}  // namespace tarvelle::cli
