// Writes the engine data file: a store holding the 45 engine records ('STBL' segments 0-44), made
// by running the throughline structure builder over every storyform index, so that the values the
// storyform solver counts with are the ones the builder derives for a single remaining storyform.
//   make_engine_data OUTPUT VERSION
// VERSION ("1.0.0") is the program version written into the file's header, as in every data file.
// Exits with 1 when the file could not be written, with 2 for a wrong command line.

#include <cstdio>
#include <cstring>

#include "foundation/FileError.h"
#include "foundation/FileRef.h"
#include "foundation/Memory.h"
#include "foundation/Platform.h"
#include "foundation/pfm/PFM.h"
#include "platform/sys/SystemNames.h"
#include "storymodel/engine/EngineGeneration.h"
#include "storymodel/engine/EngineTableReader.h"

namespace {

constexpr FourCC kSignature = FourCCOf("Fabl");

ErrCode AddRecord(std::uint16_t id, const std::vector<std::uint8_t>& bytes) {
    void* block = MemAlloc(static_cast<std::uint32_t>(bytes.size()));
    if (!block) return kOutOfMemoryErr;
    std::memcpy(block, bytes.data(), bytes.size());
    const ErrCode err = PFMAddSegment(kEngineRecordType, id, block, 1, false);
    if (err != kNoErr) {
        MemFree(block);
        return err;
    }
    return PFMCheckIn(block);
}

ErrCode WriteEngineFile(const char* path) {
    const EngineRecordBytes records = GenerateEngineRecords();
    if (!PFMOpenFile(nullptr)) return PFMGetError();
    ErrCode err = kNoErr;
    for (std::uint16_t id = 0; id < kEngineRecordCount && err == kNoErr; ++id)
        err = AddRecord(id, records[id]);
    // The path is the system's; the file layer takes program text.
    const FileRef ref(win::NameFromSystem(path).value_or("").c_str(), kAccessCreate);
    if (err == kNoErr) err = PFMSaveFile(&ref);
    PFMCloseFile(nullptr);
    return err;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s OUTPUT VERSION\n", argv[0]);
        return 2;
    }
    DetectPlatform();
    if (PFMInit(kSignature, ParseVersion(argv[2])) != kNoErr) {
        std::fprintf(stderr, "%s: cannot set up the store\n", argv[0]);
        return 1;
    }
    const ErrCode err = WriteEngineFile(argv[1]);
    PFMTerm();
    if (err != kNoErr) {
        std::fprintf(stderr, "%s: error %d writing %s\n", argv[0], err, argv[1]);
        return 1;
    }
    return 0;
}
