#pragma once
// The piece headers of an item pool: where each piece lies in the pool's block and how long it is.
// A pool keeps one list for its items (a removed item's size is 0xFFFF) and one for its free
// pieces (kept in offset order).
//
// A list's stored form, shared by the pool's other list: u16 growth step in bytes, u16 element
// size, u32 count, u8 flags (bit 0 sorted, bit 2 elements kept), then the elements; a piece header
// is u32 offset and u16 size, big-endian.

#include <cstdint>

#include "foundation/TypedList.h"

#pragma pack(push, 1)
struct PieceHeader {
    std::uint32_t offset = 0;
    std::uint16_t size = 0;

    friend bool operator==(const PieceHeader&, const PieceHeader&) = default;
};
#pragma pack(pop)
static_assert(sizeof(PieceHeader) == 6);

class PlHdrList : public TypedList<PieceHeader> {
    TOBJECT_CLASS(PlHdrList, TypedList<PieceHeader>, 18)

public:
    explicit PlHdrList(std::uint16_t growth = 0, std::uint16_t flags = 0) : TypedList(growth, flags, 0) {}

    std::int32_t GetFlattenedSize() const override;
    ErrCode ReadFrom(IReadFile& file) override;
    ErrCode WriteTo(IWriteFile& file) override;
};

inline constexpr std::uint32_t kListRecordHeaderSize = 9;

ErrCode WriteListRecordHeader(IWriteFile& file, const TList& list);
// Reads a list's header into the list (growth step, whether it keeps its elements) and answers its
// count, which must be of elements of the given size that fit in what is left of the stream (-3
// otherwise), and whether it was sorted (for the caller to set once the elements are in).
ErrCode ReadListRecordHeader(IReadFile& file, TList& list, std::uint16_t elementSize, std::uint32_t& count,
                             bool& sorted);

// The bytes from the stream's position to its end.
ErrCode BytesLeftIn(IReadFile& file, std::uint32_t& left);
