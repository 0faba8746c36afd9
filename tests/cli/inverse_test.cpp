#include "calc/line_formulas.h"
#include "calc/numeric_text.h"
#include "calc/result_text.h"
#include "cli/inverse.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>

namespace tarvelle::cli {
namespace {

constexpr auto small = Dimension::Small;
constexpr auto large = Dimension::Large;

// The test's own writing of a scaled number: (12345, 3) gives "12.345".
std::string scaledText(long long scaled, int decimals)
{
    const long long unit = decimals == 3 ? 1000 : decimals == 2 ? 100 : 10;
    char text[48];
    std::snprintf(text, sizeof text, "%lld.%0*lld", scaled / unit, decimals, scaled % unit);
    return text;
}

// What the window shows with the free dimension typed as that many micrometres.
std::string windowShows(const LineFormula& line, Dimension free, double fixed, long long step)
{
    const double x = numericValue(scaledText(step, 3));
    return resultText(free == small ? lineImpedance(line, x, fixed) : lineImpedance(line, fixed, x), ".");
}

std::string outcome(const std::variant<Solution, std::string>& answer)
{
    if (const auto* message = std::get_if<std::string>(&answer))
        return *message;
    const auto& solution = std::get<Solution>(answer);
    return scaledText(solution.micrometres, 3) + " " + resultText(solution.impedance, ".") +
           (solution.showsTarget ? "" : " not " + solution.target);
}

// Worked out apart from the program: the exact inverse, then the window's single
// precision steps for the micrometres around it.
TEST(SolveDimension, GivesTheNearestStepThatShowsTheTargetOrNamesTheLimit)
{
    const std::string tiny35 = "0." + std::string(34, '0') + "1";  // 1e-35
    const std::string tiny300 = "0." + std::string(299, '0') + "1";
    const struct { const LineFormula* line; Dimension free; std::string fixed; const char* target; std::string expected; } cases[] = {
        {&twoWireFormula, large, "2", "450", "42.701 450.0"},  // exact 42.70068
        {&roundCoaxFormula, large, "6", "50", "13.819 50.0"},  // 13.81879
        {&roundCoaxFormula, small, "14", "50", "6.079 50.0"},  // 6.07868
        {&squareCoaxFormula, large, "5", "50", "10.762 50.0"}, // 10.76230
        // 50.05 is 50.1 on its decimal text (the double below it would say 50.0): the
        // exact 13.83033 shows 50.0, 13.831 is the nearest that shows 50.1.
        {&roundCoaxFormula, large, "6", "50.05", "13.831 50.1"},
        // No step shows 100.0: 0.094 shows 100.2 and 0.095 shows 99.5; exact 0.094261.
        {&roundCoaxFormula, small, "0.5", "100", "0.094 100.2 not 100.0"},
        // The limits: D beyond d, judged on the tenth the window would show (83.08 is
        // 83.1, which D = 2.001 shows as D = d does), and the steps from 0.001 mm to
        // 100000 mm.
        {&twoWireFormula, large, "2", "83.08", "2.001 83.1"},
        {&twoWireFormula, large, "2", "83.04", "impédance trop faible : il faudrait D ≤ d (cette ligne donne 83.08 ohms pour D = d)"},
        {&squareCoaxFormula, small, "2", "4.05", "1.999 4.1"},  // 4.085 for d = 1.999
        {&squareCoaxFormula, small, "2", "4.04", "impédance trop faible : il faudrait D ≤ d (cette ligne donne 4.05 ohms pour D = d)"},
        {&roundCoaxFormula, large, "1", "690", "100000.000 690.0"},
        {&roundCoaxFormula, large, "1", "690.01", "il faudrait D > 100000 mm"},
        {&roundCoaxFormula, small, "1", "414", "0.001 414.0"},
        {&roundCoaxFormula, small, "1", "455.5", "0.001 414.0 not 455.5"},  // exact 0.00050035
        {&roundCoaxFormula, small, "1", "456", "il faudrait d < 0.001 mm, en dessous du micromètre"},
        // 5317.4 needs a ratio beyond single precision; the last step before it shows 5317.4.
        {&roundCoaxFormula, large, tiny35, "5317.4", "3402.823 5317.4"},
        {&roundCoaxFormula, large, tiny300, "50", "il faudrait D < 0.001 mm, en dessous du micromètre"},
        {&roundCoaxFormula, large, "1", "99999999999999999999999999", "il faudrait D > 100000 mm"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(outcome(solveDimension(*c.line, c.free, c.fixed, c.target)), c.expected) << c.target;
}

// For random lines, dimensions and targets: the answer is what the window shows for
// it, and no step nearer the exact inverse shows the target (nor, when the answer
// does not show it, any step around it).
TEST(SolveDimension, NoNearerStepShowsTheTarget)
{
    std::mt19937_64 random(20261207);
    const LineFormula* lines[] = {&twoWireFormula, &squareCoaxFormula, &roundCoaxFormula};
    int showing = 0;
    int notShowing = 0;
    for (int i = 0; i < 600; ++i) {
        const LineFormula& line = *lines[i % 3];
        const Dimension free = i % 2 == 0 ? large : small;
        const double d = std::exp(std::uniform_real_distribution(std::log(0.01), std::log(20.0))(random));
        const double ratio = std::uniform_real_distribution(1.2, 40.0)(random);
        const long long hundredths = std::llround(100 * line.factor * std::log10(line.multiplier * ratio));
        const std::string target = scaledText(hundredths, 2);
        const std::string fixedText = scaledText(std::llround((free == large ? d : d * ratio) * 1000), 3);
        const double fixed = numericValue(fixedText);
        const double power = std::pow(10.0, hundredths / 100.0 / line.factor);
        const double exact = (free == large ? fixed * power / line.multiplier : line.multiplier * fixed / power) * 1000;

        const auto answer = solveDimension(line, free, fixedText, target);
        ASSERT_TRUE(std::holds_alternative<Solution>(answer)) << std::get<std::string>(answer);
        const Solution& solution = std::get<Solution>(answer);
        const std::string wanted = scaledText((hundredths + 5) / 10, 1);
        const std::string shown = windowShows(line, free, fixed, solution.micrometres);
        ASSERT_EQ(solution.target, wanted);
        ASSERT_EQ(resultText(solution.impedance, "."), shown);
        ASSERT_EQ(solution.showsTarget, shown == wanted) << target << " at " << solution.micrometres;
        (solution.showsTarget ? showing : notShowing)++;

        const double distance = std::abs(solution.micrometres - exact);
        if (!solution.showsTarget) {
            ASSERT_LE(distance, 0.5 + 1e-6) << target;
        }
        const long long reach = solution.showsTarget ? static_cast<long long>(distance) + 1 : 200;
        for (long long step = std::llround(exact) - reach; step <= std::llround(exact) + reach; ++step) {
            if (step >= smallestStep && (!solution.showsTarget || std::abs(step - exact) < distance - 1e-6)) {
                ASSERT_NE(windowShows(line, free, fixed, step), wanted) << target << ": " << step << " is nearer";
            }
        }
    }
    EXPECT_GT(showing, 100);
    EXPECT_GT(notShowing, 50);
}

}  // namespace
}  // namespace tarvelle::cli
