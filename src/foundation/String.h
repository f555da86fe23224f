#pragma once
// The framework's heap text: 8-bit, NUL-terminated text in a block of the memory manager, with its
// length, the block's size (the capacity) and a growth increment, the extra room reserved when an
// append outgrows the block. A String whose block could not be had holds no text (CStr is null)
// and reads as empty. Every change that needs more memory than can be had leaves the String as it
// was.

#include <cstdint>

#include "foundation/TObject.h"
#include "foundation/Types.h"

class String : public TObject {
    TOBJECT_CLASS(String, TObject, 1)

public:
    // From NUL-terminated text (null gives the empty text).
    explicit String(const char* text = nullptr, std::uint16_t growthIncrement = 1);
    // From the first n characters of the text (fewer when it ends sooner).
    String(const char* text, std::uint32_t n, std::uint16_t growthIncrement);
    // Read from a stream (growth increment 1); the outcome goes to *error.
    String(IReadFile& file, ErrCode* error);
    String(const String& other);
    String& operator=(const String& other);
    String& operator=(const char* text);
    ~String() override;

    std::uint32_t GetDataSize() const override { return capacity_; }
    bool HasFlags(std::uint32_t /*mask*/) const override { return false; }
    // Bytes of the streamed form: length + 3, or 2 for the empty text.
    std::int32_t GetFlattenedSize() const override;
    // Stored form: a signed 16-bit length, then, when it is above 0, the characters and a NUL.
    // Reading answers -3 for a negative length and -4 when the block cannot grow; a failed read
    // leaves the empty text. Writing answers -3, writing nothing, for a text longer than 32767.
    ErrCode ReadFrom(IReadFile& file) override;
    ErrCode WriteTo(IWriteFile& file) override;
    // A new String with the same text (growth increment 1); null when out of memory.
    String* Clone() const override;

    // The text; null only when no block could be had.
    const char* CStr() const { return text_; }
    std::uint32_t Length() const { return length_; }
    std::uint32_t Capacity() const { return capacity_; }
    std::uint16_t GrowthIncrement() const { return growth_; }
    // At least 1.
    void SetGrowthIncrement(std::uint16_t increment);

    // Replace the text. The block is kept when the text fits, else resized to exactly the size
    // needed. At most length characters are copied, stopping at a NUL. False when out of memory.
    bool Assign(const char* text);
    bool Assign(const String& other);
    bool Assign(std::uint32_t length, const char* text);
    void Clear() { Assign(nullptr); }

    // Appends the text; when it outgrows the block, the block becomes length + growth increment
    // bytes. False when out of memory.
    bool Append(const char* text);
    bool Append(const String& other);

    // Resizes the block to n + 1 bytes, cutting the text to n characters when longer.
    bool SetCapacity(std::uint32_t n);

    // Copies at most size - 1 characters and a NUL (nothing when size is 0).
    void CopyTo(char* buffer, std::uint32_t size) const;
    // CopyTo, or an unbounded copy for kUnbounded; answers the buffer.
    static constexpr std::uint32_t kUnbounded = 0xFFFFFFFF;
    char* GetText(char* buffer, std::uint32_t size) const;

    // Byte comparisons: -1, 0 or 1.
    int Compare(const char* text) const;
    int Compare(const String& other) const { return Compare(other.text_); }
    static int Compare(const String& a, const String& b);
    // The texts compared in upper case.
    static int CompareNoCase(const String& a, const String& b);

    // The block's size is the capacity, the text's measured length is the length, and the
    // length is below the capacity.
    bool IsValid() const;

private:
    // Takes the first block (size bytes, holding the empty text).
    void Allocate(std::uint32_t size);
    // Resizes the block to exactly size bytes; false when out of memory.
    bool Resize(std::uint32_t size);
    // Whether the address points into the block.
    bool Holds(const char* address) const;
    // Resizes the block to size bytes unless it holds needed bytes already; a text inside the block
    // is moved along with it. False when out of memory.
    bool MakeRoom(std::uint32_t needed, std::uint32_t size, const char*& text);

    char* text_ = nullptr;
    std::uint32_t length_ = 0;
    std::uint32_t capacity_ = 0;
    std::uint16_t growth_ = 1;
};
