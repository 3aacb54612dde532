// Reading data/keys.cfg into the binding list and writing the binding list back to it.
#pragma once

#include <string>

#include "key_config_text.h"

// keys.cfg in the folder data, relative to the current directory: the program is started from
// the game's folder. Windows accepts "/" as well as "\" between folders.
constexpr const char* kKeyConfigPath = "data/keys.cfg";

// Appends the bindings of the file at path to list. False, with list unchanged, when the file
// cannot be opened or read.
bool ReadKeyConfigFile(const std::string& path, CountedSlotArray& list,
                       const BindingCallback& onBinding);

// Replaces the file at path with one line per binding of list; false, with the old file left as
// it was, when that cannot be done completely.
bool WriteKeyConfigFile(const std::string& path, const CountedSlotArray& list);

// ReadKeyConfigFile and WriteKeyConfigFile on kKeyConfigPath and the binding list.
bool LoadKeyConfig(const BindingCallback& onBinding);
bool SaveKeyConfig();
