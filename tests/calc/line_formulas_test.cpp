#include "calc/line_formulas.h"
#include "calc/result_text.h"
#include "float_bits.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <utility>

namespace tarvelle {
namespace {

struct Impedance {
    const char* line;
    const LineFormula* formula;
    double d;
    double D;
    float expected;
    std::string text;
};

class LineImpedance : public testing::TestWithParam<Impedance> {};

TEST_P(LineImpedance, IsExactToTheBit)
{
    const Impedance& c = GetParam();
    const float actual = lineImpedance(*c.formula, c.d, c.D);
    EXPECT_EQ(bitsOf(actual), bitsOf(c.expected))
        << c.line << ' ' << c.d << ", " << c.D << ": got " << actual;
    EXPECT_EQ(resultText(actual, "."), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, LineImpedance,
    testing::Values(
        Impedance{"two-wire", &twoWireFormula, 2, 50, 468.91571044921875F, "468.9"},
        // Double precision throughout would give 362.84999 and 362.8.
        Impedance{"two-wire", &twoWireFormula, 9.4, 97, 362.8500061035156F, "362.9"},
        Impedance{"two-wire", &twoWireFormula, 10.9, 91, 337.45001220703125F, "337.5"},
        // ln 10 rounded to 2.302585 would show 1081.6.
        Impedance{"two-wire", &twoWireFormula, .1, 414.6, 1081.5499267578125F, "1081.5"},
        Impedance{"two-wire", &twoWireFormula, 4, 2, 0.0F, "0.0"},
        Impedance{"round coax", &roundCoaxFormula, 1, 2.2, 47.25433349609375F, "47.3"},
        Impedance{"round coax", &roundCoaxFormula, 3, 3, 0.0F, "0.0"},
        Impedance{"square coax", &squareCoaxFormula, 1, 3.5, 79.1363525390625F, "79.1"},
        Impedance{"square coax", &squareCoaxFormula, 5, 2, -50.86075973510742F, "-50.9"},
        Impedance{"square coax", &squareCoaxFormula, 3, 3, 4.054964065551758F, "4.1"}));

// The extremes that the entry lengths allow: no check trips.
struct Extreme {
    const LineFormula* formula;
    std::string large;  // .001 and 99999
    std::string small;  // 9999 and .0001
};

TEST(LineImpedanceExtremes, TypedValuesNeverTrip)
{
    for (const auto& [formula, large, small] :
         {Extreme{&twoWireFormula, "2291.1", "-2124.9"},
          Extreme{&squareCoaxFormula, "1108.1", "-1099.9"},
          Extreme{&roundCoaxFormula, "1104.0", "-1104.0"}}) {
        EXPECT_EQ(resultText(lineImpedance(*formula, .001, 99999), "."), large);
        EXPECT_EQ(resultText(lineImpedance(*formula, 9999, .0001), "."), small);
    }
}

struct Failure {
    const LineFormula* formula;
    double d;
    double D;
    CalculationError::Kind kind;
};

class LineImpedanceFailure : public testing::TestWithParam<Failure> {};

TEST_P(LineImpedanceFailure, ThrowsTheStepsError)
{
    const Failure& c = GetParam();
    try {
        const float value = lineImpedance(*c.formula, c.d, c.D);
        ADD_FAILURE() << c.d << ", " << c.D << " gave " << value;
    } catch (const CalculationError& error) {
        EXPECT_EQ(error.kind(), c.kind) << c.d << ", " << c.D << ": " << error.what();
    }
}

constexpr double inf = std::numeric_limits<double>::infinity();
using Kind = CalculationError::Kind;

INSTANTIATE_TEST_SUITE_P(
    Steps, LineImpedanceFailure,
    testing::Values(
        // A pasted negative value: the logarithm of a negative ratio.
        Failure{&twoWireFormula, 2, -5, Kind::LogarithmOfNonPositive},
        Failure{&roundCoaxFormula, -1, 5, Kind::LogarithmOfNonPositive},
        // A ratio below the smallest single underflows to 0, whose logarithm fails.
        Failure{&roundCoaxFormula, 1e99, 1, Kind::LogarithmOfNonPositive},
        // A ratio beyond the single range.
        Failure{&twoWireFormula, 1, 1.8e38, Kind::Overflow},
        Failure{&roundCoaxFormula, 1, -inf, Kind::Overflow},
        Failure{&twoWireFormula, inf, inf, Kind::InvalidOperation},
        Failure{&squareCoaxFormula, 0, 5, Kind::DivisionByZero},
        Failure{&roundCoaxFormula, 0, 0, Kind::InvalidOperation}));

TEST(LineImpedanceEdge, RatiosUpToTheLargestSinglePass)
{
    // The largest double that still rounds to the largest single, and the first that
    // rounds to infinity.
    const double lastFinite = std::nextafter(0x1.ffffffp127, 0.0);
    EXPECT_EQ(resultText(lineImpedance(roundCoaxFormula, 1, lastFinite), "."), "5317.4");
    EXPECT_THROW(lineImpedance(roundCoaxFormula, 1, 0x1.ffffffp127), CalculationError);
    // The smallest positive single as a ratio.
    EXPECT_EQ(resultText(lineImpedance(roundCoaxFormula, 1, 1.401298464324817e-45), "."), "-6189.8");
}

// Decimal logarithms worked out apart from the program: ln x / ln 10 in double,
// rounded to single.
TEST(Log10, MatchesIndependentValuesAndRefusesWhatIsNotPositive)
{
    const std::pair<float, float> values[] = {
        {2.0F, 0.30103000998497009F},  {3.0F, 0.4771212637424469F},       {7.0F, 0.84509801864624023F},
        {0.5F, -0.30103000998497009F}, {3.745F, 0.57345181703567505F},    {1e-8F, -8.0F},
        {2e8F, 8.301030158996582F},    {50.0F, 1.6989699602127075F},      {1.0F, 0.0F}};
    for (const auto& [x, expected] : values)
        EXPECT_EQ(bitsOf(Log10(x)), bitsOf(expected)) << x;
    for (float bad : {0.0F, -0.0F, -1.0F, -std::numeric_limits<float>::infinity(),
                      std::numeric_limits<float>::quiet_NaN()}) {
        EXPECT_THROW(Log10(bad), CalculationError) << bad;
    }
}

}  // namespace
}  // namespace tarvelle
