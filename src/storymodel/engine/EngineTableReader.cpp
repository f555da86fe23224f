#include "storymodel/engine/EngineTableReader.h"

#include <cstring>

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

// The records are checked a machine word (eight storyform indexes) at a time, over their whole
// length: a sound file, the usual one, is read through once, with no test per value.
using Word = std::uint64_t;
constexpr std::size_t kWordsPerRecord = kEngineRecordSize / sizeof(Word);

// The byte in every lane of a word.
constexpr Word Spread(std::uint8_t byte) { return Word{byte} * 0x0101010101010101u; }

Word WordAt(const std::uint8_t* bytes, std::size_t word) {
    Word value;
    std::memcpy(&value, bytes + word * sizeof value, sizeof value);
    return value;
}

// The bits that a read record's values may hold: a benchmark is a type index (below 16); the
// others of the throughlines are variation or element indexes (below 64).
std::uint8_t RecordValueBits(int record) {
    return EngineFieldOffset(record) == kBenchmarkOffset ? 0x0F : 0x3F;
}

// Every bit that some value of the record holds.
std::uint8_t BitsHeld(const std::uint8_t* record) {
    Word held = 0;
    for (std::size_t w = 0; w < kWordsPerRecord; ++w) held |= WordAt(record, w);
    held |= held >> 32;
    held |= held >> 16;
    held |= held >> 8;
    return static_cast<std::uint8_t>(held);
}

// The dynamics depend on no bit of the arrangement, so that they stay the same over each run of
// kArrangementCount indexes.
constexpr bool DynamicsHoldOverArrangements() {
    for (const std::uint16_t bit : kDynamicBit) {
        if ((bit & kArrangementMask) != 0) return false;
    }
    return true;
}
static_assert(DynamicsHoldOverArrangements() && kArrangementCount % sizeof(Word) == 0);

// Record 0 holds each index's own dynamics (Limit's bit unused).
bool DynamicsAgree(const std::uint8_t* dynamics) {
    constexpr Word kCompared = ~Spread(1u << kLimit);
    constexpr std::size_t kWordsPerRun = kArrangementCount / sizeof(Word);
    Word differing = 0;
    for (std::size_t run = 0; run < kStoryformIndexCount / kArrangementCount; ++run) {
        const Word expected = Spread(EngineDynamicsByte(static_cast<std::uint16_t>(run * kArrangementCount)));
        for (std::size_t w = run * kWordsPerRun; w < (run + 1) * kWordsPerRun; ++w)
            differing |= (WordAt(dynamics, w) & kCompared) ^ expected;
    }
    return differing == 0;
}

// The values of the two records lie in the same class (the high four bits) at every index.
bool SameClasses(const std::uint8_t* a, const std::uint8_t* b) {
    Word differing = 0;
    for (std::size_t w = 0; w < kWordsPerRecord; ++w) differing |= WordAt(a, w) ^ WordAt(b, w);
    return (differing & Spread(0xF0)) == 0;
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
    // Each read record of the throughlines keeps its values within its bits (the signposts' four
    // 2-bit positions may hold anything).
    for (int k = 1; k < kFirstSignpostRecord; ++k) {
        if (IsEngineRecordRead(k) &&
            (BitsHeld(records[static_cast<std::size_t>(k)]) & ~RecordValueBits(k)) != 0)
            return kDamaged;
    }
    if (!DynamicsAgree(records[0])) return kDamaged;
    // The overall story's catalyst lies in the class of its issue, so that it moves into the others'.
    if (!SameClasses(records[9], records[3])) return kDamaged;
    return kNoErr;
}
