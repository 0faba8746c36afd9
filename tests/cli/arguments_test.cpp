#include "calc/messages.h"
#include "cli/arguments.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarvelle::cli {
namespace {

using Words = std::vector<std::string_view>;

// Each given quantity as "typed" or "count first..last" for a range, "-" when absent.
std::string describe(const std::optional<Quantity>& quantity)
{
    if (!quantity)
        return "-";
    if (!quantity->range)
        return quantity->typed;
    return std::to_string(quantity->count()) + " " + quantity->text(0) + ".." + quantity->text(quantity->count() - 1);
}

TEST(ReadArguments, AcceptsTheLineAndTwoQuantitiesInAnyOrder)
{
    const struct { Words words; const LineFormula* line; std::string small, large, impedance; bool csv, locale; } cases[] = {
        {{"bifilaire", "-d", "2", "-D", "50"}, &twoWireFormula, "2", "50", "-", false, false},
        {{"-D50", "two-wire", "--locale", "-d", "002.50"}, &twoWireFormula, "002.50", "50", "-", false, true},
        {{"ronde", "-D", "5", "-d2"}, &roundCoaxFormula, "2", "5", "-", false, false},
        {{"carrée", "-z", "50.", "-D", ".5", "--csv"}, &squareCoaxFormula, "-", ".5", "50.", true, false},
        // Ranges: decimal steps without drift, every value with the range's decimals.
        {{"ronde", "-d", "0.1:1:0.1", "-D", "7"}, &roundCoaxFormula, "10 0.1..1.0", "7", "-", false, false},
        {{"round", "-D", "1:2:0.25", "-z", "50:60.5:.5"}, &roundCoaxFormula, "-", "5 1.00..2.00", "22 50.0..60.5", false, false},
        {{"carree", "-d", "0.5:0.8:0.125", "-D", "3:3:7"}, &squareCoaxFormula, "3 0.500..0.750", "1 3..3", "-", false, false},
        // At most 10 million rows, one range or two.
        {{"ronde", "-d", "1:10000000:1", "-D", "0.001:0.001:1"}, &roundCoaxFormula, "10000000 1..10000000", "1 0.001..0.001", "-", false, false},
        {{"ronde", "-d", "1:5000:1", "-D", "1:2000.9:1"}, &roundCoaxFormula, "5000 1..5000", "2000 1.0..2000.0", "-", false, false},
    };
    for (const auto& c : cases) {
        const auto reading = readArguments(c.words);
        const auto* request = std::get_if<Request>(&reading);
        ASSERT_NE(request, nullptr) << std::get<UsageError>(reading).message;
        EXPECT_EQ(request->action, Request::Action::Calculate);
        EXPECT_EQ(request->line, c.line);
        EXPECT_EQ(describe(request->small) + " | " + describe(request->large) + " | " + describe(request->impedance),
                  c.small + " | " + c.large + " | " + c.impedance);
        EXPECT_EQ(request->csv, c.csv);
        EXPECT_EQ(request->localeSeparator, c.locale);
    }
    // --help and --version win over whatever follows them.
    for (const auto& [words, action] : {std::pair{Words{"--help", "x"}, Request::Action::ShowHelp},
                                        std::pair{Words{"ronde", "--version", "-q"}, Request::Action::ShowVersion}})
        EXPECT_EQ(std::get<Request>(readArguments(words)).action, action);
}

TEST(ReadArguments, RefusesWithTheMessageAndStatus2)
{
    const struct { Words words; std::string message; } cases[] = {
        // The window's own messages.
        {{"ronde", "-d", "", "-D", "3"}, messages::emptyEntry},
        {{"ronde", "-d", "1::2", "-D", "3"}, messages::emptyEntry},
        {{"ronde", "-d", "0.000", "-D", "3"}, messages::zeroValue},
        {{"ronde", "-d", "0:1:0.5", "-D", "3"}, messages::zeroValue},
        // Numbers as the entries take them.
        {{"ronde", "-d", "2,5", "-D", "3"}, "utilisez le point décimal : 2.5"},
        {{"ronde", "-d", "0,1:1:0,1", "-D", "3"}, "utilisez le point décimal : 0.1:1:0.1"},
        {{"ronde", "-d", "-3", "-D", "3"}, "les valeurs négatives sont refusées : -3"},
        {{"ronde", "-d", "1:-2:1", "-D", "3"}, "les valeurs négatives sont refusées : -2"},
        {{"ronde", "-d", "1e3", "-D", "3"}, "« 1e3 » n'est pas un nombre (des chiffres et au plus un point)"},
        {{"ronde", "-d", "1.2.3", "-D", "3"}, "« 1.2.3 » n'est pas un nombre (des chiffres et au plus un point)"},
        {{"ronde", "-d", ".", "-D", "3"}, "« . » n'est pas un nombre (des chiffres et au plus un point)"},
        {{"ronde", "-d", " 2", "-D", "3"}, "«  2 » n'est pas un nombre (des chiffres et au plus un point)"},
        // Ranges.
        {{"ronde", "-d", "1:2", "-D", "3"}, "plage invalide : « 1:2 » (début:fin:pas)"},
        {{"ronde", "-d", "2:1.5:0.1", "-D", "3"}, "la plage 2:1.5:0.1 donne 0 ligne : la fin est avant le début"},
        {{"ronde", "-d", "1:2:0.00", "-D", "3"}, "la plage 1:2:0.00 a un pas nul : elle donnerait une infinité de lignes"},
        {{"ronde", "-d", "0.1:1000000.1:0.1", "-D", "3"}, "la plage 0.1:1000000.1:0.1 donne 10000001 lignes, 10000000 au plus"},
        {{"ronde", "-d", "1:10000001:1", "-D", "3"}, "la plage 1:10000001:1 donne 10000001 lignes, 10000000 au plus"},
        {{"ronde", "-d", "1:2:0.000000000000000001", "-D", "3"},
         "plage trop fine : 1:2:0.000000000000000001 (18 chiffres au plus, décimales comprises)"},
        {{"ronde", "-d", "1:5000:1", "-D", "1:2001:1"}, "le tableau aurait 10005000 lignes, 10000000 au plus"},
        // The words themselves.
        {{"-d", "1", "-D", "2"}, "indiquez la ligne : bifilaire, carree ou ronde"},
        {{"coax", "-d", "1", "-D", "2"}, "ligne inconnue : « coax » (bifilaire, carree ou ronde)"},
        {{"ronde", "carree"}, "argument en trop : « carree »"},
        {{"-d", "1", "--", "square", "-z", "50"}, "argument en trop : « -z »"},
        {{"ronde", "-d", "1"}, "donnez exactement deux des options -d, -D et -z"},
        {{"ronde", "-d", "1", "-D", "2", "-z", "50"}, "donnez exactement deux des options -d, -D et -z"},
        {{"ronde", "-d", "1", "-d", "2"}, "l'option -d est donnée deux fois"},
        {{"ronde", "-D", "1", "-z"}, "l'option -z demande une valeur"},
        {{"ronde", "-x"}, "option inconnue : « -x »"},
    };
    for (const auto& c : cases) {
        const auto reading = readArguments(c.words);
        ASSERT_TRUE(std::holds_alternative<UsageError>(reading)) << c.message;
        EXPECT_EQ(std::get<UsageError>(reading).message, c.message);
        EXPECT_EQ(std::get<UsageError>(reading).status, 2) << c.message;
    }
}

}  // namespace
}  // namespace tarvelle::cli
