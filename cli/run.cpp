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

// A case's d and D as text: as typed, or the one found for -z.
struct CaseDimensions {
    std::string_view small, large;
};
CaseDimensions dimensionsOf(const Request& request, const Outcome& outcome, std::string_view first,
                            std::string_view second)
{
    if (!request.impedance)
        return {first, second};
    if (freeDimension(request) == Dimension::Small)
        return {outcome.found, first};
    return {first, outcome.found};
}

// The builder's numbers describe the ideal line, which these dimensions may not have.
bool hasIdealLine(const Request& request, double d, double D)
{
    return D > d && D / d >= request.line->smallestIdealRatio();
}

// Every case of the ranges, in order, to `write`; a case's note or failure goes to
// `err`, naming the case in a table. The status: 1 when a case has no impedance.
template <typename Write>
int forEachCase(const Request& request, const ImpedanceModel& model, const Quantity& outer, const Quantity& inner,
                std::FILE* err, Write write)
{
    const char* outerOption = request.small ? "-d " : "-D ";
    const char* innerOption = request.impedance ? " -z " : " -D ";
    int status = 0;
    for (std::int64_t i = 0; i < outer.count(); ++i) {
        const std::string outerText = outer.text(i);
        const double outerValue = numericValue(outerText);
        for (std::int64_t j = 0; j < inner.count(); ++j) {
            const std::string innerText = inner.text(j);
            const Outcome outcome = calculate(request, model, outerText, outerValue, innerText);
            const std::string& why = outcome.note.empty() && !outcome.impedance ? outcome.failure : outcome.note;
            write(outcome, dimensionsOf(request, outcome, outerText, innerText), why);
            status = outcome.impedance ? status : 1;
            if (!why.empty())
                report(err, request.isTable() ? outerOption + outerText + innerOption + innerText + " : " + why : why);
        }
    }
    return status;
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
        const CaseDimensions dimensions = dimensionsOf(request, outcome, first.typed, second.typed);
        const double d = numericValue(dimensions.small), D = numericValue(dimensions.large);
        if (hasIdealLine(request, d, D))
            writeBuilderLines(request, d, D, separator, out, err);
    }
    return 0;
}

int writeTable(const Request& request, const ImpedanceModel& model, const Quantity& outer, const Quantity& inner,
               std::FILE* out, std::FILE* err)
{
    TableWriter table(out, request.csv ? ',' : '\t', request.details,
                      request.details ? builderHeaders(request) : std::vector<std::string>{});
    return forEachCase(request, model, outer, inner, err,
                       [&](const Outcome& outcome, CaseDimensions dimensions, const std::string&) {
                           // A row without an impedance leaves its field empty, which awk,
                           // gnuplot and spreadsheets read as missing; standard error says why.
                           const std::string shown =
                               outcome.impedance ? model.text(*outcome.impedance, ".") : std::string();
                           if (!request.details || !outcome.impedance) {
                               table.row(dimensions.small, dimensions.large, shown);
                               return;
                           }
                           const double d = numericValue(dimensions.small), D = numericValue(dimensions.large);
                           table.row(dimensions.small, dimensions.large, shown,
                                     lineDetails(*outcome.impedance, model.permittivity()),
                                     hasIdealLine(request, d, D) ? builderCells(request, d, D)
                                                                 : std::vector<std::string>{});
                       });
}

// One JSON object a case, on its own line, a failed case as {"error": …} with its
// reason also on standard error.
int writeJson(const Request& request, const ImpedanceModel& model, const Quantity& outer, const Quantity& inner,
              std::FILE* out, std::FILE* err)
{
    return forEachCase(request, model, outer, inner, err,
                       [&](const Outcome& outcome, CaseDimensions dimensions, const std::string& why) {
                           const std::string json =
                               outcome.impedance ? caseJson(request, numericValue(dimensions.small),
                                                            numericValue(dimensions.large), *outcome.impedance)
                                                 : errorJson(why);
                           std::fprintf(out, "%s\n", json.c_str());
                       });
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
