// Loading and saving keys.cfg files of growing size, beside a plain line-by-line copy of the same
// bytes, which is the floor for this work.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "key_config.h"
#include "key_table.h"

namespace fs = std::filesystem;

namespace {

// A keys.cfg of the given number of lines: table tokens in mixed letter case, and one line in
// sixteen with a token the table does not know.
std::string MakeKeysCfg(int lines) {
    std::string content;
    for (int i = 0; i < lines; ++i) {
        content += "Action_" + std::to_string(i) + "=";
        content += i % 16 == 15 ? "Mouse_Button_4" : KeyTable[i % kKeyCount].token;
        content += "\r\n";
    }
    return content;
}

struct BenchFolder {
    explicit BenchFolder(int lines) {
        fs::create_directories(root / "data");
        std::ofstream(input, std::ios::binary) << MakeKeysCfg(lines);
    }
    ~BenchFolder() { fs::remove_all(root); }
    fs::path root = fs::temp_directory_path() / "quelbind-bench";
    std::string input = (root / "data/input.cfg").string();
    std::string output = (root / "data/keys.cfg").string();
};

void LoadAndSave(benchmark::State& state) {
    BenchFolder folder(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        CountedSlotArray list(0);
        bool ok = ReadKeyConfigFile(folder.input, list, nullptr) &&
                  WriteKeyConfigFile(folder.output, list);
        if (!ok) {
            state.SkipWithError("load or save failed");
        }
        DestroyBindings(list);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// The floor: read line by line, write line by line, as a program with no model would.
void PlainCopy(benchmark::State& state) {
    BenchFolder folder(static_cast<int>(state.range(0)));
    char line[256];
    for (auto _ : state) {
        std::FILE* in = std::fopen(folder.input.c_str(), "rb");
        std::FILE* out = std::fopen(folder.output.c_str(), "wb");
        while (std::fgets(line, sizeof line, in) != nullptr) {
            std::fputs(line, out);
        }
        std::fclose(in);
        std::fclose(out);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

}  // namespace

BENCHMARK(LoadAndSave)->Arg(100)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(PlainCopy)->Arg(100)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
