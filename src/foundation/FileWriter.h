#pragma once
// Writes a file by its FileRef, through a buffer of the given size (0: unbuffered).
//   FileWriter writer(ref, 0, 8192);
//   if (writer.Open(kAccessCreate) == kNoErr) writer.WriteLong(value);
//   err = writer.Close();

#include <cstdint>
#include <memory>

#include "foundation/File.h"
#include "foundation/FileWriteBuffer.h"

class FileWriter : public IWriteFile {
public:
    // The file is not opened.
    FileWriter(const FileRef& ref, std::uint32_t byteOrder, std::uint32_t bufferSize);
    // Closes (what is buffered is written).
    ~FileWriter() override;

    // Opens the file for writing: kAccessReadWrite, kAccessCreate or kAccessCreateNew.
    ErrCode Open(FileAccess access);
    // Writes out the buffer and closes: the first failure of the two.
    ErrCode Close();
    bool IsOpen() const { return file_.IsOpen(); }
    // Writes out the buffer and waits until the file's data is on the disk.
    ErrCode Sync();

    std::int16_t GetTag() const override { return file_.GetTag(); }
    bool NeedsByteSwap() const override { return file_.NeedsByteSwap(); }
    bool IsSameFile(const IFile& other) const override { return file_.IsSameFile(other); }
    const FileRef& GetFileRef() const override { return file_.GetFileRef(); }

    ErrCode GetError() const override { return file_.GetError(); }
    ErrCode GetPosition(std::uint32_t& position) override { return Writer().GetPosition(position); }
    ErrCode SetPosition(std::uint32_t position) override { return Writer().SetPosition(position); }
    ErrCode SeekToEnd() override { return Writer().SeekToEnd(); }
    ErrCode Flush() override { return Writer().Flush(); }
    ErrCode Write(const void* buffer, std::uint32_t& count) override { return Writer().Write(buffer, count); }

private:
    IWriteFile& Writer() { return buffer_ ? static_cast<IWriteFile&>(*buffer_) : file_; }

    File file_;
    std::unique_ptr<FileWriteBuffer> buffer_;
    std::uint32_t bufferSize_;
};
