#include "cli/builder_lines.h"

#include "calc/builder_numbers.h"
#include "calc/result_text.h"
#include "cli/run.h"

#include <cmath>
#include <string>

namespace tarvelle::cli {
namespace {

// Four significant digits, at most six decimals.
std::string figure(double value, std::string_view separator)
{
    if (value == 0.0)
        return "0";
    const int magnitude = value == 0.0 ? 0 : static_cast<int>(std::floor(std::log10(std::fabs(value))));
    std::string text = decimalResultText(value, magnitude >= 3 ? 0 : magnitude < -3 ? 6 : 3 - magnitude, separator);
    if (text.ends_with(separator))  // a whole number keeps no separator at its end
        text.resize(text.size() - separator.size());
    return text;
}

}  // namespace

BuilderInputs builderInputs(const Request& request, double d, double D)
{
    BuilderInputs in;
    in.d = d / 1000.0;
    in.D = D / 1000.0;
    in.permittivity = request.permittivity;
    in.conductivity = request.conductivity * 1e6;
    in.lossTangent = request.lossTangent;
    in.breakdownField = request.breakdownField * 1e6;
    if (request.frequency > 0.0)
        in.frequency = request.frequency * 1e6;
    return in;
}

std::vector<std::string> builderHeaders(const Request& request)
{
    std::vector<std::string> headers{"TE11 (GHz)", "E 1 kW (kV/mm)", "P max (kW)", "dZ/dd (ohms/0.1 mm)",
                                     "dZ/dD (ohms/0.1 mm)"};
    if (request.frequency > 0.0) {
        for (const char* header : {"peau (µm)", "pertes c. (dB/m)", "pertes d. (dB/m)", "pertes (dB/m)", "Q0 λ/4",
                                   "λ/4 (mm)"})
            headers.emplace_back(header);
    }
    return headers;
}

std::vector<std::string> builderCells(const Request& request, double d, double D)
{
    const BuilderInputs in = builderInputs(request, d, D);
    const Line& line = *request.line;
    const BuilderNumbers numbers = builderNumbers(line, in);
    const auto cutoff = line.te11Cutoff(in.d, in.D);
    std::vector<std::string> cells{
        cutoff && !std::isnan(*cutoff) ? figure(*cutoff / std::sqrt(in.permittivity) / 1e9, ".") : std::string(),
        figure(numbers.peakFieldAtOneKilowatt / 1e6, "."), figure(numbers.breakdownPower / 1e3, "."),
        figure(numbers.slopes.perSmall * 1e-4, "."), figure(numbers.slopes.perLarge * 1e-4, ".")};
    if (numbers.losses) {
        const LossNumbers& loss = *numbers.losses;
        for (double value : {loss.skinDepth * 1e6, loss.conductorLoss, loss.dielectricLoss, loss.totalLoss,
                             loss.quarterWaveQ, loss.quarterWave * 1e3})
            cells.push_back(figure(value, "."));
    }
    return cells;
}

void writeBuilderLines(const Request& request, double d, double D, std::string_view separator, std::FILE* out,
                       std::FILE* err)
{
    const BuilderInputs in = builderInputs(request, d, D);
    const Line& line = *request.line;
    const BuilderNumbers numbers = builderNumbers(line, in);
    const auto print = [&](const char* label, double value, const char* unit) {
        std::fprintf(out, "%s : %s%s%s\n", label, figure(value, separator).c_str(), *unit ? " " : "", unit);
    };
    const auto cutoff = line.te11Cutoff(in.d, in.D);
    if (!cutoff)
        std::fprintf(out, "TE11 : aucune coupure, une ligne ouverte n'en a pas\n");
    else if (std::isnan(*cutoff))
        std::fprintf(out, "TE11 : non calculée sous D/d = 1%s1\n", std::string(separator).c_str());
    else
        print("TE11", *cutoff / std::sqrt(in.permittivity) / 1e9, "GHz");
    print("champ maximal à 1 kW", numbers.peakFieldAtOneKilowatt / 1e6, "kV/mm");
    print("puissance de claquage", numbers.breakdownPower / 1e3, "kW");
    const std::string tenth = "0" + std::string(separator) + "1 mm";
    std::fprintf(out, "tolérance : %s ohms pour %s de d, %s ohms pour %s de D\n",
                 figure(numbers.slopes.perSmall * 1e-4, separator).c_str(), tenth.c_str(),
                 figure(numbers.slopes.perLarge * 1e-4, separator).c_str(), tenth.c_str());
    if (!numbers.losses)
        return;
    const LossNumbers& loss = *numbers.losses;
    print("profondeur de peau", loss.skinDepth * 1e6, "µm");
    print("pertes des conducteurs", loss.conductorLoss, "dB/m");
    print("pertes du diélectrique", loss.dielectricLoss, "dB/m");
    print("pertes en tout", loss.totalLoss, "dB/m");
    print("Q0 d'un résonateur λ/4", loss.quarterWaveQ, "");
    print("λ/4", loss.quarterWave * 1e3, "mm");
    if (loss.skinDepthTooLarge)
        report(err, "la profondeur de peau dépasse le dixième du rayon de d : les pertes calculées ne valent plus");
}

}  // namespace tarvelle::cli
