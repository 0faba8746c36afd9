#include "calc/line_panels.h"

#include "calc/line.h"
#include "calc/messages.h"
#include "calc/numeric_text.h"
#include "calc/result_text.h"

#include <utility>

namespace tarvelle {
namespace {

Line lineOf(LinePanel panel)
{
    switch (panel) {
    case LinePanel::TwoWire: return TwoWireLine{};
    case LinePanel::SquareCoax: return SquareCoaxLine{};
    case LinePanel::RoundCoax: return RoundCoaxLine{};
    }
    return TwoWireLine{};
}

}  // namespace

template <typename Self>
auto& LinePanels::slotOf(Self& self, LinePanel panel)
{
    switch (panel) {
    case LinePanel::TwoWire: return self.resultat1;
    case LinePanel::SquareCoax: return self.resultat2;
    case LinePanel::RoundCoax: return self.resultat3;
    }
    return self.resultat1;
}

LinePanels::LinePanels(PanelView& view, std::string decimalSeparator)
    : view_(view), decimalSeparator_(std::move(decimalSeparator))
{
}

void LinePanels::newCommand(LinePanel panel)
{
    // The focus moves before the entries are emptied, so that a screen reader
    // announces the entry that receives it rather than taking the emptying for the move.
    view_.setEntryEnabled(panel, elementSmall, true);
    view_.setEntryEnabled(panel, elementLarge, true);
    view_.focusEntry(panel, elementSmall);
    view_.setEntryText(panel, elementSmall, "");
    view_.setEntryText(panel, elementLarge, "");
    view_.setResultText(panel, "");
}

void LinePanels::calculateCommand(LinePanel panel)
{
    const bool smallEmpty = view_.entryText(panel, elementSmall).empty();
    const bool largeEmpty = view_.entryText(panel, elementLarge).empty();
    if (smallEmpty || largeEmpty) {
        rejectEntries(panel, messages::emptyEntry);
        return;
    }
    const bool smallZero = numericValue(view_.entryText(panel, elementSmall)) == 0.0;
    const bool largeZero = numericValue(view_.entryText(panel, elementLarge)) == 0.0;
    if (smallZero || largeZero) {
        rejectEntries(panel, messages::zeroValue);
        return;
    }
    try {
        switch (panel) {
        case LinePanel::TwoWire: calcul1(); break;
        case LinePanel::SquareCoax: calcul2(); break;
        case LinePanel::RoundCoax: calcul3(); break;
        }
    } catch (const CalculationError&) {
        // The routine stopped before storing or locking anything; the user may
        // correct the entries as they stand.
        view_.showErrorMessage(messages::errorTitle, messages::impossibleCalculation);
    }
}

void LinePanels::calcul1() { calcul(LinePanel::TwoWire); }
void LinePanels::calcul2() { calcul(LinePanel::SquareCoax); }
void LinePanels::calcul3() { calcul(LinePanel::RoundCoax); }

std::optional<float> LinePanels::storedResult(LinePanel panel) const
{
    return slotOf(*this, panel);
}

void LinePanels::calcul(LinePanel panel)
{
    const double D = numericValue(view_.entryText(panel, elementLarge));
    const double d = numericValue(view_.entryText(panel, elementSmall));
    std::optional<float>& slot = slotOf(*this, panel);
    slot = lineOf(panel).handbookImpedance(d, D);
    view_.setResultText(panel, resultText(*slot, decimalSeparator_));
    view_.setEntryEnabled(panel, elementSmall, false);
    view_.setEntryEnabled(panel, elementLarge, false);
}

void LinePanels::rejectEntries(LinePanel panel, const char* message)
{
    view_.showErrorMessage(messages::errorTitle, message);
    view_.setEntryText(panel, elementSmall, "");
    view_.setEntryText(panel, elementLarge, "");
    view_.focusEntry(panel, elementSmall);
}

}  // namespace tarvelle
