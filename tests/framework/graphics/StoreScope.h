#pragma once
// A store made current for one test (an untitled one, or a file opened for reading), with the store
// interface set up around it and swap files in a folder of the test's own.

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "foundation/FileRef.h"
#include "foundation/Memory.h"
#include "foundation/Platform.h"
#include "foundation/pfm/PFM.h"
#include "platform/sys/TempFolder.h"
#include "support/ScopedEnv.h"

class StoreScope {
public:
    explicit StoreScope(const FileRef* file = nullptr) {
        DetectPlatform();
        PFMInit(FourCCOf("Fabl"), MakeVersion(1, 0, kStageRelease, 0));
        store_ = PFMOpenFile(file);
    }
    ~StoreScope() { PFMTerm(); }
    StoreScope(const StoreScope&) = delete;
    StoreScope& operator=(const StoreScope&) = delete;

    PFMFile* Store() const { return store_; }

    // Adds the bytes as a raw segment of the store.
    void Add(FourCC type, std::uint16_t id, const void* bytes, std::size_t size) const {
        void* block = MemAlloc(static_cast<std::uint32_t>(size));
        std::memcpy(block, bytes, size);
        const PFMFileScope scope(store_, false);
        ASSERT_EQ(PFMAddSegment(type, id, block, 1, false), kNoErr);
        PFMCheckIn(block);
    }

private:
    TempFolder folder_;
    ScopedEnv ownTemporary_{"TMPDIR", folder_.Path()};
    PFMFile* store_ = nullptr;
};
