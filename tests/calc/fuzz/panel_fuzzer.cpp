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

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tarvelle;
    if (size == 0)
        return 0;
    const auto panel = static_cast<LinePanel>(data[0] % 3);
    const std::string rest(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::size_t split = rest.find('\0');
    const std::string small = rest.substr(0, split);
    const std::string large = split == std::string::npos ? std::string() : rest.substr(split + 1);

    FakePanelView view;
    LinePanels panels(view, ",");
    view.type(panel, small, large);
    panels.calculateCommand(panel);

    const auto& state = view.at(panel);
    std::size_t messages = 0;
    for (const auto& entry : view.log) {
        if (entry.starts_with("message ")) {
            ++messages;
            const std::string text = entry.substr(entry.find(" | ") + 3);
            require(entry.starts_with(std::string("message ") + messages::errorTitle + " | "));
            require(text == messages::emptyEntry || text == messages::zeroValue ||
                    text == messages::impossibleCalculation);
        }
    }
    static const std::regex resultPattern("-?[0-9]+,[0-9]");
    if (messages == 0) {
        require(std::regex_match(state.result, resultPattern));
        require(!state.enabled[0] && !state.enabled[1]);
        require(panels.storedResult(panel).has_value());
    } else {
        require(messages == 1);
        require(state.result.empty());
        require(state.enabled[0] && state.enabled[1]);
        require(!panels.storedResult(panel).has_value());
    }
    return 0;
}
