// The fixed table of keys and mouse buttons a binding can be given. A key is named everywhere by
// its row number, the key index, which is also its position in the editor's key list.
#pragma once

#include <cstddef>
#include <cstdint>

struct KeyEntry {
    const char* label;  // shown in the key list
    const char* token;  // written after the "=" of a keys.cfg line
};

constexpr std::int32_t kKeyCount = 111;
constexpr std::int32_t kNoKey = -1;          // a token that matched no row
constexpr std::size_t kMaxTokenLength = 19;  // "Center_Mouse_Button"

extern const KeyEntry KeyTable[kKeyCount];

// The row whose token equals text, ignoring ASCII letter case only, or kNoKey.
std::int32_t FindKeyByToken(const char* text);

// The same answer as FindKeyByToken, found by comparing with every row in turn. Kept as the
// reference that the fast lookup is tested against.
std::int32_t FindKeyByTokenScan(const char* text);
