#include "foundation/FolderRef.h"

#include <string>
#include <vector>

#include "foundation/FileError.h"
#include "foundation/PlainText.h"
#include "platform/sys/FileSystem.h"

namespace {

// The type's characters up to its first NUL, as the end of a name to match.
std::string SuffixOf(FourCC type) {
    std::string suffix;
    for (int shift = 0; shift < 32; shift += 8) {
        const char c = static_cast<char>((type >> shift) & 0xFF);
        if (c == '\0') break;
        suffix += c;
    }
    return suffix;
}

bool EndsWithNoCase(const std::string& name, const std::string& suffix) {
    return name.size() >= suffix.size() &&
           StrCompareNoCase(name.c_str() + (name.size() - suffix.size()), suffix.c_str()) == 0;
}

ErrCode ScanFolder(const std::string& volume, const std::string& folder, const std::string& suffix,
                   bool recursive, ObjList& list) {
    const std::string path = volume + folder;
    if (path.size() > kMaxPathLength) return kFileErr;
    std::vector<win::FolderEntry> entries;
    if (!win::ListFolder(path.c_str(), entries)) return kFileErr;

    for (const win::FolderEntry& entry : entries) {
        if (!entry.isFile || !EndsWithNoCase(entry.name, suffix)) continue;
        if (path.size() + entry.name.size() > kMaxPathLength) return kFileErr;
        auto* file = new FileRef(entry.name.c_str(), volume.c_str(), folder.c_str(), kAccessRead);
        if (list.Append(file) < 0) {
            delete file;
            return kFileErr;
        }
    }
    if (!recursive) return kNoErr;
    for (const win::FolderEntry& entry : entries) {
        if (!entry.isDirectory || entry.isLink || entry.name[0] == '.') continue;
        if (ErrCode err = ScanFolder(volume, folder + entry.name + '/', suffix, true, list)) return err;
    }
    return kNoErr;
}

}  // namespace

FolderRef::FolderRef(const char* volume, const char* directory, bool recursive)
    : volume_(volume ? volume : ""), directory_(directory ? directory : ""), recursive_(recursive) {}

ErrCode FolderRef::FindFiles(FourCC type, ObjList& list) const {
    std::string folder = directory_;
    if (folder.empty() || folder.back() != '/') folder += '/';
    return ScanFolder(volume_, folder, SuffixOf(type), recursive_, list);
}
