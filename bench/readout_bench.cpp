// Nanoseconds per colour for each readout and for the seven colour readouts of one tick,
// with the heap allocations they make (goal: none).
#include <benchmark/benchmark.h>


#include "core/cmyk.h"
#include "core/color_sample.h"
#include "core/hsl.h"
#include "core/hsv.h"
#include "core/yuv.h"
#include "bench/allocation_count.h"

namespace {

using namespace colvexa;

// Walks all 2^24 colours in a scattered order (an odd stride), so no branch predictor
// learns a sweep.
template <typename Readout>
void RunOverColours(benchmark::State& state, Readout readout) {
    std::uint32_t value = 0;
    const long before = bench::Allocations();
    for (auto _ : state) {
        value = (value + 0x9E3779u) & 0xFFFFFF;
        const ColorSample s = MakeColorSample(1919, 1079, value);
        readout(s);
    }
    state.counters["allocs/colour"] = benchmark::Counter(
        static_cast<double>(bench::Allocations() - before) / static_cast<double>(state.iterations()));
}

void Rgb(benchmark::State& state) {
    RunOverColours(state, [](const ColorSample& s) { benchmark::DoNotOptimize(FormatRgb(s)); });
}
void Html(benchmark::State& state) {
    RunOverColours(state, [](const ColorSample& s) { benchmark::DoNotOptimize(FormatHtml(s)); });
}
void Hex(benchmark::State& state) {
    RunOverColours(state, [](const ColorSample& s) { benchmark::DoNotOptimize(FormatHex(s)); });
}
void Cmyk(benchmark::State& state) {
    RunOverColours(
        state, [](const ColorSample& s) { benchmark::DoNotOptimize(FormatCmyk(s.R, s.G, s.B)); });
}
void Hsv(benchmark::State& state) {
    RunOverColours(state, [](const ColorSample& s) {
        benchmark::DoNotOptimize(FormatHsv(ComputeHsv(s.R, s.G, s.B)));
    });
}
void Yuv(benchmark::State& state) {
    RunOverColours(
        state, [](const ColorSample& s) { benchmark::DoNotOptimize(FormatYuv(s.R, s.G, s.B)); });
}
void Hsl(benchmark::State& state) {
    RunOverColours(state, [](const ColorSample& s) {
        const HsvReading reading = ComputeHsv(s.R, s.G, s.B);
        benchmark::DoNotOptimize(FormatHsl(s.R, s.G, s.B, reading));
    });
}
void SevenTogether(benchmark::State& state) {
    RunOverColours(state, [](const ColorSample& s) {
        benchmark::DoNotOptimize(FormatRgb(s));
        benchmark::DoNotOptimize(FormatHtml(s));
        benchmark::DoNotOptimize(FormatHex(s));
        benchmark::DoNotOptimize(FormatCmyk(s.R, s.G, s.B));
        const HsvReading reading = ComputeHsv(s.R, s.G, s.B);
        benchmark::DoNotOptimize(FormatHsv(reading));
        benchmark::DoNotOptimize(FormatYuv(s.R, s.G, s.B));
        benchmark::DoNotOptimize(FormatHsl(s.R, s.G, s.B, reading));
    });
}
void Pixel(benchmark::State& state) {
    RunOverColours(state, [](const ColorSample& s) { benchmark::DoNotOptimize(FormatPixel(s)); });
}

BENCHMARK(Pixel);
BENCHMARK(Rgb);
BENCHMARK(Html);
BENCHMARK(Hex);
BENCHMARK(Cmyk);
BENCHMARK(Hsv);
BENCHMARK(Yuv);
BENCHMARK(Hsl);
BENCHMARK(SevenTogether);

}  // namespace

BENCHMARK_MAIN();
