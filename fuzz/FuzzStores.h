#pragma once
// Set-up for the fuzz targets that open stores: the store interface started once, with the object
// factories registered, chain search off (each store is read on its own), debug messages dropped
// and swap files in the scratch folder.

#include "FuzzSupport.h"
#include "foundation/Debug.h"
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
