#include "foundation/pfm/PFMDiskFile.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <string>
#include <string_view>

#include "foundation/Debug.h"
#include "foundation/FileError.h"
#include "foundation/PathUtil.h"
#include "foundation/pfm/PFM.h"
#include "foundation/pfm/PFMMapDamage.h"
#include "platform/sys/FileHandle.h"
#include "platform/sys/FileSystem.h"
#include "platform/sys/SystemNames.h"

namespace {

constexpr const char* kSwapFilePattern = "PFM_Swap.%03d";

// "PFM_Swap." and three digits.
bool IsSwapFileName(const std::string& name) {
    constexpr std::string_view prefix = "PFM_Swap.";
    if (name.size() != prefix.size() + 3 || name.compare(0, prefix.size(), prefix) != 0) return false;
    for (std::size_t i = prefix.size(); i < name.size(); ++i)
        if (!std::isdigit(static_cast<unsigned char>(name[i]))) return false;
    return true;
}

}  // namespace

ErrCode PFMDiskFile::ReadLayout(PFMHeader& header, SegmentMap& map) {
    std::uint32_t length = 0;
    ErrCode err = BeginReading();
    if (err == kNoErr) err = GetLength(length);
    if (err == kNoErr) err = PFMReadFileLayout(*this, length, header, map);
    if (err == kNoErr) {
        const SegmentMap unlisted = PFMReadUnlistedRecords(*this, length, header.mapPosition, map);
        map.insert(map.end(), unlisted.begin(), unlisted.end());
    }
    return err;
}

ErrCode PFMDiskFile::ReadOpenedLayout(PFMHeader& header, SegmentMap& map) {
    if (OpenedFacts().size > UINT32_MAX) return kFileErr;
    const ErrCode err = BeginReading();
    return err != kNoErr ? err : PFMReadFileLayout(*this, OpenedLength(), header, map);
}

SegmentMap PFMDiskFile::ReadUnlistedRecords(const PFMHeader& header, const SegmentMap& map) {
    if (PFMSegmentMapEnd(header.mapPosition, map.size()) >= OpenedLength() || BeginReading() != kNoErr)
        return {};
    return PFMReadUnlistedRecords(*this, OpenedLength(), header.mapPosition, map);
}

std::uint32_t PFMDiskFile::OpenedLength() const {
    return static_cast<std::uint32_t>(std::min<std::uint64_t>(OpenedFacts().size, UINT32_MAX));
}

ErrCode PFMSwapFile::Create(const std::vector<const FileRef*>& taken) {
    VolumePart volume;
    DirectoryPart directory;
    ErrCode err = GetTempFolder(volume, directory);
    if (err != kNoErr) return err;
    err = CreateUnique(volume.c_str(), directory.c_str(), kSwapFilePattern, taken);
    if (err == kNoUniqueNameErr) DebugPrintf("Could not find a unique swap file filename.");
    return err;
}

ErrCode PFMSwapFile::Close() {
    if (!IsOpen()) return kNoErr;
    const ErrCode err = TFileReaderWriter::Close();
    Delete();
    return err;
}

// Every open swap file holds its sharing lock (FileHandle.h) for as long as it is open, and a lock
// ends with the program that held it: a swap file whose lock can be taken is no running copy's.
int PFMRemoveUnheldSwapFiles() {
    std::string folder;
    if (!win::GetTempFolderPath(folder)) return 0;
    int removed = 0;
    std::error_code error;
    for (std::filesystem::directory_iterator entry(win::NameForSystem(folder), error), end;
         !error && entry != end; entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        if (!IsSwapFileName(name)) continue;
        if (win::DeleteFileIfUnheld((folder + "/" + name).c_str())) ++removed;
    }
    return removed;
}
