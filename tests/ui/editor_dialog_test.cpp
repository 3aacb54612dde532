// The editor dialog on its real template, driven with the messages that a user's actions cause,
// in the manner of Wine's own user32 tests.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "editor_dialog.h"
#include "key_table.h"
#include "resource.h"
#include "test_support.h"
#include "window_text.h"

namespace fs = std::filesystem;

namespace {

struct MessageBoxSeen {
    HWND box;
    std::string caption;
    std::string text;
};

// Catches every message box this thread opens, notes its caption and text, and answers it with
// OK, the way a user would.
class MessageBoxSpy {
  public:
    MessageBoxSpy() {
        seen_ = &boxes;
        hook_ = SetWindowsHookExA(WH_CBT, OnCbt, nullptr, GetCurrentThreadId());
    }
    ~MessageBoxSpy() {
        UnhookWindowsHookEx(hook_);
        seen_ = nullptr;
    }
    MessageBoxSpy(const MessageBoxSpy&) = delete;
    MessageBoxSpy& operator=(const MessageBoxSpy&) = delete;

    std::vector<MessageBoxSeen> boxes;

  private:
    static LRESULT CALLBACK OnCbt(int code, WPARAM wParam, LPARAM lParam) {
        HWND box = reinterpret_cast<HWND>(wParam);
        // Only an owned window is a message box here: the editor dialog has no owner. A box may
        // be activated more than once before it closes: note it once.
        if (code == HCBT_ACTIVATE && seen_ != nullptr && GetWindow(box, GW_OWNER) != nullptr &&
            (seen_->empty() || seen_->back().box != box)) {
            seen_->push_back({box, WindowText(box), StaticText(box)});
            PostMessageA(box, WM_COMMAND, IDOK, 0);
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static std::vector<MessageBoxSeen>* seen_;
    HHOOK hook_;
};
std::vector<MessageBoxSeen>* MessageBoxSpy::seen_ = nullptr;

const char kGameKeysCfg[] =
    "Move_Forward=W_Key\r\n"
    "Fire=left_mouse_button\r\n"
    "Dash=Mouse_Button_4\r\n"
    "Jump=Space_Bar_Key\r\n";

// A game folder as the current folder, and the editor dialog opened in it.
class EditorDialog : public ::testing::Test {
  protected:
    void SetUp() override {
        previousFolder_ = fs::current_path();
        fs::current_path(game_.path());
    }

    void TearDown() override {
        if (dialog_ != nullptr) {
            DestroyWindow(dialog_);
        }
        fs::current_path(previousFolder_);
        DestroyBindings(bindingList);
    }

    void WriteKeysCfg(const std::string& content) {
        fs::create_directory("data");
        WriteBytes("data/keys.cfg", content);
    }

    void Open() {
        dialog_ = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_EDITOR),
                                     nullptr, EditorDialogProc, 0);
        ASSERT_NE(dialog_, nullptr);
        ShowWindow(dialog_, SW_SHOW);
    }

    // EndDialog hides the dialog and ends a modal loop; a dialog created for the test stays
    // behind hidden, so a hidden dialog is one that was ended.
    bool Ended() const { return !IsWindowVisible(dialog_); }

    LRESULT Send(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        return SendDlgItemMessageA(dialog_, id, message, wParam, lParam);
    }

    void Notify(int id, WORD notification) {
        SendMessageA(dialog_, WM_COMMAND, MAKEWPARAM(id, notification),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog_, id)));
    }

    // What a click on a list item does: the list selects it and tells the dialog.
    void Choose(int list, int position) {
        Send(list, LB_SETCURSEL, static_cast<WPARAM>(position));
        Notify(list, LBN_SELCHANGE);
    }

    void Click(int button) { Notify(button, BN_CLICKED); }

    void TypeNewName(const char* name) { SetDlgItemTextA(dialog_, IDC_NEWNAME, name); }

    // A key pressed on a control, passed through the dialog manager as the modal loop does.
    void PressKey(int control, WPARAM virtualKey) {
        MSG message = {GetDlgItem(dialog_, control), WM_KEYDOWN, virtualKey, 0, 0, {0, 0}};
        IsDialogMessageA(dialog_, &message);
    }

    std::vector<std::string> Items(int list) { return ListItems(GetDlgItem(dialog_, list)); }

    int Selection(int list) { return static_cast<int>(Send(list, LB_GETCURSEL)); }

    std::string NewNameText() {
        char text[256] = {};
        GetDlgItemTextA(dialog_, IDC_NEWNAME, text, sizeof text);
        return text;
    }

    TemporaryFolder game_;
    fs::path previousFolder_;
    HWND dialog_ = nullptr;
};

TEST_F(EditorDialog, OpensWithEveryKeyAndEveryBindingAndTheFirstOneSelected) {
    WriteKeysCfg(kGameKeysCfg);
    Open();
    std::vector<std::string> keys = Items(IDC_KEYS);
    ASSERT_EQ(keys.size(), 111u);
    for (int row = 0; row < kKeyCount; ++row) {
        EXPECT_EQ(keys[static_cast<std::size_t>(row)], KeyTable[row].label) << row;
    }
    EXPECT_EQ(Items(IDC_BINDINGS),
              (std::vector<std::string>{"Move_Forward", "Fire", "Dash", "Jump"}));
    EXPECT_EQ(Selection(IDC_BINDINGS), 0);
    EXPECT_EQ(Selection(IDC_KEYS), 45);  // "W"
    EXPECT_FALSE(Ended());
}

TEST_F(EditorDialog, OpensEmptyWithNoneSelectedWhenKeysCfgIsMissingOrEmpty) {
    for (bool exists : {false, true}) {
        if (exists) {
            WriteKeysCfg("");
        }
        Open();
        EXPECT_TRUE(Items(IDC_BINDINGS).empty()) << exists;
        EXPECT_EQ(Selection(IDC_BINDINGS), LB_ERR) << exists;
        EXPECT_EQ(Selection(IDC_KEYS), 0) << exists;
        DestroyWindow(dialog_);
        dialog_ = nullptr;
    }
}

TEST_F(EditorDialog, SelectingABindingShowsItsKeyAndAnUnknownKeyShowsNone) {
    WriteKeysCfg("Dash=Mouse_Button_4\r\nFire=Left_Mouse_Button\r\n");
    Open();
    EXPECT_EQ(Selection(IDC_KEYS), LB_ERR);  // the first binding's key is not in the table
    Choose(IDC_BINDINGS, 1);
    EXPECT_EQ(Selection(IDC_KEYS), 108);
    Choose(IDC_BINDINGS, 0);
    EXPECT_EQ(Selection(IDC_KEYS), LB_ERR);
}

TEST_F(EditorDialog, ChoosingAKeyGivesItToTheSelectedBindingAndSaveWritesIt) {
    WriteKeysCfg(kGameKeysCfg);
    Open();
    Choose(IDC_BINDINGS, 2);  // Dash, with a key the table does not know
    Choose(IDC_KEYS, 102);    // LEFT ALT
    Choose(IDC_BINDINGS, 0);
    Choose(IDC_KEYS, 90);  // ARROW UP
    Choose(IDC_BINDINGS, 2);
    EXPECT_EQ(Selection(IDC_KEYS), 102);
    Click(IDC_SAVE);
    EXPECT_TRUE(Ended());
    EXPECT_EQ(ReadBytes("data/keys.cfg"),
              "Move_Forward=Up_Key\r\n"
              "Fire=Left_Mouse_Button\r\n"
              "Dash=Left_Alt_Key\r\n"
              "Jump=Space_Bar_Key\r\n");
}

TEST_F(EditorDialog, ChoosingAKeyWithNoBindingSelectedChangesNothing) {
    WriteKeysCfg(kGameKeysCfg);
    Open();
    Send(IDC_BINDINGS, LB_SETCURSEL, static_cast<WPARAM>(-1));
    std::vector<BindingValue> before = ValuesOf(bindingList);
    Choose(IDC_KEYS, 5);
    EXPECT_EQ(ValuesOf(bindingList), before);
}

TEST_F(EditorDialog, AddAppendsTheNamedBindingWithNoneAndSelectsIt) {
    WriteKeysCfg(kGameKeysCfg);
    Open();
    TypeNewName("Sprint");
    Click(IDC_ADD);
    TypeNewName("Jump");  // a name some binding has already is a binding of its own
    Click(IDC_ADD);
    EXPECT_EQ(Items(IDC_BINDINGS),
              (std::vector<std::string>{"Move_Forward", "Fire", "Dash", "Jump", "Sprint", "Jump"}));
    EXPECT_EQ(Selection(IDC_BINDINGS), 5);
    EXPECT_EQ(Selection(IDC_KEYS), 0);
    EXPECT_EQ(NewNameText(), "Jump");  // the text stays
    Choose(IDC_BINDINGS, 4);
    EXPECT_EQ(Selection(IDC_KEYS), 0);
    Click(IDC_SAVE);
    EXPECT_EQ(ReadBytes("data/keys.cfg"),
              "Move_Forward=W_Key\r\n"
              "Fire=Left_Mouse_Button\r\n"
              "Dash=Mouse_Button_4\r\n"
              "Jump=Space_Bar_Key\r\n"
              "Sprint=None_Key\r\n"
              "Jump=None_Key\r\n");
}

TEST_F(EditorDialog, AddRefusesANameThatWouldNotReadBack) {
    WriteKeysCfg(kGameKeysCfg);
    Open();
    MessageBoxSpy spy;
    for (const char* name : {"", "Fire=Alt", "="}) {
        TypeNewName(name);
        Click(IDC_ADD);
        EXPECT_EQ(NewNameText(), name);
    }
    EXPECT_EQ(Items(IDC_BINDINGS).size(), 4u);
    EXPECT_EQ(bindingList.count, 4);
    ASSERT_EQ(spy.boxes.size(), 3u);
    for (const MessageBoxSeen& box : spy.boxes) {
        EXPECT_EQ(box.caption, kBadNameCaption);
        EXPECT_EQ(box.text, kBadNameText);
    }
    EXPECT_FALSE(Ended());
}

TEST_F(EditorDialog, EnterAndEscapeLeaveTheDialogOpen) {
    WriteKeysCfg(kGameKeysCfg);
    Open();
    PressKey(IDC_BINDINGS, VK_ESCAPE);
    PressKey(IDC_NEWNAME, VK_RETURN);
    PressKey(IDC_KEYS, VK_ESCAPE);
    EXPECT_FALSE(Ended());
    EXPECT_EQ(ReadBytes("data/keys.cfg"), kGameKeysCfg);
}

TEST_F(EditorDialog, CloseButtonAndCloseBoxEndWithoutSaving) {
    for (bool closeBox : {false, true}) {
        WriteKeysCfg(kGameKeysCfg);
        Open();
        Choose(IDC_BINDINGS, 1);
        Choose(IDC_KEYS, 7);
        TypeNewName("Extra");
        Click(IDC_ADD);
        if (closeBox) {
            SendMessageA(dialog_, WM_CLOSE, 0, 0);
        } else {
            Click(IDC_CLOSE);
        }
        EXPECT_TRUE(Ended()) << closeBox;
        EXPECT_EQ(ReadBytes("data/keys.cfg"), kGameKeysCfg) << closeBox;
        EXPECT_EQ(FolderEntries("data"), std::vector<std::string>{"keys.cfg"}) << closeBox;
        DestroyWindow(dialog_);
        dialog_ = nullptr;
        DestroyBindings(bindingList);
    }
}

TEST_F(EditorDialog, AFailedSaveShowsTheMessageAndEndsTheDialog) {
    Open();  // no data folder
    TypeNewName("Fire");
    Click(IDC_ADD);
    MessageBoxSpy spy;
    Click(IDC_SAVE);
    ASSERT_EQ(spy.boxes.size(), 1u);
    EXPECT_EQ(spy.boxes[0].caption, "Error");
    EXPECT_EQ(spy.boxes[0].text,
              "Cannot save keys.cfg, make sure quelbind.exe is in your drovak folder");
    EXPECT_TRUE(Ended());
    EXPECT_FALSE(fs::exists("data"));
}

TEST_F(EditorDialog, AReadOnlyKeysCfgIsNotReplaced) {
    WriteKeysCfg(kGameKeysCfg);
    fs::permissions("data/keys.cfg", fs::perms::owner_write, fs::perm_options::remove);
    Open();
    Choose(IDC_KEYS, 3);
    MessageBoxSpy spy;
    Click(IDC_SAVE);
    ASSERT_EQ(spy.boxes.size(), 1u);
    EXPECT_EQ(spy.boxes[0].caption, "Error");
    EXPECT_EQ(ReadBytes("data/keys.cfg"), kGameKeysCfg);
    fs::permissions("data/keys.cfg", fs::perms::owner_write, fs::perm_options::add);
}

}  // namespace
