#include "calc/numeric_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

namespace tarvelle {
namespace {

struct Conversion {
    std::string text;
    double value;
};

class NumericValue : public testing::TestWithParam<Conversion> {};

TEST_P(NumericValue, ReadsTheLeadingNumber)
{
    const auto& [text, expected] = GetParam();
    const double actual = numericValue(text);
    EXPECT_EQ(actual, expected) << '"' << text << '"';
    EXPECT_EQ(std::signbit(actual), std::signbit(expected)) << '"' << text << '"';
}

constexpr double inf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Texts, NumericValue,
    testing::Values(
        // The reference table of the calculator.
        Conversion{"12.5", 12.5}, Conversion{"12.5.7", 12.5}, Conversion{".5", 0.5},
        Conversion{"5.", 5.0}, Conversion{"007", 7.0}, Conversion{".", 0.0},
        Conversion{"", 0.0}, Conversion{"3,5", 3.0},
        // Signs.
        Conversion{"-5", -5.0}, Conversion{"+5", 5.0}, Conversion{"-", 0.0}, Conversion{"+.", 0.0},
        Conversion{"--5", 0.0}, Conversion{"-0", -0.0}, Conversion{"-.25", -0.25},
        // Exponents, with and without digits.
        Conversion{"1e3", 1000.0}, Conversion{"1E3", 1000.0}, Conversion{"2.5e-1", 0.25},
        Conversion{"1e+2", 100.0}, Conversion{"1e", 1.0}, Conversion{"1e+", 1.0},
        Conversion{"1e-x", 1.0}, Conversion{".5e1", 5.0}, Conversion{"e5", 0.0},
        Conversion{"1e2.5", 100.0}, Conversion{"1e99", 1e99},
        // Blanks, tabs and line feeds are skipped wherever they stand.
        Conversion{"  12", 12.0}, Conversion{"1 2", 12.0}, Conversion{"1\t2.\n5", 12.5},
        Conversion{"- 5", -5.0}, Conversion{"1 e 2", 100.0}, Conversion{"\r5", 0.0},
        // Beyond the double range, and below it.
        Conversion{"1e999", inf}, Conversion{"-1e999", -inf}, Conversion{"1e-999", 0.0},
        Conversion{"0.000e999", 0.0}, Conversion{"1e99999999999999999999", inf},
        // Forms that are not read.
        Conversion{"inf", 0.0}, Conversion{"nan", 0.0}, Conversion{"0x1A", 0.0},
        Conversion{"1,5", 1.0}, Conversion{"&H10", 0.0}, Conversion{"1d2", 1.0},
        Conversion{"12abc", 12.0}, Conversion{"\xc3\xa9" "5", 0.0}));

TEST(NumericValueLocale, IgnoresTheProcessLocale)
{
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    if (std::setlocale(LC_ALL, "fr_FR.UTF-8") == nullptr && std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr)
        GTEST_SKIP() << "no locale with a decimal comma on this machine";
    EXPECT_EQ(numericValue("12.5"), 12.5);
    EXPECT_EQ(numericValue("12,5"), 12.0);
    std::setlocale(LC_ALL, previous.c_str());
}

}  // namespace
}  // namespace tarvelle
