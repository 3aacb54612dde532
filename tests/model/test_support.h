// Helpers shared by the model tests: binding lists that free what they hold, temporary game
// folders, and whole-file bytes.
#pragma once

#include <cstdint>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "binding.h"

// The program never frees bindings; a test frees every binding it made, so that the leak
// checker still reports any other leak.
struct OwnedBindings {
    CountedSlotArray list{0};
    OwnedBindings() = default;
    OwnedBindings(const OwnedBindings&) = delete;
    OwnedBindings& operator=(const OwnedBindings&) = delete;
    ~OwnedBindings() { DestroyBindings(list); }
};

// A binding as plain values, for comparing what was read with what was expected.
struct BindingValue {
    std::string name;
    std::int32_t key;
    std::string token;  // what a save writes after "="

    bool operator==(const BindingValue& other) const {
        return name == other.name && key == other.key && token == other.token;
    }
};
std::ostream& operator<<(std::ostream& out, const BindingValue& value);

std::vector<BindingValue> ValuesOf(const CountedSlotArray& list);
std::vector<BindingValue> Parse(const std::string& content);

// A folder of its own under the system's temporary folder, removed with everything in it.
class TemporaryFolder {
  public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string operator/(const std::string& relative) const { return (path_ / relative).string(); }

  private:
    std::filesystem::path path_;
};

void WriteBytes(const std::string& path, const std::string& bytes);
std::string ReadBytes(const std::string& path);

// The names in folder, sorted: to show that a failed save left nothing behind.
std::vector<std::string> FolderEntries(const std::string& folder);

// A realistic keys.cfg as the program writes it.
extern const std::string kSampleKeysCfg;
