#pragma once
// A file that alternates between buffered reading and buffered writing: the base of the store's
// disk and swap files. It is closed, open and idle, reading, or writing; reads go through the read
// buffer while reading, writes through the write buffer while writing. Switching keeps the
// position: a switch to writing starts writing where reading had got to, not where the read
// buffer's look-ahead left the file.

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "foundation/File.h"
#include "foundation/FileReadBuffer.h"
#include "foundation/FileWriteBuffer.h"

class TFileReaderWriter : public IReadFile, public IWriteFile {
public:
    enum class Mode { kClosed, kIdle, kReading, kWriting };

    // Buffer sizes of 0 read or write the file directly. Closed, with no path yet.
    TFileReaderWriter(std::uint32_t readBufferSize, std::uint32_t writeBufferSize);
    TFileReaderWriter(const FileRef& ref, std::uint32_t readBufferSize, std::uint32_t writeBufferSize);
    ~TFileReaderWriter() override;

    // Opens the file with the access mode, then begins reading.
    ErrCode Open(const FileRef& ref, FileAccess access);
    // Creates and opens a new file in the folder under the first free name of the pattern, passing
    // over the files known to exist (see File::CreateUniqueNamed), then begins reading.
    ErrCode CreateUnique(const char* volume, const char* directory, const char* pattern,
                         const std::vector<const FileRef*>& taken = {});
    // Ends the current mode (a write buffer is written out) and closes the file: the first failure.
    ErrCode Close();

    ErrCode BeginReading();
    ErrCode EndReading();
    ErrCode BeginWriting();
    // Writes out and drops the write buffer; answers the flush result.
    ErrCode EndWriting();
    ErrCode SwitchToWriting();
    // Ends writing, clears the file's error and begins reading.
    ErrCode SwitchToReading();

    Mode GetMode() const { return mode_; }
    bool IsOpen() const { return mode_ != Mode::kClosed; }
    ErrCode GetLength(std::uint32_t& length);
    // Writes out what is buffered and waits until the file's data is on the disk.
    ErrCode Sync();
    // Removes the file from the disk (it should be closed).
    ErrCode Delete() const { return file_.Delete(); }

    std::int16_t GetTag() const override { return file_.GetTag(); }
    bool NeedsByteSwap() const override { return file_.NeedsByteSwap(); }
    bool IsSameFile(const IFile& other) const override { return file_.IsSameFile(other); }
    const FileRef& GetFileRef() const override { return file_.GetFileRef(); }
    ErrCode GetError() const override { return file_.GetError(); }
    // What opening found of the open file (QRVWinFile::OpenedFacts).
    const win::OpenedFileFacts& OpenedFacts() const { return file_.OpenedFacts(); }

    ErrCode GetPosition(std::uint32_t& position) override { return Current().GetPosition(position); }
    ErrCode SetPosition(std::uint32_t position) override { return Current().SetPosition(position); }
    ErrCode SeekToEnd() override { return Current().SeekToEnd(); }

    bool IsAtEnd() const override { return file_.IsAtEnd(); }
    // -11 unless reading.
    ErrCode Read(void* buffer, std::uint32_t& count) override;
    // -12 unless writing.
    ErrCode Write(const void* buffer, std::uint32_t& count) override;
    ErrCode Flush() override;

private:
    // The stream of the current mode, or the file itself while idle.
    IFile& Current();
    ErrCode AfterOpen(ErrCode openErr);
    // Begins reading from idle, at the position given when the caller knows where the file stands.
    ErrCode BeginReadingAt(std::optional<std::uint32_t> position);

    File file_;
    Mode mode_ = Mode::kClosed;
    std::uint32_t readBufferSize_;
    std::uint32_t writeBufferSize_;
    std::unique_ptr<FileReadBuffer> readBuffer_;
    std::unique_ptr<FileWriteBuffer> writeBuffer_;
};
