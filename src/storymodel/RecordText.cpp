#include "storymodel/RecordText.h"

#include <cstring>

#include "foundation/pfm/PText.h"
#include "foundation/pfm/PTextTypes.h"

std::string RecordText(PText& record, std::string_view key) {
    const std::uint32_t size = record.GetValueSize(key);
    std::string text(size + 1, '\0');
    if (record.GetEntry(key, kPTextText, text.data(), static_cast<std::int32_t>(size + 1)) < 0) return {};
    text.resize(std::strlen(text.c_str()));
    return text;
}

bool WriteRecordText(PText& record, std::string_view key, const char* text) {
    const char* value = text ? text : "";
    if (record.HasKey(key) && RecordText(record, key) == value) return false;
    return record.SetEntry(key, kPTextText, value) >= 0;
}
