// keys.cfg as bytes: turning a file's content into bindings and bindings into a file's content,
// apart from opening any file, so that both can be tested (and fuzzed) in memory.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

#include "binding.h"

using BindingCallback = std::function<void(Binding&)>;

// Appends one binding per line of content to list, in order, calling onBinding (when set) with
// each right after it was appended.
void ParseKeyConfig(const char* content, std::size_t size, CountedSlotArray& list,
                    const BindingCallback& onBinding);

// Whether a binding of this name reads back as the same binding once saved: a name must not be
// empty, and must not hold "=", a line break or the end-of-file byte 0x1A.
bool IsSavableBindingName(const std::string& name);

// One "name=token" line per binding, in list order, each ending in CR LF.
std::string FormatKeyConfig(const CountedSlotArray& list);
