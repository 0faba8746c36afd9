#pragma once

#include "calc/line_formulas.h"
#include "calc/round_coax_line.h"
#include "calc/square_coax_line.h"
#include "calc/two_wire_line.h"

#include <optional>
#include <type_traits>
#include <variant>

namespace tarvelle {

// One of the three lines, as a value: what is asked of it is answered by its own unit.
class Line {
public:
    template <typename LineUnit>
        requires std::is_constructible_v<std::variant<TwoWireLine, SquareCoaxLine, RoundCoaxLine>, LineUnit>
    constexpr Line(LineUnit unit) : unit_(unit)
    {
    }

    const LineFormula& handbook() const
    {
        return std::visit([](auto unit) -> const LineFormula& { return unit.handbook; }, unit_);
    }
    // The window's figure for the dimensions d and D; throws CalculationError.
    float handbookImpedance(double d, double D) const { return lineImpedance(handbook(), d, D); }
    double idealImpedance(double ratio) const
    {
        return std::visit([=](auto unit) { return unit.idealImpedance(ratio); }, unit_);
    }
    double idealRatioNear(double ohms) const
    {
        return std::visit([=](auto unit) { return unit.idealRatioNear(ohms); }, unit_);
    }
    // The ideal line in air, d and D in metres (see each line's unit).
    FieldNumbers fieldNumbers(double d, double D) const
    {
        return std::visit([=](auto unit) { return unit.fieldNumbers(d, D); }, unit_);
    }
    // The TE11 cutoff in Hz, in air: empty for a line that has none, NaN where its unit
    // does not give it.
    std::optional<double> te11Cutoff(double d, double D) const
    {
        return std::visit(
            [=](auto unit) -> std::optional<double> {
                if constexpr (requires { unit.te11Cutoff(d, D); })
                    return unit.te11Cutoff(d, D);
                return std::nullopt;
            },
            unit_);
    }
    double smallestIdealRatio() const { return std::visit([](auto unit) { return unit.smallestIdealRatio; }, unit_); }
    const char* name() const { return std::visit([](auto unit) { return unit.name; }, unit_); }

private:
    std::variant<TwoWireLine, SquareCoaxLine, RoundCoaxLine> unit_;
};

}  // namespace tarvelle
