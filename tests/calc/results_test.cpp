// What the window computes and shows: the impedances to the bit, an entry's text as
// read, and the text of a result.

#include "calc/line.h"
#include "calc/numeric_text.h"
#include "calc/result_text.h"
#include "float_bits.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <utility>

namespace tarvelle {
namespace {

// Every expected value below was worked out apart from the program: each step in
// double, rounded to single where the calculator rounds.
TEST(LineImpedance, IsExactToTheBit)
{
    const struct { const LineFormula* formula; double d, D; float expected; } cases[] = {
        {&TwoWireLine::handbook, 2, 50, 468.91571044921875F},
        {&TwoWireLine::handbook, 9.4, 97, 362.8500061035156F},  // in double throughout: 362.84999, shown 362.8
        {&TwoWireLine::handbook, 10.9, 91, 337.45001220703125F},
        {&TwoWireLine::handbook, .1, 414.6, 1081.5499267578125F},  // ln 10 rounded to 2.302585 shows 1081.6
        {&RoundCoaxLine::handbook, 1, 2.2, 47.25433349609375F},
        {&RoundCoaxLine::handbook, 3, 3, 0.0F},  // a ratio of 1
        {&SquareCoaxLine::handbook, 1, 3.5, 79.1363525390625F},
        {&SquareCoaxLine::handbook, 5, 2, -50.86075973510742F},
        {&SquareCoaxLine::handbook, 3, 3, 4.054964065551758F},
        // The extremes that the entry lengths allow: .001 and 99999, 9999 and .0001.
        {&TwoWireLine::handbook, .001, 99999, 2291.0830078125F}, {&TwoWireLine::handbook, 9999, .0001, -2124.90380859375F},
        {&SquareCoaxLine::handbook, .001, 99999, 1108.054443359375F}, {&SquareCoaxLine::handbook, 9999, .0001, -1099.9390869140625F},
        {&RoundCoaxLine::handbook, .001, 99999, 1103.9993896484375F}, {&RoundCoaxLine::handbook, 9999, .0001, -1103.9940185546875F},
        // The largest double that still rounds to the largest single, and the smallest
        // positive single, as ratios.
        {&RoundCoaxLine::handbook, 1, 0x1.fffffefffffffp127, 5317.39404296875F},
        {&RoundCoaxLine::handbook, 1, 0x1p-149, -6189.77880859375F},
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

TEST(NumericValue, ReadsTheLeadingNumber)
{
    constexpr double inf = std::numeric_limits<double>::infinity();
    const std::pair<const char*, double> cases[] = {
        // The leading number read; "." only, whatever the locale.
        {"12.5", 12.5}, {"12.5.7", 12.5}, {".5", 0.5}, {"5.", 5.0}, {"007", 7.0}, {".", 0.0}, {"", 0.0}, {"3,5", 3.0},
        // Signs.
        {"-5", -5.0}, {"+5", 5.0}, {"-", 0.0}, {"+.", 0.0}, {"--5", 0.0}, {"-0", -0.0}, {"-.25", -0.25},
        // Exponents, with and without digits.
        {"1e3", 1000.0}, {"1E3", 1000.0}, {"2.5e-1", 0.25}, {"1e+2", 100.0}, {"1e", 1.0}, {"1e+", 1.0},
        {"1e-x", 1.0}, {".5e1", 5.0}, {"e5", 0.0}, {"1e2.5", 100.0}, {"1e99", 1e99},
        // Blanks, tabs and line feeds are skipped wherever they stand; nothing else is.
        {"  12", 12.0}, {"1\t2.\n5", 12.5}, {"- 5", -5.0}, {"1 e 2", 100.0}, {"\r5", 0.0},
        // Beyond the double range, and below it.
        {"1e999", inf}, {"-1e999", -inf}, {"1e-999", 0.0}, {"0.000e999", 0.0}, {"1e99999999999999999999", inf},
        // Forms that are not read.
        {"inf", 0.0}, {"nan", 0.0}, {"0x1A", 0.0}, {"&H10", 0.0}, {"1d2", 1.0}, {"\xc3\xa9" "5", 0.0}};
    for (const auto& [text, expected] : cases) {
        const double actual = numericValue(text);
        EXPECT_EQ(actual, expected) << '"' << text << '"';
        EXPECT_EQ(std::signbit(actual), std::signbit(expected)) << '"' << text << '"';
    }
}

TEST(ResultText, ShowsTenthsRoundedOnTheExactSingle)
{
    const std::pair<float, const char*> cases[] = {
        {468.91571044921875F, "468.9"}, {0.0F, "0.0"}, {0.04F, "0.0"}, {0.96F, "1.0"}, {7.0F, "7.0"},
        {-54.91572189331055F, "-54.9"}, {12379.1F, "12379.1"},  // no grouping
        // Exactly halfway between two tenths: away from zero.
        {0.25F, "0.3"}, {-0.25F, "-0.3"}, {2.75F, "2.8"}, {1048576.25F, "1048576.3"},
        // 0.35F is 0.3499999940395355, 0.45F is 0.44999998807907104.
        {0.35F, "0.3"}, {0.45F, "0.4"},
        // A negative value that rounds to zero has no minus.
        {-0.04F, "0.0"}, {-0.0F, "0.0"}, {-0.05F, "-0.1"}, {std::numeric_limits<float>::denorm_min(), "0.0"},
        {std::numeric_limits<float>::max(), "340282346638528859811704183484516925440.0"}};
    for (const auto& [value, text] : cases)
        EXPECT_EQ(resultText(value, "."), text) << value;
    // The separator is written as given: the locale's comma, or the Arabic one of two bytes.
    EXPECT_EQ(resultText(-54.91572189331055F, ","), "-54,9");
    EXPECT_EQ(resultText(337.45001220703125F, "\xd9\xab"), "337\xd9\xab" "5");
}

}  // namespace
}  // namespace tarvelle
