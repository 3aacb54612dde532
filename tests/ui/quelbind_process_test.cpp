// quelbind.exe started as a player starts it, in a game folder, and driven with real key presses.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "editor_process.h"
#include "resource.h"
#include "test_support.h"
#include "window_text.h"

namespace fs = std::filesystem;

namespace {

const std::string kKeysCfg =
    "Move_Forward=W_Key\r\n"
    "Fire=left_mouse_button\r\n"
    "Dash=Mouse_Button_4\r\n";

class QuelbindProcess : public ::testing::Test {
  protected:
    void WriteKeysCfg(const std::string& content) {
        fs::create_directory(game_ / "data");
        WriteBytes(KeysCfg(), content);
    }
    std::string KeysCfg() const { return game_ / "data/keys.cfg"; }

    TemporaryFolder game_;
};

TEST_F(QuelbindProcess, OpensOnTheGameFolderItStartsIn) {
    WriteKeysCfg(kKeysCfg);
    EditorProcess editor(game_.path().string());
    ASSERT_NE(editor.dialog(), nullptr);

    EXPECT_EQ(WindowText(editor.dialog()), "Dialog");
    EXPECT_EQ(editor.Items(IDC_BINDINGS),
              (std::vector<std::string>{"Move_Forward", "Fire", "Dash"}));
    EXPECT_EQ(editor.Items(IDC_KEYS).size(), 111u);
    EXPECT_EQ(editor.Selection(IDC_BINDINGS), 0);
    EXPECT_EQ(editor.Items(IDC_KEYS)[editor.Selection(IDC_KEYS)], "W");
}

TEST_F(QuelbindProcess, EnterAndEscapeLeaveItOpen) {
    WriteKeysCfg(kKeysCfg);
    EditorProcess editor(game_.path().string());
    ASSERT_NE(editor.dialog(), nullptr);

    // The keys are handled in order: once Down has moved the selection, Escape and Enter have
    // been handled too.
    editor.Type({VK_ESCAPE, VK_RETURN, VK_DOWN});
    EXPECT_TRUE(EditorProcess::WaitUntil([&] { return editor.Selection(IDC_BINDINGS) == 1; }));
    EXPECT_TRUE(editor.Running());
    EXPECT_EQ(ReadBytes(KeysCfg()), kKeysCfg);
}

// Every way to leave without saving ends with 0 and keeps keys.cfg as it was, even after a
// key was changed.
TEST_F(QuelbindProcess, LeavingWithoutSaveKeepsKeysCfg) {
    const struct {
        const char* how;
        std::vector<WORD> keys;
        bool closeBox;
    } ways[] = {
        {"Alt+F4", {VK_MENU, VK_F4}, false},
        {"Alt+C, the Close button", {VK_MENU, 'C'}, false},
        {"the close box", {}, true},
    };
    WriteKeysCfg(kKeysCfg);
    for (const auto& way : ways) {
        SCOPED_TRACE(way.how);
        EditorProcess editor(game_.path().string());
        ASSERT_NE(editor.dialog(), nullptr);
        editor.Type({VK_TAB, VK_DOWN});
        EXPECT_TRUE(EditorProcess::WaitUntil([&] { return editor.Selection(IDC_KEYS) != 45; }));
        if (way.closeBox) {
            PostMessageA(editor.dialog(), WM_SYSCOMMAND, SC_CLOSE, 0);
        } else {
            editor.Type(way.keys);
        }
        EXPECT_EQ(editor.WaitForExit(), 0);
        EXPECT_EQ(ReadBytes(KeysCfg()), kKeysCfg);
    }
}

TEST_F(QuelbindProcess, ChoosingAKeyAndSavingWritesKeysCfgAndExits) {
    WriteKeysCfg(kKeysCfg);
    EditorProcess editor(game_.path().string());
    ASSERT_NE(editor.dialog(), nullptr);

    // From the bindings list to the keys list, one key down from W, then Alt+S for Save.
    editor.Type({VK_TAB, VK_DOWN, VK_MENU, 'S'});

    EXPECT_EQ(editor.WaitForExit(), 0);
    // Known keys are written as the table spells them.
    EXPECT_EQ(ReadBytes(KeysCfg()),
              "Move_Forward=X_Key\r\n"
              "Fire=Left_Mouse_Button\r\n"
              "Dash=Mouse_Button_4\r\n");
    EXPECT_EQ(FolderEntries(game_ / "data"), (std::vector<std::string>{"keys.cfg"}));
}

TEST_F(QuelbindProcess, SavingWithNoDataFolderShowsTheErrorAndExits) {
    EditorProcess editor(game_.path().string());
    ASSERT_NE(editor.dialog(), nullptr);
    EXPECT_TRUE(editor.Items(IDC_BINDINGS).empty());

    editor.Type({VK_MENU, 'S'});
    HWND box = editor.WaitForMessageBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(WindowText(box), "Error");
    EXPECT_EQ(StaticText(box),
              "Cannot save keys.cfg, make sure quelbind.exe is in your drovak folder");
    EXPECT_TRUE(editor.Running());

    editor.Type({VK_RETURN}, box);  // the box's one button: OK
    EXPECT_EQ(editor.WaitForExit(), 0);
    EXPECT_FALSE(fs::exists(game_ / "data"));
}

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (argc != 2) {
        fprintf(stderr, "usage: %s QUELBIND_EXE [gtest options]\n", argv[0]);
        return 2;
    }
    quelbindExe = argv[1];
    return RUN_ALL_TESTS();
}
