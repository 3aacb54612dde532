// Safe replacement of a file's content: write beside it, then rename over it.
#include "file_replace.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <thread>

#include "file_sync.h"

namespace fs = std::filesystem;

namespace {

// Players make keys.cfg read-only so that the game cannot reset it. The rename below would go
// through regardless (on POSIX, and under Wine even for the read-only attribute), and root may
// write anything, so the file's own permission bits decide. On Windows the C runtime reports the
// read-only attribute as a missing owner write bit.
bool IsReadOnly(fs::perms permissions) {
    return (permissions & fs::perms::owner_write) == fs::perms::none;
}

// Writes content to a new file at path. created tells whether path is ours to remove.
bool WriteWhole(const std::string& path, const std::string& content, bool& created) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    created = file != nullptr;
    if (file == nullptr) {
        return false;
    }
    bool written = std::fwrite(content.data(), 1, content.size(), file) == content.size();
    bool synced = written && SyncFileToDisk(file);
    bool closed = std::fclose(file) == 0;
    return written && synced && closed;
}

// On Windows an antivirus scanner or the search indexer may hold a file that was just written
// for a moment, and the rename fails meanwhile: try a few times within about a tenth of a second.
bool RenameOver(const std::string& from, const std::string& to) {
    constexpr int kAttempts = 5;
    for (int attempt = 1;; ++attempt) {
        std::error_code error;
        fs::rename(from, to, error);
        if (!error) {
            return true;
        }
        if (attempt == kAttempts) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
    }
}

}  // namespace

std::string TemporaryPathFor(const std::string& path) {
    return path + ".tmp";
}

bool ReplaceFileContent(const std::string& path, const std::string& content) {
    std::error_code error;
    fs::file_status old = fs::status(path, error);
    bool exists = fs::exists(old);
    if (exists && (!fs::is_regular_file(old) || IsReadOnly(old.permissions()))) {
        return false;
    }
    if (!exists && old.type() != fs::file_type::not_found) {
        return false;  // cannot tell what is there
    }

    std::string temporary = TemporaryPathFor(path);
    bool created = false;
    bool replaced = WriteWhole(temporary, content, created);
    if (replaced && exists) {
        fs::permissions(temporary, old.permissions(), fs::perm_options::replace, error);
        replaced = !error;
    }
    replaced = replaced && RenameOver(temporary, path);
    if (!replaced && created) {
        fs::remove(temporary, error);
    }
    return replaced;
}
