#pragma once
// The one process-wide state behind the store interface: the last error, the current and root
// stores, the open stores, the settings every new store copies and the memory budget. Only the
// store code itself reaches it; everyone else goes through foundation/pfm/PFM.h.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "foundation/Types.h"
#include "foundation/Version.h"
#include "foundation/pfm/PFMFormat.h"
#include "platform/sys/FileHandle.h"

class FileRef;
class PFMFile;

// The layout of a store file as a look at the file read it, with what opening the file found of it.
struct PFMReadLayout {
    win::OpenedFileFacts file;
    PFMHeader header;
    SegmentMap map;
};

struct PFMState {
    ErrCode lastError = kNoErr;
    PFMFile* current = nullptr;
    PFMFile* root = nullptr;
    bool chainSearch = false;
    FourCC appCode = 0;
    VersionNumber appVersion = 0;
    bool purgeRegistered = false;
    std::vector<PFMFile*> currentStack;
    std::uint32_t readBufferSize = 0;
    std::uint32_t writeBufferSize = 0;
    // Memory held by parked segments of all stores, and the limit above which they are purged.
    std::uint32_t bytesInUse = 0;
    std::uint32_t budgetLimit = 0xFFFFFFFF;
    // Every open store, in the order of opening; the table owns them.
    std::vector<std::unique_ptr<PFMFile>> openStores;
    bool purging = false;
    // Stamped into a segment at each check-in that parks it: the least recently used order.
    std::uint32_t useCounter = 0;
    // The layout the last look into a file that was not opened as a store read (whether it holds
    // a segment, asked just before the file is opened); the next store opened takes it when its
    // file is that one, unchanged, and it is dropped either way.
    std::unique_ptr<PFMReadLayout> lookedAt;
};

PFMState& GetPFMState();

// Keeps the code as the last error and answers it.
ErrCode KeepLastError(ErrCode err);

void AddBytesInUse(std::uint32_t bytes);
void SubtractBytesInUse(std::uint32_t bytes);
std::uint32_t NextUseStamp();
// Purges parked segments of all stores while the bytes in use exceed the budget.
void KeepMemoryBudget();
// The open store whose disk file is that file, or null.
PFMFile* FindStoreOfFile(const FileRef& ref);
// Keeps the layout a look into the file read, for the store opened next (PFMState::lookedAt).
void KeepLookedAtLayout(const win::OpenedFileFacts& file, const PFMHeader& header, const SegmentMap& map);
// Takes the kept layout when it is that of the opened file, unchanged since it was read: true, and
// the header and map are the layout's. Nothing is kept afterwards either way.
bool TakeLookedAtLayout(const win::OpenedFileFacts& file, PFMHeader& header, SegmentMap& map);
// The swap files the open stores hold.
std::vector<const FileRef*> HeldSwapFiles();
