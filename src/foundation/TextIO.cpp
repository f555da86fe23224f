#include "foundation/TextIO.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>
#include <string>

#include "foundation/FileError.h"
#include "foundation/String.h"

namespace {

std::uint8_t& ScrambleKey() {
    static std::uint8_t key = 0;
    return key;
}

std::uint32_t CappedLength(const char* text, std::uint32_t cap) {
    if (!text) return 0;
    const std::size_t length = std::strlen(text);
    return length > cap ? cap : static_cast<std::uint32_t>(length);
}

ErrCode WriteScrambled(IWriteFile& stream, const char* text, std::uint32_t length) {
    if (length == 0) return kNoErr;
    std::unique_ptr<char[]> copy(new (std::nothrow) char[length]);
    if (!copy) return kOutOfMemoryErr;
    std::memcpy(copy.get(), text, length);
    ScrambleText(length, copy.get());
    return WriteExactly(stream, copy.get(), length);
}

ErrCode ReadShortPrefix(IReadFile& stream, std::int32_t& length) {
    std::uint8_t byte = 0;
    const ErrCode err = stream.ReadByte(byte);
    length = static_cast<std::int8_t>(byte);
    return err;
}

ErrCode ReadMediumPrefix(IReadFile& stream, std::int32_t& length) {
    std::int16_t value = 0;
    const ErrCode err = stream.ReadShort(value);
    length = value;
    return err;
}

ErrCode ReadLongPrefix(IReadFile& stream, std::int32_t& length) { return stream.ReadLong(length); }

ErrCode WriteShortPrefix(IWriteFile& stream, std::uint32_t length) {
    return stream.WriteByte(static_cast<std::uint8_t>(length));
}

ErrCode WriteMediumPrefix(IWriteFile& stream, std::uint32_t length) {
    return stream.WriteShort(static_cast<std::int16_t>(length));
}

ErrCode WriteLongPrefix(IWriteFile& stream, std::uint32_t length) {
    return stream.WriteLong(static_cast<std::int32_t>(length));
}

// One length-prefixed form: the most characters it holds, its prefix's size, and how the prefix
// is read and written.
struct TextForm {
    std::uint32_t limit;
    std::uint32_t prefixSize;
    ErrCode (*readPrefix)(IReadFile&, std::int32_t&);
    ErrCode (*writePrefix)(IWriteFile&, std::uint32_t);
};

constexpr TextForm kShortText{kMaxShortText, 1, ReadShortPrefix, WriteShortPrefix};
constexpr TextForm kMediumText{kMaxMediumText, 2, ReadMediumPrefix, WriteMediumPrefix};
constexpr TextForm kLongText{INT32_MAX, 4, ReadLongPrefix, WriteLongPrefix};

std::uint32_t SizeOf(const TextForm& form, const char* text) {
    return CappedLength(text, form.limit) + form.prefixSize;
}

ErrCode WriteText(IWriteFile& stream, const TextForm& form, const char* text, bool scramble) {
    const std::uint32_t length = CappedLength(text, form.limit);
    const ErrCode err = form.writePrefix(stream, length);
    if (err != kNoErr) return err;
    return scramble ? WriteScrambled(stream, text, length) : WriteExactly(stream, text, length);
}

ErrCode ReadText(IReadFile& stream, const TextForm& form, char* buffer, std::uint32_t size, bool unscramble,
                 std::int16_t* cut) {
    std::int32_t length = 0;
    const ErrCode err = form.readPrefix(stream, length);
    if (err != kNoErr) return err;
    return ReadPrefixedText(stream, length, buffer, size, unscramble, cut);
}

// Characters read at a time into a String: memory grows only as fast as the file delivers.
constexpr std::uint32_t kStringChunk = 65536;

ErrCode ReadText(IReadFile& stream, const TextForm& form, String& text, bool unscramble) {
    std::int32_t length = 0;
    ErrCode err = form.readPrefix(stream, length);
    if (err != kNoErr) return err;
    if (length < 0) return kBadDataErr;
    const auto stored = static_cast<std::uint32_t>(length);
    std::string characters;
    try {
        while (characters.size() < stored) {
            const std::size_t done = characters.size();
            const std::uint32_t piece =
                std::min<std::uint32_t>(stored - static_cast<std::uint32_t>(done), kStringChunk);
            characters.resize(done + piece);
            err = ReadExactly(stream, characters.data() + done, piece);
            if (err != kNoErr) return err;
        }
    } catch (const std::bad_alloc&) {
        return kOutOfMemoryErr;
    }
    if (unscramble) ScrambleText(stored, characters.data());
    if (characters.find('\0') != std::string::npos) return kBadDataErr;
    return text.Assign(stored, characters.c_str()) ? kNoErr : kOutOfMemoryErr;
}

// Moves past the rest of a stored text, checking that it is all there.
ErrCode SkipCharacters(IReadFile& stream, std::uint32_t count) {
    std::uint32_t position = 0;
    ErrCode err = stream.GetPosition(position);
    if (err != kNoErr) return err;
    if (count > UINT32_MAX - position) return kEndOfFileErr;
    err = stream.SetPosition(position + count - 1);
    std::uint8_t last = 0;
    if (err == kNoErr) err = stream.ReadByte(last);
    return err;
}

}  // namespace

std::uint32_t SizeOfShortText(const char* text) { return SizeOf(kShortText, text); }
std::uint32_t SizeOfMediumText(const char* text) { return SizeOf(kMediumText, text); }
std::uint32_t SizeOfLongText(const char* text) { return SizeOf(kLongText, text); }

ErrCode WriteShortText(IWriteFile& stream, const char* text) {
    return WriteText(stream, kShortText, text, false);
}
ErrCode WriteMediumText(IWriteFile& stream, const char* text) {
    return WriteText(stream, kMediumText, text, false);
}
ErrCode WriteLongText(IWriteFile& stream, const char* text) {
    return WriteText(stream, kLongText, text, false);
}
ErrCode WriteShortTextScrambled(IWriteFile& stream, const char* text) {
    return WriteText(stream, kShortText, text, true);
}
ErrCode WriteMediumTextScrambled(IWriteFile& stream, const char* text) {
    return WriteText(stream, kMediumText, text, true);
}

ErrCode ReadShortText(IReadFile& stream, char* buffer, std::uint32_t size, std::int16_t* cut) {
    return ReadText(stream, kShortText, buffer, size, false, cut);
}
ErrCode ReadMediumText(IReadFile& stream, char* buffer, std::uint32_t size, std::int16_t* cut) {
    return ReadText(stream, kMediumText, buffer, size, false, cut);
}
ErrCode ReadLongText(IReadFile& stream, char* buffer, std::uint32_t size, std::int16_t* cut) {
    return ReadText(stream, kLongText, buffer, size, false, cut);
}
ErrCode ReadShortTextScrambled(IReadFile& stream, char* buffer, std::uint32_t size, std::int16_t* cut) {
    return ReadText(stream, kShortText, buffer, size, true, cut);
}
ErrCode ReadMediumTextScrambled(IReadFile& stream, char* buffer, std::uint32_t size, std::int16_t* cut) {
    return ReadText(stream, kMediumText, buffer, size, true, cut);
}

std::uint32_t SizeOfShortText(const String& text) { return SizeOfShortText(text.CStr()); }
std::uint32_t SizeOfMediumText(const String& text) { return SizeOfMediumText(text.CStr()); }
std::uint32_t SizeOfLongText(const String& text) { return SizeOfLongText(text.CStr()); }
ErrCode WriteShortText(IWriteFile& stream, const String& text) { return WriteShortText(stream, text.CStr()); }
ErrCode WriteMediumText(IWriteFile& stream, const String& text) {
    return WriteMediumText(stream, text.CStr());
}
ErrCode WriteLongText(IWriteFile& stream, const String& text) { return WriteLongText(stream, text.CStr()); }
ErrCode WriteShortTextScrambled(IWriteFile& stream, const String& text) {
    return WriteShortTextScrambled(stream, text.CStr());
}
ErrCode WriteMediumTextScrambled(IWriteFile& stream, const String& text) {
    return WriteMediumTextScrambled(stream, text.CStr());
}
ErrCode ReadShortText(IReadFile& stream, String& text) { return ReadText(stream, kShortText, text, false); }
ErrCode ReadMediumText(IReadFile& stream, String& text) { return ReadText(stream, kMediumText, text, false); }
ErrCode ReadLongText(IReadFile& stream, String& text) { return ReadText(stream, kLongText, text, false); }
ErrCode ReadShortTextScrambled(IReadFile& stream, String& text) {
    return ReadText(stream, kShortText, text, true);
}
ErrCode ReadMediumTextScrambled(IReadFile& stream, String& text) {
    return ReadText(stream, kMediumText, text, true);
}

ErrCode ReadPrefixedText(IReadFile& stream, std::int32_t length, char* buffer, std::uint32_t size,
                         bool unscramble, std::int16_t* cut) {
    if (cut) *cut = 0;
    if (buffer && size > 0) buffer[0] = '\0';
    if (length == 0) return kNoErr;
    if (length < 0) return kBadDataErr;

    const auto stored = static_cast<std::uint32_t>(length);
    const std::uint32_t room = buffer && size > 0 ? size - 1 : 0;
    const std::uint32_t n = stored < room ? stored : room;
    std::uint32_t count = n;
    if (n > 0) {
        const ErrCode err = stream.Read(buffer, count);
        buffer[count] = '\0';
        if (err != kNoErr) return err;
        if (count != n) return kEndOfFileErr;
    }
    if (n < stored) {
        if (cut) *cut = 1;
        if (const ErrCode err = SkipCharacters(stream, stored - n); err != kNoErr) return err;
    }
    if (n == 0) return kNoErr;
    if (unscramble) ScrambleTextPrefix(n, buffer, stored);
    return std::memchr(buffer, '\0', n) ? kBadDataErr : kNoErr;
}

ErrCode ReadFlag(IReadFile& stream, std::int16_t& flag) {
    std::uint8_t byte = 0;
    const ErrCode err = stream.ReadByte(byte);
    if (err != kNoErr) return err;
    if (byte > 1) return kBadDataErr;
    flag = byte;
    return kNoErr;
}

ErrCode WriteFlag(IWriteFile& stream, bool flag) { return stream.WriteByte(flag ? 1 : 0); }

void ScrambleText(std::uint32_t count, char* bytes) { ScrambleTextPrefix(count, bytes, count); }

void ScrambleTextPrefix(std::uint32_t count, char* bytes, std::uint32_t storedLength) {
    const std::uint8_t key = ScrambleKey();
    auto s = static_cast<std::uint8_t>(key + storedLength + 7);
    for (std::uint32_t i = 0; i < count; ++i) {
        const auto original = static_cast<std::uint8_t>(bytes[i]);
        const auto changed = static_cast<std::uint8_t>(original ^ s);
        bytes[i] = static_cast<char>(changed);
        const auto t = static_cast<std::uint8_t>(changed + original);
        s = static_cast<std::uint8_t>(s + t + i + key);
        if (s == 255) s = static_cast<std::uint8_t>(key + t + i);
    }
}

std::uint8_t GetScrambleKey() { return ScrambleKey(); }

void SetScrambleKey(std::uint8_t key) { ScrambleKey() = key; }
