// Creation of bindings and the one global binding list.
#include "binding.h"

#include <cstring>

#include "key_table.h"

CountedSlotArray bindingList(0);

namespace {

char* CopyText(const char* text, std::size_t length) {
    char* copy = new char[length + 1];
    std::memcpy(copy, text, length);
    copy[length] = '\0';
    return copy;
}

}  // namespace

Binding* CreateBinding(const char* name, std::size_t nameLength, std::int32_t key,
                       const char* unknownToken, std::size_t unknownTokenLength) {
    Binding* binding = new Binding;
    binding->name = CopyText(name, nameLength);
    binding->key = key;
    binding->unknownToken = nullptr;
    if (key == kNoKey) {
        binding->unknownToken =
            unknownToken != nullptr ? CopyText(unknownToken, unknownTokenLength) : CopyText("", 0);
    }
    return binding;
}

void DestroyBinding(Binding* binding) {
    delete[] binding->name;
    delete[] binding->unknownToken;
    delete binding;
}

void SetBindingKey(Binding& binding, std::int32_t key) {
    binding.key = key;
    if (key != kNoKey) {
        delete[] binding.unknownToken;
        binding.unknownToken = nullptr;
    }
}

const char* BindingToken(const Binding& binding) {
    if (binding.key >= 0 && binding.key < kKeyCount) {
        return KeyTable[binding.key].token;
    }
    return binding.unknownToken != nullptr ? binding.unknownToken : "";
}
