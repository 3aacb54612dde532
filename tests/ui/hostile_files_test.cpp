// quelbind.exe opened on unusual and hostile keys.cfg files: it opens, lists what it read, and
// Save writes what the reader's rules make of the file and nothing else; where the file cannot
// be replaced, Save reports it, the program exits with 0 and the file is untouched.
#include <windows.h>

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <string>
#include <vector>

#include "editor_process.h"
#include "key_table.h"
#include "resource.h"
#include "test_support.h"
#include "window_text.h"

namespace fs = std::filesystem;
using namespace std::string_literals;  // "..."s keeps NUL bytes

namespace {

// What stands at data/keys.cfg, beside its bytes.
enum class Obstacle { kNone, kIsAFolder, kHeldOpenWithoutSharing, kReadOnly };

struct HostileFile {
    std::string what;
    std::string content;
    Obstacle obstacle;
    std::vector<std::string> names;  // what the bindings list shows
    std::string saved;               // keys.cfg after Save; for a failed save, content
};

// Lines ending in LF alone, so that a save, which writes CR LF, visibly rewrites the file.
HostileFile ManyBindings(const std::string& what, int count, const std::string& prefix) {
    HostileFile file = {what, "", Obstacle::kNone, {}, ""};
    for (int i = 0; i < count; ++i) {
        std::string name = prefix + std::to_string(i);
        std::string line = name + "=" + KeyTable[1 + i % (kKeyCount - 1)].token;
        file.content += line + "\n";
        file.saved += line + "\r\n";
        file.names.push_back(name);
    }
    return file;
}

std::vector<HostileFile> AllHostileFiles() {
    std::vector<HostileFile> files = {
        ManyBindings("100,000 lines", 100000, "Action_"),
        ManyBindings("names of 10,000 characters", 3, std::string(10000, 'n')),
        {"a token of 10,000 characters is kept as read",
         "Long=" + std::string(10000, 't') + "\n",
         Obstacle::kNone,
         {"Long"},
         "Long=" + std::string(10000, 't') + "\r\n"},
        {"bytes 0x80-0xFF, tabs and control bytes in names",
         "Caf\xe9=E_Key\n\x80\xa0\xff=F1_Key\nTab\there=Tab_Key\nBell\x07\x01\x1f=F2_Key\n",
         Obstacle::kNone,
         {"Caf\xe9", "\x80\xa0\xff", "Tab\there", "Bell\x07\x01\x1f"},
         "Caf\xe9=E_Key\r\n\x80\xa0\xff=F1_Key\r\nTab\there=Tab_Key\r\nBell\x07\x01\x1f=F2_"
         "Key\r\n"},
        {"NUL bytes end the name or token they stand in",
         "Fi\0re=F1_Key\r\nA=F2_Key\0junk\r\n\0Gone=F3_Key\r\nB=F4_Key\r\n"s,
         Obstacle::kNone,
         {"Fi", "A", "B"},
         "Fi=F1_Key\r\nA=F2_Key\r\nB=F4_Key\r\n"},
        {"0x1A in the middle ends the file",
         "A=F1_Key\r\nB=F2\x1a_Key\r\nC=F3_Key\r\n",
         Obstacle::kNone,
         {"A", "B"},
         "A=F1_Key\r\nB=F2\r\n"},
        {"an empty file", "", Obstacle::kNone, {}, ""},
        {"keys.cfg is a folder", "", Obstacle::kIsAFolder, {}, ""},
        {"keys.cfg held open without sharing, as a running game may",
         "Fire=Left_Mouse_Button\r\n",
         Obstacle::kHeldOpenWithoutSharing,
         {},
         "Fire=Left_Mouse_Button\r\n"},
        {"keys.cfg with the read-only attribute",
         "Fire=Left_Mouse_Button\n",
         Obstacle::kReadOnly,
         {"Fire"},
         "Fire=Left_Mouse_Button\n"},
    };
    return files;
}

std::wstring Wide(const std::string& path) {
    return fs::path(path).wstring();
}

class HostileFiles : public ::testing::TestWithParam<HostileFile> {};

TEST_P(HostileFiles, OpenAndSave) {
    const HostileFile& file = GetParam();
    TemporaryFolder game;
    const std::string data = game / "data";
    const std::string keysCfg = game / "data/keys.cfg";
    fs::create_directory(data);
    HANDLE held = INVALID_HANDLE_VALUE;
    if (file.obstacle == Obstacle::kIsAFolder) {
        fs::create_directory(keysCfg);
    } else {
        WriteBytes(keysCfg, file.content);
    }
    if (file.obstacle == Obstacle::kHeldOpenWithoutSharing) {
        held = CreateFileW(Wide(keysCfg).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(held, INVALID_HANDLE_VALUE);
    }
    if (file.obstacle == Obstacle::kReadOnly) {
        ASSERT_TRUE(SetFileAttributesW(Wide(keysCfg).c_str(), FILE_ATTRIBUTE_READONLY));
    }
    bool saveFails = file.obstacle != Obstacle::kNone;

    EditorProcess editor(game.path().string());
    ASSERT_NE(editor.dialog(), nullptr);
    EXPECT_EQ(editor.Items(IDC_BINDINGS), file.names);
    EXPECT_EQ(editor.Selection(IDC_BINDINGS), file.names.empty() ? LB_ERR : 0);

    editor.Type({VK_MENU, 'S'});
    if (saveFails) {
        HWND box = editor.WaitForMessageBox();
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(WindowText(box), "Error");
        editor.Type({VK_RETURN}, box);
    }
    EXPECT_EQ(editor.WaitForExit(), 0);

    if (held != INVALID_HANDLE_VALUE) {
        CloseHandle(held);
    }
    if (file.obstacle == Obstacle::kReadOnly) {
        EXPECT_EQ(GetFileAttributesW(Wide(keysCfg).c_str()) & FILE_ATTRIBUTE_READONLY,
                  static_cast<DWORD>(FILE_ATTRIBUTE_READONLY));
        SetFileAttributesW(Wide(keysCfg).c_str(), FILE_ATTRIBUTE_NORMAL);
    }
    if (file.obstacle == Obstacle::kIsAFolder) {
        EXPECT_TRUE(fs::is_directory(keysCfg));
    } else {
        EXPECT_EQ(ReadBytes(keysCfg), file.saved);
    }
    EXPECT_EQ(FolderEntries(data), std::vector<std::string>{"keys.cfg"});
}

INSTANTIATE_TEST_SUITE_P(Quelbind, HostileFiles, ::testing::ValuesIn(AllHostileFiles()),
                         [](const ::testing::TestParamInfo<HostileFile>& info) {
                             std::string name;
                             for (char c : info.param.what) {
                                 if (std::isalnum(static_cast<unsigned char>(c))) {
                                     name += c;
                                 }
                             }
                             return name.substr(0, 40);
                         });

}  // namespace
