#include "foundation/String.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "foundation/FileError.h"
#include "foundation/IFile.h"
#include "foundation/Memory.h"
#include "foundation/PlainText.h"

namespace {

// Length of the text, at most max characters.
std::uint32_t BoundedLength(const char* text, std::uint32_t max) {
    return text ? static_cast<std::uint32_t>(strnlen(text, max)) : 0;
}

}  // namespace

String::String(const char* text, std::uint16_t growthIncrement) {
    SetGrowthIncrement(growthIncrement);
    Allocate(1);
    Assign(text);
}

String::String(const char* text, std::uint32_t n, std::uint16_t growthIncrement) {
    SetGrowthIncrement(growthIncrement);
    Allocate(BoundedLength(text, n) + 1);
    Assign(n, text);
}

String::String(IReadFile& file, ErrCode* error) {
    Allocate(1);
    const ErrCode result = ReadFrom(file);
    if (error) *error = result;
}

String::String(const String& other) : TObject(other) {
    Allocate(1);
    Assign(other);
}

String& String::operator=(const String& other) {
    Assign(other);
    return *this;
}

String& String::operator=(const char* text) {
    Assign(text);
    return *this;
}

String::~String() { MemFree(text_); }

void String::Allocate(std::uint32_t size) {
    text_ = static_cast<char*>(MemAlloc(size));
    if (!text_) return;
    text_[0] = '\0';
    capacity_ = size;
}

bool String::Resize(std::uint32_t size) {
    void* block = MemRealloc(text_, size);
    if (!block) return false;
    text_ = static_cast<char*>(block);
    capacity_ = size;
    return true;
}

bool String::Holds(const char* address) const {
    return text_ && address >= text_ && address < text_ + capacity_;
}

bool String::MakeRoom(std::uint32_t needed, std::uint32_t size, const char*& text) {
    if (text_ && needed <= capacity_) return true;
    // A text inside this block is kept by its offset, which survives the resize.
    const bool inside = Holds(text);
    const std::size_t offset = inside ? static_cast<std::size_t>(text - text_) : 0;
    if (!Resize(size)) return false;
    if (inside) text = text_ + offset;
    return true;
}

std::int32_t String::GetFlattenedSize() const {
    return length_ == 0 ? 2 : static_cast<std::int32_t>(length_) + 3;
}

ErrCode String::ReadFrom(IReadFile& file) {
    std::int16_t stored = 0;
    ErrCode err = file.ReadShort(stored);
    if (err == kNoErr && stored < 0) err = kBadDataErr;
    const auto length = static_cast<std::uint32_t>(err == kNoErr ? stored : 0);
    if (err == kNoErr && !Resize(length + 1)) err = kOutOfMemoryErr;
    if (err == kNoErr && length > 0) err = ReadExactly(file, text_, length + 1);
    if (err != kNoErr) {
        // The text is left empty, never half read.
        if (text_) text_[0] = '\0';
        length_ = 0;
        return err;
    }
    // The stored NUL is not trusted: the text ends within its block whatever the stream held.
    text_[length] = '\0';
    length_ = StrLength(text_);
    return kNoErr;
}

ErrCode String::WriteTo(IWriteFile& file) {
    if (length_ > 32767) return kBadDataErr;
    const auto length = static_cast<std::int16_t>(text_ ? length_ : 0);
    ErrCode err = file.WriteShort(length);
    if (err == kNoErr && length > 0) err = WriteExactly(file, text_, length_ + 1);
    return err;
}

String* String::Clone() const {
    String* clone = new (std::nothrow) String(text_);
    if (clone && clone->Length() != length_) {
        delete clone;
        return nullptr;
    }
    return clone;
}

void String::SetGrowthIncrement(std::uint16_t increment) { growth_ = std::max<std::uint16_t>(increment, 1); }

bool String::Assign(const char* text) { return Assign(0xFFFFFFFF, text); }

bool String::Assign(const String& other) {
    if (&other == this) return true;
    return Assign(other.length_, other.text_);
}

bool String::Assign(std::uint32_t length, const char* text) {
    const std::uint32_t copied = BoundedLength(text, length);
    if (!MakeRoom(copied + 1, copied + 1, text)) return false;
    if (copied) std::memmove(text_, text, copied);
    text_[copied] = '\0';
    length_ = copied;
    return true;
}

bool String::Append(const char* text) {
    if (!text || !*text) return true;
    const std::uint32_t added = StrLength(text);
    const std::uint64_t newLength = static_cast<std::uint64_t>(length_) + added;
    if (newLength + growth_ > 0xFFFFFFFFu) return false;
    const auto total = static_cast<std::uint32_t>(newLength);
    if (!MakeRoom(total + 1, total + growth_, text)) return false;
    std::memmove(text_ + length_, text, added);
    length_ = total;
    text_[length_] = '\0';
    return true;
}

bool String::Append(const String& other) { return Append(other.text_); }

bool String::SetCapacity(std::uint32_t n) {
    if (n == 0xFFFFFFFF) return false;
    if (!Resize(n + 1)) return false;
    if (n < length_) length_ = n;
    text_[length_] = '\0';
    return true;
}

void String::CopyTo(char* buffer, std::uint32_t size) const { StrCopyMax(buffer, text_, size); }

char* String::GetText(char* buffer, std::uint32_t size) const {
    if (size == kUnbounded) {
        StrCopy(buffer, text_);
    } else {
        CopyTo(buffer, size);
    }
    return buffer;
}

int String::Compare(const char* text) const { return StrCompare(text_, text); }

int String::Compare(const String& a, const String& b) { return StrCompare(a.text_, b.text_); }

int String::CompareNoCase(const String& a, const String& b) { return StrCompareNoCase(a.text_, b.text_); }

bool String::IsValid() const {
    return text_ && MemSize(text_) == capacity_ && std::strlen(text_) == length_ && length_ < capacity_;
}
