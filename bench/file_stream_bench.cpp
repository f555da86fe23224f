// Speed of the many small typed reads and writes a store makes, through an 8192-byte buffer and
// without one (argument: buffer size).

#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <unistd.h>

#include <string>

#include "foundation/FileReader.h"
#include "foundation/FileWriter.h"

namespace {

constexpr std::int32_t kValues = 16384;

std::string ScratchPath() {
    static std::string path = [] {
        std::string pattern = "/tmp/fablecore-bench-XXXXXX";
        const int fd = ::mkstemp(pattern.data());
        if (fd >= 0) ::close(fd);
        return pattern;
    }();
    return path;
}

void BM_WriteLongs(benchmark::State& state) {
    const FileRef ref(ScratchPath().c_str());
    for (auto _ : state) {
        FileWriter writer(ref, 0, static_cast<std::uint32_t>(state.range(0)));
        if (writer.Open(kAccessCreate) != kNoErr) state.SkipWithError("cannot create the scratch file");
        for (std::int32_t i = 0; i < kValues; ++i) writer.WriteLong(i);
        benchmark::DoNotOptimize(writer.Close());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * kValues * 4);
}
BENCHMARK(BM_WriteLongs)->Arg(0)->Arg(8192);

void BM_ReadLongs(benchmark::State& state) {
    const FileRef ref(ScratchPath().c_str());
    {
        FileWriter writer(ref, 0, 8192);
        writer.Open(kAccessCreate);
        for (std::int32_t i = 0; i < kValues; ++i) writer.WriteLong(i);
    }
    for (auto _ : state) {
        FileReader reader(ref, 0, static_cast<std::uint32_t>(state.range(0)));
        if (reader.Open() != kNoErr) state.SkipWithError("cannot open the scratch file");
        std::int32_t value = 0;
        for (std::int32_t i = 0; i < kValues; ++i) reader.ReadLong(value);
        benchmark::DoNotOptimize(value);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * kValues * 4);
    ::unlink(ScratchPath().c_str());
}
BENCHMARK(BM_ReadLongs)->Arg(0)->Arg(8192);

}  // namespace
