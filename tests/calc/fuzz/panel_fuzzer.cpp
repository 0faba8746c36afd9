// Feeds arbitrary bytes through a panel's Calculate command: the first byte picks
// the panel, the rest up to a NUL byte is the text of element 0 and what follows is
// the text of element 1. Every input must end in exactly one outcome: a result
// shown (and the entries locked), or one of the three messages with nothing shown.

#include "calc/line_panels.h"
#include "calc/messages.h"
#include "fake_panel_view.h"

#include <cstdint>
#include <cstdlib>
#include <regex>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tarvelle;
    const auto require = [](bool condition) { if (!condition) std::abort(); };
    if (size == 0)
        return 0;
    const auto panel = static_cast<LinePanel>(data[0] % 3);
    const std::string rest(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::size_t split = rest.find('\0');

    FakePanelView view;
    LinePanels panels(view, ",");
    view.type(panel, rest.substr(0, split), split == std::string::npos ? std::string() : rest.substr(split + 1));
    panels.calculateCommand(panel);

    const std::string prefix = std::string("message ") + messages::errorTitle + " | ";
    std::size_t shown = 0;
    for (const auto& entry : view.log) {
        if (entry.starts_with("message ")) {
            ++shown;
            require(entry.starts_with(prefix));
            const std::string text = entry.substr(prefix.size());
            require(text == messages::emptyEntry || text == messages::zeroValue || text == messages::impossibleCalculation);
        }
    }
    const auto& state = view.at(panel);
    static const std::regex resultPattern("-?[0-9]+,[0-9]");
    require(shown <= 1);
    require(std::regex_match(state.result, resultPattern) == (shown == 0) && state.result.empty() == (shown == 1));
    require(state.enabled[0] == (shown == 1) && state.enabled[1] == (shown == 1));
    require(panels.storedResult(panel).has_value() == (shown == 0));
    return 0;
}
