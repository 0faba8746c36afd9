#pragma once

#include "calc/line.h"
#include "cli/decimal_range.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace tarvelle::cli {

// The value of -d, -D or -z: one number as typed, or a range of numbers.
struct Quantity {
    std::string typed;
    std::optional<DecimalRange> range;

    std::int64_t count() const { return range ? range->count : 1; }
    std::string text(std::int64_t row) const { return range ? range->text(row) : typed; }
};

struct Request {
    enum class Action { Calculate, ShowHelp, ShowVersion };
    Action action = Action::Calculate;
    std::optional<Line> line;
    std::string_view lineName;  // its French name, without accent: bifilaire, carree or ronde

    // -d, -D and -z: exactly two of them are given.
    std::optional<Quantity> small, large, impedance;
    bool csv = false;
    bool localeSeparator = false;
    bool exact = false;         // --exact: the ideal line's impedance
    double permittivity = 1.0;  // --er: the dielectric's relative permittivity
    bool details = false;       // --details: velocity factor, capacitance, inductance
    bool json = false;          // --json: one JSON object a case
    // The builder's numbers, of the ideal line:
    double frequency = 0.0;           // -f, in MHz; 0 when none is given
    double conductivity = 58.0;       // --metal or --sigma, in MS/m (annealed copper)
    double lossTangent = 0.0;         // --tand
    double breakdownField = 3.0;      // --breakdown, in kV/mm (dry air, gaps of millimetres)

    bool isTable() const;
};

struct UsageError {
    std::string message;  // French, without the program's name
    int status = 2;
};

// Reads the words that follow the program's name: the line and the options, in any
// order, "--" ending the options. The values are checked as the window checks its
// entries; nothing is computed yet.
std::variant<Request, UsageError> readArguments(std::span<const std::string_view> words);

}  // namespace tarvelle::cli
