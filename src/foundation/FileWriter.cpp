#include "foundation/FileWriter.h"

FileWriter::FileWriter(const FileRef& ref, std::uint32_t byteOrder, std::uint32_t bufferSize)
    : file_(ref, byteOrder), bufferSize_(bufferSize) {}

FileWriter::~FileWriter() { Close(); }

ErrCode FileWriter::Open(FileAccess access) {
    Close();
    file_.SetPermission(access);
    const ErrCode err = file_.Open();
    if (err == kNoErr && bufferSize_ > 0) buffer_ = std::make_unique<FileWriteBuffer>(file_, bufferSize_);
    return err;
}

ErrCode FileWriter::Close() {
    if (!file_.IsOpen()) return kNoErr;
    const ErrCode flushErr = Writer().Flush();
    buffer_.reset();
    const ErrCode closeErr = file_.Close();
    return flushErr != kNoErr ? flushErr : closeErr;
}

ErrCode FileWriter::Sync() {
    const ErrCode err = Writer().Flush();
    return err != kNoErr ? err : file_.Sync();
}
