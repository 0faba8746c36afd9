#pragma once

#include "calc/line.h"

#include <optional>

namespace tarvelle {

// What a builder decides by once the impedance is known, for the ideal line (the exact
// geometry, whatever formula gave the impedance shown). SI units throughout.
struct BuilderInputs {
    double d = 0.0, D = 0.0;          // in metres
    double permittivity = 1.0;        // εr of the dielectric
    double conductivity = 58.0e6;     // of the conductors, in S/m (annealed copper)
    double lossTangent = 0.0;         // of the dielectric
    double breakdownField = 3.0e6;    // at which the dielectric breaks down, in V/m
    std::optional<double> frequency;  // in Hz
};

struct LossNumbers {
    double skinDepth;        // in m
    double conductorLoss;    // in dB/m
    double dielectricLoss;   // in dB/m
    double totalLoss;        // in dB/m
    double quarterWaveQ;     // unloaded Q of a λ/4 resonator, the ends' losses left out
    double quarterWave;      // the λ/4 length, in m
    bool skinDepthTooLarge;  // above a tenth of the inner conductor's radius
};

struct BuilderNumbers {
    double impedance;             // the ideal line's, in the dielectric, in ohms
    double peakFieldAtOneKilowatt;  // the largest field on a conductor, in V/m
    double breakdownPower;        // at which that field reaches the breakdown field, in W
    ImpedanceSlopes slopes;       // in the dielectric, in ohms per metre
    std::optional<LossNumbers> losses;  // with a frequency
};

// Meant for a line whose ideal impedance exists (D/d above the line's smallest ratio).
BuilderNumbers builderNumbers(const Line& line, const BuilderInputs& inputs);

}  // namespace tarvelle
