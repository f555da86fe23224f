#pragma once
// What FileRef::IsSameFile compares of a file, found once for comparing the file with many others:
// its full path and, when the path names a file, that file's device and inode.

#include <cstdint>
#include <string>

class FileRef;
namespace win {
struct OpenedFileFacts;
}

class FileIdentity {
public:
    explicit FileIdentity(const FileRef& file);

    // FileRef::IsSameFile of the other file and this one.
    bool IsSameFile(const FileRef& other) const;
    // The same for a file that is open under that reference: the identity its opening found
    // stands for the file, so its path is not looked up again.
    bool IsSameFile(const FileRef& other, const win::OpenedFileFacts& opened) const;
    bool Exists() const { return exists_; }

private:
    bool empty_ = true;
    std::string path_;
    bool exists_ = false;
    std::uint64_t device_ = 0;
    std::uint64_t inode_ = 0;
};
