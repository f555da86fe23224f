#include "foundation/pfm/StoreTestSupport.h"

#include <algorithm>

#include "foundation/ByteStream.h"
#include "foundation/pfm/PFMKey.h"

FileLayout ReadFileLayout(const std::string& bytes) {
    FileLayout layout;
    ByteStream stream(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
    layout.error =
        PFMReadFileLayout(stream, static_cast<std::uint32_t>(bytes.size()), layout.header, layout.map);
    for (const SegmentMapRecord& record : layout.map) {
        layout.segments.push_back({record.type, record.id, record.flags,
                                   bytes.substr(record.position, static_cast<std::size_t>(record.size))});
    }
    std::stable_sort(layout.segments.begin(), layout.segments.end(),
                     [](const FileSegment& a, const FileSegment& b) {
                         return SegmentKeyLess({a.type, a.id}, {b.type, b.id});
                     });
    return layout;
}
