#include "datafiles/StoreFiles.h"

#include <cstring>

#include "foundation/FileError.h"
#include "foundation/FileReader.h"
#include "foundation/FileRef.h"
#include "foundation/IFile.h"
#include "foundation/Memory.h"
#include "foundation/TObject.h"
#include "foundation/pfm/PFM.h"
#include "platform/sys/SystemNames.h"

namespace {

constexpr std::uint32_t kReadBufferSize = 8192;
constexpr std::uint32_t kRawHeaderSize = 6;  // u16 0, u32 length
constexpr std::uint32_t kClassIdSize = 4;

// The tools are given the system's paths; the file layer takes program text. A path without a
// program form becomes empty, which no file has.
std::string ProgramPath(const std::string& systemPath) {
    return win::NameFromSystem(systemPath).value_or("");
}

// A flattened object whose stored bytes are known: it writes them back as they are.
class StoredObject : public TObject {
public:
    StoredObject(ClassId classId, const std::vector<std::uint8_t>& bytes)
        : classId_(classId), bytes_(bytes) {}

    ClassId GetClassId() const override { return classId_; }
    bool IsKindOf(ClassId id) const override { return id == classId_ || TObject::IsKindOf(id); }
    std::uint32_t GetObjectSize() const override { return sizeof(StoredObject); }
    std::uint32_t GetDataSize() const override { return static_cast<std::uint32_t>(bytes_.size()); }
    std::int32_t GetFlattenedSize() const override { return static_cast<std::int32_t>(bytes_.size()); }
    ErrCode WriteTo(IWriteFile& file) override {
        std::uint32_t count = static_cast<std::uint32_t>(bytes_.size());
        const ErrCode err = file.Write(bytes_.data(), count);
        return err == kNoErr && count != bytes_.size() ? kWrongWriteCountErr : err;
    }

private:
    ClassId classId_;
    std::vector<std::uint8_t> bytes_;
};

ErrCode AddSegment(const SegmentData& segment) {
    const bool isObject = segment.kind == kObjectSegment;
    void* data = nullptr;
    if (isObject) {
        data = new StoredObject(segment.classId, segment.bytes);
    } else {
        data = MemAlloc(static_cast<std::uint32_t>(segment.bytes.size()));
        if (!data) return kOutOfMemoryErr;
        if (!segment.bytes.empty()) std::memcpy(data, segment.bytes.data(), segment.bytes.size());
    }
    ErrCode err = PFMAddSegment(segment.key.type, segment.key.id, data, segment.priority, isObject);
    if (err != kNoErr) {
        if (isObject) {
            DeleteObject(static_cast<TObject*>(data));
        } else {
            MemFree(data);
        }
        return err;
    }
    if (segment.preload) PFMSetSegmentPreload(segment.key.type, segment.key.id, true);
    // The store holds the data now; the check-in ends the hold that adding it started.
    return PFMCheckIn(data);
}

ErrCode ReadStoredForm(FileReader& reader, const SegmentMapRecord& record, SegmentData& segment) {
    segment.key = {record.type, record.id};
    segment.kind = record.Kind();
    segment.priority = record.Priority();
    segment.preload = record.Preload();
    const auto size = static_cast<std::uint32_t>(record.size);
    ErrCode err = reader.SetPosition(record.position);
    if (segment.kind == kRawSegment) {
        std::uint16_t zero = 0;
        std::uint32_t length = 0;
        if (err == kNoErr) err = reader.ReadUShort(zero);
        if (err == kNoErr) err = reader.ReadULong(length);
        if (err == kNoErr && (zero != 0 || size < kRawHeaderSize || length != size - kRawHeaderSize))
            err = kBadDataErr;
    } else if (segment.kind == kObjectSegment) {
        if (err == kNoErr && size < kClassIdSize) err = kBadDataErr;
        if (err == kNoErr) err = reader.ReadULong(segment.classId);
    } else {
        err = kFileErr;
    }
    const std::uint32_t header = segment.kind == kRawSegment ? kRawHeaderSize : kClassIdSize;
    if (err == kNoErr) {
        segment.bytes.resize(size - header);
        std::uint32_t count = size - header;
        err = reader.Read(segment.bytes.data(), count);
        if (err == kNoErr && count != size - header) err = kEndOfFileErr;
    }
    return err;
}

}  // namespace

ErrCode WriteStoreFile(const std::vector<SegmentData>& segments, const std::string& path,
                       VersionNumber version) {
    PFMSetAppVersion(version);
    PFMFile* store = PFMOpenFile(nullptr);
    if (!store) return PFMGetError();
    ErrCode err = kNoErr;
    for (const SegmentData& segment : segments) {
        err = AddSegment(segment);
        if (err != kNoErr) break;
    }
    const FileRef ref(ProgramPath(path).c_str(), kAccessCreate);
    if (err == kNoErr) err = PFMSaveFile(&ref);
    PFMCloseFile(store);
    return err;
}

ErrCode ReadStoreFile(const std::string& path, StoreFileContents& contents) {
    FileReader reader(FileRef(ProgramPath(path).c_str()), 0, kReadBufferSize);
    ErrCode err = reader.Open();
    std::uint32_t length = 0;
    SegmentMap map;
    if (err == kNoErr) err = reader.GetLength(length);
    if (err == kNoErr) err = PFMReadFileLayout(reader, length, contents.header, map);
    for (const SegmentMapRecord& record : map) {
        if (err != kNoErr) break;
        SegmentData segment;
        err = ReadStoredForm(reader, record, segment);
        contents.segments.push_back(std::move(segment));
    }
    reader.Close();
    return err;
}
