#pragma once

#include <string>
#include <string_view>

namespace tarvelle {

// The three line panels of the window, top to bottom.
enum class LinePanel { TwoWire = 0, SquareCoax = 1, RoundCoax = 2 };

// Element 0 of a panel's entry array holds d, element 1 holds D.
inline constexpr int elementSmall = 0;
inline constexpr int elementLarge = 1;

// All that the panel commands need of the window. Texts are UTF-8.
class PanelView {
public:
    virtual ~PanelView() = default;

    virtual std::string entryText(LinePanel panel, int element) const = 0;
    virtual void setEntryText(LinePanel panel, int element, std::string_view text) = 0;
    virtual void setEntryEnabled(LinePanel panel, int element, bool enabled) = 0;
    virtual void focusEntry(LinePanel panel, int element) = 0;
    virtual void setResultText(LinePanel panel, std::string_view text) = 0;
    // A modal box with this title and text, the critical icon and an OK button
    // alone; returns once the user has closed it.
    virtual void showErrorMessage(std::string_view title, std::string_view text) = 0;
};

}  // namespace tarvelle
