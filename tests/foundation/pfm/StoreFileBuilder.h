#pragma once
// Test support: the bytes of a store file made of given segments, written with the format's own
// start and end steps, so that tools reading files can be tested without a live store.

#include <cstdint>
#include <string>
#include <vector>

#include "foundation/ByteStream.h"
#include "foundation/pfm/PFMFormat.h"

struct BuiltSegment {
    FourCC type;
    std::uint16_t id;
    std::string bytes;
    std::uint16_t flags;  // the map record's flags word
};

inline std::string StoreFileBytes(const std::vector<BuiltSegment>& segments, PFMHeader header = PFMHeader()) {
    ByteStream stream;
    PFMWriteFileStart(stream);
    SegmentMap map;
    for (const BuiltSegment& segment : segments) {
        std::uint32_t position = 0;
        stream.GetPosition(position);
        std::uint32_t count = static_cast<std::uint32_t>(segment.bytes.size());
        stream.Write(segment.bytes.data(), count);
        map.push_back({position, static_cast<std::int32_t>(segment.bytes.size()), segment.type, segment.id,
                       segment.flags});
    }
    PFMWriteFileEnd(stream, map, header);
    return std::string(stream.Bytes().begin(), stream.Bytes().end());
}
