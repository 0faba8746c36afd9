#include "calc/builder_numbers.h"

#include "calc/physical_constants.h"

#include <cmath>
#include <numbers>

namespace tarvelle {
namespace {

constexpr double decibelsPerNeper = 20.0 / std::numbers::ln10;

LossNumbers lossNumbers(const FieldNumbers& field, const BuilderInputs& in, double frequency)
{
    const double root = std::sqrt(in.permittivity);
    // Rs = √(π f μ0 / σ) = 1/(σ δ), δ = 1/√(π f μ0 σ).
    const double skinDepth = 1.0 / std::sqrt(std::numbers::pi * frequency * vacuumPermeability * in.conductivity);
    const double surfaceResistance = 1.0 / (in.conductivity * skinDepth);
    // In a dielectric Z0 and η both fall by √εr, so Rs·Z0/η² rises by √εr.
    const double conductor = root * field.lossPerSurfaceResistance * surfaceResistance;
    const double dielectric = std::numbers::pi * frequency * root * in.lossTangent / speedOfLight;
    const double beta = 2.0 * std::numbers::pi * frequency * root / speedOfLight;
    return {skinDepth,
            conductor * decibelsPerNeper,
            dielectric * decibelsPerNeper,
            (conductor + dielectric) * decibelsPerNeper,
            beta / (2.0 * (conductor + dielectric)),
            speedOfLight / (4.0 * frequency * root),
            skinDepth > in.d / 20.0};
}

}  // namespace

BuilderNumbers builderNumbers(const Line& line, const BuilderInputs& in)
{
    const double root = std::sqrt(in.permittivity);
    BuilderNumbers numbers{};
    const FieldNumbers field = line.fieldNumbers(in.d, in.D);
    numbers.impedance = field.impedance / root;
    // The matched line carrying P has the peak voltage √(2·P·Z0).
    constexpr double oneKilowatt = 1000.0;
    numbers.peakFieldAtOneKilowatt = field.peakFieldPerVolt * std::sqrt(2.0 * oneKilowatt * numbers.impedance);
    const double headroom = in.breakdownField / numbers.peakFieldAtOneKilowatt;
    numbers.breakdownPower = oneKilowatt * headroom * headroom;
    numbers.slopes = {field.slopes.perSmall / root, field.slopes.perLarge / root};
    if (in.frequency)
        numbers.losses = lossNumbers(field, in, *in.frequency);
    return numbers;
}

}  // namespace tarvelle
