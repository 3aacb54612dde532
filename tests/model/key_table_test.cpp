// The key table against a copy of it typed out here, and the token lookup.
#include <gtest/gtest.h>

#include <cctype>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "key_table.h"

namespace {

// One row per line, "token|label", in key index order.
const char kExpectedRows[] = R"(
None_Key|None
F1_Key|F1
F2_Key|F2
F3_Key|F3
F4_Key|F4
F5_Key|F5
F6_Key|F6
F7_Key|F7
F8_Key|F8
F9_Key|F9
F10_Key|F10
F11_Key|F11
F12_Key|F12
0_Key|0
1_Key|1
2_Key|2
3_Key|3
4_Key|4
5_Key|5
6_Key|6
7_Key|7
8_Key|8
9_Key|9
A_Key|A
B_Key|B
C_Key|C
D_Key|D
E_Key|E
F_Key|F
G_Key|G
H_Key|H
I_Key|I
J_Key|J
K_Key|K
L_Key|L
M_Key|M
N_Key|N
O_Key|O
P_Key|P
Q_Key|Q
R_Key|R
S_Key|S
T_Key|T
U_Key|U
V_Key|V
W_Key|W
X_Key|X
Y_Key|Y
Z_Key|Z
Minus_Key|MINUS
Equals_Key|EQUALS
Backspace_Key|BACK
Tab_Key|TAB
Left_Bracket_Key|LBRACKET
Right_Bracket_Key|RBRACKET
Enter_Key|RETURN
Semicolon_Key|SEMICOLON
Apostrophe_Key|'
Grave_Key|GRAVE/~
Backslash_Key|BACKSLASH
Comma_Key|COMMA
Period_Key|PERIOD
Slash_Key|SLASH
Space_Bar_Key|SPACE
Caps_Lock_Key|CAPS LOCK
Num_Lock_Key|NUM LOCK
Scroll_Lock_Key|SCROLL LOCK
Escape_Key|ESCAPE
Keypad_0_Key|NUMPAD0
Keypad_1_Key|NUMPAD1
Keypad_2_Key|NUMPAD2
Keypad_3_Key|NUMPAD3
Keypad_4_Key|NUMPAD4
Keypad_5_Key|NUMPAD5
Keypad_6_Key|NUMPAD6
Keypad_7_Key|NUMPAD7
Keypad_8_Key|NUMPAD8
Keypad_9_Key|NUMPAD9
Keypad_Minus_Key|NUMPAD MINUS
Keypad_Star_Key|NUMPAD MULTIPLY
Keypad_Plus_Key|NUMPAD PLUS
Keypad_Period_Key|NUMPAD DECIMAL
Keypad_Enter_Key|NUMPAD ENTER
Keypad_Slash_Key|NUMPAD DIVIDE
Home_Key|HOME
Page_Up_Key|PAGE UP
End_Key|END
Page_Down_Key|PAGE DOWN
Insert_Key|INSERT
Delete_Key|DELETE
Up_Key|ARROW UP
Down_Key|ARROW DOWN
Left_Key|ARROW LEFT
Right_Key|ARROW RIGHT
Sys_Req_Key|SYSRQ
Control_Key|CONTROL
Left_Control_Key|LEFT CONTROL
Right_Control_Key|RIGHT CONTROL
Shift_Key|SHIFT
Left_Shift_Key|LEFT SHIFT
Right_Shift_Key|RIGHT SHIFT
Alt_Key|ALT
Left_Alt_Key|LEFT ALT
Right_Alt_Key|RIGHT ALT
Windows_Key|WIN
Left_Windows_Key|LEFT WIN
Right_Windows_Key|RIGHT WIN
App_Menu_Key|APPS
Left_Mouse_Button|MOUSE LEFT BUTTON
Right_Mouse_Button|MOUSE RIGHT BUTTON
Center_Mouse_Button|MOUSE CENTER BUTTON
)";

TEST(KeyTable, EveryRowHoldsItsTokenAndLabel) {
    std::istringstream rows(kExpectedRows + 1);
    std::string line;
    std::int32_t row = 0;
    for (; std::getline(rows, line); ++row) {
        ASSERT_LT(row, kKeyCount);
        std::size_t bar = line.find('|');
        EXPECT_EQ(line.substr(0, bar), KeyTable[row].token) << "row " << row;
        EXPECT_EQ(line.substr(bar + 1), KeyTable[row].label) << "row " << row;
    }
    EXPECT_EQ(row, 111);
    EXPECT_EQ(kKeyCount, 111);
}

TEST(FindKeyByToken, MatchesWholeTokensIgnoringAsciiCaseOnly) {
    const struct {
        const char* text;
        std::int32_t key;
    } cases[] = {
        {"None_Key", 0},
        {"none_key", 0},
        {"NONE_KEY", 0},
        {"nOnE_kEy", 0},
        {"Right_Mouse_Button", 109},
        {"Center_Mouse_Button", 110},
        {"left_mouse_button", 108},
        {"Space_Bar_Key", 63},
        {"Keypad_Star_Key", 79},
        {"", kNoKey},
        {"None_Key ", kNoKey},  // nothing is trimmed
        {" None_Key", kNoKey},
        {"None_Ke", kNoKey},  // a prefix is no match
        {"None_Key_", kNoKey},
        {"None", kNoKey},  // labels are not tokens
        {"SPACE", kNoKey},
        {"None_Key\r", kNoKey},
        {"None@Key", kNoKey},  // '@' and '`' sit beside the letters: no fold
        {"None_Key\xC4", kNoKey},
        {"F1_Key", 1},
        {"f12_key", 12},
        {"0_KEY", 13},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FindKeyByToken(c.text), c.key) << '"' << c.text << '"';
    }
}

TEST(FindKeyByToken, FindsEveryRowInAnyLetterCase) {
    for (std::int32_t row = 0; row < kKeyCount; ++row) {
        std::string lower = KeyTable[row].token;
        std::string upper = lower;
        for (char& c : lower) {
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
        for (char& c : upper) {
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        }
        EXPECT_EQ(FindKeyByToken(KeyTable[row].token), row);
        EXPECT_EQ(FindKeyByToken(lower.c_str()), row) << lower;
        EXPECT_EQ(FindKeyByToken(upper.c_str()), row) << upper;
        EXPECT_EQ(FindKeyByToken(KeyTable[row].label), FindKeyByTokenScan(KeyTable[row].label));
    }
}

// The sorted lookup must answer as the plain scan does for every text: tokens with letter case
// flipped, with one byte changed (to the neighbours of the letters too) and random bytes.
TEST(FindKeyByToken, AgreesWithTheScanOnMutatedTokens) {
    std::mt19937 random(20261210);
    const std::string neighbours = "@[`{_ \x7f\x80\xc1\xe1\xff";
    int matched = 0;
    for (int round = 0; round < 20000; ++round) {
        std::string text = KeyTable[random() % kKeyCount].token;
        switch (random() % 5) {
            case 0:
                break;
            case 1:
                for (char& c : text) {
                    if (std::isalpha(static_cast<unsigned char>(c)) && random() % 2) {
                        c = static_cast<char>(c ^ 0x20);
                    }
                }
                break;
            case 2:
                text[random() % text.size()] = neighbours[random() % neighbours.size()];
                break;
            case 3:
                text.erase(random() % text.size(), 1);
                break;
            case 4:
                text.resize(random() % 24);
                for (char& c : text) {
                    c = static_cast<char>(1 + random() % 255);
                }
                break;
        }
        std::int32_t expected = FindKeyByTokenScan(text.c_str());
        ASSERT_EQ(FindKeyByToken(text.c_str()), expected) << '"' << text << '"';
        matched += expected != kNoKey;
    }
    // Both answers were exercised, not only the misses.
    EXPECT_GT(matched, 5000);
    EXPECT_LT(matched, 19000);
}

}  // namespace
