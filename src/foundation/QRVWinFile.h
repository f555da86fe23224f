#pragma once
// A file on the system's native file calls. It keeps its first failure as a sticky error, with
// the system's error number beside it; once set, reads, writes and seeks answer it without acting
// until ClearError. A read cut short by the end of the file answers -10 each time without becoming
// sticky.
//
// Opening, by the FileRef's access mode: read-only, read-write, create (a new or emptied file) or
// create-new (a file that must not exist yet). An open file keeps others from writing it: a file
// open for reading can be opened again for reading, one open for writing cannot be opened at all
// (-14). A missing file gives -2; other failures to open, and every failure to create, give -14.
// A write that fails gives -12, one stopped by a full disk -8.

#include <cstdint>

#include "foundation/TFile.h"
#include "platform/sys/FileHandle.h"
#include "platform/sys/WinTypes.h"

class QRVWinFile : public TFile {
public:
    explicit QRVWinFile(const FileRef& ref, std::uint32_t byteOrder = 0) : TFile(ref, byteOrder) {}
    ~QRVWinFile() override;

    ErrCode GetError() const override { return sticky_; }
    ErrCode GetPosition(std::uint32_t& position) override;
    ErrCode SetPosition(std::uint32_t position) override;
    ErrCode SeekToEnd() override;

    bool IsAtEnd() const override { return atEnd_; }
    ErrCode Read(void* buffer, std::uint32_t& count) override;

    // Nothing is buffered in the program: hands the writes to the system and answers the sticky
    // error, or -16.
    ErrCode Flush() override;
    ErrCode Write(const void* buffer, std::uint32_t& count) override;

    // For a closed file, the length on disk, without opening it.
    ErrCode GetLength(std::uint32_t& length) override;
    // Opening an open file closes it first.
    ErrCode Open() override;
    // -15 when the system fails to close; the file is closed and its errors cleared either way.
    ErrCode Close() override;
    bool IsOpen() const override { return handle_ != win::HFILE_ERROR; }
    void ClearError() override;
    // -16 when the system cannot sync.
    ErrCode Sync() override;

    // The system's error number of the first failure (0 when none).
    win::DWORD GetSystemError() const { return systemError_; }
    // What the open call found of the open file (its identity, length and times); all 0 while
    // closed. The length is the file's when it was opened, not after later writes.
    const win::OpenedFileFacts& OpenedFacts() const { return opened_; }

protected:
    // Opens with that mode, whatever the FileRef's access mode; the system's error number comes
    // back in systemError on failure. For subclasses that need to tell failures apart.
    ErrCode OpenAs(win::FileOpenMode mode, win::DWORD& systemError);
    // Whether the open file is still the one its name names (nobody removed it since it was opened).
    bool IsAtItsName() const;

private:
    ErrCode Fail(ErrCode code);

    win::HFILE handle_ = win::HFILE_ERROR;
    win::OpenedFileFacts opened_;
    bool atEnd_ = false;
    win::DWORD systemError_ = 0;
    ErrCode sticky_ = kNoErr;
};
