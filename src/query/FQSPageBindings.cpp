// How a page's controls reach their values: through the binding's keyword when it holds one, else
// under the binding's text as a key of the record the control's selector names, else the binding's
// text itself; and the edit focus kept across pages in the query system's preferences.

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "app/FKDoc.h"
#include "app/PreferencesManager.h"
#include "foundation/pfm/PText.h"
#include "foundation/pfm/PTextTypes.h"
#include "items/EditView.h"
#include "query/FQSPage.h"
#include "query/FQSWindow.h"
#include "query/data/FQSInterpretation.h"
#include "query/data/TFQSInterpretable.h"
#include "storymodel/CharInfoRec.h"
#include "storymodel/CharacterManager.h"
#include "storymodel/StoryTextLimits.h"

namespace {

enum RecordSelector : std::int16_t {
    kResponsesRecord = 0,
    kInfoRecord = 1,
    kStorytellingRecord = 2,
    kMainCharacterRecord = 3,
    kImpactCharacterRecord = 4,
};

constexpr const char* kFocusContextKey = "EdVwSig";
constexpr const char* kFocusStartKey = "EdVwSSt";
constexpr const char* kFocusEndKey = "EdVwSEn";
constexpr const char* kFocusViewKey = "EdVwSWc";
constexpr const char* kFocusTopicKey = "EdVwSCT";
constexpr const char* kFocusListKey = "EdVwSTL";

}  // namespace

std::int16_t FQSPage::ReadChoice(const FQSInterpretation* binding, PText* record) const {
    if (!binding) return 0;
    if (binding->IsKeyword()) return binding->GetKeyword()->GetChoice(document_, *binding);
    if (!record) return static_cast<std::int16_t>(std::strtol(binding->GetText(), nullptr, 10));
    std::int16_t value = 0;
    if (!*binding->GetText() || record->GetEntry(binding->GetText(), kPTextShort, &value) < 0) value = 0;
    return value;
}

void FQSPage::ReadText(const FQSInterpretation* binding, char* buffer, std::int32_t size, PText* record) const {
    if (size <= 0) return;
    buffer[0] = '\0';
    if (!binding) return;
    if (binding->IsKeyword()) {
        binding->GetKeyword()->GetText(document_, *binding, buffer, size);
        buffer[size - 1] = '\0';
        return;
    }
    binding->ReadInto(buffer, size, record);
}

void FQSPage::WriteText(const FQSInterpretation* binding, const char* text, PText* record) const {
    if (!binding) return;
    if (binding->IsKeyword()) {
        binding->GetKeyword()->SetText(document_, *binding, text);
        return;
    }
    if (record && *binding->GetText()) record->SetValue(binding->GetText(), kPTextText, text);
}

bool FQSPage::IsReadCut(const FQSInterpretation* binding, PText* record, const char* read) const {
    const std::size_t room = FQSWindow::kTextBufferSize;
    if (std::strlen(read) + 1 < room) return false;
    // A read one byte longer tells a text that filled the room from one that went on.
    std::vector<char> more(room + 1, '\0');
    ReadText(binding, more.data(), static_cast<std::int32_t>(more.size()), record);
    return std::strlen(more.data()) + 1 > room;
}

std::uint32_t FQSPage::StoredTextLimit(const EditSlot& slot) const {
    const std::uint32_t stored = TypedTextSize() - 1;
    const FQSInterpretation* binding = slot.binding.get();
    if (!binding) return stored;
    if (binding->IsKeyword()) return std::min(stored, binding->GetKeyword()->TextLimit());
    switch (slot.selector) {
        case kInfoRecord: return std::min(stored, InfoTextLimit(binding->GetText()));
        case kMainCharacterRecord:
        case kImpactCharacterRecord: return std::min(stored, CharacterTextLimit(binding->GetText()));
        default: return stored;
    }
}

PText* FQSPage::RecordForSelector(std::int16_t selector) const {
    if (!document_) return nullptr;
    CharacterManager* characters = document_->GetCharacterManager();
    switch (selector) {
        case kResponsesRecord: return document_->GetResponseRecord();
        case kInfoRecord: return &document_->GetInfoRecord();
        case kStorytellingRecord: return &document_->GetStorytellingRecord();
        case kMainCharacterRecord:
        case kImpactCharacterRecord: {
            if (!characters) return nullptr;
            const CharID id = selector == kMainCharacterRecord ? characters->GetMainCharacter()
                                                               : characters->GetImpactCharacter();
            CharInfoRec* character = characters->GetCharacter(id);
            return character ? character->Record() : nullptr;
        }
        default: return nullptr;
    }
}

std::int32_t FQSPage::CharacterForSelector(std::int16_t selector) const {
    CharacterManager* characters = document_ ? document_->GetCharacterManager() : nullptr;
    if (!characters) return -1;
    CharID id = kNoCharID;
    if (selector == kMainCharacterRecord) id = characters->GetMainCharacter();
    if (selector == kImpactCharacterRecord) id = characters->GetImpactCharacter();
    return id == kNoCharID ? -1 : id;
}

PText* FQSPage::RecordForEdit(const EditSlot& slot) const {
    if (slot.selector == kMainCharacterRecord || slot.selector == kImpactCharacterRecord) {
        const std::int32_t character = CharacterForSelector(slot.selector);
        if (character < 0 || character != slot.character) return nullptr;
    }
    return RecordForSelector(slot.selector);
}

// --- Edit focus

void FQSPage::SaveEditFocus() {
    PText* preferences = window_ ? window_->GetPreferences() : nullptr;
    if (!preferences) return;
    std::int32_t start = 0;
    std::int32_t end = 0;
    std::int16_t number = 0;
    const std::int32_t focus = window_->GetFocusItem();
    for (std::int32_t i = 0; i < editCount_; ++i) {
        EditView* view = edits_[static_cast<std::size_t>(i)].view;
        if (!view || static_cast<WindowItem*>(view) != window_->GetItem(focus)) continue;
        view->GetSelection(&start, &end);
        number = static_cast<std::int16_t>(i);
        break;
    }
    PreferencesManager::SetPrefShort(preferences, kFocusContextKey, GetContextKey());
    PreferencesManager::SetPrefShort(preferences, kFocusStartKey, static_cast<std::int16_t>(start));
    PreferencesManager::SetPrefShort(preferences, kFocusEndKey, static_cast<std::int16_t>(end));
    PreferencesManager::SetPrefShort(preferences, kFocusViewKey, number);
    PreferencesManager::SetPrefShort(preferences, kFocusTopicKey, pageTopic_);
    PreferencesManager::SetPrefShort(preferences, kFocusListKey, window_->GetCurrentListId());
}

bool FQSPage::RestoreEditFocus() {
    PText* preferences = window_ ? window_->GetPreferences() : nullptr;
    if (!preferences) return false;
    std::int16_t context = -1;
    std::int16_t start = 0;
    std::int16_t end = 0;
    std::int16_t number = -1;
    std::int16_t topic = -1;
    std::int16_t list = -1;
    if (PreferencesManager::GetPrefShort(preferences, kFocusContextKey, context) < 0 ||
        PreferencesManager::GetPrefShort(preferences, kFocusTopicKey, topic) < 0 ||
        PreferencesManager::GetPrefShort(preferences, kFocusListKey, list) < 0 ||
        PreferencesManager::GetPrefShort(preferences, kFocusViewKey, number) < 0)
        return false;
    PreferencesManager::GetPrefShort(preferences, kFocusStartKey, start);
    PreferencesManager::GetPrefShort(preferences, kFocusEndKey, end);
    if (topic != pageTopic_ || list != window_->GetCurrentListId() || context != GetContextKey()) return false;
    if (number < 0 || number >= editCount_) return false;
    EditView* view = edits_[static_cast<std::size_t>(number)].view;
    if (!view) return false;
    window_->SetFocusItem(window_->GetItemList()->IndexOf(view));
    const auto length = static_cast<std::int32_t>(view->GetTextLength());
    view->SetSelection(std::min<std::int32_t>(start, length), std::min<std::int32_t>(end, length));
    return true;
}

void FQSPage::SaveOrRestoreEditFocus(std::int32_t restore) {
    if (restore == 0) {
        SaveEditFocus();
    } else {
        RestoreEditFocus();
    }
}
