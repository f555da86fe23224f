#pragma once
// What FileRef::IsSameFile compares of a file, found once for comparing the file with many others:
// its full path and, when the path names a file, that file's device and inode.

#include <cstdint>
#include <string>

class FileRef;

class FileIdentity {
public:
    explicit FileIdentity(const FileRef& file);

    // FileRef::IsSameFile of the other file and this one.
    bool IsSameFile(const FileRef& other) const;
    bool Exists() const { return exists_; }

private:
    bool empty_ = true;
    std::string path_;
    bool exists_ = false;
    std::uint64_t device_ = 0;
    std::uint64_t inode_ = 0;
};
