#include "cli/run.h"

#include "calc/dimension_search.h"
#include "calc/impedance_model.h"
#include "calc/messages.h"
#include "calc/numeric_text.h"
#include "cli/builder_lines.h"
#include "cli/json_case.h"
#include "cli/table_writer.h"

#include <optional>
#include <string>

namespace tarvelle::cli {
namespace {

// One case: its impedance, and the dimension found when -z was given.
struct Outcome {
    std::optional<double> impedance;  // empty when there is none
    std::string failure;              // then why
    std::string found;                // in mm, with three decimals
    std::string note;                 // for stderr: a caveat, or why no dimension was found
};

Dimension freeDimension(const Request& request) { return request.small ? Dimension::Large : Dimension::Small; }

// The case of the two given quantities, in the order -d, -D, -z, as typed; the first
// one also already read, since a table reads it once for many rows.
Outcome calculate(const Request& request, const ImpedanceModel& model, std::string_view first, double firstValue,
                  const std::string& second)
{
    Outcome outcome;
    if (!request.impedance) {
        const double large = numericValue(second);
        // The window shows such a figure like any other; a terminal can say more.
        if (!model.exact() && large <= firstValue)
            outcome.note = std::string(messages::touchingConductors) + ", ce chiffre n'a pas de sens physique";
        auto answer = model.impedance(firstValue, large);
        if (const double* impedance = std::get_if<double>(&answer))
            outcome.impedance = *impedance;
        else
            outcome.failure = std::get<std::string>(answer);
        return outcome;
    }
    const Dimension free = freeDimension(request);
    auto answer = solveDimension(model, free, first, second);
    if (const auto* solution = std::get_if<Solution>(&answer)) {
        outcome.found = decimalText(solution->micrometres, 3);
        outcome.impedance = solution->impedance;
        if (!solution->showsTarget) {
            outcome.note = std::string("aucun ") + (free == Dimension::Small ? "d" : "D") +
                           " au micromètre ne donne " + solution->target + " ohms ; voici le plus proche";
        }
    } else {
        outcome.note = std::get<std::string>(answer);
        outcome.failure = messages::impossibleCalculation;
    }
    return outcome;
}

std::string withSeparator(std::string text, std::string_view separator)
{
    const auto point = text.find('.');
    return point == std::string::npos ? text : text.replace(point, 1, separator);
}

int writeOne(const Request& request, const ImpedanceModel& model, const Quantity& first, const Quantity& second,
             std::string_view separator, std::FILE* out, std::FILE* err)
{
    const Outcome outcome = calculate(request, model, first.typed, numericValue(first.typed), second.typed);
    if (!outcome.note.empty())
        report(err, outcome.note);
    if (!outcome.impedance) {
        if (!request.impedance)  // the inverse's note says why
            report(err, outcome.failure);
        return 1;
    }
    const std::string shown = model.text(*outcome.impedance, separator);
    if (request.impedance) {
        std::fprintf(out, "%s = %s mm (%s ohms)\n", freeDimension(request) == Dimension::Small ? "d" : "D",
                     withSeparator(outcome.found, separator).c_str(), shown.c_str());
    } else {
        std::fprintf(out, "%s\n", shown.c_str());
    }
    if (request.details) {
        const LineDetails details = lineDetails(*outcome.impedance, model.permittivity());
        std::fprintf(out, "vélocité : %s c\n", withSeparator(details.velocityFactor, separator).c_str());
        if (!details.capacitance.empty()) {
            std::fprintf(out, "capacité : %s pF/m\ninductance : %s nH/m\n",
                         withSeparator(details.capacitance, separator).c_str(),
                         withSeparator(details.inductance, separator).c_str());
        }
        const bool foundSmall = request.impedance && freeDimension(request) == Dimension::Small;
        const double d = numericValue(foundSmall ? outcome.found : first.typed);
        const double D = numericValue(!request.impedance ? second.typed : foundSmall ? first.typed : outcome.found);
        if (D / d >= request.line->smallestIdealRatio() && D > d)
            writeBuilderLines(request, d, D, separator, out, err);
    }
    return 0;
}

int writeTable(const Request& request, const ImpedanceModel& model, const Quantity& outer, const Quantity& inner,
               std::FILE* out, std::FILE* err)
{
    const char* outerOption = request.small ? "-d " : "-D ";
    const char* innerOption = request.impedance ? " -z " : " -D ";
    const bool foundFirst = request.impedance && freeDimension(request) == Dimension::Small;
    int status = 0;
    TableWriter table(out, request.csv ? ',' : '\t', request.details,
                      request.details ? builderHeaders(request) : std::vector<std::string>{});
    for (std::int64_t i = 0; i < outer.count(); ++i) {
        const std::string outerText = outer.text(i);
        const double outerValue = numericValue(outerText);
        for (std::int64_t j = 0; j < inner.count(); ++j) {
            const std::string innerText = inner.text(j);
            const Outcome outcome = calculate(request, model, outerText, outerValue, innerText);
            // A row without an impedance leaves its field empty, which awk, gnuplot and
            // spreadsheets read as missing; standard error says why.
            const std::string shown = outcome.impedance ? model.text(*outcome.impedance, ".") : std::string();
            const std::string_view small = foundFirst ? outcome.found : outerText;
            const std::string_view large = !request.impedance ? innerText : foundFirst ? outerText : outcome.found;
            if (request.details && outcome.impedance) {
                const double d = numericValue(small), D = numericValue(large);
                const bool ideal = D > d && D / d >= request.line->smallestIdealRatio();
                table.row(small, large, shown, lineDetails(*outcome.impedance, model.permittivity()),
                          ideal ? builderCells(request, d, D) : std::vector<std::string>{});
            }
            else
                table.row(small, large, shown);
            status = outcome.impedance ? status : 1;
            const std::string& why = outcome.note.empty() && !outcome.impedance ? outcome.failure : outcome.note;
            if (!why.empty())
                report(err, outerOption + outerText + innerOption + innerText + " : " + why);
        }
    }
    return status;
}

// One JSON object a case, on its own line, a failed case as {"error": …} with its
// reason also on standard error.
int writeJson(const Request& request, const ImpedanceModel& model, const Quantity& outer, const Quantity& inner,
              std::FILE* out, std::FILE* err)
{
    const bool foundFirst = request.impedance && freeDimension(request) == Dimension::Small;
    int status = 0;
    for (std::int64_t i = 0; i < outer.count(); ++i) {
        const std::string outerText = outer.text(i);
        const double outerValue = numericValue(outerText);
        for (std::int64_t j = 0; j < inner.count(); ++j) {
            const std::string innerText = inner.text(j);
            const Outcome outcome = calculate(request, model, outerText, outerValue, innerText);
            const std::string& why = outcome.note.empty() && !outcome.impedance ? outcome.failure : outcome.note;
            if (!why.empty()) {
                const char* outerOption = request.small ? "-d " : "-D ";
                const char* innerOption = request.impedance ? " -z " : " -D ";
                report(err, request.isTable() ? outerOption + outerText + innerOption + innerText + " : " + why : why);
            }
            if (!outcome.impedance) {
                std::fprintf(out, "%s\n", errorJson(why).c_str());
                status = 1;
                continue;
            }
            const double d = numericValue(foundFirst ? outcome.found : outerText);
            const double D = numericValue(!request.impedance ? innerText : foundFirst ? outerText : outcome.found);
            std::fprintf(out, "%s\n", caseJson(request, d, D, *outcome.impedance).c_str());
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
    const ImpedanceModel model(*request.line, request.exact, request.permittivity);
    const Quantity& first = request.small ? *request.small : *request.large;
    const Quantity& second = request.impedance ? *request.impedance : *request.large;
    if (request.json)
        return writeJson(request, model, first, second, out, err);
    if (request.isTable())
        return writeTable(request, model, first, second, out, err);
    return writeOne(request, model, first, second, decimalSeparator, out, err);
}

}  // namespace tarvelle::cli
