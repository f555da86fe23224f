// Keyed text records; the input is a record's stored text, whole or damaged. Every entry that parses
// (before the damage or after it) is read with its own type, every other entry is set again to the
// value it read (so that it is written anew), and the record is written: the written text must
// parse whole, with the same keys, and the texts and whole numbers must read back as they were.

#include <cstring>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "foundation/pfm/KeyedText.h"

namespace {

struct Value {
    std::int32_t index;
    std::string key;
    char type;
    std::vector<char> bytes;  // a text with its NUL, or the number's bytes
};

// Every entry by its index: a damaged record may hold a key twice.
std::vector<Value> ReadAll(KeyedText& record) {
    std::vector<Value> values;
    std::int32_t cursor = 0;
    PTextEntry entry;
    for (std::int32_t err = record.FirstEntry(cursor, entry); err >= 0;
         err = record.NextEntry(cursor, entry)) {
        const char type = static_cast<char>(entry.type);
        std::vector<char> bytes(type == kPTextText ? entry.textSize + 1 : 8);
        const auto size = static_cast<std::int32_t>(bytes.size());
        // An entry of no value type is damaged and never kept.
        const std::int32_t item = record.GetEntryAt(cursor, type, bytes.data(), size);
        FUZZ_CHECK(item >= 0);
        if (type == kPTextText) FUZZ_CHECK(std::strlen(bytes.data()) < bytes.size());
        values.push_back({cursor, entry.key, type, bytes});
    }
    return values;
}

// Texts up to their NUL (a stored text may hold one, and a set text ends there); whole numbers
// byte for byte; set floating-point values may come back rounded.
bool ReadsTheSame(const Value& before, const Value& after) {
    if (before.type == kPTextText) return std::strcmp(before.bytes.data(), after.bytes.data()) == 0;
    if (before.type == kPTextFloat || before.type == kPTextDouble || before.type == kPTextExtended)
        return true;
    return before.bytes == after.bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    KeyedText record;
    const ErrCode parsed = record.Parse(reinterpret_cast<const char*>(data), size);
    FUZZ_CHECK(parsed == kNoErr || parsed <= kPTextErrNoBackslash);
    // Only a damaged text leaves the record changed, so that its next write is whole.
    FUZZ_CHECK(record.IsChanged() == record.DamagedAt().has_value());
    const std::vector<Value> values = ReadAll(record);
    for (std::size_t i = 1; i < values.size(); i += 2) {
        const Value& value = values[i];
        // A value whose text needs a length that no longer fits beside its key is refused.
        const std::int32_t set = record.SetEntryAt(value.index, value.type, value.bytes.data());
        FUZZ_CHECK(set >= 0 || set == kPTextErrLongHeader);
    }
    const std::vector<char> written = record.Write();

    KeyedText again;
    FUZZ_CHECK(again.Parse(written.data(), written.size()) == kNoErr && !again.DamagedAt());
    FUZZ_CHECK(again.Count() == record.Count());
    const std::vector<Value> reread = ReadAll(again);
    FUZZ_CHECK(reread.size() == values.size());
    for (std::size_t i = 0; i < values.size(); ++i) {
        FUZZ_CHECK(reread[i].key == values[i].key && reread[i].type == values[i].type);
        FUZZ_CHECK(ReadsTheSame(values[i], reread[i]));
    }
    return 0;
}
