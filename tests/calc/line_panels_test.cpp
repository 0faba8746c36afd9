#include "calc/line_formulas.h"
#include "calc/line_panels.h"
#include "fake_panel_view.h"
#include "float_bits.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace tarvelle {
namespace {

const std::string emptyMessage =
    "message Erreur ! | Vous devez entrer des valeurs pour effectuer le calcul !";
const std::string zeroMessage =
    "message Erreur ! | Les valeurs ne doivent pas être égales à zéro !";
const std::string impossibleMessage =
    "message Erreur ! | Le calcul est impossible avec ces valeurs !";

std::vector<std::string> rejected(const std::string& message, const std::string& panel)
{
    return {message, panel + " text0=", panel + " text1=", panel + " focus0"};
}

std::vector<std::string> locked(const std::string& panel, const std::string& result)
{
    return {panel + " result=" + result, panel + " disable0", panel + " disable1"};
}

struct Calculation {
    LinePanel panel;
    std::string small;
    std::string large;
    std::vector<std::string> log;   // every call on the window, in order
    std::string smallAfter;
    std::string largeAfter;
    std::optional<float> stored;
};

class CalculateCommand : public testing::TestWithParam<Calculation> {};

TEST_P(CalculateCommand, ChecksComputesOrRejects)
{
    const Calculation& c = GetParam();
    FakePanelView view;
    LinePanels panels(view, ".");
    view.type(c.panel, c.small, c.large);

    panels.calculateCommand(c.panel);

    EXPECT_EQ(view.log, c.log);
    const auto& state = view.at(c.panel);
    EXPECT_EQ(state.texts[0], c.smallAfter);
    EXPECT_EQ(state.texts[1], c.largeAfter);
    const bool lockedAfter = c.log.size() == 3 && c.log[2].ends_with("disable1");
    EXPECT_EQ(state.enabled[0], !lockedAfter);
    EXPECT_EQ(state.enabled[1], !lockedAfter);
    ASSERT_EQ(panels.storedResult(c.panel).has_value(), c.stored.has_value());
    if (c.stored) {
        EXPECT_EQ(bitsOf(*panels.storedResult(c.panel)), bitsOf(*c.stored));
    }
}

using P = LinePanel;

INSTANTIATE_TEST_SUITE_P(
    Paths, CalculateCommand,
    testing::Values(
        // Empty entries: one message, whichever is empty; both entries emptied.
        Calculation{P::TwoWire, "", "", rejected(emptyMessage, "panel0"), "", "", {}},
        Calculation{P::SquareCoax, "5", "", rejected(emptyMessage, "panel1"), "", "", {}},
        Calculation{P::RoundCoax, "", "5", rejected(emptyMessage, "panel2"), "", "", {}},
        // Zero values, including texts without a leading number.
        Calculation{P::TwoWire, "0", "5", rejected(zeroMessage, "panel0"), "", "", {}},
        Calculation{P::SquareCoax, "5", "0", rejected(zeroMessage, "panel1"), "", "", {}},
        Calculation{P::RoundCoax, "0", "0", rejected(zeroMessage, "panel2"), "", "", {}},
        Calculation{P::TwoWire, ".", "5", rejected(zeroMessage, "panel0"), "", "", {}},
        Calculation{P::TwoWire, "0.00", "5", rejected(zeroMessage, "panel0"), "", "", {}},
        Calculation{P::RoundCoax, "5", "-0", rejected(zeroMessage, "panel2"), "", "", {}},
        // Valid values: shown, stored and locked, no message and no focus change.
        Calculation{P::TwoWire, "2", "50", locked("panel0", "468.9"), "2", "50", 468.91571044921875F},
        Calculation{P::SquareCoax, "5", "2", locked("panel1", "-50.9"), "5", "2", -50.86075973510742F},
        Calculation{P::RoundCoax, "1", "2.2.7", locked("panel2", "47.3"), "1", "2.2.7", 47.25433349609375F},
        // A formula that cannot go on: the third message, entries kept and still enabled.
        Calculation{P::TwoWire, "2", "-5", {impossibleMessage}, "2", "-5", {}},
        Calculation{P::RoundCoax, "1e99", "1", {impossibleMessage}, "1e99", "1", {}}));

TEST(CalculateCommandLocked, ShowsTheSameValueAgain)
{
    FakePanelView view;
    LinePanels panels(view, ",");
    view.type(P::TwoWire, "2", "50");
    panels.calculateCommand(P::TwoWire);
    view.log.clear();

    panels.calculateCommand(P::TwoWire);

    EXPECT_EQ(view.log, locked("panel0", "468,9"));
    EXPECT_FALSE(view.at(P::TwoWire).enabled[0]);
    EXPECT_FALSE(view.at(P::TwoWire).enabled[1]);
}

TEST(NewCommand, UnlocksAndEmptiesButKeepsTheStore)
{
    FakePanelView view;
    LinePanels panels(view, ".");
    view.type(P::SquareCoax, "1", "3.5");
    panels.calculateCommand(P::SquareCoax);
    view.log.clear();

    panels.newCommand(P::SquareCoax);

    // The focus moves first, so that a screen reader announces the entry.
    EXPECT_EQ(view.log, (std::vector<std::string>{"panel1 enable0", "panel1 enable1", "panel1 focus0",
                                                  "panel1 text0=", "panel1 text1=", "panel1 result="}));
    EXPECT_EQ(view.focus, (FakePanelView::Focus{P::SquareCoax, 0}));
    EXPECT_EQ(view.at(P::SquareCoax).result, "");
    ASSERT_TRUE(panels.storedResult(P::SquareCoax));
    EXPECT_EQ(bitsOf(*panels.storedResult(P::SquareCoax)), bitsOf(79.1363525390625F));

    // A failing calculation afterwards leaves the previous value in the store.
    view.type(P::SquareCoax, "2", "-5");
    panels.calculateCommand(P::SquareCoax);
    EXPECT_EQ(bitsOf(*panels.storedResult(P::SquareCoax)), bitsOf(79.1363525390625F));
    EXPECT_EQ(view.at(P::SquareCoax).result, "");
}

TEST(LinePanelsIndependence, CommandsTouchOnlyTheirOwnPanel)
{
    for (const P panel : {P::TwoWire, P::SquareCoax, P::RoundCoax}) {
        FakePanelView view;
        LinePanels panels(view, ".");
        for (const P other : {P::TwoWire, P::SquareCoax, P::RoundCoax})
            view.type(other, "3", "7");
        view.at(P::RoundCoax).result = "untouched";
        const auto before = view.panels;
        const std::string tag = "panel" + std::to_string(static_cast<int>(panel)) + " ";

        panels.calculateCommand(panel);
        view.type(panel, "", "");
        panels.calculateCommand(panel);
        panels.newCommand(panel);

        for (const P other : {P::TwoWire, P::SquareCoax, P::RoundCoax}) {
            if (other == panel)
                continue;
            const auto& was = before.at(static_cast<int>(other));
            const auto& now = view.at(other);
            EXPECT_EQ(now.texts, was.texts);
            EXPECT_EQ(now.enabled, was.enabled);
            EXPECT_EQ(now.result, was.result);
            EXPECT_FALSE(panels.storedResult(other).has_value());
        }
        for (const auto& entry : view.log)
            EXPECT_TRUE(entry.starts_with(tag) || entry.starts_with("message")) << entry;
    }
}

TEST(FormulaRoutines, ValidateNothingThemselves)
{
    FakePanelView view;
    LinePanels panels(view, ".");
    EXPECT_THROW(panels.calcul1(), CalculationError);  // 0 / 0
    view.type(P::SquareCoax, "0", "1");
    EXPECT_THROW(panels.calcul2(), CalculationError);  // 1 / 0
    view.type(P::RoundCoax, "4", "8");
    panels.calcul3();
    EXPECT_EQ(view.at(P::RoundCoax).result, "41.5");
    EXPECT_TRUE(view.log.size() == 3 && view.log.front() == "panel2 result=41.5");
}

}  // namespace
}  // namespace tarvelle
