#include "calc/line_formulas.h"
#include "float_bits.h"

#include <gtest/gtest.h>

#include <limits>
#include <utility>

namespace tarvelle {
namespace {

// Every expected value below was worked out apart from the program: each step in
// double, rounded to single where the calculator rounds.
TEST(LineImpedance, IsExactToTheBit)
{
    const struct { const LineFormula* formula; double d, D; float expected; } cases[] = {
        {&twoWireFormula, 2, 50, 468.91571044921875F},
        {&twoWireFormula, 9.4, 97, 362.8500061035156F},  // in double throughout: 362.84999, shown 362.8
        {&twoWireFormula, 10.9, 91, 337.45001220703125F},
        {&twoWireFormula, .1, 414.6, 1081.5499267578125F},  // ln 10 rounded to 2.302585 shows 1081.6
        {&roundCoaxFormula, 1, 2.2, 47.25433349609375F},
        {&roundCoaxFormula, 3, 3, 0.0F},  // a ratio of 1
        {&squareCoaxFormula, 1, 3.5, 79.1363525390625F},
        {&squareCoaxFormula, 5, 2, -50.86075973510742F},
        {&squareCoaxFormula, 3, 3, 4.054964065551758F},
        // The extremes that the entry lengths allow: .001 and 99999, 9999 and .0001.
        {&twoWireFormula, .001, 99999, 2291.0830078125F}, {&twoWireFormula, 9999, .0001, -2124.90380859375F},
        {&squareCoaxFormula, .001, 99999, 1108.054443359375F}, {&squareCoaxFormula, 9999, .0001, -1099.9390869140625F},
        {&roundCoaxFormula, .001, 99999, 1103.9993896484375F}, {&roundCoaxFormula, 9999, .0001, -1103.9940185546875F},
        // The largest double that still rounds to the largest single, and the smallest
        // positive single, as ratios.
        {&roundCoaxFormula, 1, 0x1.fffffefffffffp127, 5317.39404296875F},
        {&roundCoaxFormula, 1, 0x1p-149, -6189.77880859375F},
    };
    for (const auto& c : cases) {
        const float actual = lineImpedance(*c.formula, c.d, c.D);
        EXPECT_EQ(bitsOf(actual), bitsOf(c.expected)) << c.d << ", " << c.D << ": got " << actual;
    }
}

// ln x / ln 10 in double, rounded to single.
TEST(Log10, MatchesIndependentValuesAndRefusesWhatIsNotPositive)
{
    const std::pair<float, float> values[] = {
        {2.0F, 0.30103000998497009F},  // the quotient in single would give 0.30102998
        {0.5F, -0.30103000998497009F}, {7.0F, 0.84509801864624023F},
        {50.0F, 1.6989699602127075F},  {1e-8F, -8.0F}, {1.0F, 0.0F}};
    for (const auto& [x, expected] : values)
        EXPECT_EQ(bitsOf(Log10(x)), bitsOf(expected)) << x;
    for (float bad : {0.0F, -0.0F, -1.0F, -std::numeric_limits<float>::infinity(),
                      std::numeric_limits<float>::quiet_NaN()})
        EXPECT_THROW(Log10(bad), CalculationError) << bad;
}

}  // namespace
}  // namespace tarvelle
