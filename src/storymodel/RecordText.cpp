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

bool WriteRecordText(PText& record, std::string_view key, const char* text) {
    const char* value = text ? text : "";
    if (record.HasKey(key) && RecordTextView(record, key) == value) return false;
    return record.SetEntry(key, kPTextText, value) >= 0;
}
