#pragma once

#include "calc/panel_view.h"

#include <optional>
#include <string>

namespace tarvelle {

// The New and Calculate commands of the three line panels, their formula routines
// and the result store. The panels are independent: a command touches only the
// controls of its own panel.
class LinePanels {
public:
    // decimalSeparator is written between the units and the tenths of a result.
    LinePanels(PanelView& view, std::string decimalSeparator);

    // New: both entries emptied and enabled, focus to element 0, result emptied.
    void newCommand(LinePanel panel);
    // Calculate: checks that both entries hold a non-zero value, then runs the
    // panel's formula routine; reports what goes wrong in a message box.
    void calculateCommand(LinePanel panel);

    // The formula routines: read the panel's entries, store and show the impedance,
    // lock the entries. They validate nothing and throw CalculationError.
    void calcul1();
    void calcul2();
    void calcul3();

    // The panel's last impedance; empty until its first successful calculation.
    std::optional<float> storedResult(LinePanel panel) const;

private:
    void calcul(LinePanel panel);
    void rejectEntries(LinePanel panel, const char* message);
    template <typename Self>
    static auto& slotOf(Self& self, LinePanel panel);

    PanelView& view_;
    std::string decimalSeparator_;
    std::optional<float> resultat1;
    std::optional<float> resultat2;
    std::optional<float> resultat3;
};

}  // namespace tarvelle
