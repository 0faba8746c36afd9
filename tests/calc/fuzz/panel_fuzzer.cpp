// Feeds arbitrary bytes through a panel's Calculate command: the first byte picks
// the panel, the rest up to a NUL byte is the text of element 0 and what follows is
// the text of element 1. Every input must end in exactly one outcome: a result
// shown (and the entries locked), or one of the three messages with nothing shown.
// The same bytes after the first, split at NUL bytes, are also the words of a
// tarvelle-calc command: refused with status 2, or read into a request that holds
// together and, when small, computes with status 0 or 1.

#include "calc/characters.h"
#include "calc/line_panels.h"
#include "calc/messages.h"
#include "calc/numeric_text.h"
#include "cli/arguments.h"
#include "cli/run.h"
#include "fake_panel_view.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// "-?[0-9]+,[0-9]": a result as the window shows it, with a decimal comma.
bool isResultText(std::string_view text)
{
    if (text.starts_with('-'))
        text.remove_prefix(1);
    const std::size_t comma = text.find(',');
    return comma != std::string_view::npos && comma > 0 && text.size() == comma + 2 &&
           std::all_of(text.begin(), text.begin() + comma, tarvelle::isDigit) && tarvelle::isDigit(text.back());
}

void checkCommand(const std::string& bytes, const auto& require)
{
    using namespace tarvelle::cli;
    std::vector<std::string_view> words;
    for (std::size_t start = 0; start <= bytes.size();) {
        const std::size_t end = std::min(bytes.find('\0', start), bytes.size());
        words.push_back(std::string_view(bytes).substr(start, end - start));
        start = end + 1;
    }
    const auto reading = readArguments(words);
    if (const auto* error = std::get_if<UsageError>(&reading)) {
        require(error->status == 2 && !error->message.empty());
        return;
    }
    const Request& request = std::get<Request>(reading);
    if (request.action != Request::Action::Calculate)
        return;
    require(request.line.has_value() && request.permittivity >= 1.0);
    std::int64_t rows = 1;
    int given = 0;
    for (const auto* quantity : {&request.small, &request.large, &request.impedance}) {
        if (!*quantity)
            continue;
        ++given;
        const Quantity& q = **quantity;
        require(q.count() >= 1 && (q.range || tarvelle::numericValue(q.typed) > 0.0));
        require(!q.range || (tarvelle::numericValue(q.text(0)) > 0.0 &&
                             tarvelle::numericValue(q.text(q.count() - 1)) >= tarvelle::numericValue(q.text(0))));
        rows *= q.count();
    }
    require(given == 2 && rows <= maxRows);
    if (rows <= 16) {
        static std::FILE* const sink = std::fopen("/dev/null", "w");
        const int status = runRequest(request, ",", sink, sink);
        require(status == 0 || status == 1);
    }
}

}  // namespace

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
    require(shown <= 1);
    require(isResultText(state.result) == (shown == 0) && state.result.empty() == (shown == 1));
    require(state.enabled[0] == (shown == 1) && state.enabled[1] == (shown == 1));
    require(panels.storedResult(panel).has_value() == (shown == 0));

    checkCommand(rest, require);
    return 0;
}
