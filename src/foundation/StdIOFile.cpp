#include "foundation/StdIOFile.h"

#include <unistd.h>
#include <cerrno>
#include <cstring>
#include <limits>
#include <string>

#include "foundation/Debug.h"
#include "foundation/FileError.h"
#include "platform/sys/SystemNames.h"

namespace {

const char* ModeOf(FileAccess access) {
    switch (access) {
        case kAccessRead: return "rb";
        case kAccessReadWrite: return "r+b";
        case kAccessCreate: return "w+b";
        case kAccessCreateNew: return "w+bx";
    }
    return "rb";
}

}  // namespace

StdIOFile::~StdIOFile() { Close(); }

ErrCode StdIOFile::GetError() const { return stream_ && std::ferror(stream_) ? kFileErr : kNoErr; }

ErrCode StdIOFile::GetPosition(std::uint32_t& position) {
    if (!stream_ || std::ferror(stream_)) return kFileErr;
    const long where = std::ftell(stream_);
    if (where < 0 || static_cast<unsigned long>(where) > std::numeric_limits<std::uint32_t>::max()) {
        DebugPrintf("Disk error: %s.", std::strerror(where < 0 ? errno : EOVERFLOW));
        return kFileErr;
    }
    position = static_cast<std::uint32_t>(where);
    return kNoErr;
}

ErrCode StdIOFile::SetPosition(std::uint32_t position) {
    if (!stream_ || std::ferror(stream_)) return kFileErr;
    if (std::fseek(stream_, static_cast<long>(position), SEEK_SET) != 0) {
        DebugPrintf("Disk error.");
        return kFileErr;
    }
    return kNoErr;
}

ErrCode StdIOFile::SeekToEnd() {
    if (!stream_ || std::ferror(stream_)) return kFileErr;
    if (std::fseek(stream_, 0, SEEK_END) != 0) {
        DebugPrintf("Disk error.");
        return kFileErr;
    }
    return kNoErr;
}

bool StdIOFile::IsAtEnd() const { return stream_ && std::feof(stream_); }

ErrCode StdIOFile::Read(void* buffer, std::uint32_t& count) {
    const std::uint32_t wanted = count;
    count = 0;
    if (!stream_ || std::ferror(stream_)) return kFileErr;
    count = static_cast<std::uint32_t>(std::fread(buffer, 1, wanted, stream_));
    if (count == wanted) return kNoErr;
    if (std::feof(stream_) && !std::ferror(stream_)) return kEndOfFileErr;
    DebugPrintf("File read error.\n");
    return kFileErr;
}

ErrCode StdIOFile::Flush() {
    if (!stream_ || std::ferror(stream_)) return kFileErr;
    if (std::fflush(stream_) != 0) {
        DebugPrintf("Disk write error.\n");
        return kFileErr;
    }
    return kNoErr;
}

ErrCode StdIOFile::Write(const void* buffer, std::uint32_t& count) {
    const std::uint32_t wanted = count;
    count = 0;
    if (!stream_ || std::ferror(stream_)) return kFileErr;
    count = static_cast<std::uint32_t>(std::fwrite(buffer, 1, wanted, stream_));
    if (count == wanted) return kNoErr;
    DebugPrintf("Disk write error.");
    return kFileErr;
}

ErrCode StdIOFile::GetLength(std::uint32_t& length) {
    if (!stream_) {
        StdIOFile probe(ref_, GetByteOrder());
        probe.SetPermission(kAccessRead);
        if (probe.Open() != kNoErr) return kFileErr;
        return probe.GetLength(length);
    }
    std::uint32_t here = 0;
    std::uint32_t end = 0;
    if (GetPosition(here) != kNoErr || SeekToEnd() != kNoErr || GetPosition(end) != kNoErr) return kFileErr;
    if (SetPosition(here) != kNoErr) return kFileErr;
    length = end;
    return kNoErr;
}

ErrCode StdIOFile::Open() {
    Close();
    const std::string path = ref_.GetFullPath();
    const char* mode = ModeOf(ref_.GetPermission());
    stream_ = path.empty() ? nullptr : std::fopen(win::NameForSystem(path).c_str(), mode);
    if (!stream_) {
        DebugPrintf("Unable to open file \"%s\" mode=\"%s\".", path.c_str(), mode);
        return kFileErr;
    }
    return kNoErr;
}

ErrCode StdIOFile::Close() {
    if (!stream_) return kNoErr;
    const bool standard = IsStandardStream();
    std::FILE* stream = stream_;
    stream_ = nullptr;
    if (standard) return std::fflush(stream) == 0 ? kNoErr : kFileErr;
    return std::fclose(stream) == 0 ? kNoErr : kFileErr;
}

void StdIOFile::ClearError() {
    if (stream_) std::clearerr(stream_);
}

ErrCode StdIOFile::Sync() {
    if (Flush() != kNoErr) return kFileErr;
    if (::fsync(::fileno(stream_)) != 0 && errno != EINVAL) {
        DebugPrintf("Disk write error.\n");
        return kFileErr;
    }
    return kNoErr;
}

void StdIOFile::AttachToStandardOutput() {
    Close();
    ref_.Clear();
    stream_ = stdout;
}
