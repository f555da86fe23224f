#pragma once
// A small streamable object for store tests: a text stored as a 32-bit length and its bytes, and
// the object factory that makes it back from a segment.

#include <cstdint>
#include <string>

#include "foundation/FileError.h"
#include "foundation/IFile.h"
#include "foundation/ObjectFactory.h"
#include "foundation/TObject.h"

class TestRecord : public TObject {
    TOBJECT_CLASS(TestRecord, TObject, 9101)

public:
    explicit TestRecord(std::string text = {}) : text(std::move(text)) {}

    std::uint32_t GetDataSize() const override { return static_cast<std::uint32_t>(text.size()); }
    std::int32_t GetFlattenedSize() const override { return static_cast<std::int32_t>(4 + text.size()); }
    ErrCode WriteTo(IWriteFile& file) override {
        ErrCode err = file.WriteLong(static_cast<std::int32_t>(text.size()));
        std::uint32_t count = static_cast<std::uint32_t>(text.size());
        if (err == kNoErr && count > 0) err = file.Write(text.data(), count);
        return err;
    }
    ErrCode ReadFrom(IReadFile& file) override {
        std::uint32_t length = 0;
        ErrCode err = file.ReadULong(length);
        if (err != kNoErr) return err;
        if (length > 1 << 20) return kBadDataErr;
        std::string read(length, '\0');
        std::uint32_t count = length;
        if (length > 0) err = file.Read(read.data(), count);
        if (err == kNoErr) text = std::move(read);
        return err;
    }

    static TObject* Factory(IReadFile& file, ClassId id, ErrCode* error, std::uintptr_t /*context*/) {
        if (id != kClassId) return nullptr;
        auto* record = new TestRecord;
        *error = record->ReadFrom(file);
        return record;
    }

    std::string text;
};
