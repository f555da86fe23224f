#include "foundation/pfm/PFMMerge.h"

#include <algorithm>
#include <cstddef>
#include <vector>

#include "foundation/FileError.h"
#include "foundation/FileReader.h"
#include "foundation/FileRef.h"
#include "foundation/FileWriter.h"
#include "foundation/Version.h"
#include "foundation/pfm/PFMFormat.h"

namespace {

constexpr std::uint32_t kMergeBufferSize = 8192;
constexpr FourCC kMergeApp = FourCCOf("PMRG");

// One input file: its reading stream and the layout read from it.
struct MergeInput {
    explicit MergeInput(const FileRef& ref) : reader(ref, 0, kMergeBufferSize) {}

    ErrCode Open() {
        if (!reader.GetFileRef().Exists()) return kFileErr;
        ErrCode err = reader.Open();
        std::uint32_t length = 0;
        if (err == kNoErr) err = reader.GetLength(length);
        if (err == kNoErr) err = PFMReadFileLayout(reader, length, header, map);
        return err == kUnsupportedFormatErr ? kFileErr : err;
    }

    FileReader reader;
    PFMHeader header;
    SegmentMap map;
};

struct MergeEntry {
    FourCC type;
    std::uint16_t id;
    MergeInput* input;
    std::size_t index;  // of the record in the input's map
};

bool EntryLess(const MergeEntry& a, const MergeEntry& b) {
    return a.type != b.type ? a.type < b.type : a.id < b.id;
}

// The first input's records all, then the second's whose keys are not there yet.
std::vector<MergeEntry> MergeList(MergeInput& first, MergeInput& second) {
    std::vector<MergeEntry> list;
    list.reserve(first.map.size() + second.map.size());
    for (std::size_t i = 0; i < first.map.size(); ++i) {
        const MergeEntry entry{first.map[i].type, first.map[i].id, &first, i};
        list.insert(std::upper_bound(list.begin(), list.end(), entry, EntryLess), entry);
    }
    for (std::size_t i = 0; i < second.map.size(); ++i) {
        const MergeEntry entry{second.map[i].type, second.map[i].id, &second, i};
        const auto place = std::lower_bound(list.begin(), list.end(), entry, EntryLess);
        if (place != list.end() && !EntryLess(entry, *place)) continue;
        list.insert(place, entry);
    }
    return list;
}

ErrCode WriteMerged(const std::vector<MergeEntry>& list, FileWriter& writer) {
    ErrCode err = PFMWriteFileStart(writer);
    SegmentMap map;
    map.reserve(list.size());
    for (const MergeEntry& entry : list) {
        if (err != kNoErr) break;
        SegmentMapRecord record = entry.input->map[entry.index];
        std::uint32_t position = 0;
        err = writer.GetPosition(position);
        if (err == kNoErr && !PFMFitsInFile(position, static_cast<std::uint32_t>(record.size)))
            err = kDiskFullErr;
        if (err == kNoErr) {
            err = PFMCopyBytes(entry.input->reader, record.position, static_cast<std::uint32_t>(record.size),
                               writer);
        }
        record.position = position;
        map.push_back(record);
    }
    PFMHeader header;
    header.MarkSaved(kPFMFullSave, kMergeApp, ParseVersion("1.00"));
    if (err == kNoErr) err = PFMWriteFileEnd(writer, map, header);
    return err;
}

}  // namespace

ErrCode PFMMergeFiles(const FileRef& first, const FileRef& second, const FileRef& output) {
    // Writing over an input would destroy the bytes still to be copied from it.
    if (output.IsSameFile(first) || output.IsSameFile(second)) return kFileInUseErr;

    MergeInput firstInput(first);
    MergeInput secondInput(second);
    ErrCode err = firstInput.Open();
    if (err == kNoErr) err = secondInput.Open();
    if (err != kNoErr) return err;

    const std::vector<MergeEntry> list = MergeList(firstInput, secondInput);
    FileWriter writer(output, 0, kMergeBufferSize);
    err = writer.Open(kAccessCreate);
    if (err != kNoErr) return err;
    err = WriteMerged(list, writer);
    const ErrCode closeErr = writer.Close();
    if (err == kNoErr) err = closeErr;
    if (err != kNoErr) output.Remove();
    return err;
}
