#include "calc/dimension_search.h"
#include "calc/numeric_text.h"
#include "calc/result_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>

namespace tarvelle {
namespace {

constexpr auto small = Dimension::Small, large = Dimension::Large;

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

// For random lines, dimensions and targets: the answer is what the window shows for
// it, and no step nearer the exact inverse shows the target (nor, when the answer
// does not show it, any step around it).
TEST(SolveDimension, NoNearerStepShowsTheTarget)
{
    std::mt19937_64 random(20261207);
    const Line lines[] = {TwoWireLine{}, SquareCoaxLine{}, RoundCoaxLine{}};
    int showing = 0, notShowing = 0;
    for (int i = 0; i < 600; ++i) {
        const LineFormula& line = lines[i % 3].handbook();
        const Dimension free = i % 2 == 0 ? large : small;
        const double d = std::exp(std::uniform_real_distribution(std::log(0.01), std::log(20.0))(random));
        const double ratio = std::uniform_real_distribution(1.2, 40.0)(random);
        const long long hundredths = std::llround(100 * line.factor * std::log10(line.multiplier * ratio));
        const std::string target = scaledText(hundredths, 2);
        const std::string fixedText = scaledText(std::llround((free == large ? d : d * ratio) * 1000), 3);
        const double fixed = numericValue(fixedText);
        const double power = std::pow(10.0, hundredths / 100.0 / line.factor);
        const double exact = (free == large ? fixed * power / line.multiplier : line.multiplier * fixed / power) * 1000;

        const auto answer = solveDimension(ImpedanceModel(lines[i % 3], false, 1.0), free, fixedText, target);
        ASSERT_TRUE(std::holds_alternative<Solution>(answer)) << std::get<std::string>(answer);
        const Solution& solution = std::get<Solution>(answer);
        const std::string wanted = scaledText((hundredths + 5) / 10, 1);
        const std::string shown = windowShows(line, free, fixed, solution.micrometres);
        ASSERT_EQ(solution.target, wanted);
        ASSERT_EQ(resultText(solution.impedance, "."), shown);
        ASSERT_EQ(solution.showsTarget, shown == wanted) << target << " at " << solution.micrometres;
        (solution.showsTarget ? showing : notShowing)++;

        const double distance = std::abs(solution.micrometres - exact);
        ASSERT_TRUE(solution.showsTarget || distance <= 0.5 + 1e-6) << target;
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
}  // namespace tarvelle
