// Saves made to fail at every step where a real one can: part way through writing (a file size
// limit), at flush, sync and close, when copying the permissions, and at the rename that puts
// the new file in place. After each, keys.cfg must be the old file byte for byte and the data
// folder must hold what it held before. POSIX only: Windows has no fork, no file size limit and
// no way to put our own function in front of the C library's.
#include <gtest/gtest.h>

#include <dlfcn.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "key_config.h"
#include "test_support.h"

namespace fs = std::filesystem;

// The C library calls a save makes, each of which this test program can make fail. The model's
// own calls (fflush, fsync, fclose) and those std::filesystem makes in libstdc++ (fchmodat,
// rename) all reach these definitions, which come before the C library's.
enum class Call { kNone, kFflush, kFsync, kFclose, kFchmodat, kRename };

namespace {

Call failingCall = Call::kNone;

bool Fails(Call call) {
    if (failingCall != call) {
        return false;
    }
    errno = EIO;
    return true;
}

template <typename Function>
Function Real(const char* name) {
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

}  // namespace

extern "C" {

int fflush(std::FILE* file) {
    static auto real = Real<int (*)(std::FILE*)>("fflush");
    return Fails(Call::kFflush) ? EOF : real(file);
}

int fsync(int descriptor) {
    static auto real = Real<int (*)(int)>("fsync");
    return Fails(Call::kFsync) ? -1 : real(descriptor);
}

// A failing fclose still closes the stream.
int fclose(std::FILE* file) {
    static auto real = Real<int (*)(std::FILE*)>("fclose");
    int result = real(file);
    return Fails(Call::kFclose) ? EOF : result;
}

int fchmodat(int folder, const char* path, mode_t mode, int flags) {
    static auto real = Real<int (*)(int, const char*, mode_t, int)>("fchmodat");
    return Fails(Call::kFchmodat) ? -1 : real(folder, path, mode, flags);
}

int rename(const char* from, const char* to) {
    static auto real = Real<int (*)(const char*, const char*)>("rename");
    return Fails(Call::kRename) ? -1 : real(from, to);
}

}  // extern "C"

namespace {

struct Fault {
    std::string what;
    Call call;                // a call that fails, every time it is made
    rlim_t fileSizeLimit;     // RLIM_INFINITY: none
    bool temporaryIsAFolder;  // a folder stands where the new file is written
};

// Runs SaveKeyConfig in a child process in gameFolder under fault; true when it succeeded.
bool SaveUnder(const Fault& fault, const std::string& gameFolder, const std::string& content) {
    pid_t child = fork();
    if (child == 0) {
        ParseKeyConfig(content.data(), content.size(), bindingList, nullptr);
        fs::current_path(gameFolder);
        signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails with EFBIG instead
        rlimit size = {fault.fileSizeLimit, fault.fileSizeLimit};
        setrlimit(RLIMIT_FSIZE, &size);
        failingCall = fault.call;
        _exit(SaveKeyConfig() ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status)) << fault.what;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

std::string ManyLines(int count) {
    std::string content;
    for (int i = 0; i < count; ++i) {
        content +=
            "Action_" + std::to_string(i) + (i % 3 == 0 ? "=Mouse_Button_4\r\n" : "=F5_Key\r\n");
    }
    return content;
}

std::vector<Fault> FaultsFor(const std::string& content) {
    std::vector<Fault> faults = {
        {"fflush fails", Call::kFflush, RLIM_INFINITY, false},
        {"fsync fails", Call::kFsync, RLIM_INFINITY, false},
        {"fclose fails", Call::kFclose, RLIM_INFINITY, false},
        {"copying the permissions fails", Call::kFchmodat, RLIM_INFINITY, false},
        {"rename fails", Call::kRename, RLIM_INFINITY, false},
        {"a folder is where the new file goes", Call::kNone, RLIM_INFINITY, true},
    };
    rlim_t size = content.size();
    for (rlim_t limit : {rlim_t{0}, rlim_t{1}, size / 4, size / 2, size * 3 / 4, size - 1}) {
        faults.push_back({"writing stops after " + std::to_string(limit) + " of " +
                              std::to_string(size) + " bytes",
                          Call::kNone, limit, false});
    }
    return faults;
}

TEST(SaveFaults, EveryFailedSaveLeavesTheOldFileAndNothingElse) {
    // Realistic files: the new bindings of each save are those of the next file, so that a save
    // that went through would change keys.cfg.
    const std::vector<std::string> files = {kSampleKeysCfg, "Fire=Left_Mouse_Button\r\n",
                                            ManyLines(5000)};
    int tried = 0;
    for (std::size_t i = 0; i < files.size(); ++i) {
        const std::string& old = files[i];
        const std::string& next = files[(i + 1) % files.size()];
        for (const Fault& fault : FaultsFor(next)) {
            SCOPED_TRACE("file " + std::to_string(i) + ": " + fault.what);
            TemporaryFolder game;
            const std::string data = game / "data";
            fs::create_directory(data);
            WriteBytes(game / "data/keys.cfg", old);
            if (fault.temporaryIsAFolder) {
                fs::create_directories(game / "data/keys.cfg.tmp/inside");
            }
            const std::vector<std::string> before = FolderEntries(data);

            EXPECT_FALSE(SaveUnder(fault, game.path().string(), next));
            EXPECT_EQ(ReadBytes(game / "data/keys.cfg"), old);
            EXPECT_EQ(FolderEntries(data), before);
            ++tried;
        }
        // The same save with no fault goes through: each fault alone made it fail.
        TemporaryFolder game;
        fs::create_directory(game / "data");
        WriteBytes(game / "data/keys.cfg", old);
        EXPECT_TRUE(
            SaveUnder({"no fault", Call::kNone, RLIM_INFINITY, false}, game.path().string(), next));
        EXPECT_EQ(ReadBytes(game / "data/keys.cfg"), next);
    }
    std::printf("save faults: %d fault points on %zu files\n", tried, files.size());
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
