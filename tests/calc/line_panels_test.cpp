#include "calc/line_panels.h"
#include "fake_panel_view.h"
#include "float_bits.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace tarvelle {
namespace {

using P = LinePanel;
using Log = std::vector<std::string>;

const std::string emptyMessage = "message Erreur ! | Vous devez entrer des valeurs pour effectuer le calcul !";
const std::string zeroMessage = "message Erreur ! | Les valeurs ne doivent pas être égales à zéro !";
const std::string impossibleMessage = "message Erreur ! | Le calcul est impossible avec ces valeurs !";

Log rejected(const std::string& message, const std::string& panel)
{
    return {message, panel + " text0=", panel + " text1=", panel + " focus0"};
}
Log locked(const std::string& panel, const std::string& result)
{
    return {panel + " result=" + result, panel + " disable0", panel + " disable1"};
}

// The log holds every call on the window, in order: a command touches only its own
// panel, and only its own panel's store.
TEST(CalculateCommand, ChecksComputesOrRejects)
{
    const struct { P panel; const char *small, *large; Log log; std::optional<float> stored; } cases[] = {
        // An empty entry, whichever it is: the message, both entries emptied, d focused.
        {P::SquareCoax, "5", "", rejected(emptyMessage, "panel1"), {}},
        {P::RoundCoax, "", "5", rejected(emptyMessage, "panel2"), {}},
        // A value that reads as zero, whichever it is.
        {P::TwoWire, "0", "5", rejected(zeroMessage, "panel0"), {}},
        {P::RoundCoax, "5", "-0", rejected(zeroMessage, "panel2"), {}},
        // Valid values: shown with the separator, stored and locked; no message, no focus change.
        {P::TwoWire, "2", "50", locked("panel0", "468,9"), 468.91571044921875F},
        {P::SquareCoax, "5", "2", locked("panel1", "-50,9"), -50.86075973510742F},
        {P::RoundCoax, "1", "2.2.7", locked("panel2", "47,3"), 47.25433349609375F},
        // A formula that cannot go on: the third message alone; entries kept and enabled.
        {P::TwoWire, "2", "-5", {impossibleMessage}, {}},
    };
    for (const auto& c : cases) {
        FakePanelView view;
        LinePanels panels(view, ",");
        view.type(c.panel, c.small, c.large);
        panels.calculateCommand(c.panel);
        EXPECT_EQ(view.log, c.log) << c.small << " | " << c.large;
        for (const P panel : {P::TwoWire, P::SquareCoax, P::RoundCoax})
            EXPECT_EQ(bitsOf(panels.storedResult(panel)), panel == c.panel ? bitsOf(c.stored) : std::nullopt) << c.large;
    }
}

TEST(NewCommand, UnlocksAndEmptiesButKeepsTheStore)
{
    FakePanelView view;
    LinePanels panels(view, ".");
    view.type(P::SquareCoax, "1", "3.5");
    panels.calculateCommand(P::SquareCoax);
    view.log.clear();
    panels.calculateCommand(P::SquareCoax);  // locked: the same value again
    EXPECT_EQ(view.log, locked("panel1", "79.1"));
    view.log.clear();

    panels.newCommand(P::SquareCoax);

    // The focus moves before the entries are emptied, so that a screen reader announces the entry.
    EXPECT_EQ(view.log, (Log{"panel1 enable0", "panel1 enable1", "panel1 focus0", "panel1 text0=", "panel1 text1=",
                             "panel1 result="}));
    EXPECT_EQ(bitsOf(panels.storedResult(P::SquareCoax)), bitsOf(79.1363525390625F));
    // A failing calculation afterwards leaves the previous value in the store.
    view.type(P::SquareCoax, "2", "-5");
    panels.calculateCommand(P::SquareCoax);
    EXPECT_EQ(bitsOf(panels.storedResult(P::SquareCoax)), bitsOf(79.1363525390625F));
}

}  // namespace
}  // namespace tarvelle
