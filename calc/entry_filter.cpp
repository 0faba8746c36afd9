#include "calc/entry_filter.h"

#include "calc/characters.h"

namespace tarvelle {

void filterEntryKey(std::int16_t& KeyAscii)
{
    const bool number = KeyAscii >= 0 && KeyAscii < 128 && isNumberCharacter(static_cast<char>(KeyAscii));
    if (!(number || KeyAscii == 8))
        KeyAscii = 0;
}

std::optional<std::string> acceptedInsertion(std::string_view text, std::size_t room)
{
    constexpr std::string_view blanks = " \t\r\n\v\f";
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return std::nullopt;  // nothing but blanks
    const std::string_view kept = text.substr(first, text.find_last_not_of(blanks) - first + 1);
    if (kept.size() > room)
        return std::nullopt;
    for (const char c : kept) {
        // Backspace passes the key filter, but it edits rather than inserts.
        auto KeyAscii = static_cast<std::int16_t>(static_cast<unsigned char>(c));
        filterEntryKey(KeyAscii);
        if (KeyAscii == 0 || KeyAscii == 8)
            return std::nullopt;
    }
    return std::string(kept);
}

}  // namespace tarvelle
