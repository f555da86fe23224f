// The engine data check. The engine records are made once, as the build makes the engine data
// file; the input then changes them in edits of five bytes: a record number (45 and above leave the
// records as they are), what to do (set a byte, cut the record short, drop it), a 16-bit offset and
// a value. The records go into a store and are checked; when the check passes, every field of the
// storyform indexes the edits touched must read within the range the check promises.

#include <cstring>
#include <vector>

#include "FuzzStores.h"
#include "foundation/FileError.h"
#include "foundation/Memory.h"
#include "foundation/pfm/PFM.h"
#include "storymodel/engine/EngineGeneration.h"
#include "storymodel/engine/EngineTableReader.h"

namespace {

const EngineRecordBytes& MadeRecords() {
    static const EngineRecordBytes records = GenerateEngineRecords();
    return records;
}

void AddRecord(std::uint16_t id, const std::vector<std::uint8_t>& bytes) {
    void* block = MemAlloc(static_cast<std::uint32_t>(bytes.size()));
    FUZZ_CHECK(block != nullptr || bytes.empty());
    if (!bytes.empty()) std::memcpy(block, bytes.data(), bytes.size());
    FUZZ_CHECK(PFMAddSegment(kEngineRecordType, id, block, 1, false) == kNoErr);
    FUZZ_CHECK(PFMCheckIn(block) == kNoErr);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    StartStores();
    EngineRecordBytes records = MadeRecords();
    std::vector<bool> present(kEngineRecordCount, true);
    std::vector<std::uint16_t> touched;
    FuzzInput edits(data, size);
    while (!edits.Empty()) {
        const std::uint8_t record = edits.Byte();
        const std::uint8_t action = edits.Byte() % 3;
        const std::uint16_t offset = edits.Short() % kEngineRecordSize;
        const std::uint8_t value = edits.Byte();
        if (record >= kEngineRecordCount) continue;
        std::vector<std::uint8_t>& bytes = records[record];
        if (action == 0 && offset < bytes.size()) bytes[offset] = value;
        if (action == 1) bytes.resize(std::min<std::size_t>(bytes.size(), offset));
        if (action == 2) present[record] = false;
        touched.push_back(offset);
    }

    PFMFile* store = PFMOpenFile(nullptr);
    FUZZ_CHECK(store != nullptr);
    for (std::uint16_t id = 0; id < kEngineRecordCount; ++id) {
        if (present[id]) AddRecord(id, records[id]);
    }
    SetEngineFile(store);
    if (CheckEngineTables() == kNoErr) {
        touched.push_back(0);
        for (std::uint16_t index : touched) {
            for (int field = 1; field < kEngineFieldCount; ++field)
                FUZZ_CHECK(GetEngineField(field, index) < 64);
        }
    }
    SetEngineFile(nullptr);
    PFMCloseFile(store);
    return 0;
}
