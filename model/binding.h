// One action's binding, and the binding list: every binding in file order, then those added in
// the editor. A binding's index in the list is its position in the editor's binding list box.
#pragma once

#include <cstddef>
#include <cstdint>

#include "slot_array.h"

struct Binding {
    char* name;        // heap copy of the action name, NUL-terminated
    std::int32_t key;  // key index, or kNoKey when the token matched no row
    // The token as read when it matched no row (a copy, never null for such a binding), so
    // that a save writes back a key this program does not know instead of losing it. Null once
    // the binding was read with, or later given, a key of the table.
    char* unknownToken;
};

// Bindings and their strings live until the process ends: the program never frees them.
Binding* CreateBinding(const char* name, std::size_t nameLength, std::int32_t key,
                       const char* unknownToken, std::size_t unknownTokenLength);
// For code that must account for every allocation (tests, the fuzzer); the program has no use.
void DestroyBinding(Binding* binding);
// Destroys every binding of list and empties it.
void DestroyBindings(CountedSlotArray& list);

// Gives the binding a key of the table; the unknown token it was read with is forgotten.
void SetBindingKey(Binding& binding, std::int32_t key);

// The text a save writes after the "=": the table's token, or the unknown token kept.
const char* BindingToken(const Binding& binding);

inline Binding& BindingAt(const CountedSlotArray& list, std::int32_t index) {
    return *static_cast<Binding*>(list.slots[index]);
}

// The binding list. It is constructed empty before the entry point runs and destroyed at exit,
// which frees its slots but not the bindings.
extern CountedSlotArray bindingList;
