// Speed of the segment store against plain file access, on a store of 2,000 segments and 20 MB:
//   a full save must take at most 3 times as long as writing the same bytes with plain buffered
//   writes (BM_FullSave* against BM_PlainBufferedWrite, both synced to the disk as a save is);
//   opening the store and reading every segment at most 3 times as long as reading the file raw
//   into new memory blocks as the store does (BM_OpenAndReadEverySegment against
//   BM_RawReadIntoBlocks; BM_RawRead, into one reused buffer, shows what the fresh memory costs).

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "foundation/FileReader.h"
#include "foundation/FileWriter.h"
#include "foundation/Memory.h"
#include "foundation/Platform.h"
#include "foundation/pfm/PFM.h"
#include "support/Floor.h"

namespace {

constexpr int kSegments = 2000;
constexpr std::uint32_t kSegmentSize = 20 * 1024 * 1024 / kSegments;  // 20 MB in all
constexpr FourCC kType = FourCCOf("DATA");

// A folder of its own for the run, which also takes the stores' swap files.
class BenchFolder {
public:
    BenchFolder() {
        std::string pattern =
            std::filesystem::temp_directory_path().string() + "/fablecore-store-bench-XXXXXX";
        if (::mkdtemp(pattern.data())) path_ = pattern;
        ::setenv("TMPDIR", path_.c_str(), 1);
        DetectPlatform();
        PFMInit(FourCCOf("Fabl"), 0x01008000);
    }
    ~BenchFolder() {
        PFMTerm();
        std::error_code error;
        std::filesystem::remove_all(path_, error);
    }
    FileRef Ref(const char* name) const { return FileRef((path_ + "/" + name).c_str(), kAccessReadWrite); }

private:
    std::string path_;
};

const BenchFolder& Folder() {
    static BenchFolder folder;
    return folder;
}

std::vector<char> SegmentBytes(int id) {
    std::vector<char> bytes(kSegmentSize);
    for (std::uint32_t i = 0; i < kSegmentSize; ++i) bytes[i] = static_cast<char>(id * 31 + i);
    return bytes;
}

// An untitled store whose 2,000 segments are all in memory, made once.
PFMFile* StoreInMemory() {
    static PFMFile* store = [] {
        Folder();
        PFMSetCurrentFile(nullptr);
        PFMFile* made = PFMOpenFile(nullptr);
        for (int id = 0; id < kSegments; ++id) {
            void* block = MemAlloc(kSegmentSize);
            const std::vector<char> bytes = SegmentBytes(id);
            std::memcpy(block, bytes.data(), kSegmentSize);
            PFMAddSegment(kType, static_cast<std::uint16_t>(id), block, 1, false);
            PFMCheckIn(block);
        }
        return made;
    }();
    return store;
}

// The same store saved to a file, and opened from it: its segments are in the file.
FileRef StoreFile() {
    static FileRef ref = [] {
        FileRef file = Folder().Ref("store.fsf");
        PFMSetCurrentFile(StoreInMemory());
        PFMSaveCopy(file);
        return file;
    }();
    return ref;
}

void SetBytes(benchmark::State& state) {
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * kSegments * kSegmentSize);
}

void BM_PlainBufferedWrite(benchmark::State& state) {
    const FileRef ref = Folder().Ref("plain.dat");
    const std::vector<char> bytes = SegmentBytes(1);
    for (auto _ : state) {
        FileWriter writer(ref, 0, 8192);
        writer.Open(kAccessCreate);
        for (int id = 0; id < kSegments; ++id) {
            std::uint32_t count = kSegmentSize;
            writer.Write(bytes.data(), count);
        }
        if (state.range(0)) writer.Sync();
        benchmark::DoNotOptimize(writer.Close());
    }
    SetBytes(state);
}
BENCHMARK(BM_PlainBufferedWrite)->ArgName("synced")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// A copy is a whole full save that leaves the store as it was, so it can be repeated.
void FullSave(benchmark::State& state, PFMFile* store) {
    const FileRef copy = Folder().Ref("copy.fsf");
    PFMSetCurrentFile(store);
    for (auto _ : state) {
        if (PFMSaveCopy(copy) != kNoErr) state.SkipWithError("the save failed");
    }
    SetBytes(state);
}

void BM_FullSaveFromMemory(benchmark::State& state) { FullSave(state, StoreInMemory()); }
BENCHMARK(BM_FullSaveFromMemory)->Unit(benchmark::kMillisecond);

void BM_FullSaveFromFile(benchmark::State& state) {
    const FileRef ref = StoreFile();
    PFMSetCurrentFile(nullptr);
    PFMFile* store = PFMOpenFile(&ref);
    FullSave(state, store);
    PFMCloseFile(store);
}
BENCHMARK(BM_FullSaveFromFile)->Unit(benchmark::kMillisecond);

void BM_RawRead(benchmark::State& state) {
    const FileRef ref = StoreFile();
    std::vector<char> buffer(kSegmentSize);
    for (auto _ : state) {
        FileReader reader(ref, 0, 8192);
        reader.Open();
        std::uint32_t count = kSegmentSize;
        while (reader.Read(buffer.data(), count) == kNoErr && count == kSegmentSize) count = kSegmentSize;
        benchmark::DoNotOptimize(buffer.data());
    }
    SetBytes(state);
}
BENCHMARK(BM_RawRead)->Unit(benchmark::kMillisecond);

// The same bytes read into 2,000 new memory blocks, as a store holds them once read: the cost of
// fresh memory (page faults) that any reader keeping the data pays is in both numbers.
void BM_RawReadIntoBlocks(benchmark::State& state) {
    const FileRef ref = StoreFile();
    std::vector<void*> blocks(kSegments);
    for (auto _ : state) {
        FileReader reader(ref, 0, 8192);
        reader.Open();
        for (void*& block : blocks) {
            block = MemAlloc(kSegmentSize);
            std::uint32_t count = kSegmentSize;
            reader.Read(block, count);
        }
        benchmark::DoNotOptimize(blocks.data());
        for (void* block : blocks) MemFree(block);
    }
    SetBytes(state);
}
BENCHMARK(BM_RawReadIntoBlocks)->Unit(benchmark::kMillisecond);

void BM_OpenAndReadEverySegment(benchmark::State& state) {
    const FileRef ref = StoreFile();
    for (auto _ : state) {
        PFMSetCurrentFile(nullptr);
        PFMFile* store = PFMOpenFile(&ref);
        for (int id = 0; id < kSegments; ++id) {
            void* data = PFMCheckOut(kType, static_cast<std::uint16_t>(id));
            benchmark::DoNotOptimize(data);
            PFMCheckIn(data);
        }
        PFMCloseFile(store);
    }
    SetBytes(state);
}
BENCHMARK(BM_OpenAndReadEverySegment)->Unit(benchmark::kMillisecond);

BENCH_FLOOR("BM_FullSaveFromMemory", "BM_PlainBufferedWrite/synced:1", 3.0);
BENCH_FLOOR("BM_FullSaveFromFile", "BM_PlainBufferedWrite/synced:1", 3.0);
BENCH_FLOOR("BM_OpenAndReadEverySegment", "BM_RawReadIntoBlocks", 3.0);

}  // namespace
