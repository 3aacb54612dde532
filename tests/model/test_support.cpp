// Helpers shared by the model tests.
#include "test_support.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>

#include "key_config_text.h"

namespace fs = std::filesystem;

std::ostream& operator<<(std::ostream& out, const BindingValue& value) {
    std::ostringstream escaped;
    for (unsigned char c : value.name + "=" + value.token) {
        if (c < 0x20 || c >= 0x7f) {
            static const char kHex[] = "0123456789abcdef";
            escaped << "\\x" << kHex[c >> 4] << kHex[c & 15];
        } else {
            escaped << c;
        }
    }
    return out << "{" << escaped.str() << " key " << value.key << "}";
}

std::vector<BindingValue> ValuesOf(const CountedSlotArray& list) {
    std::vector<BindingValue> values;
    for (std::int32_t i = 0; i < list.count; ++i) {
        const Binding& binding = BindingAt(list, i);
        values.push_back({binding.name, binding.key, BindingToken(binding)});
    }
    return values;
}

std::vector<BindingValue> Parse(const std::string& content) {
    OwnedBindings bindings;
    ParseKeyConfig(content.data(), content.size(), bindings.list, nullptr);
    return ValuesOf(bindings.list);
}

TemporaryFolder::TemporaryFolder() {
    std::random_device random;
    for (;;) {
        path_ = fs::temp_directory_path() / ("quelbind-test-" + std::to_string(random()));
        if (fs::create_directory(path_)) {
            break;
        }
    }
}

TemporaryFolder::~TemporaryFolder() {
    std::error_code error;
    // Give back write permission first, so that read-only test files can go too.
    for (const auto& entry : fs::recursive_directory_iterator(path_, error)) {
        fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, error);
    }
    fs::remove_all(path_, error);
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<std::string> FolderEntries(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

const std::string kSampleKeysCfg =
    "Move_Forward=W_Key\r\n"
    "Move_Backward=S_Key\r\n"
    "Strafe_Left=A_Key\r\n"
    "Strafe_Right=D_Key\r\n"
    "Jump=Space_Bar_Key\r\n"
    "Crouch=Left_Control_Key\r\n"
    "Fire=Left_Mouse_Button\r\n"
    "Aim=Right_Mouse_Button\r\n"
    "Use=E_Key\r\n"
    "Reload=R_Key\r\n"
    "Quick_Save=F5_Key\r\n"
    "Quick_Load=F9_Key\r\n"
    "Console=Grave_Key\r\n"
    "Menu=Escape_Key\r\n"
    "Dash=Mouse_Button_4\r\n"
    "Unassigned=None_Key\r\n";
