#include "foundation/pfm/PFMState.h"

#include <algorithm>
#include <new>

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
        if (store->HoldsFile(identity)) return store.get();
    }
    return nullptr;
}

void KeepLookedAtLayout(const win::OpenedFileFacts& file, const PFMHeader& header, const SegmentMap& map) {
    auto& kept = GetPFMState().lookedAt;
    try {
        kept = std::make_unique<PFMReadLayout>(PFMReadLayout{file, header, map});
    } catch (const std::bad_alloc&) {
        kept.reset();  // the store reads it again
    }
}

bool TakeLookedAtLayout(const win::OpenedFileFacts& file, PFMHeader& header, SegmentMap& map) {
    const std::unique_ptr<PFMReadLayout> kept = std::move(GetPFMState().lookedAt);
    if (!kept || !(kept->file == file)) return false;
    header = kept->header;
    map = std::move(kept->map);
    return true;
}

std::vector<const FileRef*> HeldSwapFiles() {
    std::vector<const FileRef*> files;
    files.reserve(GetPFMState().openStores.size());
    for (const auto& store : GetPFMState().openStores) {
        if (const FileRef* swap = store->HeldSwapFile()) files.push_back(swap);
    }
    return files;
}
