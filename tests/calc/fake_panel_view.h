#pragma once

#include "calc/panel_view.h"

#include <array>
#include <string>
#include <vector>

namespace tarvelle {

// A window without widgets: keeps the state of each panel's controls and logs every
// call, so that tests can check both the outcome and the order of the steps.
class FakePanelView : public PanelView {
public:
    struct Panel {
        std::array<std::string, 2> texts;
        std::array<bool, 2> enabled{true, true};
        std::string result;
    };
    std::array<Panel, 3> panels;
    std::vector<std::string> log;

    Panel& at(LinePanel panel) { return panels.at(static_cast<int>(panel)); }
    const Panel& at(LinePanel panel) const { return panels.at(static_cast<int>(panel)); }
    // Types both texts of a panel, as the user would.
    void type(LinePanel panel, std::string small, std::string large) { at(panel).texts = {small, large}; }

    std::string entryText(LinePanel panel, int element) const override { return at(panel).texts.at(element); }
    void setEntryText(LinePanel panel, int element, std::string_view text) override
    {
        at(panel).texts.at(element) = text;
        record(panel, "text" + std::to_string(element) + "=" + std::string(text));
    }
    void setEntryEnabled(LinePanel panel, int element, bool enabled) override
    {
        at(panel).enabled.at(element) = enabled;
        record(panel, (enabled ? "enable" : "disable") + std::to_string(element));
    }
    void focusEntry(LinePanel panel, int element) override { record(panel, "focus" + std::to_string(element)); }
    void setResultText(LinePanel panel, std::string_view text) override
    {
        at(panel).result = text;
        record(panel, "result=" + std::string(text));
    }
    void showErrorMessage(std::string_view title, std::string_view text) override
    {
        log.push_back("message " + std::string(title) + " | " + std::string(text));
    }

private:
    void record(LinePanel panel, const std::string& what)
    {
        log.push_back("panel" + std::to_string(static_cast<int>(panel)) + " " + what);
    }
};

}  // namespace tarvelle
