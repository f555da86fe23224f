#include "foundation/pfm/PFMTemporaryFile.h"

#include <cstdio>
#include <string>
#include <vector>

#include "foundation/PathUtil.h"
#include "foundation/pfm/PFM.h"
#include "platform/sys/FileHandle.h"
#include "platform/sys/FileSystem.h"
#include "platform/sys/UserFolders.h"

namespace {

// No full path is longer, with its line break.
constexpr std::size_t kMaxRecordSize = 4096;

std::string RecordName(std::uint64_t device, std::uint64_t inode) {
    char name[48];
    std::snprintf(name, sizeof name, "save-%llx-%llx", static_cast<unsigned long long>(device),
                  static_cast<unsigned long long>(inode));
    return name;
}

// The identity a record's name gives; false for any name that is no record's.
bool IdentityOfRecord(const std::string& name, win::PathIdentity& identity) {
    unsigned long long device = 0;
    unsigned long long inode = 0;
    if (std::sscanf(name.c_str(), "save-%llx-%llx", &device, &inode) != 2) return false;
    identity = {device, inode};
    return RecordName(device, inode) == name;
}

// The path a record holds: false while its writer still holds it, or when it is not whole.
bool ReadRecord(const std::string& record, std::string& path) {
    const win::HFILE file = win::OpenFileHandle(record.c_str(), win::FileOpenMode::kRead);
    if (file == win::HFILE_ERROR) return false;
    std::string bytes(kMaxRecordSize + 1, '\0');
    const std::int64_t got = win::ReadFileHandle(file, bytes.data(), bytes.size());
    win::CloseFileHandle(file);
    return got > 0 &&
           DecodeSaveRecord(std::string_view(bytes).substr(0, static_cast<std::size_t>(got)), path);
}

bool IsNamedBy(const std::string& path, const win::PathIdentity& identity) {
    win::PathIdentity named;
    return win::GetPathIdentity(path.c_str(), named) && named == identity;
}

}  // namespace

std::string EncodeSaveRecord(const std::string& path) { return path + "\n"; }

bool DecodeSaveRecord(std::string_view bytes, std::string& path) {
    if (bytes.size() < 2 || bytes.size() > kMaxRecordSize || bytes.back() != '\n') return false;
    const std::string_view named = bytes.substr(0, bytes.size() - 1);
    if (named.find('\0') != std::string_view::npos) return false;
    path = named;
    return true;
}

PFMTemporaryFile::~PFMTemporaryFile() {
    if (IsOpen() && !placed_) Delete();
    Close();
    if (!record_.empty()) win::RemoveFile(record_.c_str());
}

ErrCode PFMTemporaryFile::Create(const FileRef& target) {
    const ErrCode err =
        CreateUnique(target.GetVolume().c_str(), target.GetDirectory().c_str(), kUniqueNamePattern);
    if (err == kNoErr) Record();
    return err;
}

void PFMTemporaryFile::Record() {
    std::string folder;
    if (!win::GetConfigFolder(folder)) return;
    const std::string record = folder + "/" + RecordName(OpenedFacts().device, OpenedFacts().inode);
    // A record of the same name can only be one left of a file gone since: this file is the
    // identity's now.
    const win::HFILE file = win::OpenFileHandle(record.c_str(), win::FileOpenMode::kCreate);
    if (file == win::HFILE_ERROR) return;
    const std::string text = EncodeSaveRecord(GetFileRef().GetFullPath());
    const bool written =
        win::WriteFileHandle(file, text.data(), text.size()) == static_cast<std::int64_t>(text.size());
    const bool closed = win::CloseFileHandle(file);
    if (written && closed) {
        record_ = record;
    } else {
        win::RemoveFile(record.c_str());
    }
}

ErrCode PFMTemporaryFile::PutInPlaceOf(const FileRef& target) {
    FileRef moved = GetFileRef();
    const ErrCode err = moved.Rename(target.NamePtr());
    if (err != kNoErr) return err;
    placed_ = true;
    // The file was synced before it took its place: closing it can lose nothing.
    Close();
    return kNoErr;
}

int PFMRemoveLeftSaveFiles() {
    std::string folder;
    std::vector<win::FolderEntry> entries;
    if (!win::GetConfigFolder(folder) || !win::ListFolder(folder.c_str(), entries)) return 0;
    int removed = 0;
    for (const win::FolderEntry& entry : entries) {
        win::PathIdentity identity;
        std::string path;
        const std::string record = folder + "/" + entry.name;
        if (!IdentityOfRecord(entry.name, identity) || !ReadRecord(record, path)) continue;
        // A save under way holds its file; a file that took the name since is another one.
        if (win::DeleteFileIfUnheld(path.c_str(), &identity)) ++removed;
        if (!IsNamedBy(path, identity)) win::RemoveFile(record.c_str());
    }
    return removed;
}
