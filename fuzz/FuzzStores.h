#pragma once
// Set-up for the fuzz targets that open stores: the store interface started once, with the object
// factories registered, chain search off (each store is read on its own), debug messages dropped
// and swap files in the scratch folder.

#include <cstring>
#include "FuzzSupport.h"

#include "foundation/Debug.h"
#include "foundation/Memory.h"
#include "foundation/Startup.h"
#include "foundation/Version.h"
#include "foundation/pfm/PFM.h"

inline void StartStores() {
    [[maybe_unused]] static const bool started = [] {
        ScratchFolder::Get();
        SetDebugPrintHook([](const char*) { return 0; });
        StartUp();
        FUZZ_CHECK(PFMInit(FourCCOf("Fabl"), MakeVersion(1, 0, kStageRelease, 0)) == kNoErr);
        PFMSetChainSearch(false);
        return true;
    }();
}

// A new store in memory, made current, holding one raw segment of the bytes.
inline PFMFile* StoreWithSegment(FourCC type, std::uint16_t id, const std::uint8_t* data, std::size_t size) {
    StartStores();
    PFMFile* store = PFMOpenFile(nullptr);
    FUZZ_CHECK(store != nullptr);
    PFMSetCurrentFile(store);
    void* block = MemAlloc(static_cast<std::uint32_t>(size));
    FUZZ_CHECK(block != nullptr || size == 0);
    if (size > 0) std::memcpy(block, data, size);
    FUZZ_CHECK(PFMPutSegment(type, id, block, 1, false));
    FUZZ_CHECK(PFMCheckIn(block) == kNoErr);
    return store;
}
