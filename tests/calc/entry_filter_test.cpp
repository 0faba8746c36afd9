#include "calc/entry_filter.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace tarvelle {
namespace {

bool passes(std::int16_t code)
{
    std::int16_t KeyAscii = code;
    filterEntryKey(KeyAscii);
    EXPECT_TRUE(KeyAscii == code || KeyAscii == 0) << code << " became " << KeyAscii;
    return KeyAscii == code && code != 0;
}

TEST(EntryFilter, LetsThroughDigitsPointAndBackspaceOnly)
{
    // Every signed 16-bit code: negative ones, and codes such as 0x130 whose low byte
    // is a digit, are refused too.
    for (int code = -32768; code <= 32767; ++code) {
        const bool expected = code == 8 || code == 46 || (code >= 48 && code <= 57);
        EXPECT_EQ(passes(static_cast<std::int16_t>(code)), expected) << code;
    }
}

}  // namespace
}  // namespace tarvelle
