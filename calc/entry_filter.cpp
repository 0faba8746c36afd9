#include "calc/entry_filter.h"

namespace tarvelle {

void filterEntryKey(std::int16_t& KeyAscii)
{
    const bool digit = KeyAscii >= 48 && KeyAscii <= 57;
    if (!(digit || KeyAscii == 8 || KeyAscii == 46))
        KeyAscii = 0;
}

}  // namespace tarvelle
