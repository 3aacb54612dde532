// Creation of bindings and the one global binding list.
#include "binding.h"

#include <cstring>
#include <new>

#include "key_table.h"

CountedSlotArray bindingList(0);

namespace {

char* CopyText(char* to, const char* text, std::size_t length) {
    std::memcpy(to, text, length);
    to[length] = '\0';
    return to;
}

}  // namespace

// A binding and its strings share one heap block: a large keys.cfg makes one allocation a line.
Binding* CreateBinding(const char* name, std::size_t nameLength, std::int32_t key,
                       const char* unknownToken, std::size_t unknownTokenLength) {
    bool keepToken = key == kNoKey;
    if (unknownToken == nullptr) {
        unknownToken = "";
        unknownTokenLength = 0;
    }
    std::size_t size = sizeof(Binding) + nameLength + 1 + (keepToken ? unknownTokenLength + 1 : 0);
    void* block = ::operator new(size);
    char* text = static_cast<char*>(block) + sizeof(Binding);
    Binding* binding = new (block) Binding;
    binding->name = CopyText(text, name, nameLength);
    binding->key = key;
    binding->unknownToken =
        keepToken ? CopyText(text + nameLength + 1, unknownToken, unknownTokenLength) : nullptr;
    return binding;
}

void DestroyBinding(Binding* binding) {
    binding->~Binding();
    ::operator delete(binding);
}

void DestroyBindings(CountedSlotArray& list) {
    for (std::int32_t i = 0; i < list.count; ++i) {
        DestroyBinding(&BindingAt(list, i));
    }
    list.Resize(0);
}

void SetBindingKey(Binding& binding, std::int32_t key) {
    binding.key = key;
    if (key != kNoKey) {
        binding.unknownToken = nullptr;
    }
}

const char* BindingToken(const Binding& binding) {
    if (binding.key >= 0 && binding.key < kKeyCount) {
        return KeyTable[binding.key].token;
    }
    return binding.unknownToken != nullptr ? binding.unknownToken : "";
}
