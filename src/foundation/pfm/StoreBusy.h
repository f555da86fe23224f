#pragma once
// Marks a store busy for the life of the scope, so that the memory manager's purge callback leaves
// its segments alone while their lists change or a save walks them.

#include "foundation/pfm/PFMFile.h"

class StoreBusy {
public:
    explicit StoreBusy(PFMFile& store) : store_(store), wasBusy_(store.busy_) { store_.busy_ = true; }
    ~StoreBusy() { store_.busy_ = wasBusy_; }
    StoreBusy(const StoreBusy&) = delete;
    StoreBusy& operator=(const StoreBusy&) = delete;

private:
    PFMFile& store_;
    bool wasBusy_;
};
