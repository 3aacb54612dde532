// keys.cfg on disk: loading, saving, and saves that fail without touching the old file.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "file_replace.h"
#include "key_config.h"
#include "test_support.h"

namespace fs = std::filesystem;

namespace {

// A game folder with a data folder, and the bindings of the sample file in memory.
class GameFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directory(folder / "data");
        ParseKeyConfig(kSampleKeysCfg.data(), kSampleKeysCfg.size(), sample.list, nullptr);
    }

    std::string DataFolder() const { return folder / "data"; }
    std::string KeysCfg() const { return folder / "data/keys.cfg"; }

    TemporaryFolder folder;
    OwnedBindings sample;
};

TEST_F(GameFolder, SaveWritesTheFileAndLoadReadsItBack) {
    ASSERT_TRUE(WriteKeyConfigFile(KeysCfg(), sample.list));
    EXPECT_EQ(ReadBytes(KeysCfg()), kSampleKeysCfg);
    EXPECT_EQ(FolderEntries(DataFolder()), std::vector<std::string>{"keys.cfg"});

    OwnedBindings loaded;
    ASSERT_TRUE(ReadKeyConfigFile(KeysCfg(), loaded.list, nullptr));
    EXPECT_EQ(ValuesOf(loaded.list), ValuesOf(sample.list));
}

TEST_F(GameFolder, SaveReplacesTheWholeOldContent) {
    WriteBytes(KeysCfg(), std::string(10000, 'x') + "=F1_Key\r\n");
    ASSERT_TRUE(WriteKeyConfigFile(KeysCfg(), sample.list));
    EXPECT_EQ(ReadBytes(KeysCfg()), kSampleKeysCfg);
}

TEST_F(GameFolder, SavingNoBindingsLeavesAnEmptyFile) {
    OwnedBindings none;
    ASSERT_TRUE(WriteKeyConfigFile(KeysCfg(), none.list));  // created
    EXPECT_TRUE(fs::exists(KeysCfg()));
    EXPECT_EQ(ReadBytes(KeysCfg()), "");

    WriteBytes(KeysCfg(), kSampleKeysCfg);
    ASSERT_TRUE(WriteKeyConfigFile(KeysCfg(), none.list));  // emptied
    EXPECT_EQ(ReadBytes(KeysCfg()), "");
}

// Every way a save can be refused before anything is replaced: the old file stays byte for byte
// and the data folder holds what it held.
TEST_F(GameFolder, AFailedSaveLeavesTheOldFileAsItWas) {
    const struct {
        const char* label;
        std::function<void(const std::string& keysCfg)> arrange;
    } cases[] = {
        {"keys.cfg is read-only",
         [](const std::string& keysCfg) {
             fs::permissions(
                 keysCfg, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                 fs::perm_options::remove);
         }},
        {"the temporary file's place is taken by a folder",
         [](const std::string& keysCfg) { fs::create_directory(TemporaryPathFor(keysCfg)); }},
    };
    const std::string old = "Old=F1_Key\r\nwith bytes \x1a that stay\r\n";
    for (const auto& c : cases) {
        fs::remove_all(DataFolder());
        fs::create_directory(DataFolder());
        WriteBytes(KeysCfg(), old);
        c.arrange(KeysCfg());
        std::vector<std::string> before = FolderEntries(DataFolder());

        EXPECT_FALSE(WriteKeyConfigFile(KeysCfg(), sample.list)) << c.label;
        EXPECT_EQ(ReadBytes(KeysCfg()), old) << c.label;
        EXPECT_EQ(FolderEntries(DataFolder()), before) << c.label;
        fs::permissions(KeysCfg(), fs::perms::owner_write, fs::perm_options::add);
    }
}

TEST_F(GameFolder, SaveFailsWhenKeysCfgIsAFolder) {
    fs::create_directory(KeysCfg());
    EXPECT_FALSE(WriteKeyConfigFile(KeysCfg(), sample.list));
    EXPECT_TRUE(fs::is_directory(KeysCfg()));
    EXPECT_EQ(FolderEntries(DataFolder()), std::vector<std::string>{"keys.cfg"});
}

TEST_F(GameFolder, SaveFailsWithoutADataFolder) {
    fs::remove(DataFolder());
    EXPECT_FALSE(WriteKeyConfigFile(KeysCfg(), sample.list));
    EXPECT_TRUE(FolderEntries(folder.path().string()).empty());
}

TEST_F(GameFolder, LoadFailsWithoutAFileAndLeavesTheListAlone) {
    OwnedBindings loaded;
    loaded.list.Add(CreateBinding("Kept", 4, 1, nullptr, 0));
    EXPECT_FALSE(ReadKeyConfigFile(KeysCfg(), loaded.list, nullptr));
    fs::create_directory(KeysCfg());
    EXPECT_FALSE(ReadKeyConfigFile(KeysCfg(), loaded.list, nullptr));
    EXPECT_EQ(ValuesOf(loaded.list), (std::vector<BindingValue>{{"Kept", 1, "F1_Key"}}));
}

TEST_F(GameFolder, LoadAndSaveUseDataKeysCfgInTheCurrentFolder) {
    WriteBytes(KeysCfg(), "fire=left_mouse_button\nDash=Mouse_Button_4\n");
    fs::path previous = fs::current_path();
    fs::current_path(folder.path());

    std::vector<std::string> names;
    bool loaded = LoadKeyConfig([&](Binding& binding) { names.push_back(binding.name); });
    SetBindingKey(BindingAt(bindingList, 0), 23);
    bool saved = SaveKeyConfig();

    fs::current_path(previous);
    DestroyBindings(bindingList);
    EXPECT_TRUE(loaded);
    EXPECT_TRUE(saved);
    EXPECT_EQ(names, (std::vector<std::string>{"fire", "Dash"}));
    EXPECT_EQ(ReadBytes(KeysCfg()), "fire=A_Key\r\nDash=Mouse_Button_4\r\n");
}

}  // namespace
