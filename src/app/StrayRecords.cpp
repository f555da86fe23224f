#include "app/StrayRecords.h"

#include <algorithm>
#include <array>
#include <optional>

#include "foundation/FileError.h"
#include "foundation/Memory.h"
#include "foundation/TypedList.h"
#include "foundation/pfm/PFM.h"

namespace {

// The records a story holds once, each under its one number: the story's information, the
// storyform's choices and values in force, the storytelling, the locks, the query system's answers
// and the characteristic notes.
constexpr std::array<PFMSegmentKey, 7> kSingleRecords = {{{FourCCOf("SDI4"), 0},
                                                          {FourCCOf("RESP"), 0},
                                                          {FourCCOf("FCAP"), 0},
                                                          {FourCCOf("STEL"), 0},
                                                          {FourCCOf("LOCK"), 0},
                                                          {FourCCOf("QST3"), 0},
                                                          {FourCCOf("CILL"), 128}}};
// The records a story holds several of, numbered: scenes, characters and their own pictures.
constexpr std::array<FourCC, 3> kNumberedRecords = {FourCCOf("SCNL"), FourCCOf("CHAR"), FourCCOf("CPIX")};
// The main records and question states of the older story files, which the open takes in.
constexpr std::array<FourCC, 4> kOlderRecords = {FourCCOf("SDI3"), FourCCOf("SDOC"), FourCCOf("QSTS"),
                                                 FourCCOf("QSTs")};

std::optional<PFMSegmentKey> SingleRecordOf(FourCC type) {
    for (const PFMSegmentKey& key : kSingleRecords)
        if (key.type == type) return key;
    return std::nullopt;
}

bool IsStoryType(FourCC type) {
    return SingleRecordOf(type) || std::ranges::find(kNumberedRecords, type) != kNumberedRecords.end() ||
           std::ranges::find(kOlderRecords, type) != kOlderRecords.end();
}

int DifferingBytes(FourCC one, FourCC other) {
    int differing = 0;
    for (int shift = 0; shift < 32; shift += 8)
        differing += ((one >> shift) & 0xFF) != ((other >> shift) & 0xFF);
    return differing;
}

// The one current story type a byte away from the type; none when no type or several are.
std::optional<FourCC> TypeOneByteAway(FourCC type) {
    std::optional<FourCC> found;
    int count = 0;
    const auto consider = [&](FourCC candidate) {
        if (DifferingBytes(type, candidate) != 1) return;
        found = candidate;
        ++count;
    };
    for (const PFMSegmentKey& key : kSingleRecords) consider(key.type);
    for (const FourCC candidate : kNumberedRecords) consider(candidate);
    return count == 1 ? found : std::nullopt;
}

std::vector<std::uint16_t> IdsOf(FourCC type) {
    SList ids;
    PFMGetSegmentIds(type, ids);
    std::vector<std::uint16_t> listed;
    for (std::int32_t i = 0; i < ids.Count(); ++i) listed.push_back(static_cast<std::uint16_t>(ids.GetAt(i)));
    return listed;
}

}  // namespace

ErrCode MoveRecord(PFMSegmentKey from, PFMSegmentKey to) {
    void* data = PFMCheckOut(from.type, from.id);
    if (!data) return PFMGetError() != kNoErr ? PFMGetError() : ErrCode{-1};
    void* copy = MemDuplicate(data);
    PFMCheckIn(data);
    if (!copy) return kOutOfMemoryErr;
    const ErrCode error = PFMAddSegment(to.type, to.id, copy, 1, false);
    if (error != kNoErr) {
        MemFree(copy);
        return error;
    }
    PFMCheckIn(copy);
    PFMRemoveSegment(from.type, from.id);
    return kNoErr;
}

std::vector<StrayRecord> TakeBackStrayRecords() {
    std::vector<StrayRecord> moved;
    const auto take = [&](PFMSegmentKey from, PFMSegmentKey to) {
        if (PFMSegmentExists(to.type, to.id) || !PFMIsRawSegment(from.type, from.id)) return;
        if (MoveRecord(from, to) == kNoErr) moved.push_back({from, to});
    };
    LList types;
    if (PFMGetSegmentTypes(types) != kNoErr) return moved;
    for (std::int32_t i = 0; i < types.Count(); ++i) {
        const auto type = static_cast<FourCC>(types.GetAt(i));
        if (IsStoryType(type)) continue;
        const std::optional<FourCC> own = TypeOneByteAway(type);
        if (!own) continue;
        const std::optional<PFMSegmentKey> single = SingleRecordOf(*own);
        const std::vector<std::uint16_t> ids = IdsOf(type);
        if (single && ids.size() == 1) take({type, ids.front()}, *single);
        if (!single)
            for (const std::uint16_t id : ids) take({type, id}, {*own, id});
    }
    for (const PFMSegmentKey& single : kSingleRecords) {
        const std::vector<std::uint16_t> ids = IdsOf(single.type);
        if (ids.size() == 1 && ids.front() != single.id) take({single.type, ids.front()}, single);
    }
    return moved;
}
