#pragma once
// Test support for the store: a fixture with the store interface set up, swap files kept in the
// test's own folder, and helpers to make and read raw segments and files.

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "foundation/Debug.h"
#include "foundation/FileRef.h"
#include "foundation/Memory.h"
#include "foundation/Platform.h"
#include "foundation/pfm/PFM.h"
#include "platform/sys/TempFolder.h"
#include "support/ScopedEnv.h"

inline constexpr FourCC kTestApp = FourCCOf("Fabl");
inline constexpr VersionNumber kTestVersion = MakeVersion(1, 2, kStageRelease, 0);
// The segment type the tests keep their texts in.
inline constexpr FourCC kText = FourCCOf("TEXT");

// A memory block holding the text's bytes (no NUL).
inline void* NewBlock(const std::string& bytes) {
    void* block = MemAlloc(static_cast<std::uint32_t>(bytes.size()));
    if (block && !bytes.empty()) std::memcpy(block, bytes.data(), bytes.size());
    return block;
}

inline std::string BlockText(const void* block) {
    return block ? std::string(static_cast<const char*>(block), MemSize(block)) : std::string("<null>");
}

// The text of a raw segment of the current store (chain search), checked out and in again.
inline std::string SegmentText(FourCC type, std::uint16_t id) {
    void* data = PFMCheckOut(type, id);
    std::string text = BlockText(data);
    if (data) PFMCheckIn(data);
    return text;
}

// Adds a raw segment to the current store and checks it in.
inline ErrCode AddText(FourCC type, std::uint16_t id, const std::string& bytes, int priority = 1) {
    void* block = NewBlock(bytes);
    ErrCode err = PFMAddSegment(type, id, block, priority, false);
    if (err == kNoErr) {
        err = PFMCheckIn(block);
    } else {
        MemFree(block);
    }
    return err;
}

// Marks a segment of the current store (chain search) changed, as an edit of its data would.
inline void MarkChanged(FourCC type, std::uint16_t id) {
    void* data = PFMCheckOut(type, id);
    PFMSetChanged(data, true);
    PFMCheckIn(data);
}

class StoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(folder_.Path().empty());
        DetectPlatform();
        environment_.Set("TMPDIR", folder_.Path());
        previousHook_ = SetDebugPrintHook(&StoreTest::Collect);
        Messages().clear();
        ASSERT_EQ(PFMInit(kTestApp, kTestVersion), kNoErr);
    }
    void TearDown() override {
        PFMTerm();
        SetDebugPrintHook(previousHook_);
    }

    // A reference to a file of the test's folder.
    FileRef Ref(const std::string& name, FileAccess access = kAccessReadWrite) const {
        return FileRef((folder_ / name).c_str(), access);
    }
    std::string Path(const std::string& name) const { return folder_ / name; }
    std::string FileBytes(const std::string& name) const { return TempFolder::ReadFile(Path(name)); }

    // The messages that went to the debug channel.
    static std::vector<std::string>& Messages() {
        static std::vector<std::string> messages;
        return messages;
    }

    TempFolder folder_;
    // The swap files go into the test's folder; the variable is put back when the test ends.
    ScopedEnv environment_;

private:
    static int Collect(const char* text) {
        Messages().emplace_back(text);
        return 0;
    }
    DebugPrintHook previousHook_ = nullptr;
};

// What a store file holds, read straight from its bytes: each segment's stored form by key (in key
// order, duplicates kept), with its map flags.
struct FileSegment {
    FourCC type;
    std::uint16_t id;
    std::uint16_t flags;
    std::string bytes;

    friend bool operator==(const FileSegment&, const FileSegment&) = default;
};

struct FileLayout {
    ErrCode error = kNoErr;
    PFMHeader header;
    SegmentMap map;
    std::vector<FileSegment> segments;
};

FileLayout ReadFileLayout(const std::string& bytes);
