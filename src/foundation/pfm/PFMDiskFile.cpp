#include "foundation/pfm/PFMDiskFile.h"

#include "foundation/Debug.h"
#include "foundation/FileError.h"
#include "foundation/PathUtil.h"

ErrCode PFMDiskFile::ReadLayout(PFMHeader& header, SegmentMap& map) {
    std::uint32_t length = 0;
    ErrCode err = BeginReading();
    if (err == kNoErr) err = GetLength(length);
    if (err == kNoErr) err = PFMReadFileLayout(*this, length, header, map);
    return err;
}

ErrCode PFMSwapFile::Create() {
    VolumePart volume;
    DirectoryPart directory;
    ErrCode err = GetTempFolder(volume, directory);
    if (err != kNoErr) return err;
    err = CreateUnique(volume.c_str(), directory.c_str(), "PFM_Swap.%03d");
    if (err == kNoUniqueNameErr) DebugPrintf("Could not find a unique swap file filename.");
    return err;
}

ErrCode PFMSwapFile::Close() {
    if (!IsOpen()) return kNoErr;
    const ErrCode err = TFileReaderWriter::Close();
    Delete();
    return err;
}
