// The builder's numbers of the ideal lines: each checked by a second method that shares
// no code with the first, or against published values.

#include "calc/bessel_roots.h"
#include "calc/builder_numbers.h"
#include "calc/physical_constants.h"
#include "calc/square_coax_field.h"
#include "calc/square_coax_modes.h"
#include "square_coax_fem.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tarvelle {
namespace {

// The TE11 radial equation R'' + R'/r + (k² − 1/r²)R = 0 with R'(a) = R'(b) = 0, shot
// from r = a by fourth-order Runge–Kutta, and k found by bisection on R'(b).
double shootTe11(double ratio)
{
    const double a = 1.0, b = ratio;
    const auto slopeAtWall = [&](double k) {
        const int steps = 20000;
        const double h = (b - a) / steps;
        double r = a, R = 1.0, S = 0.0;  // S = R'
        const auto f = [k](double r, double R, double S) { return -S / r - (k * k - 1.0 / (r * r)) * R; };
        for (int i = 0; i < steps; ++i) {
            const double k1R = S, k1S = f(r, R, S);
            const double k2R = S + h / 2 * k1S, k2S = f(r + h / 2, R + h / 2 * k1R, S + h / 2 * k1S);
            const double k3R = S + h / 2 * k2S, k3S = f(r + h / 2, R + h / 2 * k2R, S + h / 2 * k2S);
            const double k4R = S + h * k3S, k4S = f(r + h, R + h * k3R, S + h * k3S);
            R += h / 6 * (k1R + 2 * k2R + 2 * k3R + k4R);
            S += h / 6 * (k1S + 2 * k2S + 2 * k3S + k4S);
            r += h;
        }
        return S;
    };
    double low = 0.5 * 2.0 / (1.0 + ratio), high = 1.5 * 2.0 / (1.0 + ratio);
    const bool lowSign = slopeAtWall(low) > 0;
    for (int i = 0; i < 60; ++i) {
        const double middle = 0.5 * (low + high);
        ((slopeAtWall(middle) > 0) == lowSign ? low : high) = middle;
    }
    return 0.5 * (low + high);
}

TEST(RoundCoaxTe11, AgreesWithTheRadialEquationShotAndMeetsItsLimits)
{
    for (double ratio : {1.1, 1.5, 2.3, 3.5, 10.0})
        EXPECT_NEAR(roundCoaxTe11Root(ratio), shootTe11(ratio), 1e-8) << ratio;
    // An empty tube: kc·b = j'11 = 1.8411837813 (Abramowitz and Stegun, table 9.5).
    EXPECT_NEAR(roundCoaxTe11Root(1e5) * 1e5, 1.8411837813, 1e-6);
    // A thin annulus: kc·(a + b)/2 → 1, the wave around the mean circumference.
    EXPECT_NEAR(roundCoaxTe11Root(1.001) * (1.0 + 1.001) / 2.0, 1.0, 1e-6);
    EXPECT_TRUE(std::isnan(roundCoaxTe11Root(1.0)));
}

// The square coax's TE11 against finite elements on the quarter, extrapolated: two
// methods that share nothing. As the inner conductor thins, it becomes the empty square
// guide's TE10, fc = c/(2D), kc·D/2 = π/2; a thicker one lowers it.
TEST(SquareCoaxTe11, AgreesWithFiniteElementsAndTendsToTheEmptySquares)
{
    for (double ratio : {1.1, 2.0, 10.0, 100.0, 1000.0}) {
        const auto fem = test::femSquareCoaxTe11Extrapolated(ratio, 16, 16);
        EXPECT_NEAR(squareCoaxTe11(ratio), fem.impedance, 1e-5 * fem.impedance) << ratio;
    }
    EXPECT_NEAR(squareCoaxTe11(1000.0), std::numbers::pi / 2.0, 1e-5);
    double previous = 0.0;
    for (double ratio : {1.1, 1.5, 3.0, 10.0, 100.0}) {
        const double k = squareCoaxTe11(ratio);
        EXPECT_GT(k, previous) << ratio;
        EXPECT_LT(k, std::numbers::pi / 2.0) << ratio;
        previous = k;
    }
    EXPECT_TRUE(std::isnan(squareCoaxTe11(1.05)));
}

// The table that the program reads against the solver it was made from, between its
// points and beyond the last one.
TEST(SquareCoaxTe11, TableMatchesTheSolverBetweenItsPoints)
{
    for (double ratio : {1.1, 1.13, 1.37, 1.9, 2.0, 2.1, 3.3, 8.2, 33.0, 400.0, 3000.0})
        EXPECT_NEAR(squareCoaxTe11(ratio), solveSquareCoaxTe11(ratio), 3e-10) << ratio;
    EXPECT_NEAR(squareCoaxTe11(INFINITY), std::numbers::pi / 2.0, 3e-10);
}

// Z(D/d) differentiated numerically: central differences, extrapolated once.
double ratioSlope(const Line& line, double ratio)
{
    const double h = 1e-3 * (ratio - 1.0);
    const auto difference = [&](double step) {
        return (line.idealImpedance(ratio + step) - line.idealImpedance(ratio - step)) / (2.0 * step);
    };
    return (4.0 * difference(h / 2.0) - difference(h)) / 3.0;
}

// Wheeler's incremental-inductance rule: α = Rs/(2η0·Z0)·Σ ∂Z/∂n, each conductor's
// surface receding by ∂n into it, here from the impedance differentiated numerically;
// the lines compute α from their surface currents instead, and the square coax its
// slopes too.
TEST(ConductorLoss, FollowsWheelersRuleOnTheImpedanceDifferentiated)
{
    const double rs = 0.01, d = 1e-3;
    const struct { Line line; bool twoWires; } lines[] = {
        {TwoWireLine{}, true}, {SquareCoaxLine{}, false}, {RoundCoaxLine{}, false}};
    for (const auto& [line, twoWires] : lines) {
        for (double ratio : {1.01, 1.05, 1.2, 2.0, 5.0, 30.0, 1000.0}) {
            const double D = ratio * d;
            // Z depends on r = D/d alone: dZ/dD = Z'(r)/d, dZ/dd = −Z'(r)·r/d.
            const double perLarge = ratioSlope(line, ratio) / d, perSmall = -perLarge * ratio;
            const FieldNumbers got = line.fieldNumbers(d, D);
            EXPECT_EQ(got.impedance, line.idealImpedance(ratio)) << line.name() << " " << ratio;
            EXPECT_NEAR(got.slopes.perLarge, perLarge, 1e-7 * perLarge) << line.name() << " " << ratio;
            EXPECT_NEAR(got.slopes.perSmall, perSmall, -1e-7 * perSmall) << line.name() << " " << ratio;
            // Both wires shrink with d, their axes stay; a coax's outer conductor grows with D.
            const double recession = twoWires ? -2.0 * perSmall : -2.0 * perSmall + 2.0 * perLarge;
            const double wheeler = rs / (2.0 * freeSpaceImpedance * line.idealImpedance(ratio)) * recession;
            EXPECT_NEAR(got.lossPerSurfaceResistance * rs, wheeler, 1e-7 * wheeler) << line.name() << " " << ratio;
        }
    }
}

// The largest field of the square coax: where the inner conductor faces a side, as a
// fine sampling of both surfaces finds; for a thin inner conductor, that of a round
// tube of the square's conformal diameter k·D, k = 8√π/Γ(1/4)².
TEST(SquareCoaxPeakField, LiesWhereTheRodFacesASide)
{
    for (double ratio : {1.05, 1.3, 2.0, 10.0}) {
        const SquareCoaxField field = solveSquareCoaxField(ratio);
        const double a = 1.0 / ratio;
        double sampled = 0.0;
        for (int i = 0; i <= 4000; ++i) {
            const double theta = std::numbers::pi / 4.0 * i / 4000;
            sampled = std::max({sampled, fieldStrength(field, a * std::cos(theta), a * std::sin(theta)),
                                fieldStrength(field, 1.0, i / 4000.0)});
        }
        const double peak = SquareCoaxLine::fieldNumbers(1.0, ratio).peakFieldPerVolt * ratio / 2.0;
        EXPECT_NEAR(peak, sampled, 1e-9 * peak) << ratio;
    }
    const double k = 8.0 * std::sqrt(std::numbers::pi) / std::pow(std::tgamma(0.25), 2);
    const double ratio = 1000.0;
    EXPECT_NEAR(SquareCoaxLine::fieldNumbers(1.0, ratio).peakFieldPerVolt, 2.0 / std::log(k * ratio), 1e-9);
}

// The round coax of 10 and 23 mm in copper, in air and in PTFE (εr 2.1, tan δ 2e-4), at
// 144 MHz; every figure worked out apart from the program (Python, from the formulas).
TEST(BuilderNumbers, OfARoundCoaxAtOneFrequency)
{
    BuilderInputs in;
    in.d = 10e-3;
    in.D = 23e-3;
    in.frequency = 144e6;
    const struct { double permittivity, lossTangent, z, peak, power, slopeD, skin, conductor, dielectric, q, quarter; }
        cases[] = {
            {1, 0, 49.93997468, 75887.72498, 1562785.75, 2606.890941, 5.507124424e-06, 0.01243424277, 0, 1054.111682, 0.5204730174},
            {2.1, 0.0002, 34.46185656, 63040.07334, 2264691.708, 1798.925655, 5.507124424e-06, 0.01801892965, 0.00379879285, 870.575022, 0.3591605038},
        };
    for (const auto& c : cases) {
        in.permittivity = c.permittivity;
        in.lossTangent = c.lossTangent;
        const BuilderNumbers got = builderNumbers(RoundCoaxLine{}, in);
        EXPECT_NEAR(got.impedance, c.z, 1e-5);
        EXPECT_NEAR(got.peakFieldAtOneKilowatt, c.peak, 0.1);
        EXPECT_NEAR(got.breakdownPower, c.power, 1e-5 * c.power);
        EXPECT_NEAR(got.slopes.perLarge, c.slopeD, 0.01);
        ASSERT_TRUE(got.losses);
        EXPECT_NEAR(got.losses->skinDepth, c.skin, 1e-10);
        EXPECT_NEAR(got.losses->conductorLoss, c.conductor, 1e-7);
        EXPECT_NEAR(got.losses->dielectricLoss, c.dielectric, 1e-7);
        EXPECT_NEAR(got.losses->quarterWaveQ, c.q, 1e-5 * c.q);
        EXPECT_NEAR(got.losses->quarterWave, c.quarter, 1e-6);
        EXPECT_FALSE(got.losses->skinDepthTooLarge);
    }
}

// Published figures, worked out by others.
TEST(PublishedValues, OfRoundAirLines)
{
    // DesignCon 2024, Table I, "Cut-off frequencies and maximum usable bandwidth for
    // coaxial connectors": the TE11 cutoff of the standard air lines, solved from the
    // cross product of Bessel functions' derivatives and printed to 0.1 GHz.
    const struct { double D, d, gigahertz; } airLines[] = {
        {3.5, 1.5199, 38.8}, {2.92, 1.27, 46.5}, {2.4, 1.0423, 56.5}, {1.85, 0.8036, 73.3}, {1.00, 0.434, 135.7}};
    for (const auto& line : airLines) {
        const double cutoff = *Line(RoundCoaxLine{}).te11Cutoff(line.d * 1e-3, line.D * 1e-3) / 1e9;
        EXPECT_NEAR(cutoff, line.gigahertz, 2e-3 * line.gigahertz) << line.D;
    }
    // Pozar, Microwave Engineering, example 6.1: an air coax of a = 1 mm and b = 4 mm in
    // copper (5.813e7 S/m) at 5 GHz has αc = 0.022 Np/m and, as a resonator, Q = 2380.
    BuilderInputs in;
    in.d = 2e-3;
    in.D = 8e-3;
    in.conductivity = 5.813e7;
    in.frequency = 5e9;
    const LossNumbers loss = *builderNumbers(RoundCoaxLine{}, in).losses;
    EXPECT_NEAR(loss.conductorLoss / (20.0 / std::numbers::ln10), 0.022, 0.0005);
    EXPECT_NEAR(loss.quarterWaveQ, 2380.0, 5e-3 * 2380.0);
}

}  // namespace
}  // namespace tarvelle
