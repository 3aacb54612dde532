// The key table's rows, and the lookup from a keys.cfg token to its row.
#include "key_table.h"

#include <array>
#include <cstdint>

// Row order is the key list's order and fixes every key index: never reorder or insert.
// constexpr, so that the lookup order below is sorted at compile time.
constexpr KeyEntry KeyTable[kKeyCount] = {
    {"None", "None_Key"},                            // 0
    {"F1", "F1_Key"},                                // 1
    {"F2", "F2_Key"},                                // 2
    {"F3", "F3_Key"},                                // 3
    {"F4", "F4_Key"},                                // 4
    {"F5", "F5_Key"},                                // 5
    {"F6", "F6_Key"},                                // 6
    {"F7", "F7_Key"},                                // 7
    {"F8", "F8_Key"},                                // 8
    {"F9", "F9_Key"},                                // 9
    {"F10", "F10_Key"},                              // 10
    {"F11", "F11_Key"},                              // 11
    {"F12", "F12_Key"},                              // 12
    {"0", "0_Key"},                                  // 13
    {"1", "1_Key"},                                  // 14
    {"2", "2_Key"},                                  // 15
    {"3", "3_Key"},                                  // 16
    {"4", "4_Key"},                                  // 17
    {"5", "5_Key"},                                  // 18
    {"6", "6_Key"},                                  // 19
    {"7", "7_Key"},                                  // 20
    {"8", "8_Key"},                                  // 21
    {"9", "9_Key"},                                  // 22
    {"A", "A_Key"},                                  // 23
    {"B", "B_Key"},                                  // 24
    {"C", "C_Key"},                                  // 25
    {"D", "D_Key"},                                  // 26
    {"E", "E_Key"},                                  // 27
    {"F", "F_Key"},                                  // 28
    {"G", "G_Key"},                                  // 29
    {"H", "H_Key"},                                  // 30
    {"I", "I_Key"},                                  // 31
    {"J", "J_Key"},                                  // 32
    {"K", "K_Key"},                                  // 33
    {"L", "L_Key"},                                  // 34
    {"M", "M_Key"},                                  // 35
    {"N", "N_Key"},                                  // 36
    {"O", "O_Key"},                                  // 37
    {"P", "P_Key"},                                  // 38
    {"Q", "Q_Key"},                                  // 39
    {"R", "R_Key"},                                  // 40
    {"S", "S_Key"},                                  // 41
    {"T", "T_Key"},                                  // 42
    {"U", "U_Key"},                                  // 43
    {"V", "V_Key"},                                  // 44
    {"W", "W_Key"},                                  // 45
    {"X", "X_Key"},                                  // 46
    {"Y", "Y_Key"},                                  // 47
    {"Z", "Z_Key"},                                  // 48
    {"MINUS", "Minus_Key"},                          // 49
    {"EQUALS", "Equals_Key"},                        // 50
    {"BACK", "Backspace_Key"},                       // 51
    {"TAB", "Tab_Key"},                              // 52
    {"LBRACKET", "Left_Bracket_Key"},                // 53
    {"RBRACKET", "Right_Bracket_Key"},               // 54
    {"RETURN", "Enter_Key"},                         // 55
    {"SEMICOLON", "Semicolon_Key"},                  // 56
    {"'", "Apostrophe_Key"},                         // 57
    {"GRAVE/~", "Grave_Key"},                        // 58
    {"BACKSLASH", "Backslash_Key"},                  // 59
    {"COMMA", "Comma_Key"},                          // 60
    {"PERIOD", "Period_Key"},                        // 61
    {"SLASH", "Slash_Key"},                          // 62
    {"SPACE", "Space_Bar_Key"},                      // 63
    {"CAPS LOCK", "Caps_Lock_Key"},                  // 64
    {"NUM LOCK", "Num_Lock_Key"},                    // 65
    {"SCROLL LOCK", "Scroll_Lock_Key"},              // 66
    {"ESCAPE", "Escape_Key"},                        // 67
    {"NUMPAD0", "Keypad_0_Key"},                     // 68
    {"NUMPAD1", "Keypad_1_Key"},                     // 69
    {"NUMPAD2", "Keypad_2_Key"},                     // 70
    {"NUMPAD3", "Keypad_3_Key"},                     // 71
    {"NUMPAD4", "Keypad_4_Key"},                     // 72
    {"NUMPAD5", "Keypad_5_Key"},                     // 73
    {"NUMPAD6", "Keypad_6_Key"},                     // 74
    {"NUMPAD7", "Keypad_7_Key"},                     // 75
    {"NUMPAD8", "Keypad_8_Key"},                     // 76
    {"NUMPAD9", "Keypad_9_Key"},                     // 77
    {"NUMPAD MINUS", "Keypad_Minus_Key"},            // 78
    {"NUMPAD MULTIPLY", "Keypad_Star_Key"},          // 79
    {"NUMPAD PLUS", "Keypad_Plus_Key"},              // 80
    {"NUMPAD DECIMAL", "Keypad_Period_Key"},         // 81
    {"NUMPAD ENTER", "Keypad_Enter_Key"},            // 82
    {"NUMPAD DIVIDE", "Keypad_Slash_Key"},           // 83
    {"HOME", "Home_Key"},                            // 84
    {"PAGE UP", "Page_Up_Key"},                      // 85
    {"END", "End_Key"},                              // 86
    {"PAGE DOWN", "Page_Down_Key"},                  // 87
    {"INSERT", "Insert_Key"},                        // 88
    {"DELETE", "Delete_Key"},                        // 89
    {"ARROW UP", "Up_Key"},                          // 90
    {"ARROW DOWN", "Down_Key"},                      // 91
    {"ARROW LEFT", "Left_Key"},                      // 92
    {"ARROW RIGHT", "Right_Key"},                    // 93
    {"SYSRQ", "Sys_Req_Key"},                        // 94
    {"CONTROL", "Control_Key"},                      // 95
    {"LEFT CONTROL", "Left_Control_Key"},            // 96
    {"RIGHT CONTROL", "Right_Control_Key"},          // 97
    {"SHIFT", "Shift_Key"},                          // 98
    {"LEFT SHIFT", "Left_Shift_Key"},                // 99
    {"RIGHT SHIFT", "Right_Shift_Key"},              // 100
    {"ALT", "Alt_Key"},                              // 101
    {"LEFT ALT", "Left_Alt_Key"},                    // 102
    {"RIGHT ALT", "Right_Alt_Key"},                  // 103
    {"WIN", "Windows_Key"},                          // 104
    {"LEFT WIN", "Left_Windows_Key"},                // 105
    {"RIGHT WIN", "Right_Windows_Key"},              // 106
    {"APPS", "App_Menu_Key"},                        // 107
    {"MOUSE LEFT BUTTON", "Left_Mouse_Button"},      // 108
    {"MOUSE RIGHT BUTTON", "Right_Mouse_Button"},    // 109
    {"MOUSE CENTER BUTTON", "Center_Mouse_Button"},  // 110
};

namespace {

// keys.cfg tokens are matched the way the game's C runtime did it in the "C" locale: only A-Z
// fold onto a-z, every other byte compares as it is. Our own fold, so that no locale or platform
// function can change the answer.
constexpr unsigned char FoldAscii(char c) {
    unsigned char byte = static_cast<unsigned char>(c);
    return (byte >= 'A' && byte <= 'Z') ? static_cast<unsigned char>(byte + ('a' - 'A')) : byte;
}

constexpr bool EqualFolded(const char* a, const char* b) {
    for (;; ++a, ++b) {
        if (FoldAscii(*a) != FoldAscii(*b)) {
            return false;
        }
        if (*a == '\0') {
            return true;
        }
    }
}

// FNV-1a over the folded bytes, so that tokens differing only in letter case hash alike.
constexpr std::uint32_t HashFolded(const char* text) {
    std::uint32_t hash = 2166136261u;
    for (; *text != '\0'; ++text) {
        hash = (hash ^ FoldAscii(*text)) * 16777619u;
    }
    return hash;
}

// An open-addressing hash table of row numbers, built at compile time: a large keys.cfg looks up
// one token per line, and a hash and one comparison are much cheaper than a scan of 111 rows.
constexpr std::uint32_t kBucketCount = 512;  // a power of two, under a quarter full
constexpr std::int16_t kEmptyBucket = -1;

constexpr std::array<std::int16_t, kBucketCount> BuildBuckets() {
    std::array<std::int16_t, kBucketCount> buckets{};
    for (std::int16_t& bucket : buckets) {
        bucket = kEmptyBucket;
    }
    for (std::int32_t row = 0; row < kKeyCount; ++row) {
        std::uint32_t at = HashFolded(KeyTable[row].token) % kBucketCount;
        while (buckets[at] != kEmptyBucket) {
            at = (at + 1) % kBucketCount;
        }
        buckets[at] = static_cast<std::int16_t>(row);
    }
    return buckets;
}

constexpr std::array<std::int16_t, kBucketCount> kBuckets = BuildBuckets();

// The hash lookup stands in for the scan only while at most one row can match.
constexpr bool TokensAreDistinct() {
    for (std::int32_t i = 0; i < kKeyCount; ++i) {
        for (std::int32_t j = i + 1; j < kKeyCount; ++j) {
            if (EqualFolded(KeyTable[i].token, KeyTable[j].token)) {
                return false;
            }
        }
    }
    return true;
}
static_assert(TokensAreDistinct(), "two key tokens differ only in letter case");

constexpr bool NoTokenIsLongerThanTheMaximum() {
    for (const KeyEntry& row : KeyTable) {
        std::size_t length = 0;
        while (row.token[length] != '\0') {
            ++length;
        }
        if (length > kMaxTokenLength) {
            return false;
        }
    }
    return true;
}
static_assert(NoTokenIsLongerThanTheMaximum(), "kMaxTokenLength is too small");

}  // namespace

std::int32_t FindKeyByToken(const char* text) {
    for (std::uint32_t at = HashFolded(text) % kBucketCount;; at = (at + 1) % kBucketCount) {
        std::int32_t row = kBuckets[at];
        if (row == kEmptyBucket) {
            return kNoKey;
        }
        if (EqualFolded(KeyTable[row].token, text)) {
            return row;
        }
    }
}

std::int32_t FindKeyByTokenScan(const char* text) {
    for (std::int32_t row = 0; row < kKeyCount; ++row) {
        if (EqualFolded(KeyTable[row].token, text)) {
            return row;
        }
    }
    return kNoKey;
}
