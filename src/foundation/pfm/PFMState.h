#pragma once
// The one process-wide state behind the store interface: the last error, the current and root
// stores, the open stores, the settings every new store copies and the memory budget. Only the
// store code itself reaches it; everyone else goes through foundation/pfm/PFM.h.

#include <cstdint>
#include <memory>
#include <vector>

#include "foundation/Types.h"
#include "foundation/Version.h"

class FileRef;
class PFMFile;

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
