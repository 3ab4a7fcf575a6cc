#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <vector>

#include "skin/package/Lzh.h"
#include "tools/packer/LzhEncoder.h"

namespace {

constexpr std::size_t kSize = 8u << 20;

// 8 MiB in equal thirds, as a skin file holds them: INI-like text, 24-bit
// image rows (gradients with dithering noise), and long runs of flat colour.
const std::vector<std::uint8_t>& MixedInput() {
    static const std::vector<std::uint8_t> data = [] {
        std::vector<std::uint8_t> out;
        out.reserve(kSize);
        std::mt19937 generator(42);
        const char* words[] = {
            "[Buttons]", "Image=button.bmp",       "LeftWidth=4", "TopHeight=3", "Trans=1",
            "Tile=0",    "ButtonFace=236,233,216", "; comment"};
        while (out.size() < kSize / 3) {
            const char* w = words[generator() % 8];
            out.insert(out.end(), w, w + std::strlen(w));
            out.push_back('\r');
            out.push_back('\n');
        }
        for (int y = 0; out.size() < 2 * kSize / 3; ++y) {
            for (int x = 0; x < 1000; ++x) {
                const int noise = static_cast<int>(generator() % 5) - 2;
                const int v = (x * 255 / 1000 + y) % 256;
                out.push_back(static_cast<std::uint8_t>(std::clamp(v + noise, 0, 255)));
                out.push_back(static_cast<std::uint8_t>(std::clamp(v / 2 + noise, 0, 255)));
                out.push_back(static_cast<std::uint8_t>(200 + (x / 40) % 3));
            }
        }
        while (out.size() < kSize)
            out.insert(out.end(), 1 + generator() % 200,
                       static_cast<std::uint8_t>(generator() % 4));
        out.resize(kSize);
        return out;
    }();
    return data;
}

// Random bytes: no matches, every literal near the bottom of a flat tree.
const std::vector<std::uint8_t>& RandomInput() {
    static const std::vector<std::uint8_t> data = [] {
        std::vector<std::uint8_t> out(kSize / 4);
        std::mt19937 generator(7);
        for (std::uint8_t& b : out)
            b = static_cast<std::uint8_t>(generator() >> 24);
        return out;
    }();
    return data;
}

void DecodeInto(const std::vector<std::uint8_t>& stream, std::vector<std::uint8_t>& output,
                std::size_t size) {
    std::size_t written = 0;
    std::size_t read = 0;
    veyra::TLZH decoder;
    decoder.Decode(
        static_cast<std::int64_t>(size),
        [&](const std::uint8_t* buffer, std::uint16_t n) {
            std::memcpy(output.data() + written, buffer, n);
            written += n;
            return static_cast<int>(n);
        },
        [&](std::uint8_t* buffer, std::uint16_t n) {
            const std::size_t k = std::min<std::size_t>(n, stream.size() - read);
            std::memcpy(buffer, stream.data() + read, k);
            read += k;
            return static_cast<int>(k);
        });
}

void BM_LzhDecodeRandom(benchmark::State& state) {
    const auto& input = RandomInput();
    static const std::vector<std::uint8_t> stream = veyra::tools::LzhCompress(input);
    std::vector<std::uint8_t> output(input.size() + 64);
    for (auto _ : state) {
        DecodeInto(stream, output, input.size());
        benchmark::DoNotOptimize(output.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * input.size()));
}
BENCHMARK(BM_LzhDecodeRandom)->Unit(benchmark::kMillisecond);

void BM_LzhDecodeRandom_Baseline(benchmark::State& state) {
    const auto& input = RandomInput();
    std::vector<std::uint8_t> output(input.size());
    for (auto _ : state) {
        std::memcpy(output.data(), input.data(), input.size());
        benchmark::DoNotOptimize(output.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * input.size()));
}
BENCHMARK(BM_LzhDecodeRandom_Baseline)->Unit(benchmark::kMillisecond);

void BM_LzhDecode(benchmark::State& state) {
    const auto& input = MixedInput();
    static const std::vector<std::uint8_t> stream = veyra::tools::LzhCompress(input);
    std::vector<std::uint8_t> output(kSize + 64);
    for (auto _ : state) {
        DecodeInto(stream, output, kSize);
        benchmark::DoNotOptimize(output.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kSize));
}
BENCHMARK(BM_LzhDecode)->Unit(benchmark::kMillisecond);

void BM_LzhDecode_Baseline(benchmark::State& state) {
    const auto& input = MixedInput();
    std::vector<std::uint8_t> output(kSize);
    for (auto _ : state) {
        std::memcpy(output.data(), input.data(), kSize);
        benchmark::DoNotOptimize(output.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kSize));
}
BENCHMARK(BM_LzhDecode_Baseline)->Unit(benchmark::kMillisecond);

} // namespace
