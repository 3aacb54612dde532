// Saves that fail part way through writing, made with a file size limit in a child process, and
// the permissions a save keeps. POSIX only: Windows has no fork and no permission bits to keep.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "key_config.h"
#include "test_support.h"

namespace fs = std::filesystem;

namespace {

// Runs the save in a child whose files may not grow beyond limit bytes; true when it succeeded.
bool SaveWithFileSizeLimit(const std::string& path, const CountedSlotArray& list, rlim_t limit) {
    pid_t child = fork();
    if (child == 0) {
        signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails with EFBIG instead
        rlimit size = {limit, limit};
        setrlimit(RLIMIT_FSIZE, &size);
        _exit(WriteKeyConfigFile(path, list) ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status));
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST(SaveFaults, AWriteThatFailsAtAnyPointLeavesTheOldFile) {
    TemporaryFolder folder;
    fs::create_directory(folder / "data");
    const std::string keysCfg = folder / "data/keys.cfg";
    const std::string old = "Old=F1_Key\r\n";
    OwnedBindings sample;
    ParseKeyConfig(kSampleKeysCfg.data(), kSampleKeysCfg.size(), sample.list, nullptr);
    const rlim_t size = kSampleKeysCfg.size();

    for (rlim_t limit : {rlim_t{0}, rlim_t{1}, rlim_t{20}, size / 2, size - 1}) {
        WriteBytes(keysCfg, old);
        EXPECT_FALSE(SaveWithFileSizeLimit(keysCfg, sample.list, limit)) << "limit " << limit;
        EXPECT_EQ(ReadBytes(keysCfg), old) << "limit " << limit;
        EXPECT_EQ(FolderEntries(folder / "data"), std::vector<std::string>{"keys.cfg"})
            << "limit " << limit;
    }
    // The same save with room enough goes through: the limit was the only fault.
    EXPECT_TRUE(SaveWithFileSizeLimit(keysCfg, sample.list, size));
    EXPECT_EQ(ReadBytes(keysCfg), kSampleKeysCfg);
}

TEST(SaveFaults, TheNewFileKeepsTheOldPermissions) {
    TemporaryFolder folder;
    fs::create_directory(folder / "data");
    const std::string keysCfg = folder / "data/keys.cfg";
    OwnedBindings none;
    for (fs::perms mode : {fs::perms(0640), fs::perms(0600), fs::perms(0666)}) {
        WriteBytes(keysCfg, "Old=F1_Key\r\n");
        fs::permissions(keysCfg, mode);
        ASSERT_TRUE(WriteKeyConfigFile(keysCfg, none.list));
        EXPECT_EQ(fs::status(keysCfg).permissions(), mode);
        EXPECT_EQ(ReadBytes(keysCfg), "");
    }
}

}  // namespace
