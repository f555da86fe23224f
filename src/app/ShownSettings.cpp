#include "app/ShownSettings.h"

#include "app/PreferencesManager.h"
#include "foundation/pfm/PText.h"
#include "foundation/pfm/PTextTypes.h"
#include "storymodel/RecordText.h"

std::optional<std::string> ShownSettings::HeldNumber(PText* record, const char* key) {
    std::int16_t value = 0;
    if (!record || record->GetEntry(key, kPTextShort, &value) < 0) return std::nullopt;
    return std::to_string(value);
}

std::optional<std::string> ShownSettings::HeldText(PText* record, const char* key) {
    if (!record || !record->HasKey(key)) return std::nullopt;
    return RecordText(*record, key);
}

void ShownSettings::Note(PText* record, const char* key, std::int16_t shown) {
    shown_[Key{record, key}] = Shown{HeldNumber(record, key), std::to_string(shown)};
}

void ShownSettings::Note(PText* record, const char* key, const std::string& shown) {
    shown_[Key{record, key}] = Shown{HeldText(record, key), shown};
}

bool ShownSettings::Writes(PText* record, const char* key, std::int16_t value) const {
    return Writes(Key{record, key}, HeldNumber(record, key), std::to_string(value));
}

bool ShownSettings::Writes(PText* record, const char* key, const std::string& value) const {
    return Writes(Key{record, key}, HeldText(record, key), value);
}

void ShownSettings::Store(PText* record, const char* key, std::int16_t value) const {
    if (Writes(record, key, value)) PreferencesManager::SetPrefShort(record, key, value);
}

bool ShownSettings::Writes(const Key& key, const std::optional<std::string>& held,
                           const std::string& value) const {
    const auto found = shown_.find(key);
    return found == shown_.end() || value != found->second.shown || held == found->second.held;
}
