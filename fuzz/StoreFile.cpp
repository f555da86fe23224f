// Store files as the program meets them; the input is a file's bytes. Whether it starts as a store,
// or as one damaged there, is asked first. A store that opens is read through, every segment
// checked out as the program would; each segment that could be read is marked changed, so that
// saving writes it with its own writer (an item pool compacts itself first), and the store is saved
// as a copy. The copy must open again and give back every segment that was read, raw blocks byte
// for byte (where a damaged file holds a key twice, which of the two is found first may change).

#include <algorithm>
#include <string>
#include <vector>

#include "FuzzStores.h"
#include "foundation/ByteStream.h"
#include "foundation/FileError.h"
#include "foundation/FileRef.h"
#include "foundation/Memory.h"
#include "foundation/TypedList.h"
#include "foundation/pfm/PFMFormat.h"
#include "foundation/pfm/PFMKey.h"

namespace {

struct ReadSegment {
    FourCC type;
    std::uint16_t id;
    bool raw;
    std::string bytes;  // a raw block's
};

// Checks out every segment of the current store; with markChanged each one read is marked changed.
std::vector<ReadSegment> ReadEverySegment(bool markChanged) {
    std::vector<ReadSegment> read;
    LList types;
    FUZZ_CHECK(PFMGetSegmentTypes(types) == kNoErr);
    for (std::int32_t t = 0; t < types.Count(); ++t) {
        const auto type = static_cast<FourCC>(types.GetAt(t));
        SList ids;
        FUZZ_CHECK(PFMGetSegmentIds(type, ids) == kNoErr);
        for (std::int32_t i = 0; i < ids.Count(); ++i) {
            const auto id = static_cast<std::uint16_t>(ids.GetAt(i));
            void* data = PFMCheckOut(type, id);
            if (!data) {
                FUZZ_CHECK(PFMGetError() < 0);
                continue;
            }
            const bool raw = PFMIsRawSegment(type, id);
            read.push_back({type, id, raw, raw ? std::string(static_cast<char*>(data), MemSize(data)) : ""});
            if (markChanged) PFMSetChanged(data, true);
            FUZZ_CHECK(PFMCheckIn(data) == kNoErr);
        }
    }
    return read;
}

// Whether the file's map holds the key more than once.
bool IsKeyRepeated(const SegmentMap& map, FourCC type, std::uint16_t id) {
    int count = 0;
    for (const SegmentMapRecord& record : map) count += record.type == type && record.id == id;
    return count > 1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    StartStores();
    const ScratchFolder& folder = ScratchFolder::Get();
    const std::string input = folder.Write("input.fsf", {reinterpret_cast<const char*>(data), size});
    const FileRef inputRef(input.c_str(), kAccessRead);
    // A damaged identification is never a sound one.
    FUZZ_CHECK(!(PFMIsDamagedPFMFile(inputRef) && PFMIsPFMFile(inputRef)));
    PFMFile* store = PFMOpenFile(&inputRef);
    if (!store) {
        FUZZ_CHECK(PFMGetError() < 0);
        return 0;
    }
    const std::vector<ReadSegment> read = ReadEverySegment(true);
    const std::string copy = folder / "copy.fsf";
    const FileRef copyRef(copy.c_str(), kAccessCreate);
    const ErrCode saved = PFMSaveCopy(copyRef);
    PFMCloseFile(store);
    if (saved != kNoErr) return 0;

    const FileRef savedRef(copy.c_str(), kAccessRead);
    PFMFile* reopened = PFMOpenFile(&savedRef);
    FUZZ_CHECK(reopened != nullptr);
    const std::vector<ReadSegment> again = ReadEverySegment(false);
    PFMCloseFile(reopened);
    ByteStream stream(std::vector<std::uint8_t>(data, data + size));
    PFMHeader header;
    SegmentMap map;
    FUZZ_CHECK(PFMReadFileLayout(stream, static_cast<std::uint32_t>(size), header, map) == kNoErr);
    for (const ReadSegment& segment : read) {
        if (IsKeyRepeated(map, segment.type, segment.id)) continue;
        const auto found = std::find_if(again.begin(), again.end(), [&segment](const ReadSegment& other) {
            return other.type == segment.type && other.id == segment.id;
        });
        FUZZ_CHECK(found != again.end() && found->bytes == segment.bytes);
    }
    return 0;
}
