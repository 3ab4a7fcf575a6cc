// Loading the product's default skin file: reading it, expanding it,
// parsing its definition and building every element, against reading and
// expanding the same file alone (the LZH decode), in the same run.
#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>
#include <vector>

#include "skin/data/SkinLoader.h"
#include "skin/package/SkinReader.h"

namespace {

using namespace veyra;

// The packed default skin as the build writes it (skins/CMakeLists.txt).
constexpr const char* kDefaultSkin = VEYRA_DEFAULT_SKIN_FILE;

std::vector<std::uint8_t> ReadSkinFile() {
    std::ifstream in(kDefaultSkin, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool HaveSkinFile(benchmark::State& state) {
    if (!ReadSkinFile().empty())
        return true;
    state.SkipWithError("no packed default skin; build the veyra_skins target");
    return false;
}

void BM_SkinLoad(benchmark::State& state) {
    if (!HaveSkinFile(state))
        return;
    for (auto _ : state) {
        const std::vector<std::uint8_t> file = ReadSkinFile();
        TSkinDefinition definition;
        if (!LoadSkinDefinition(file, definition, {}, [](std::string_view) {})) {
            state.SkipWithError("the default skin is of an older format");
            return;
        }
        benchmark::DoNotOptimize(definition);
    }
}
BENCHMARK(BM_SkinLoad)->Unit(benchmark::kMillisecond);

void BM_SkinLoad_Baseline(benchmark::State& state) {
    if (!HaveSkinFile(state))
        return;
    std::vector<std::uint8_t> payload;
    for (auto _ : state) {
        const std::vector<std::uint8_t> file = ReadSkinFile();
        ExpandPackedBody(file, payload);
        benchmark::DoNotOptimize(payload.data());
    }
}
BENCHMARK(BM_SkinLoad_Baseline)->Unit(benchmark::kMillisecond);

} // namespace
