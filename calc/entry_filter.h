#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarvelle {

// Keeps typing in the entries numeric: backspace (8), the point (46) and the digits
// (48 to 57) pass unchanged; every other character code, compared as a signed
// 16-bit value, is set to 0, which discards the character.
void filterEntryKey(std::int16_t& KeyAscii);

// Text that reaches an entry without key events (a paste, a drop, an input method's
// commit, an insertion by an assistive tool) is taken whole or not at all: with the
// blanks around it removed, it is taken when every character is one that typing
// would insert (a digit or the point) and it fits in the `room` characters left in
// the entry. Returns the text to insert, or nothing when it is refused.
std::optional<std::string> acceptedInsertion(std::string_view text, std::size_t room);

}  // namespace tarvelle
