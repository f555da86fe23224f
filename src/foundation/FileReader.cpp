#include "foundation/FileReader.h"

FileReader::FileReader(const FileRef& ref, std::uint32_t byteOrder, std::uint32_t bufferSize)
    : file_(ref, byteOrder), bufferSize_(bufferSize) {}

FileReader::~FileReader() { Close(); }

ErrCode FileReader::Open() {
    Close();
    file_.SetPermission(kAccessRead);
    const ErrCode err = file_.Open();
    if (err == kNoErr && bufferSize_ > 0) buffer_ = std::make_unique<FileReadBuffer>(file_, bufferSize_, 0);
    return err;
}

ErrCode FileReader::Close() {
    if (!file_.IsOpen()) return kNoErr;
    buffer_.reset();
    return file_.Close();
}
