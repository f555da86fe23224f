#include "storymodel/engine/EngineTableReader.h"

#include <algorithm>

#include "foundation/Memory.h"
#include "foundation/pfm/PFM.h"
#include "storymodel/engine/StoryPointTable.h"
#include "storymodel/engine/StoryformNumber.h"
#include "storymodel/engine/TheoryTables.h"

namespace {

PFMFile* gEngineFile = nullptr;
// Made on first use and deleted by ReleaseEngineTables only, never by the program's exit, when
// the store may already be gone.
EngineTableReader* gReader = nullptr;

constexpr ErrCode kNoStore = -2;
constexpr ErrCode kDamaged = -3;

// The range a read record's values must keep: below the limit.
int RecordLimit(int record) {
    if (record >= kFirstSignpostRecord) return 256;
    // A benchmark is a type index; the others are variation or element indexes.
    return EngineFieldOffset(record) == kBenchmarkOffset ? 16 : 64;
}

}  // namespace

EngineTableReader& EngineTableReader::Instance() {
    if (!gReader) gReader = new EngineTableReader;
    return *gReader;
}

EngineTableReader::~EngineTableReader() {
    if (!gEngineFile || !PFMIsOpenFile(gEngineFile)) return;
    PFMFileScope scope(gEngineFile, false);
    for (void* data : records_) {
        if (data) PFMCheckIn(data);
    }
}

const EngineRecordSet& EngineTableReader::Records() {
    if (!loaded_) Load();
    return recordData_;
}

void EngineTableReader::Load() {
    loaded_ = true;
    if (!gEngineFile || !PFMIsOpenFile(gEngineFile)) return;
    PFMFileScope scope(gEngineFile, false);
    for (int k = 0; k < kEngineRecordCount; ++k) {
        if (!IsEngineRecordRead(k) || !PFMIsRawSegment(kEngineRecordType, static_cast<std::uint16_t>(k)))
            continue;
        void* data = PFMCheckOut(kEngineRecordType, static_cast<std::uint16_t>(k));
        if (!data) continue;
        if (MemSize(data) < kEngineRecordSize) {
            PFMCheckIn(data);
            continue;
        }
        records_[static_cast<std::size_t>(k)] = data;
        recordData_[static_cast<std::size_t>(k)] = static_cast<const std::uint8_t*>(data);
    }
}

void SetEngineFile(PFMFile* file) {
    ReleaseEngineTables();
    gEngineFile = file;
}

PFMFile* GetEngineFile() { return gEngineFile; }

void ReleaseEngineTables() {
    delete gReader;
    gReader = nullptr;
}

std::uint8_t GetEngineField(int field, std::uint16_t index) {
    return EngineTableReader::Instance().GetEngineField(field, index);
}

ErrCode CheckEngineTables() {
    if (!gEngineFile || !PFMIsOpenFile(gEngineFile)) return kNoStore;
    const EngineRecordSet& records = EngineTableReader::Instance().Records();
    for (int k = 0; k < kEngineRecordCount; ++k) {
        if (IsEngineRecordRead(k) && !records[static_cast<std::size_t>(k)]) return kDamaged;
    }
    // Each read record of the throughlines keeps its values below its limit.
    for (int k = 1; k < kFirstSignpostRecord; ++k) {
        if (!IsEngineRecordRead(k)) continue;
        const std::uint8_t* values = records[static_cast<std::size_t>(k)];
        const int limit = RecordLimit(k);
        if (std::any_of(values, values + kEngineRecordSize, [limit](std::uint8_t v) { return v >= limit; })) {
            return kDamaged;
        }
    }
    for (int n = 0; n < kStoryformIndexCount; ++n) {
        const std::size_t i = static_cast<std::size_t>(n);
        // Record 0 holds the index's own dynamics (Limit's bit unused).
        const std::uint8_t dynamics = EngineDynamicsByte(static_cast<std::uint16_t>(n));
        if ((records[0][i] & ~(1u << kLimit)) != dynamics) return kDamaged;
        // The overall story's catalyst lies in its class, so that it moves into the others'.
        if (records[9][i] >> 4 != records[3][i] >> 4) return kDamaged;
    }
    return kNoErr;
}
