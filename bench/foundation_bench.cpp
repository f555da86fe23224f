// Speed of the small shared routines that sit on hot paths (hashing keys of stores and tables).

#include <benchmark/benchmark.h>

#include <string>

#include "foundation/TextUtil.h"

static void BM_HashBytes(benchmark::State& state) {
    const std::string key(static_cast<std::size_t>(state.range(0)), 'k');
    for (auto _ : state) benchmark::DoNotOptimize(HashBytes(key.data(), key.size(), 1021));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}
BENCHMARK(BM_HashBytes)->Arg(8)->Arg(64)->Arg(4096);
