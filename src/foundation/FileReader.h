#pragma once
// Reads a file by its FileRef, through a buffer of the given size (0: unbuffered).
//   FileReader reader(ref, 0, 8192);
//   if (reader.Open() == kNoErr) reader.ReadLong(value);

#include <cstdint>
#include <memory>

#include "foundation/File.h"
#include "foundation/FileReadBuffer.h"

class FileReader : public IReadFile {
public:
    // The file is not opened.
    FileReader(const FileRef& ref, std::uint32_t byteOrder, std::uint32_t bufferSize);
    ~FileReader() override;

    // Opens the file read-only.
    ErrCode Open();
    ErrCode Close();
    bool IsOpen() const { return file_.IsOpen(); }
    ErrCode GetLength(std::uint32_t& length) { return file_.GetLength(length); }

    std::int16_t GetTag() const override { return file_.GetTag(); }
    bool NeedsByteSwap() const override { return file_.NeedsByteSwap(); }
    bool IsSameFile(const IFile& other) const override { return file_.IsSameFile(other); }
    const FileRef& GetFileRef() const override { return file_.GetFileRef(); }

    ErrCode GetError() const override { return file_.GetError(); }
    ErrCode GetPosition(std::uint32_t& position) override { return Reader().GetPosition(position); }
    ErrCode SetPosition(std::uint32_t position) override { return Reader().SetPosition(position); }
    ErrCode SeekToEnd() override { return Reader().SeekToEnd(); }
    bool IsAtEnd() const override { return file_.IsAtEnd(); }
    ErrCode Read(void* buffer, std::uint32_t& count) override { return Reader().Read(buffer, count); }

private:
    // The buffer when there is one, else the file (which answers errors while closed).
    IReadFile& Reader() { return buffer_ ? static_cast<IReadFile&>(*buffer_) : file_; }

    File file_;
    std::unique_ptr<FileReadBuffer> buffer_;
    std::uint32_t bufferSize_;
};
