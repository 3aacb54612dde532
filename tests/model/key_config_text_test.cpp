// Reading keys.cfg content into bindings and writing bindings back, in memory.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "key_config_text.h"
#include "key_table.h"
#include "test_support.h"

namespace {

using namespace std::string_literals;  // "..."s keeps NUL bytes inside a case

struct ParseCase {
    const char* label;
    std::string content;
    std::vector<BindingValue> bindings;
};

TEST(ParseKeyConfig, ReadsEveryShapeOfLine) {
    const std::string longName(5000, 'n');
    const std::string name98(98 - 1 - 6, 'x');  // with "=F1_Key", 98 characters before LF
    const ParseCase cases[] = {
        {"token in another letter case",
         "Fire=left_mouse_button\n",
         {{"Fire", 108, "Left_Mouse_Button"}}},
        {"CR LF lines", "A=F1_Key\r\nB=F2_Key\r\n", {{"A", 1, "F1_Key"}, {"B", 2, "F2_Key"}}},
        {"LF lines", "A=F1_Key\nB=F2_Key\n", {{"A", 1, "F1_Key"}, {"B", 2, "F2_Key"}}},
        {"last line without a break",
         "A=F1_Key\r\nB=F2_Key",
         {{"A", 1, "F1_Key"}, {"B", 2, "F2_Key"}}},
        {"empty file", "", {}},
        {"a further = drops the rest", "a=b=c\r\n", {{"a", kNoKey, "b"}}},
        {"a run of = between name and token",
         "Jump===Space_Bar_Key\r\n",
         {{"Jump", 63, "Space_Bar_Key"}}},
        {"= before the name", "==Jump=Space_Bar_Key\r\n", {{"Jump", 63, "Space_Bar_Key"}}},
        {"blanks stay in name and token",
         "Jump = Space_Bar_Key\r\n",
         {{"Jump ", kNoKey, " Space_Bar_Key"}}},
        {"empty token", "Fire=\r\n", {{"Fire", kNoKey, ""}}},
        {"empty token on the last line", "Fire=", {{"Fire", kNoKey, ""}}},
        {"name without =", "Fire\r\nUse=E_Key\r\n", {{"Fire", kNoKey, ""}, {"Use", 27, "E_Key"}}},
        {"blank lines are skipped", "\r\n\nA=F1_Key\r\n\r\n\n", {{"A", 1, "F1_Key"}}},
        {"lines of = only are skipped", "=\r\n===\r\nA=F1_Key\r\n=", {{"A", 1, "F1_Key"}}},
        {"unknown token kept as read",
         "Dash=Mouse_Button_4\r\n",
         {{"Dash", kNoKey, "Mouse_Button_4"}}},
        {"line longer than any buffer", longName + "=Tab_Key\r\n", {{longName, 52, "Tab_Key"}}},
        {"98 characters and LF", name98 + "=F1_Key\n", {{name98, 1, "F1_Key"}}},
        {"99 characters and LF", name98 + "x=F1_Key\n", {{name98 + "x", 1, "F1_Key"}}},
        {"lone CR is text", "A\rB=F1_Key\r\n", {{"A\rB", 1, "F1_Key"}}},
        {"CR before CR LF is text", "A=F1_Key\r\r\n", {{"A", kNoKey, "F1_Key\r"}}},
        {"CR at the end of the file is text", "A=F1_Key\r", {{"A", kNoKey, "F1_Key\r"}}},
        {"0x1A ends the file",
         "A=F1_Key\r\n\x1a"
         "B=F2_Key\r\n",
         {{"A", 1, "F1_Key"}}},
        {"0x1A inside a token",
         "A=F1_K\x1a"
         "ey\r\n",
         {{"A", kNoKey, "F1_K"}}},
        {"NUL ends the name", "Fi\0re=F1_Key\r\n"s, {{"Fi", 1, "F1_Key"}}},
        {"NUL ends the token", "A=F1_Key\0junk\r\n"s, {{"A", 1, "F1_Key"}}},
        {"a name cut to nothing is skipped", "\0A=F1_Key\r\nB=F2_Key\r\n"s, {{"B", 2, "F2_Key"}}},
        {"ANSI bytes, tabs and control bytes",
         "\xc4\xe9\tX\x01=F3_Key\r\n",
         {{"\xc4\xe9\tX\x01", 3, "F3_Key"}}},
    };
    for (const ParseCase& c : cases) {
        EXPECT_EQ(Parse(c.content), c.bindings) << c.label;
    }
}

TEST(ParseKeyConfig, ReportsEachBindingRightAfterAppendingIt) {
    OwnedBindings bindings;
    std::vector<std::int32_t> countsSeen;
    std::string content = "A=F1_Key\r\nB=Nope\r\n\r\nC=F3_Key\r\n";
    ParseKeyConfig(content.data(), content.size(), bindings.list, [&](Binding& binding) {
        countsSeen.push_back(bindings.list.count);
        EXPECT_EQ(&binding, &BindingAt(bindings.list, bindings.list.count - 1));
    });
    EXPECT_EQ(countsSeen, (std::vector<std::int32_t>{1, 2, 3}));
}

TEST(ParseKeyConfig, AppendsAfterBindingsAlreadyListed) {
    OwnedBindings bindings;
    bindings.list.Add(CreateBinding("First", 5, 0, nullptr, 0));
    std::string content = "Second=F2_Key\r\n";
    ParseKeyConfig(content.data(), content.size(), bindings.list, nullptr);
    EXPECT_EQ(ValuesOf(bindings.list),
              (std::vector<BindingValue>{{"First", 0, "None_Key"}, {"Second", 2, "F2_Key"}}));
}

TEST(FormatKeyConfig, WritesOneCrLfLinePerBindingInTableSpelling) {
    OwnedBindings bindings;
    std::string content = "Fire=left_mouse_button\nDash=Mouse_Button_4\nNoKey\n";
    ParseKeyConfig(content.data(), content.size(), bindings.list, nullptr);
    bindings.list.Add(CreateBinding("Added", 5, 0, nullptr, 0));
    EXPECT_EQ(FormatKeyConfig(bindings.list),
              "Fire=Left_Mouse_Button\r\n"
              "Dash=Mouse_Button_4\r\n"
              "NoKey=\r\n"
              "Added=None_Key\r\n");
}

TEST(FormatKeyConfig, AnUnknownKeyGivenATableKeyIsWrittenWithTheTableToken) {
    OwnedBindings bindings;
    std::string content = "Dash=Mouse_Button_4\r\n";
    ParseKeyConfig(content.data(), content.size(), bindings.list, nullptr);
    SetBindingKey(BindingAt(bindings.list, 0), 110);
    EXPECT_EQ(FormatKeyConfig(bindings.list), "Dash=Center_Mouse_Button\r\n");
}

TEST(FormatKeyConfig, NoBindingsGiveNoBytes) {
    OwnedBindings bindings;
    EXPECT_EQ(FormatKeyConfig(bindings.list), "");
}

// Read, write, read again: the same bindings; and content the program wrote comes back byte for
// byte.
TEST(KeyConfigRoundTrip, WrittenContentIsAFixedPoint) {
    const std::string inputs[] = {
        kSampleKeysCfg,
        "fire=LEFT_MOUSE_BUTTON\nJump = Space_Bar_Key\nOdd\r\nA=b=c\n\n=\nZ=F1_Key\r\r\nLast=",
        std::string(3000, 'q') + "=F1_Key\r\n" + "\xe4\xf6\xfc=Tab_Key\r\n",
    };
    for (const std::string& input : inputs) {
        OwnedBindings first;
        ParseKeyConfig(input.data(), input.size(), first.list, nullptr);
        std::string written = FormatKeyConfig(first.list);

        OwnedBindings second;
        ParseKeyConfig(written.data(), written.size(), second.list, nullptr);
        EXPECT_EQ(ValuesOf(second.list), ValuesOf(first.list)) << input;
        EXPECT_EQ(FormatKeyConfig(second.list), written) << input;
    }
    EXPECT_EQ(Parse(kSampleKeysCfg).size(), 16u);
    OwnedBindings sample;
    ParseKeyConfig(kSampleKeysCfg.data(), kSampleKeysCfg.size(), sample.list, nullptr);
    EXPECT_EQ(FormatKeyConfig(sample.list), kSampleKeysCfg);
}

}  // namespace
