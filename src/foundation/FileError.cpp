#include "foundation/FileError.h"

#include <array>
#include <cerrno>

namespace {

// Index = -code.
constexpr std::array<const char*, 24> kMessages = {
    "No error.",
    "Error.",
    "Cannot find the file.",
    "The file contains invalid or corrupt data.",
    "Out of memory.",
    "Operatioin was aborted by user.",
    "The file contains data is a format that is not supported by the operation.",
    "The file's segment map data is invalid or corrupt.",
    "Out of disk space.",
    "Wrong amount of data written to the file.",
    "Unexpected end of file reached.",
    "Error attempting to read data from the file.",
    "Error attempting to write data to the file.",
    "The file is not writable.",
    "Error attempting to open the file.",
    "Error closing file.",
    "Error flushing the file's cache.",
    "Error moving to a position within the file.",
    "Error attempting to query the current position within the file.",
    "The file's saved size is not the expected size.",
    "The file is already in use by the application.",
    "The document file is missing.\n\nIf the missing file was on a floppy disk that has been ejected then "
    "reinsert the disk and try the operation again.\n\nYou can also perform a Save-As operation to recover "
    "from this error.",
    "The document file is missing.\n\nIf the missing file was on a floppy disk that has been ejected then "
    "reinsert the disk and try the operation again.\n\nIf the missing file cannot be found you will not be "
    "able to recover from this error and should close the document without saving any changes.",
    "Could not find a unique filename.",
};

}  // namespace

const char* FileErrorMessage(ErrCode code) {
    if (code > 0 || -code >= static_cast<int>(kMessages.size())) return kMessages[1];
    return kMessages[static_cast<std::size_t>(-code)];
}

ErrCode FileErrorFromSystem(int errorNumber, ErrCode fallback) {
    switch (errorNumber) {
        case ENOENT:
        case ENOTDIR: return kFileNotFoundErr;
        case EACCES:
        case EPERM:
        case EROFS: return kNotWritableErr;
        case ENOSPC:
        case EDQUOT:
        case EFBIG: return kDiskFullErr;
        case ENOMEM: return kOutOfMemoryErr;
        case EBUSY:
        case ETXTBSY: return kFileInUseErr;
        default: return fallback < 0 ? fallback : kFileErr;
    }
}
