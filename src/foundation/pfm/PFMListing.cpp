// The store interface: the segment types and ids of the current store and its ancestors, as lists.

#include "foundation/Compare.h"
#include "foundation/FileError.h"
#include "foundation/TypedList.h"
#include "foundation/pfm/PFM.h"
#include "foundation/pfm/PFMFile.h"
#include "foundation/pfm/PFMState.h"

namespace {

// The current store, then with chain search its ancestors.
template <typename Visit>
void ForEachStoreInChain(Visit visit) {
    const PFMState& state = GetPFMState();
    for (PFMFile* store = state.current; store; store = state.chainSearch ? store->Parent() : nullptr)
        visit(*store);
}

// Inserts the value at its sorted place unless it is there; the list stays sorted.
template <typename List, typename Value>
ErrCode InsertOnce(List& list, Value value, CompareFunc compare) {
    bool found = false;
    const std::int32_t at = list.FindInsertPos(&value, &found, compare);
    if (found) return kNoErr;
    const ErrCode err = list.InsertAt(value, at);
    list.SetSorted();
    return err;
}

}  // namespace

ErrCode PFMGetSegmentTypes(LList& types) {
    PFMClearError();
    ErrCode err = kNoErr;
    ForEachStoreInChain([&](const PFMFile& store) {
        for (FourCC type : store.SegmentTypes()) {
            if (err == kNoErr) err = InsertOnce(types, static_cast<std::int32_t>(type), CompareLongAscending);
        }
    });
    if (err != kNoErr) PFMSetError(err);
    return PFMGetError();
}

ErrCode PFMGetSegmentIds(FourCC type, SList& ids) {
    PFMClearError();
    ErrCode err = kNoErr;
    ForEachStoreInChain([&](const PFMFile& store) {
        for (std::uint16_t id : store.SegmentIds(type)) {
            if (err == kNoErr) err = InsertOnce(ids, static_cast<std::int16_t>(id), CompareUShortAscending);
        }
    });
    if (err != kNoErr) PFMSetError(err);
    return PFMGetError();
}
