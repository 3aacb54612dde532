// keys.cfg on disk: the whole file is read into memory and parsed, and written back through a
// safe replacement.
#include "key_config.h"

#include <cstdio>

#include "file_replace.h"

namespace {

bool ReadWhole(const std::string& path, std::string& content) {
    // "rb": the format's line breaks and end-of-file byte are handled by the parser, the same on
    // every platform. The Windows C runtime opens without a sharing restriction.
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return false;
    }
    // Read in growing blocks straight into the string; a file may grow while it is read.
    std::size_t size = 0;
    for (std::size_t block = 64 * 1024;; block *= 2) {
        content.resize(size + block);
        std::size_t got = std::fread(&content[size], 1, block, file);
        size += got;
        if (got < block) {
            break;
        }
    }
    content.resize(size);
    // A folder opens as a file on POSIX systems and fails only when read.
    bool failed = std::ferror(file) != 0;
    std::fclose(file);
    return !failed;
}

}  // namespace

bool ReadKeyConfigFile(const std::string& path, CountedSlotArray& list,
                       const BindingCallback& onBinding) {
    std::string content;
    if (!ReadWhole(path, content)) {
        return false;
    }
    ParseKeyConfig(content.data(), content.size(), list, onBinding);
    return true;
}

bool WriteKeyConfigFile(const std::string& path, const CountedSlotArray& list) {
    return ReplaceFileContent(path, FormatKeyConfig(list));
}

bool LoadKeyConfig(const BindingCallback& onBinding) {
    return ReadKeyConfigFile(kKeyConfigPath, bindingList, onBinding);
}

bool SaveKeyConfig() {
    return WriteKeyConfigFile(kKeyConfigPath, bindingList);
}
