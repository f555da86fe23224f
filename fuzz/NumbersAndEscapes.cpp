// Number lists and text escaping; the input's first byte is a destination size, the rest a text
// (its NULs taken out). The text read as a number list, written and read again, gives the same
// numbers, and an array of a given capacity gets the first of them. Escaping it into any
// destination leaves no special byte bare and ends within the destination; escaped whole and
// unescaped, it is the text again. Line ends converted leave no CR, and appending to a buffer never
// writes past the room given.

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "foundation/String.h"
#include "foundation/TypedList.h"
#include "storymodel/FablecoreStringConverter.h"
#include "storymodel/NumberList.h"
#include "storymodel/TextHelpers.h"

namespace {

bool IsSpecial(unsigned char c) {
    return c == '{' || c == '}' || c == '/' || c == '\\' || c == 0xC7 || c == 0xC8;
}

void CheckNumberList(const std::string& text, std::uint32_t capacity) {
    SList list;
    const std::int32_t count = TextToShortList(text.c_str(), list);
    FUZZ_CHECK(count == list.Count());
    String written;
    FUZZ_CHECK(ShortListToText(written, list) == count);
    SList again;
    FUZZ_CHECK(TextToShortList(written.CStr(), again) == count);
    for (std::int32_t i = 0; i < count; ++i) FUZZ_CHECK(again.GetAt(i) == list.GetAt(i));

    std::vector<std::uint16_t> numbers(capacity);
    const std::int32_t stored =
        TextToShortArray(text.c_str(), numbers.data(), static_cast<std::int32_t>(capacity));
    FUZZ_CHECK(stored == std::min<std::int32_t>(count, static_cast<std::int32_t>(capacity)));
    for (std::int32_t i = 0; i < stored; ++i)
        FUZZ_CHECK(numbers[static_cast<std::size_t>(i)] == static_cast<std::uint16_t>(list.GetAt(i)));
}

void CheckEscapes(const std::string& text, std::uint32_t size) {
    const FablecoreStringConverter& converter = SharedStringConverter();
    std::vector<char> escaped(size);
    converter.Encode(text.c_str(), escaped.data(), size);
    if (size > 0) {
        const std::size_t length = std::strlen(escaped.data());
        FUZZ_CHECK(length < size);
        for (std::size_t i = 0; i < length; ++i) {
            const auto c = static_cast<unsigned char>(escaped[i]);
            FUZZ_CHECK(!IsSpecial(c));
            if (c == FablecoreStringConverter::kEscape) ++i;  // its code
        }
    }
    std::vector<char> decoded(size);
    converter.Decode(text.c_str(), decoded.data(), size);
    if (size > 0) FUZZ_CHECK(std::memchr(decoded.data(), '\0', size) != nullptr);

    std::vector<char> whole(converter.MaxEncodedSize(static_cast<std::uint32_t>(text.size())));
    converter.Encode(text.c_str(), whole.data(), static_cast<std::uint32_t>(whole.size()));
    std::vector<char> back(converter.MaxDecodedSize(whole.data()));
    converter.Decode(whole.data(), back.data(), static_cast<std::uint32_t>(back.size()));
    FUZZ_CHECK(back.data() == text);
    std::string inPlace = whole.data();
    converter.DecodeInPlace(inPlace.data());
    FUZZ_CHECK(inPlace.c_str() == text);
}

void CheckLineEndsAndAppending(const std::string& text, std::uint32_t size) {
    std::string converted = text;
    ConvertLineEnds(converted.data());
    FUZZ_CHECK(std::strchr(converted.c_str(), '\r') == nullptr);

    std::vector<char> buffer(size + 1, 'X');
    char* cursor = buffer.data();
    std::uint32_t remaining = size;
    AppendToBuffer(cursor, text.c_str(), remaining);
    AppendToBuffer(cursor, converted.c_str(), remaining);
    FUZZ_CHECK(buffer[size] == 'X');
    if (size > 0) FUZZ_CHECK(std::strlen(buffer.data()) == size - remaining);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const std::uint32_t room = input.Byte();
    std::string text(input.Rest());
    text.erase(std::remove(text.begin(), text.end(), '\0'), text.end());
    CheckNumberList(text, room);
    CheckEscapes(text, room);
    CheckLineEndsAndAppending(text, room);
    return 0;
}
