#include "foundation/FileReaderWriter.h"

#include "foundation/FileError.h"

TFileReaderWriter::TFileReaderWriter(std::uint32_t readBufferSize, std::uint32_t writeBufferSize)
    : TFileReaderWriter(FileRef(), readBufferSize, writeBufferSize) {}

TFileReaderWriter::TFileReaderWriter(const FileRef& ref, std::uint32_t readBufferSize,
                                     std::uint32_t writeBufferSize)
    : file_(ref, 0), readBufferSize_(readBufferSize), writeBufferSize_(writeBufferSize) {}

TFileReaderWriter::~TFileReaderWriter() { Close(); }

ErrCode TFileReaderWriter::AfterOpen(ErrCode openErr) {
    if (openErr != kNoErr) return openErr;
    mode_ = Mode::kIdle;
    return BeginReadingAt(0);  // a file just opened stands at its start
}

ErrCode TFileReaderWriter::Open(const FileRef& ref, FileAccess access) {
    Close();
    file_.SetFileRef(ref);
    file_.SetPermission(access);
    return AfterOpen(file_.Open());
}

ErrCode TFileReaderWriter::CreateUnique(const char* volume, const char* directory, const char* pattern,
                                        const std::vector<const FileRef*>& taken) {
    Close();
    return AfterOpen(file_.CreateUniqueNamed(volume, directory, pattern, taken));
}

ErrCode TFileReaderWriter::Close() {
    if (mode_ == Mode::kClosed) return kNoErr;
    ErrCode err = kNoErr;
    // Where reading got no longer matters: the read buffer goes without moving the file back.
    if (mode_ == Mode::kReading) {
        err = file_.GetError();
        readBuffer_.reset();
        mode_ = Mode::kIdle;
    }
    if (mode_ == Mode::kWriting) err = EndWriting();
    const ErrCode closeErr = file_.Close();
    mode_ = Mode::kClosed;
    return err != kNoErr ? err : closeErr;
}

ErrCode TFileReaderWriter::BeginReading() { return BeginReadingAt(std::nullopt); }

ErrCode TFileReaderWriter::BeginReadingAt(std::optional<std::uint32_t> position) {
    if (mode_ == Mode::kClosed) return kReadErr;
    if (mode_ == Mode::kWriting) return SwitchToReading();
    if (mode_ == Mode::kIdle && readBufferSize_ > 0) {
        readBuffer_ = std::make_unique<FileReadBuffer>(file_, readBufferSize_, position);
    }
    mode_ = Mode::kReading;
    return kNoErr;
}

ErrCode TFileReaderWriter::EndReading() {
    if (mode_ != Mode::kReading) return kNoErr;
    ErrCode err = kNoErr;
    if (readBuffer_) {
        // The file stands where the buffer's last fill left it; bring it back to where reading got.
        std::uint32_t position = 0;
        err = readBuffer_->GetPosition(position);
        readBuffer_.reset();
        if (err == kNoErr) err = file_.SetPosition(position);
    }
    mode_ = Mode::kIdle;
    return err;
}

ErrCode TFileReaderWriter::BeginWriting() {
    if (mode_ == Mode::kClosed) return kWriteErr;
    if (mode_ == Mode::kReading) return SwitchToWriting();
    if (mode_ == Mode::kIdle && writeBufferSize_ > 0) {
        writeBuffer_ = std::make_unique<FileWriteBuffer>(file_, writeBufferSize_);
    }
    mode_ = Mode::kWriting;
    return kNoErr;
}

ErrCode TFileReaderWriter::EndWriting() {
    if (mode_ != Mode::kWriting) return kNoErr;
    ErrCode err = kNoErr;
    if (writeBuffer_) {
        err = writeBuffer_->Flush();
        writeBuffer_.reset();
    }
    mode_ = Mode::kIdle;
    return err;
}

ErrCode TFileReaderWriter::SwitchToWriting() {
    const ErrCode err = EndReading();
    if (err != kNoErr) return err;
    return BeginWriting();
}

ErrCode TFileReaderWriter::SwitchToReading() {
    const ErrCode err = EndWriting();
    file_.ClearError();
    const ErrCode beginErr = BeginReading();
    return err != kNoErr ? err : beginErr;
}

ErrCode TFileReaderWriter::GetLength(std::uint32_t& length) {
    if (mode_ == Mode::kWriting && writeBuffer_) {
        if (ErrCode err = writeBuffer_->Flush()) return err;
    }
    return file_.GetLength(length);
}

ErrCode TFileReaderWriter::Sync() {
    if (mode_ == Mode::kWriting) {
        if (ErrCode err = Flush()) return err;
    }
    return file_.Sync();
}

IFile& TFileReaderWriter::Current() {
    if (mode_ == Mode::kReading && readBuffer_) return *readBuffer_;
    if (mode_ == Mode::kWriting && writeBuffer_) return *writeBuffer_;
    return static_cast<IReadFile&>(file_);
}

ErrCode TFileReaderWriter::Read(void* buffer, std::uint32_t& count) {
    if (mode_ != Mode::kReading) {
        count = 0;
        return file_.GetError() ? file_.GetError() : kReadErr;
    }
    return readBuffer_ ? readBuffer_->Read(buffer, count) : file_.Read(buffer, count);
}

ErrCode TFileReaderWriter::Write(const void* buffer, std::uint32_t& count) {
    if (mode_ != Mode::kWriting) {
        count = 0;
        return file_.GetError() ? file_.GetError() : kWriteErr;
    }
    return writeBuffer_ ? writeBuffer_->Write(buffer, count) : file_.Write(buffer, count);
}

ErrCode TFileReaderWriter::Flush() {
    if (mode_ == Mode::kWriting && writeBuffer_) return writeBuffer_->Flush();
    return file_.Flush();
}
