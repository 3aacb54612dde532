// Loads and saves keys.cfg in a game folder the way quelbind.exe does, then exits without
// freeing the bindings, as the program does. Prints what the bindings hold, so that a memory
// checker's count of the bytes still in use at exit can be compared with it: those bytes must be
// the bindings and nothing else.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "binding.h"
#include "key_config.h"

namespace {

// The size of the one block CreateBinding allocates for a binding and its strings.
std::size_t BlockSize(const Binding& binding) {
    std::size_t size = sizeof(Binding) + std::strlen(binding.name) + 1;
    if (binding.unknownToken != nullptr) {
        size += std::strlen(binding.unknownToken) + 1;
    }
    return size;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s GAME_FOLDER\n", argv[0]);
        return 2;
    }
    std::error_code error;
    std::filesystem::current_path(argv[1], error);
    if (error || !LoadKeyConfig(nullptr) || !SaveKeyConfig()) {
        std::fprintf(stderr, "cannot load and save %s/data/keys.cfg\n", argv[1]);
        return 1;
    }
    std::size_t bytes = 0;
    for (std::int32_t i = 0; i < bindingList.count; ++i) {
        bytes += BlockSize(BindingAt(bindingList, i));
    }
    std::printf("bindings: %zu bytes in %d blocks\n", bytes, static_cast<int>(bindingList.count));
    return 0;
}
