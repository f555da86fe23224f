#include "foundation/pfm/PFMState.h"

#include <algorithm>

#include "foundation/FileIdentity.h"
#include "foundation/pfm/PFM.h"
#include "foundation/pfm/PFMFile.h"

PFMState& GetPFMState() {
    static PFMState state;
    return state;
}

ErrCode KeepLastError(ErrCode err) {
    GetPFMState().lastError = err;
    return err;
}

void AddBytesInUse(std::uint32_t bytes) {
    PFMState& state = GetPFMState();
    state.bytesInUse = bytes > UINT32_MAX - state.bytesInUse ? UINT32_MAX : state.bytesInUse + bytes;
}

void SubtractBytesInUse(std::uint32_t bytes) {
    PFMState& state = GetPFMState();
    state.bytesInUse -= std::min(state.bytesInUse, bytes);
}

std::uint32_t NextUseStamp() { return ++GetPFMState().useCounter; }

void KeepMemoryBudget() {
    const PFMState& state = GetPFMState();
    if (state.bytesInUse > state.budgetLimit) PFMPurge(state.bytesInUse - state.budgetLimit);
}

PFMFile* FindStoreOfFile(const FileRef& ref) {
    // The file asked about is looked up once, not once for every store.
    const FileIdentity identity(ref);
    for (const auto& store : GetPFMState().openStores) {
        if (store->HasDiskFile() && identity.IsSameFile(store->GetFileRef())) return store.get();
    }
    return nullptr;
}
