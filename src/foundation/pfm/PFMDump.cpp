#include "foundation/pfm/PFMDump.h"

#include <cstdarg>
#include <cstdio>
#include <string>

#include "foundation/FileError.h"
#include "foundation/FileReader.h"
#include "foundation/FileRef.h"
#include "foundation/IFile.h"
#include "foundation/Platform.h"
#include "foundation/Version.h"
#include "foundation/pfm/FourCCText.h"
#include "foundation/pfm/PFMFormat.h"

namespace {

constexpr std::uint32_t kDumpBufferSize = 8192;
const std::string kStars(74, '*');
const std::string kDashes(74, '-');

const char* KindName(SegmentKind kind) {
    switch (kind) {
        case kUnknownSegment: return "Unknown";
        case kRawSegment: return "hdl_t";
        case kObjectSegment: return "TObject";
        case kDataSegment: return "TPFMData";
        case kCustomSegment: return "custom";
    }
    return "ERROR";
}

// Writes texts to the output and remembers the first error of the dump, which decides whether
// the later steps run.
class Dump {
public:
    explicit Dump(IWriteFile& out) : out_(out) {}

    bool Ok() const { return err_ == kNoErr; }
    ErrCode Error() const { return err_; }
    void Fail(ErrCode err) {
        if (err_ == kNoErr) err_ = err;
    }

    void Print(const char* format, ...) __attribute__((format(printf, 2, 3))) {
        char line[256];
        va_list args;
        va_start(args, format);
        std::vsnprintf(line, sizeof line, format, args);
        va_end(args);
        Fail(out_.WriteCString(line));
    }
    void Flush() { Fail(out_.Flush()); }

private:
    IWriteFile& out_;
    ErrCode err_ = kNoErr;
};

void PrintHeader(Dump& dump, const PFMHeader& header) {
    dump.Print("save type      = %s\n", header.saveType == kPFMFullSave ? "full" : "fast");
    dump.Print("full-save size = %lu\n", static_cast<unsigned long>(header.fullSaveSize));
    dump.Print("seg-map pos    = %lu\n", static_cast<unsigned long>(header.mapPosition));
    dump.Print("\n");
    dump.Print("      platform app    app version\n");
    dump.Print("      -------- ------ -----------\n");
    char app[8];
    dump.Print("%-4s: %-8s '%-4s' v%-11s\n", "orig", PlatformName(header.creatorPlatform),
               FourCCToText(header.creatorApp, app), FormatVersion(header.creatorVersion).c_str());
    dump.Print("%-4s: %-8s '%-4s' v%-11s\n", "last", PlatformName(header.lastPlatform),
               FourCCToText(header.lastApp, app), FormatVersion(header.lastVersion).c_str());
    dump.Flush();
}

void PrintMap(Dump& dump, const SegmentMap& map) {
    dump.Print("%s\n", kDashes.c_str());
    dump.Print("Segment Map Information    num segs = %ld\n\n", static_cast<long>(map.size()));
    dump.Print(" index seg type        seg Id priority preload seg kind  file pos file size\n");
    dump.Print("------ --------------- ------ -------- ------- --------- -------- ---------\n");
    dump.Flush();
    long index = 0;
    for (const SegmentMapRecord& record : map) {
        dump.Print("%6ld %15s %6hu %8hu %7s %9s %8lu %9lu\n", index++, DescribeFourCC(record.type).c_str(),
                   record.id, static_cast<unsigned short>(record.Priority()), record.Preload() ? "yes" : "no",
                   KindName(record.Kind()), static_cast<unsigned long>(record.position),
                   static_cast<unsigned long>(static_cast<std::uint32_t>(record.size)));
        dump.Flush();
    }
    dump.Print("%s\n", kDashes.c_str());
    dump.Flush();
}

}  // namespace

ErrCode PFMDumpFile(const FileRef& file, IWriteFile& out) {
    Dump dump(out);
    dump.Print("\n%s\n", kStars.c_str());
    dump.Print("PFM File Format v3.0 Dump: filename= \"%s\"\n", file.NamePtr());

    FileReader reader(file, 0, kDumpBufferSize);
    std::uint32_t length = 0;
    if (dump.Ok()) {
        if (!file.Exists()) {
            dump.Print("ERROR: file does not exist.\n");
            dump.Fail(kFileErr);
        } else if (const ErrCode err = reader.Open(); err != kNoErr) {
            dump.Print("ERROR: opening file.\n");
            dump.Fail(err);
        } else {
            dump.Fail(reader.GetLength(length));
        }
    }
    if (dump.Ok()) dump.Print("file size = %lu\n", static_cast<unsigned long>(length));
    dump.Flush();

    if (dump.Ok()) {
        PFMFileId id;
        if (const ErrCode err = id.Read(reader); err != kNoErr) {
            dump.Print("ERROR: reading file Id string.\n");
            dump.Fail(err);
        } else if (!id.valid) {
            dump.Print("ERROR: the file's Id string is not that of a PFM v3.0 formated file.\n");
            dump.Fail(kFileErr);
        }
    }
    dump.Flush();

    PFMHeader header;
    if (dump.Ok()) {
        if (const ErrCode err = header.Read(reader); err != kNoErr) {
            dump.Print("ERROR: reading file header.\n");
            dump.Fail(err);
        } else {
            dump.Print("\n");
            PrintHeader(dump, header);
        }
    }
    dump.Flush();

    if (dump.Ok()) {
        if (const ErrCode err = reader.SetPosition(header.mapPosition); err != kNoErr) {
            dump.Print("ERROR: seeking to pos of segment map in file.\n");
            dump.Fail(err);
        }
    }
    dump.Flush();

    if (dump.Ok()) {
        SegmentMap map;
        const std::uint32_t mapBytes = length > header.mapPosition ? length - header.mapPosition : 0;
        if (const ErrCode err = PFMReadSegmentMap(reader, map, mapBytes); err != kNoErr) {
            dump.Print("ERROR: reading file segment map.\n");
            dump.Fail(err);
        } else {
            dump.Print("\n");
            PrintMap(dump, map);
        }
    }
    dump.Flush();

    if (reader.IsOpen()) dump.Fail(reader.Close());
    // The closing line is written whatever happened before.
    const ErrCode err = dump.Error();
    out.WriteCString((kStars + "\n").c_str());
    out.Flush();
    return err;
}
