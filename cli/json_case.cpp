#include "cli/json_case.h"

#include "calc/builder_numbers.h"
#include "calc/physical_constants.h"
#include "cli/builder_lines.h"

#include <array>
#include <charconv>
#include <cmath>
#include <optional>

namespace tarvelle::cli {
namespace {

// The members of one object, in the order they are added.
class JsonObject {
public:
    void add(std::string_view key, std::optional<double> value)
    {
        start(key);
        if (!value || !std::isfinite(*value)) {
            text_ += "null";
            return;
        }
        std::array<char, 32> buffer{};
        const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), *value).ptr;
        text_.append(buffer.data(), end);
    }
    void add(std::string_view key, std::string_view value)
    {
        start(key);
        text_ += '"';
        for (const char c : value) {
            if (c == '"' || c == '\\')
                text_ += '\\';
            if (static_cast<unsigned char>(c) < 0x20) {
                std::array<char, 8> escaped{};
                std::snprintf(escaped.data(), escaped.size(), "\\u%04x", c);
                text_ += escaped.data();
            } else {
                text_ += c;
            }
        }
        text_ += '"';
    }
    std::string text() const { return "{" + text_ + "}"; }

private:
    void start(std::string_view key)
    {
        if (!text_.empty())
            text_ += ", ";
        add(key);
        text_ += ": ";
    }
    void add(std::string_view key)
    {
        text_ += '"';
        text_ += key;
        text_ += '"';
    }

    std::string text_;
};

}  // namespace

std::string errorJson(std::string_view message)
{
    JsonObject object;
    object.add("error", message);
    return object.text();
}

std::string caseJson(const Request& request, double d, double D, double impedance)
{
    const Line& line = *request.line;
    const double root = std::sqrt(request.permittivity);
    JsonObject object;
    object.add("line", request.lineName);
    object.add("d_mm", d);
    object.add("D_mm", D);
    object.add("er", request.permittivity);
    object.add("z_ohms", impedance);
    const auto exact = ImpedanceModel(line, true, request.permittivity).impedance(d, D);
    const double* exactOhms = std::get_if<double>(&exact);
    object.add("z_exact_ohms", exactOhms ? std::optional(*exactOhms) : std::nullopt);
    object.add("velocity_factor", 1.0 / root);
    const bool physical = impedance > 0.0;  // the window's figure for D ≤ d may not be
    object.add("c_pf_per_m", physical ? std::optional(root / (speedOfLight * impedance) * 1e12) : std::nullopt);
    object.add("l_nh_per_m", physical ? std::optional(impedance * root / speedOfLight * 1e9) : std::nullopt);
    std::optional<BuilderNumbers> numbers;
    const BuilderInputs in = builderInputs(request, d, D);
    if (exactOhms)
        numbers = builderNumbers(line, in);
    const auto te11 = exactOhms ? line.te11Cutoff(in.d, in.D) : std::nullopt;
    object.add("te11_ghz", te11 ? std::optional(*te11 / root / 1e9) : std::nullopt);
    const auto of = [&](auto member) { return numbers ? std::optional<double>(member(*numbers)) : std::nullopt; };
    object.add("peak_field_kv_per_mm_at_1kw", of([](const BuilderNumbers& n) { return n.peakFieldAtOneKilowatt / 1e6; }));
    object.add("breakdown_power_kw", of([](const BuilderNumbers& n) { return n.breakdownPower / 1e3; }));
    object.add("dz_dd_ohm_per_mm", of([](const BuilderNumbers& n) { return n.slopes.perSmall / 1e3; }));
    object.add("dz_dD_ohm_per_mm", of([](const BuilderNumbers& n) { return n.slopes.perLarge / 1e3; }));
    if (request.frequency > 0.0) {
        const auto loss = [&](auto member) {
            return numbers && numbers->losses ? std::optional<double>(member(*numbers->losses)) : std::nullopt;
        };
        object.add("f_mhz", request.frequency);
        object.add("skin_depth_um", loss([](const LossNumbers& l) { return l.skinDepth * 1e6; }));
        object.add("loss_conductor_db_per_m", loss([](const LossNumbers& l) { return l.conductorLoss; }));
        object.add("loss_dielectric_db_per_m", loss([](const LossNumbers& l) { return l.dielectricLoss; }));
        object.add("loss_db_per_m", loss([](const LossNumbers& l) { return l.totalLoss; }));
        object.add("q_quarter_wave", loss([](const LossNumbers& l) { return l.quarterWaveQ; }));
        object.add("quarter_wave_mm", loss([](const LossNumbers& l) { return l.quarterWave * 1e3; }));
    }
    return object.text();
}

}  // namespace tarvelle::cli
