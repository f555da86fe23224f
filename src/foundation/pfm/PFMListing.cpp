// The store interface: the segment types and ids of the current store and its ancestors, as lists.

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

}  // namespace

ErrCode PFMGetSegmentTypes(LList& types) {
    PFMClearError();
    ErrCode err = kNoErr;
    ForEachStoreInChain([&](const PFMFile& store) {
        if (err == kNoErr) err = store.ListTypes(types);
    });
    if (err != kNoErr) PFMSetError(err);
    return PFMGetError();
}

ErrCode PFMGetSegmentIds(FourCC type, SList& ids) {
    PFMClearError();
    ErrCode err = kNoErr;
    ForEachStoreInChain([&](const PFMFile& store) {
        if (err == kNoErr) err = store.ListIds(type, ids);
    });
    if (err != kNoErr) PFMSetError(err);
    return PFMGetError();
}
