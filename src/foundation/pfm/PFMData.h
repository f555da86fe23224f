#pragma once
// Segment data that is neither a raw block nor a flattened TObject.
//
// TPFMData is data that knows its own memory and stored sizes and reads and writes itself (kind 48
// segments); the store owns it while it is in memory and deletes it when the segment leaves memory.
// TPFMDataOwner makes such data for one segment of its store and keeps the link to that segment.
// PFMSegmentHandler is the data of a custom segment (kind 64): it reads, writes, sizes and releases
// its data itself and stays with its owner, who keeps it alive while the segment exists.

#include <cstdint>

#include "foundation/Types.h"

class IReadFile;
class IWriteFile;
class PFMFile;

class TPFMData {
public:
    static constexpr ClassId kClassId = 25;

    TPFMData() = default;
    TPFMData(const TPFMData&) = delete;
    TPFMData& operator=(const TPFMData&) = delete;
    virtual ~TPFMData() = default;

    virtual ClassId GetClassId() const { return kClassId; }
    virtual bool IsKindOf(ClassId id) const { return id == kClassId; }

    // Memory held outside what GetMemSize counts.
    virtual std::uint32_t GetExtraMemSize() const { return 0; }
    // Bytes of memory the data holds.
    virtual std::uint32_t GetMemSize() const = 0;
    // Bytes that WriteTo will write to the stream.
    virtual std::uint32_t GetStoredSize(IWriteFile& stream) const = 0;
    virtual ErrCode ReadFrom(IReadFile& stream) = 0;
    virtual ErrCode WriteTo(IWriteFile& stream) = 0;

    // What the store counts against its memory budget while the data waits, unlocked, in memory.
    std::uint32_t GetTotalMemSize() const { return GetMemSize() + GetExtraMemSize(); }
};

// Makes the data of one segment of its store and keeps the link to it. Every operation works on
// the store GetPFMFile answers, without looking into its parents. Detach (or Remove) before the
// owner is destroyed.
class TPFMDataOwner {
public:
    static constexpr ClassId kClassId = 26;

    TPFMDataOwner() = default;
    TPFMDataOwner(const TPFMDataOwner&) = delete;
    TPFMDataOwner& operator=(const TPFMDataOwner&) = delete;
    virtual ~TPFMDataOwner() = default;

    virtual ClassId GetClassId() const { return kClassId; }
    virtual bool IsKindOf(ClassId id) const { return id == kClassId; }

    // New, empty data for a new segment.
    virtual ErrCode CreateData(FourCC type, std::uint16_t id, TPFMData** data) = 0;
    // The data of an existing segment, read from its stored form at the stream's position.
    virtual ErrCode ReadData(IReadFile& stream, FourCC type, std::uint16_t id, TPFMData** data) = 0;
    // The store that holds the owner's segment.
    virtual PFMFile* GetPFMFile() = 0;

    bool IsAttached() const { return entry_ != -1; }
    // Attaches to the segment with the key, checked out into *data; a missing segment is made with
    // CreateData as a new, changed kind-48 segment of the given priority.
    ErrCode Attach(FourCC type, std::uint16_t id, int priority, TPFMData** data);
    void Detach();
    // Detaches and removes the segment from the store.
    void Remove();
    ErrCode CheckOut(TPFMData** data);
    // When this is the last lock, *data is cleared first: the data may leave memory.
    ErrCode CheckIn(TPFMData** data);
    bool IsChanged();
    void ClearChanged();
    // Also marks the store changed.
    void SetChanged();

private:
    std::int32_t entry_ = -1;
};

// The data of a custom segment.
class PFMSegmentHandler {
public:
    PFMSegmentHandler() = default;
    PFMSegmentHandler(const PFMSegmentHandler&) = delete;
    PFMSegmentHandler& operator=(const PFMSegmentHandler&) = delete;
    virtual ~PFMSegmentHandler() = default;

    // Bytes of memory the loaded data holds.
    virtual std::uint32_t GetMemSize() const = 0;
    // Bytes that WriteTo will write.
    virtual std::uint32_t GetStoredSize() const = 0;
    virtual ErrCode ReadFrom(IReadFile& stream) = 0;
    virtual ErrCode WriteTo(IWriteFile& stream) = 0;
    // Lets the loaded data go from memory; ReadFrom brings it back.
    virtual void Release() = 0;
};
