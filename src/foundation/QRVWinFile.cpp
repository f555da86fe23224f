#include "foundation/QRVWinFile.h"

#include <cerrno>
#include <limits>
#include <string>

#include "foundation/FileError.h"
#include "platform/sys/FileSystem.h"
#include "platform/sys/SysError.h"

namespace {

win::FileOpenMode OpenModeOf(FileAccess access) {
    switch (access) {
        case kAccessRead: return win::FileOpenMode::kRead;
        case kAccessReadWrite: return win::FileOpenMode::kReadWrite;
        case kAccessCreate: return win::FileOpenMode::kCreate;
        case kAccessCreateNew: return win::FileOpenMode::kCreateNew;
    }
    return win::FileOpenMode::kRead;
}

bool IsDiskFull(win::DWORD error) { return error == ENOSPC || error == EDQUOT || error == EFBIG; }

}  // namespace

QRVWinFile::~QRVWinFile() { Close(); }

ErrCode QRVWinFile::Fail(ErrCode code) {
    if (sticky_ == kNoErr) {
        sticky_ = code;
        systemError_ = win::GetLastError();
    }
    return sticky_;
}

ErrCode QRVWinFile::GetPosition(std::uint32_t& position) {
    if (sticky_) return sticky_;
    if (!IsOpen()) return kPositionErr;
    const std::int64_t where = win::SeekFileHandle(handle_, 0, win::FileSeekFrom::kCurrent);
    if (where < 0 || where > std::numeric_limits<std::uint32_t>::max()) return Fail(kPositionErr);
    position = static_cast<std::uint32_t>(where);
    return kNoErr;
}

ErrCode QRVWinFile::SetPosition(std::uint32_t position) {
    if (sticky_) return sticky_;
    if (!IsOpen()) return kSeekErr;
    if (win::SeekFileHandle(handle_, position, win::FileSeekFrom::kStart) < 0) return Fail(kSeekErr);
    atEnd_ = false;
    return kNoErr;
}

ErrCode QRVWinFile::SeekToEnd() {
    if (sticky_) return sticky_;
    if (!IsOpen()) return kSeekErr;
    const std::int64_t end = win::SeekFileHandle(handle_, 0, win::FileSeekFrom::kEnd);
    if (end < 0) return Fail(kSeekErr);
    if (end > std::numeric_limits<std::uint32_t>::max()) return Fail(kPositionErr);
    atEnd_ = false;
    return kNoErr;
}

ErrCode QRVWinFile::Read(void* buffer, std::uint32_t& count) {
    const std::uint32_t wanted = count;
    count = 0;
    if (sticky_) return sticky_;
    if (!IsOpen()) return kReadErr;
    if (wanted == 0) return kNoErr;
    const std::int64_t got = win::ReadFileHandle(handle_, buffer, wanted);
    if (got < 0) return Fail(kReadErr);
    count = static_cast<std::uint32_t>(got);
    if (count < wanted) {
        atEnd_ = true;
        return kEndOfFileErr;
    }
    return kNoErr;
}

ErrCode QRVWinFile::Flush() {
    if (sticky_) return sticky_;
    if (!IsOpen()) return kNoErr;
    if (!win::FlushFileHandle(handle_)) return Fail(kFlushErr);
    return kNoErr;
}

ErrCode QRVWinFile::Write(const void* buffer, std::uint32_t& count) {
    const std::uint32_t wanted = count;
    count = 0;
    if (sticky_) return sticky_;
    if (!IsOpen()) return kWriteErr;
    if (wanted == 0) return kNoErr;
    const std::int64_t put = win::WriteFileHandle(handle_, buffer, wanted);
    if (put < 0) return Fail(IsDiskFull(win::GetLastError()) ? kDiskFullErr : kWriteErr);
    count = static_cast<std::uint32_t>(put);
    if (count < wanted) return Fail(kDiskFullErr);
    return kNoErr;
}

ErrCode QRVWinFile::GetLength(std::uint32_t& length) {
    std::uint64_t size = 0;
    if (IsOpen()) {
        if (sticky_) return sticky_;
        const std::int64_t handleSize = win::GetFileHandleSize(handle_);
        if (handleSize < 0) return Fail(kPositionErr);
        size = static_cast<std::uint64_t>(handleSize);
    } else {
        win::PathInfo info;
        if (!win::GetPathInfo(ref_.GetFullPath().c_str(), info)) {
            return FileErrorFromSystem(static_cast<int>(win::GetLastError()), kFileErr);
        }
        if (info.isDirectory) return kFileErr;
        size = info.size;
    }
    if (size > std::numeric_limits<std::uint32_t>::max()) return kFileErr;
    length = static_cast<std::uint32_t>(size);
    return kNoErr;
}

ErrCode QRVWinFile::OpenAs(win::FileOpenMode mode, win::DWORD& systemError) {
    if (IsOpen()) Close();
    const std::string path = ref_.GetFullPath();
    handle_ = win::OpenFileHandle(path.c_str(), mode, &opened_);
    if (handle_ != win::HFILE_ERROR) {
        atEnd_ = false;
        return kNoErr;
    }
    systemError = win::GetLastError();
    if (mode == win::FileOpenMode::kCreate || mode == win::FileOpenMode::kCreateNew) return kOpenErr;
    return systemError == ENOENT || systemError == ENOTDIR ? kFileNotFoundErr : kOpenErr;
}

bool QRVWinFile::IsAtItsName() const {
    win::PathIdentity named;
    return IsOpen() && win::GetPathIdentity(ref_.GetFullPath().c_str(), named) && named.device == opened_.device &&
           named.inode == opened_.inode;
}

ErrCode QRVWinFile::Open() {
    win::DWORD systemError = 0;
    const ErrCode err = OpenAs(OpenModeOf(ref_.GetPermission()), systemError);
    if (err != kNoErr) systemError_ = systemError;
    return err;
}

ErrCode QRVWinFile::Close() {
    if (!IsOpen()) return kNoErr;
    const bool closed = win::CloseFileHandle(handle_);
    handle_ = win::HFILE_ERROR;
    opened_ = {};
    atEnd_ = false;
    ClearError();
    return closed ? kNoErr : kCloseErr;
}

void QRVWinFile::ClearError() {
    sticky_ = kNoErr;
    systemError_ = 0;
}

ErrCode QRVWinFile::Sync() {
    if (sticky_) return sticky_;
    if (!IsOpen()) return kFlushErr;
    if (!win::SyncFileHandle(handle_)) return Fail(kFlushErr);
    return kNoErr;
}
