// Any bytes as keys.cfg: read them, save, read the saved bytes, save again. Both reads must give
// the same bindings and both saves the same bytes: whatever the program saved, it reads back
// unchanged, so a file it wrote once never drifts on later saves.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "binding.h"
#include "key_config_text.h"
#include "key_table.h"

namespace {

bool SameBinding(const Binding& a, const Binding& b) {
    return std::strcmp(a.name, b.name) == 0 && a.key == b.key &&
           std::strcmp(BindingToken(a), BindingToken(b)) == 0 &&
           (a.unknownToken == nullptr) == (b.unknownToken == nullptr);
}

bool SameBindings(const CountedSlotArray& a, const CountedSlotArray& b) {
    if (a.count != b.count) {
        return false;
    }
    for (std::int32_t i = 0; i < a.count; ++i) {
        if (!SameBinding(BindingAt(a, i), BindingAt(b, i))) {
            return false;
        }
    }
    return true;
}

// Text that stays on its own line and ends where a line or the file does not.
bool OneLineText(const char* text) {
    return std::strpbrk(text, "\n\x1a") == nullptr;
}

// Every binding has a name that is not empty and holds no "=", and a key that is a table row or
// none, with the unknown token kept exactly when the key is none.
bool WellFormed(const CountedSlotArray& list) {
    for (std::int32_t i = 0; i < list.count; ++i) {
        const Binding& binding = BindingAt(list, i);
        bool nameFits = binding.name[0] != '\0' && std::strchr(binding.name, '=') == nullptr &&
                        OneLineText(binding.name);
        bool keyFits = binding.key >= kNoKey && binding.key < kKeyCount &&
                       (binding.key == kNoKey) == (binding.unknownToken != nullptr);
        if (!nameFits || !keyFits || !OneLineText(BindingToken(binding))) {
            return false;
        }
    }
    return true;
}

void Require(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "property broken: %s\n", what);
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CountedSlotArray first(0);
    CountedSlotArray second(0);
    ParseKeyConfig(reinterpret_cast<const char*>(data), size, first, nullptr);
    std::string saved = FormatKeyConfig(first);
    ParseKeyConfig(saved.data(), saved.size(), second, nullptr);
    std::string savedAgain = FormatKeyConfig(second);

    Require(WellFormed(first), "every binding read is well formed");
    Require(SameBindings(first, second), "the saved file reads back as the same bindings");
    Require(saved == savedAgain, "saving what was read from a saved file gives the same bytes");

    DestroyBindings(first);
    DestroyBindings(second);
    return 0;
}
