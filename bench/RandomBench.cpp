// Cost of one random draw: from the operating system's entropy source (nothing installed), as every battle
// of the game draws, and through an installed scripted source, as the tests and the engine benchmarks draw.
// A battle between bots makes about 1,750 draws, so a draw's cost times 1,750 is what chance adds to it.
#include <benchmark/benchmark.h>
#include <cstdint>
#include <sys/random.h>

#include "rules/PseudoRNG.hpp"

namespace {

// The die most scripts roll; any n above 1 takes the same path.
constexpr int DRAW_RANGE = 100;

void BM_DrawOsSource(benchmark::State& state) {
    PseudoRNG rng;
    for (auto _ : state)
        benchmark::DoNotOptimize(rng.random(DRAW_RANGE));
}
// Several threads at once: bots draw on their own threads while the battle draws on the main one.
BENCHMARK(BM_DrawOsSource)->Threads(1)->Threads(4);

// For scale: one system call for the four bytes of each draw, as drawing would cost without the per-thread
// block of entropy.
void BM_SystemEntropyPerDraw(benchmark::State& state) {
    for (auto _ : state) {
        std::uint32_t word = 0;
        benchmark::DoNotOptimize(getrandom(&word, sizeof word, 0));
        benchmark::DoNotOptimize(word);
    }
}
BENCHMARK(BM_SystemEntropyPerDraw);

void BM_DrawScriptedSource(benchmark::State& state) {
    unsigned next = 0;
    installRandomSource([&next](int n) { return static_cast<int>(next++ % static_cast<unsigned>(n)); });
    PseudoRNG rng;
    for (auto _ : state)
        benchmark::DoNotOptimize(rng.random(DRAW_RANGE));
    installRandomSource(nullptr);
}
BENCHMARK(BM_DrawScriptedSource);

} // namespace
