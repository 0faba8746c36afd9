#pragma once

#include <cstdint>

namespace tarvelle {

// Keeps typing in the entries numeric: backspace (8), the point (46) and the digits
// (48 to 57) pass unchanged; every other character code, compared as a signed
// 16-bit value, is set to 0, which discards the character.
void filterEntryKey(std::int16_t& KeyAscii);

}  // namespace tarvelle
