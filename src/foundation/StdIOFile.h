#pragma once
// A file on the standard stream library, or the standard output stream itself. Problems are
// reported through DebugPrintf and answered with -1; a stream already in error answers -1 at once.
// A read cut short by the end of the file answers -10, as every file does.

#include <cstdio>

#include "foundation/TFile.h"

class StdIOFile : public TFile {
public:
    explicit StdIOFile(const FileRef& ref = FileRef(), std::uint32_t byteOrder = 0) : TFile(ref, byteOrder) {}
    ~StdIOFile() override;

    ErrCode GetError() const override;
    ErrCode GetPosition(std::uint32_t& position) override;
    ErrCode SetPosition(std::uint32_t position) override;
    ErrCode SeekToEnd() override;

    bool IsAtEnd() const override;
    ErrCode Read(void* buffer, std::uint32_t& count) override;

    ErrCode Flush() override;
    ErrCode Write(const void* buffer, std::uint32_t& count) override;

    ErrCode GetLength(std::uint32_t& length) override;
    // Modes "rb", "r+b", "w+b" (and "w+bx" for create-new) by the FileRef's access mode.
    ErrCode Open() override;
    // Closes the stream, unless it is a standard stream, which stays open.
    ErrCode Close() override;
    bool IsOpen() const override { return stream_ != nullptr; }
    void ClearError() override;
    ErrCode Sync() override;

    // Writes to the standard output stream from now on; the FileRef is cleared.
    void AttachToStandardOutput();

private:
    bool IsStandardStream() const { return stream_ == stdout || stream_ == stderr || stream_ == stdin; }

    std::FILE* stream_ = nullptr;
};
