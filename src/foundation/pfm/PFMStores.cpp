// The store interface: set-up, the tree of open stores, the current store, saving.

#include <algorithm>
#include <new>

#include "foundation/FileError.h"
#include "foundation/Memory.h"
#include "foundation/pfm/PFM.h"
#include "foundation/pfm/PFMDiskFile.h"
#include "foundation/pfm/PFMFile.h"
#include "foundation/pfm/PFMState.h"

namespace {

constexpr std::uint32_t kDefaultBufferSize = 8192;

PFMFile* StoreOrCurrent(PFMFile* store) { return store ? store : GetPFMState().current; }

std::vector<std::unique_ptr<PFMFile>>::iterator TableEntry(const PFMFile* store) {
    auto& table = GetPFMState().openStores;
    return std::find_if(table.begin(), table.end(),
                        [store](const auto& open) { return open.get() == store; });
}

// Makes a store, enters it in the table and fills it; on failure it is gone again.
template <typename Fill>
PFMFile* MakeStore(Fill fill) {
    PFMState& state = GetPFMState();
    state.lastError = kNoErr;
    PFMFile* parent = state.current;
    PFMFile* store = nullptr;
    try {
        state.openStores.push_back(std::make_unique<PFMFile>(state.appCode, state.appVersion,
                                                             state.readBufferSize, state.writeBufferSize));
        store = state.openStores.back().get();
    } catch (const std::bad_alloc&) {
        KeepLastError(kOutOfMemoryErr);
        return nullptr;
    }
    ErrCode err = store->CreateSwapFile();
    if (err == kNoErr) err = fill(*store);
    if (err != kNoErr) {
        state.openStores.erase(TableEntry(store));
        KeepLastError(err);
        return nullptr;
    }
    store->SetParent(parent);
    state.current = store;
    if (!state.root) state.root = store;
    return store;
}

bool IsAncestor(const PFMFile* ancestor, const PFMFile* store) {
    for (const PFMFile* up = store; up; up = up->Parent()) {
        if (up == ancestor) return true;
    }
    return false;
}

}  // namespace

// --- set-up and state

ErrCode PFMInit(FourCC app, VersionNumber version) {
    PFMState& state = GetPFMState();
    state.lastError = kNoErr;
    state.current = nullptr;
    state.root = nullptr;
    state.chainSearch = true;
    state.appCode = app;
    state.appVersion = version;
    state.readBufferSize = kDefaultBufferSize;
    state.writeBufferSize = kDefaultBufferSize;
    if (!state.purgeRegistered) state.purgeRegistered = RegisterPurgeCallback(PFMPurge);
    state.currentStack.clear();
    return kNoErr;
}

void PFMTerm() {
    PFMState& state = GetPFMState();
    state.openStores.clear();
    state.current = nullptr;
    state.root = nullptr;
    state.currentStack.clear();
    state.lookedAt.reset();
    if (state.purgeRegistered) UnregisterPurgeCallback(PFMPurge);
    state.purgeRegistered = false;
}

void PFMSetAppVersion(VersionNumber version) { GetPFMState().appVersion = version; }

ErrCode PFMGetError() { return GetPFMState().lastError; }
void PFMClearError() { GetPFMState().lastError = kNoErr; }
void PFMSetError(ErrCode code) { KeepLastError(code); }

void PFMGetBufferSizes(std::uint32_t& readSize, std::uint32_t& writeSize) {
    readSize = GetPFMState().readBufferSize;
    writeSize = GetPFMState().writeBufferSize;
}

void PFMSetBufferSizes(std::uint32_t readSize, std::uint32_t writeSize) {
    GetPFMState().readBufferSize = readSize;
    GetPFMState().writeBufferSize = writeSize;
}

std::uint32_t PFMSetMemoryBudget(std::uint32_t limit) {
    PFMState& state = GetPFMState();
    const std::uint32_t previous = state.budgetLimit;
    state.budgetLimit = limit;
    return previous;
}

bool PFMSetChainSearch(bool on) {
    const bool previous = GetPFMState().chainSearch;
    GetPFMState().chainSearch = on;
    return previous;
}

std::uint32_t PFMPurge(std::uint32_t wanted) {
    PFMState& state = GetPFMState();
    if (state.purging) return 0;
    // The purge runs inside whatever allocation needed the memory; it has no caller to report to, so
    // the last error stays as that caller left it.
    const ErrCode lastError = state.lastError;
    state.purging = true;
    const std::uint32_t before = state.bytesInUse;
    ErrCode err = kNoErr;
    for (const auto& store : state.openStores) {
        if (wanted == 0 || err != kNoErr) break;
        if (store.get() != state.current) err = store->Purge(wanted);
    }
    if (wanted > 0 && err == kNoErr && state.current) state.current->Purge(wanted);
    state.purging = false;
    state.lastError = lastError;
    return before > state.bytesInUse ? before - state.bytesInUse : 0;
}

// --- stores

PFMFile* PFMOpenFile(const FileRef* ref) {
    return MakeStore([ref](PFMFile& store) { return ref ? store.Open(*ref) : kNoErr; });
}

PFMFile* PFMNewFileFromTemplate(const FileRef& ref) {
    return MakeStore([&ref](PFMFile& store) { return store.CopyFromTemplate(ref); });
}

ErrCode PFMCloseFile(PFMFile* store) {
    PFMState& state = GetPFMState();
    state.lastError = kNoErr;
    store = StoreOrCurrent(store);
    auto entry = TableEntry(store);
    if (!store || entry == state.openStores.end()) return KeepLastError(kFileNotFoundErr);

    PFMFile* parent = store->Parent();
    const std::vector<PFMFile*> dependents = store->Dependents();
    if (parent) {
        if (state.current == store) state.current = parent;
    } else if (state.root == store) {
        state.root = dependents.empty() ? nullptr : dependents.front();
        state.current = state.root;
    } else if (state.current == store) {
        state.current = nullptr;
    }
    store->SetParent(nullptr);
    for (PFMFile* dependent : dependents) dependent->SetParent(parent);
    // A store pushed as current must not come back after it is gone.
    auto& stack = state.currentStack;
    std::replace(stack.begin(), stack.end(), store, parent);
    state.openStores.erase(entry);
    return state.lastError;
}

PFMFile* PFMGetCurrentFile() { return GetPFMState().current; }

PFMFile* PFMSetCurrentFile(PFMFile* store) {
    PFMFile* previous = GetPFMState().current;
    GetPFMState().current = store;
    return previous;
}

void PFMPushCurrentFile(PFMFile* store) {
    PFMState& state = GetPFMState();
    state.currentStack.push_back(state.current);
    state.current = store;
}

void PFMPopCurrentFile() {
    PFMState& state = GetPFMState();
    if (state.currentStack.empty()) return;
    state.current = state.currentStack.back();
    state.currentStack.pop_back();
}

PFMFileScope::PFMFileScope(PFMFile* store, bool chainSearch)
    : previous_(PFMSetCurrentFile(store)), previousChainSearch_(PFMSetChainSearch(chainSearch)) {}

PFMFileScope::~PFMFileScope() {
    PFMSetCurrentFile(previous_);
    PFMSetChainSearch(previousChainSearch_);
}

PFMFile* PFMGetParentFile(PFMFile* store) {
    store = StoreOrCurrent(store);
    return store ? store->Parent() : nullptr;
}

PFMFile* PFMSetParentFile(PFMFile* parent, PFMFile* store) {
    if (!store) {
        store = GetPFMState().current;
    } else if (!parent) {
        parent = GetPFMState().current;
    }
    if (!store) return nullptr;
    PFMFile* old = store->Parent();
    // A store under one of its own descendants would make chain search go round for ever.
    if (parent != old && !IsAncestor(store, parent)) store->SetParent(parent);
    return old;
}

bool PFMIsOnDisk(PFMFile* store) {
    store = StoreOrCurrent(store);
    return store && store->IsOnDisk();
}

FileRef PFMGetFileRef(PFMFile* store) {
    store = StoreOrCurrent(store);
    return store ? store->GetFileRef() : FileRef();
}

ErrCode PFMGetFileSizes(PFMFile* store, std::uint32_t& fullSaveSize, std::uint32_t& length) {
    fullSaveSize = length = 0;
    store = StoreOrCurrent(store);
    if (!store) return kFileNotFoundErr;
    return store->GetFileSizes(fullSaveSize, length);
}

bool PFMIsChanged(PFMFile* store) {
    store = StoreOrCurrent(store);
    return store && store->IsChanged();
}

SegmentMap PFMGetLeftOutRecords(PFMFile* store) {
    store = StoreOrCurrent(store);
    return store ? store->GetLeftOutRecords() : SegmentMap();
}

void* PFMReadLeftOutRecord(PFMFile* store, const SegmentMapRecord& record) {
    store = StoreOrCurrent(store);
    return store ? store->ReadRawBlockAt(record) : nullptr;
}

SegmentMap PFMGetUnlistedRecords(PFMFile* store) {
    store = StoreOrCurrent(store);
    return store ? store->GetUnlistedRecords() : SegmentMap();
}

bool PFMMapEndsShort(PFMFile* store) {
    store = StoreOrCurrent(store);
    return store && store->MapEndsShort();
}

std::vector<PFMSegmentKey> PFMTakeMislistedRecords(PFMFile* store) {
    store = StoreOrCurrent(store);
    return store ? store->TakeMislistedRecords() : std::vector<PFMSegmentKey>();
}

std::vector<PFMSegmentKey> PFMTakeRemeasuredRecords(PFMFile* store) {
    store = StoreOrCurrent(store);
    return store ? store->TakeRemeasuredRecords() : std::vector<PFMSegmentKey>();
}

void PFMNoteDamagedRecord(PFMFile* store, PFMSegmentKey key) {
    store = StoreOrCurrent(store);
    if (store) store->NoteDamagedRecord(key);
}

void PFMNoteMendedRecord(PFMFile* store, PFMSegmentKey key) {
    store = StoreOrCurrent(store);
    if (store) store->NoteMendedRecord(key);
}

std::vector<PFMSegmentKey> PFMTakeMendedRecords(PFMFile* store) {
    store = StoreOrCurrent(store);
    return store ? store->TakeMendedRecords() : std::vector<PFMSegmentKey>();
}

bool PFMIsNotedDamaged(PFMFile* store, PFMSegmentKey key) {
    store = StoreOrCurrent(store);
    return store && store->IsNotedDamaged(key);
}

std::vector<PFMSegmentKey> PFMTakeDamagedRecords(PFMFile* store) {
    store = StoreOrCurrent(store);
    return store ? store->TakeDamagedRecords() : std::vector<PFMSegmentKey>();
}

bool PFMIsFastSaveAllowed(PFMFile* store) {
    store = StoreOrCurrent(store);
    return store && store->HasFlag(PFMFile::kFastSaveAllowed);
}

bool PFMSetFastSave(bool allowed, PFMFile* store) {
    store = StoreOrCurrent(store);
    return store && store->SetFlag(PFMFile::kFastSaveAllowed, allowed);
}

bool PFMGetKeepBackup(PFMFile& store) { return store.HasFlag(PFMFile::kKeepBackup); }

bool PFMSetKeepBackup(bool keep, PFMFile& store) { return store.SetFlag(PFMFile::kKeepBackup, keep); }

PFMFile* PFMFindOpenFile(const FileRef& ref) { return FindStoreOfFile(ref); }

bool PFMIsFileOpen(const FileRef& ref) { return FindStoreOfFile(ref) != nullptr; }

bool PFMIsOpenFile(const PFMFile* store) {
    return store && TableEntry(store) != GetPFMState().openStores.end();
}

ErrCode PFMRevertFile(PFMFile* store) {
    PFMClearError();
    store = StoreOrCurrent(store);
    return KeepLastError(store ? store->Revert() : kFileNotFoundErr);
}

ErrCode PFMSaveFile(const FileRef* ref) {
    PFMClearError();
    PFMFile* store = GetPFMState().current;
    if (!store) return KeepLastError(kFileNotFoundErr);
    const bool inPlace = !ref || (store->IsOnDisk() && ref->IsSameFile(store->GetFileRef()));
    return KeepLastError(inPlace ? store->SaveInPlace() : store->SaveAs(*ref));
}

ErrCode PFMSaveCopy(const FileRef& ref) {
    PFMClearError();
    PFMFile* store = GetPFMState().current;
    return KeepLastError(store ? store->SaveCopy(ref) : kFileNotFoundErr);
}

void PFMSetProgressTracker(PFMFile* store, TProgressTracker* tracker) {
    store = StoreOrCurrent(store);
    if (store) store->SetProgressTracker(tracker);
}

bool PFMIsPFMFile(const FileRef& ref) { return PFMCheckFileId(ref); }

bool PFMIsDamagedPFMFile(const FileRef& ref) { return PFMCheckDamagedFileId(ref); }

// The file is opened as a store is, but the store is no open store of the table and has no swap
// file: it only answers and goes. A file whose map lacks the key answers no at once, whether or
// not it would open; only one that has it is opened in full, as a preloaded segment that cannot be
// read refuses the store.
bool PFMFileHoldsSegment(const FileRef& ref, FourCC type, std::uint16_t id) {
    const PFMState& state = GetPFMState();
    FileRef readOnly(ref);
    readOnly.SetPermission(kAccessRead);
    {
        PFMDiskFile disk(state.readBufferSize, state.writeBufferSize);
        PFMHeader header;
        SegmentMap map;
        if (disk.Open(readOnly, kAccessRead) != kNoErr || disk.ReadOpenedLayout(header, map) != kNoErr)
            return false;
        // The file is usually opened as a store next: it takes the layout rather than reading it again.
        KeepLookedAtLayout(disk.OpenedFacts(), header, map);
        const auto lists = [&](const SegmentMap& records) {
            return std::any_of(records.begin(), records.end(), [&](const SegmentMapRecord& record) {
                return record.type == type && record.id == id;
            });
        };
        if (!lists(map) && !lists(disk.ReadUnlistedRecords(header, map))) return false;
    }
    PFMFile store(state.appCode, state.appVersion, state.readBufferSize, state.writeBufferSize);
    return store.Open(readOnly) == kNoErr && store.FindKey({type, id}) != PFMFile::kNone;
}
