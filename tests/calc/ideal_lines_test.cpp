#include "calc/line.h"
#include "calc/physical_constants.h"
#include "calc/square_coax_field.h"
#include "square_coax_fem.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace tarvelle {
namespace {

// The closed forms against values worked out apart (Python's math library).
TEST(IdealLines, ClosedForms)
{
    const struct { Line line; double ratio, ohms; } cases[] = {
        {TwoWireLine{}, 1.5, 115.41094074580577}, {TwoWireLine{}, 10, 358.938253949283},
        {RoundCoaxLine{}, 10, 138.05952903214515}};
    for (const auto& [line, ratio, ohms] : cases)
        EXPECT_DOUBLE_EQ(line.idealImpedance(ratio), ohms) << ratio;
}

// The finite elements, extrapolated, against the multipole solution: two methods that
// share nothing, at both ends of the range. Meshes are long in ln r where the inner
// conductor is thin.
TEST(IdealSquareCoax, AgreesWithFiniteElements)
{
    const struct { double ratio; int radialCells, angularCells; } cases[] = {
        {1.02, 16, 48}, {1.1, 16, 32}, {2, 32, 32}, {1000, 64, 16}};
    for (const auto& c : cases) {
        const double solved = SquareCoaxLine::idealImpedance(c.ratio);
        const auto fem = test::femSquareCoaxImpedanceExtrapolated(c.ratio, c.radialCells, c.angularCells);
        EXPECT_NEAR(fem.impedance, solved, 1e-7 * solved) << c.ratio;
        EXPECT_LT(fem.errorEstimate, 1e-6 * solved) << c.ratio;
    }
}

// For a thin inner conductor the square acts as a circle of its conformal radius,
// k·D/2 with k = 8√π/Γ(1/4)²; the difference falls as (d/D)^8.
TEST(IdealSquareCoax, ReachesTheThinWireLimit)
{
    const double k = 8.0 * std::sqrt(std::numbers::pi) / std::pow(std::tgamma(0.25), 2);
    for (double ratio : {100.0, 1e6, 1e300}) {
        const double limit = freeSpaceImpedance / (2.0 * std::numbers::pi) * std::log(k * ratio);
        EXPECT_NEAR(SquareCoaxLine::idealImpedance(ratio), limit, 1e-13 * limit) << ratio;
    }
    // Down to the smallest ratio it takes, the solver bounds its own error.
    for (double ratio : {smallestSquareCoaxRatio, 1.02, 2.0})
        EXPECT_LT(solveSquareCoaxField(ratio).wallError, ratio < 1.02 ? 1e-10 : 1e-13) << ratio;
    EXPECT_TRUE(std::isnan(SquareCoaxLine::idealImpedance(1.0009)));
}

}  // namespace
}  // namespace tarvelle
