#include "cli/run.h"

#include "calc/messages.h"
#include "calc/numeric_text.h"
#include "calc/result_text.h"
#include "cli/inverse.h"
#include "cli/table_writer.h"

#include <optional>
#include <string>

namespace tarvelle::cli {
namespace {

// One case: the window's impedance, and the dimension found when -z was given.
struct Outcome {
    std::optional<float> impedance;  // empty when the calculation failed
    std::string found;               // in mm, with three decimals
    std::string note;                // for stderr: a caveat, or why no dimension was found
};

constexpr const char* touchingNote =
    "D ≤ d : les conducteurs se touchent ou se chevauchent, ce chiffre n'a pas de sens physique";

Dimension freeDimension(const Request& request) { return request.small ? Dimension::Large : Dimension::Small; }

// The case of the two given quantities, in the order -d, -D, -z, as typed; the first
// one also already read, since a table reads it once for many rows.
Outcome calculate(const Request& request, std::string_view first, double firstValue, const std::string& second)
{
    Outcome outcome;
    if (!request.impedance) {
        const double large = numericValue(second);
        // The window shows such a figure like any other; a terminal can say more.
        if (large <= firstValue)
            outcome.note = touchingNote;
        try {
            outcome.impedance = lineImpedance(*request.line, firstValue, large);
        } catch (const CalculationError&) {
            // The row or the message says so.
        }
        return outcome;
    }
    const Dimension free = freeDimension(request);
    auto answer = solveDimension(*request.line, free, first, second);
    if (const auto* solution = std::get_if<Solution>(&answer)) {
        outcome.found = decimalText(solution->micrometres, 3);
        outcome.impedance = solution->impedance;
        if (!solution->showsTarget) {
            outcome.note = std::string("aucun ") + (free == Dimension::Small ? "d" : "D") +
                           " au micromètre ne donne " + solution->target + " ohms ; voici le plus proche";
        }
    } else {
        outcome.note = std::get<std::string>(answer);
    }
    return outcome;
}

std::string withSeparator(std::string text, std::string_view separator)
{
    const auto point = text.find('.');
    return point == std::string::npos ? text : text.replace(point, 1, separator);
}

int writeOne(const Request& request, const Quantity& first, const Quantity& second, std::string_view separator,
             std::FILE* out, std::FILE* err)
{
    const Outcome outcome = calculate(request, first.typed, numericValue(first.typed), second.typed);
    if (!outcome.note.empty())
        report(err, outcome.note);
    if (!outcome.impedance && !request.impedance)  // the inverse's note says why
        report(err, messages::impossibleCalculation);
    if (!outcome.impedance)
        return 1;
    const std::string shown = resultText(*outcome.impedance, separator);
    if (request.impedance) {
        std::fprintf(out, "%s = %s mm (%s ohms)\n", freeDimension(request) == Dimension::Small ? "d" : "D",
                     withSeparator(outcome.found, separator).c_str(), shown.c_str());
    } else {
        std::fprintf(out, "%s\n", shown.c_str());
    }
    return 0;
}

int writeTable(const Request& request, const Quantity& outer, const Quantity& inner, std::FILE* out,
               std::FILE* err)
{
    const char* outerOption = request.small ? "-d " : "-D ";
    const char* innerOption = request.impedance ? " -z " : " -D ";
    const bool foundFirst = request.impedance && freeDimension(request) == Dimension::Small;
    int status = 0;
    TableWriter table(out, request.csv ? ',' : '\t');
    for (std::int64_t i = 0; i < outer.count(); ++i) {
        const std::string outerText = outer.text(i);
        const double outerValue = numericValue(outerText);
        for (std::int64_t j = 0; j < inner.count(); ++j) {
            const std::string innerText = inner.text(j);
            const Outcome outcome = calculate(request, outerText, outerValue, innerText);
            const std::string shown =
                outcome.impedance ? resultText(*outcome.impedance, ".") : messages::impossibleCalculation;
            if (!request.impedance)
                table.row(outerText, innerText, shown);
            else
                table.row(foundFirst ? outcome.found : outerText, foundFirst ? outerText : outcome.found, shown);
            status = outcome.impedance ? status : 1;
            if (!outcome.note.empty())
                report(err, outerOption + outerText + innerOption + innerText + " : " + outcome.note);
        }
    }
    return status;
}

}  // namespace

void report(std::FILE* err, std::string_view message)
{
    std::fprintf(err, "%s : %.*s\n", programName, static_cast<int>(message.size()), message.data());
}

int runRequest(const Request& request, std::string_view decimalSeparator, std::FILE* out, std::FILE* err)
{
    const Quantity& first = request.small ? *request.small : *request.large;
    const Quantity& second = request.impedance ? *request.impedance : *request.large;
    if (request.isTable())
        return writeTable(request, first, second, out, err);
    return writeOne(request, first, second, decimalSeparator, out, err);
}

}  // namespace tarvelle::cli
