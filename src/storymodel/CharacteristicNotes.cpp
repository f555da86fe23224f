// The story's characteristic notes, and the saving of everything the character manager keeps.

#include "foundation/pfm/PText.h"
#include "foundation/pfm/PTextTypes.h"
#include "storymodel/CharacterManager.h"
#include "storymodel/RecordText.h"
#include "storymodel/StoryDocument.h"
#include "storymodel/StoryRecords.h"
#include "storymodel/TextHelpers.h"

namespace {

constexpr FourCC kNoteType = FourCCOf("CILL");
constexpr std::uint16_t kNoteRecordNumber = 128;

bool IsNoteNumber(int n) { return n >= 1 && n <= kNoteCount; }

// Keeps the first error of several steps.
void KeepFirst(ErrCode& first, ErrCode error) {
    if (first == kNoErr) first = error;
}

}  // namespace

int CharacteristicNoteNumber(std::int16_t element) {
    return ((element - 85) % kNoteCount + kNoteCount) % kNoteCount + 1;
}

std::string CharacteristicNoteKey(int n) {
    // "Ill", then the low byte in capital hexadecimal, two wide with a leading space.
    constexpr char kHexDigits[] = "0123456789ABCDEF";
    const unsigned byte = static_cast<unsigned>(n) & 0xFF;
    std::string key = "Ill  ";
    if (byte >= 0x10) key[3] = kHexDigits[byte >> 4];
    key[4] = kHexDigits[byte & 0xF];
    return key;
}

ErrCode CharacterManager::LoadNotes() {
    StoryRecord opened = OpenStoryRecord(document_.GetStoryFile(), kNoteType, kNoteRecordNumber);
    if (opened.lost) lostRecords_.push_back({kNoteType, kNoteRecordNumber});
    if (opened.error != kNoErr && opened.error != kPTextErrNoRecord) {
        noteRecord_.reset();
        return opened.error;
    }
    noteRecord_ = std::move(opened.record);
    for (int n = 1; n <= kNoteCount; ++n) {
        LeaveOutMistyped(*noteRecord_, CharacteristicNoteKey(n), kPTextText);
        std::string note = RecordText(*noteRecord_, CharacteristicNoteKey(n));
        if (!note.empty()) notes_[static_cast<std::size_t>(n - 1)] = std::move(note);
    }
    return kNoErr;
}

bool CharacterManager::HasCharacteristicNote(int n) const {
    return IsNoteNumber(n) && notes_[static_cast<std::size_t>(n - 1)].has_value();
}

void CharacterManager::GetCharacteristicNote(int n, char* buffer, std::uint32_t size) const {
    CopyToBuffer(GetCharacteristicNote(n).c_str(), buffer, size);
}

std::string CharacterManager::GetCharacteristicNote(int n) const {
    return HasCharacteristicNote(n) ? *notes_[static_cast<std::size_t>(n - 1)] : std::string();
}

void CharacterManager::SetCharacteristicNote(int n, const char* text) {
    if (!IsNoteNumber(n)) return;
    std::optional<std::string>& note = notes_[static_cast<std::size_t>(n - 1)];
    const bool hadNote = note.has_value();
    note.reset();
    if (text) note = text;
    if (hadNote || text) MarkDocumentChanged();
}

ErrCode CharacterManager::SaveNotes() {
    if (!noteRecord_) return kNoErr;
    for (int n = 1; n <= kNoteCount; ++n) {
        const std::optional<std::string>& note = notes_[static_cast<std::size_t>(n - 1)];
        if (note) {
            WriteRecordText(*noteRecord_, CharacteristicNoteKey(n), note->c_str());
        } else {
            // A note taken away must not come back from the stored record.
            noteRecord_->Remove(CharacteristicNoteKey(n));
        }
    }
    return SaveRecord(*noteRecord_);
}

ErrCode CharacterManager::SaveCharacters() {
    ErrCode first = kNoErr;
    for (const auto& character : characters_) {
        if (character->IsRecordOpen()) KeepFirst(first, SaveRecord(*character->record_));
    }
    KeepFirst(first, SaveNotes());
    PText& info = document_.GetInfoRecord();
    std::int16_t stored = 0;
    if (info.GetEntry(kNameNumberKey, kPTextShort, &stored) < 0 || stored != nameNumber_) {
        WriteRecordNumber(info, kNameNumberKey, static_cast<std::int16_t>(nameNumber_));
    }
    return first;
}
