#include "calc/result_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace tarvelle {
namespace {

struct Written {
    float value;
    std::string point;  // with "." as the separator
    std::string comma;  // with ","
};

class ResultText : public testing::TestWithParam<Written> {};

TEST_P(ResultText, FollowsThePattern)
{
    const Written& c = GetParam();
    EXPECT_EQ(resultText(c.value, "."), c.point) << c.value;
    EXPECT_EQ(resultText(c.value, ","), c.comma) << c.value;
}

INSTANTIATE_TEST_SUITE_P(
    Values, ResultText,
    testing::Values(
        Written{468.91571044921875F, "468.9", "468,9"},
        Written{0.0F, "0.0", "0,0"},
        Written{0.04F, "0.0", "0,0"},
        Written{0.96F, "1.0", "1,0"},
        Written{7.0F, "7.0", "7,0"},
        Written{-54.91572189331055F, "-54.9", "-54,9"},
        Written{12379.1F, "12379.1", "12379,1"},  // no grouping
        // Exactly halfway between two tenths: away from zero.
        Written{0.25F, "0.3", "0,3"},
        Written{-0.25F, "-0.3", "-0,3"},
        Written{2.75F, "2.8", "2,8"},
        Written{1048576.25F, "1048576.3", "1048576,3"},
        // Judged on the exact single: 0.35 is stored as 0.3499999940395355.
        Written{0.35F, "0.3", "0,3"},
        Written{0.45F, "0.4", "0,4"},  // stored as 0.44999998807907104
        // A negative value that rounds to zero has no minus.
        Written{-0.04F, "0.0", "0,0"},
        Written{-0.0F, "0.0", "0,0"},
        Written{-0.05F, "-0.1", "-0,1"},
        Written{std::numeric_limits<float>::denorm_min(), "0.0", "0,0"},
        Written{std::numeric_limits<float>::max(), "340282346638528859811704183484516925440.0",
                "340282346638528859811704183484516925440,0"}));

TEST(ResultTextSeparator, IsWrittenAsGiven)
{
    EXPECT_EQ(resultText(337.45001220703125F, "\xd9\xab"), "337\xd9\xab" "5");  // Arabic decimal separator
}

}  // namespace
}  // namespace tarvelle
