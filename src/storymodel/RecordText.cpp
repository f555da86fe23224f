#include "storymodel/RecordText.h"

#include "foundation/pfm/PText.h"
#include "foundation/pfm/PTextTypes.h"

std::string RecordText(PText& record, std::string_view key) {
    return std::string(RecordTextView(record, key));
}

std::string_view RecordTextView(PText& record, std::string_view key) {
    const std::int32_t item = record.GetEntry(key, kPTextText, nullptr);
    return item < 0 ? std::string_view() : std::string_view(static_cast<const char*>(record.ValuePtr(item)));
}

namespace {

// Sets the value, first taking away a value of another type under the key; 1, or the error.
std::int32_t SetReplacing(PText& record, std::string_view key, char type, const void* value) {
    std::int32_t result = record.SetEntry(key, type, value);
    if (result == kPTextErrTypeMismatch && record.Remove(key) == kNoErr)
        result = record.SetEntry(key, type, value);
    return result >= 0 ? 1 : result;
}

}  // namespace

std::int32_t WriteRecordText(PText& record, std::string_view key, const char* text) {
    const char* value = text ? text : "";
    if (record.HasKey(key) && RecordTextView(record, key) == value) return 0;
    return SetReplacing(record, key, kPTextText, value);
}

bool WriteRecordNumber(PText& record, std::string_view key, std::int16_t value) {
    return SetReplacing(record, key, kPTextShort, &value) > 0;
}

std::vector<std::string> RecordKeys(const PText& record, const std::function<bool(const PTextEntry&)>& takes) {
    std::vector<std::string> keys;
    PTextEntry entry;
    std::int32_t cursor = 0;
    for (std::int32_t found = record.FirstEntry(cursor, entry); found >= 0; found = record.NextEntry(cursor, entry))
        if (takes(entry)) keys.emplace_back(entry.key);
    return keys;
}
