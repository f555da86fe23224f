// Characteristics and archetypes of the characters: the four dimension lists of each character's
// record, the questions when a characteristic is taken from another character, and the archetype
// that follows from the lists.

#include <algorithm>

#include "foundation/String.h"
#include "foundation/TypedList.h"
#include "foundation/pfm/PText.h"
#include "foundation/pfm/PTextTypes.h"
#include "storymodel/Archetypes.h"
#include "storymodel/CharacterManager.h"
#include "storymodel/NumberList.h"
#include "storymodel/RecordText.h"
#include "storymodel/TextHelpers.h"
#include "storymodel/UserPrompts.h"
#include "storymodel/engine/ElementTable.h"

namespace {

bool Contains(const std::vector<std::int16_t>& list, std::int16_t element) {
    return std::find(list.begin(), list.end(), element) != list.end();
}

}  // namespace

std::vector<std::int16_t> CharacterManager::GetCharacteristics(CharID id, int dimension) {
    return GetCharacteristicsAt(IndexOf(id), dimension);
}

std::vector<std::int16_t> CharacterManager::GetCharacteristicsAt(std::int32_t position, int dimension) {
    CharInfoRec* character = RecordAt(position);
    const char* key = DimensionKey(dimension);
    if (!character || !key) return {};
    SList list;
    TextToShortList(character->GetText(key).c_str(), list);
    std::vector<std::int16_t> elements;
    for (std::int32_t i = 0; i < list.Count(); ++i) elements.push_back(list.GetAt(i));
    return elements;
}

void CharacterManager::SetCharacteristics(CharID id, int dimension, std::span<const std::int16_t> elements) {
    SetCharacteristicsAt(IndexOf(id), dimension, elements);
}

void CharacterManager::SetCharacteristicsAt(std::int32_t position, int dimension,
                                            std::span<const std::int16_t> elements) {
    CharInfoRec* character = RecordAt(position);
    const char* key = DimensionKey(dimension);
    PText* record = character && key ? character->Record() : nullptr;
    if (!record) return;
    bool changed = false;
    if (elements.empty()) {
        changed = record->Remove(key) == kNoErr;
    } else {
        String text;
        ShortArrayToText(text, elements.data(), static_cast<std::int32_t>(elements.size()));
        changed = WriteRecordText(*record, key, text.CStr()) > 0;
    }
    if (!changed) return;
    SaveRecord(*record);
    RecomputeArchetype(character->GetID());
    characteristics_.PostEvent(nullptr);
}

bool CharacterManager::ConfirmCharacteristicConflicts(std::int32_t position, int dimension,
                                                      std::span<const std::int16_t> wanted,
                                                      std::vector<std::int16_t>& accepted,
                                                      std::int32_t& answer) {
    accepted.assign(wanted.begin(), wanted.end());
    const CharInfoRec* target = RecordAt(position);
    if (!target || !DimensionKey(dimension)) return false;
    std::vector<bool> refused(wanted.size(), false);
    for (std::int32_t holder = 0; holder < GetCount(); ++holder) {
        if (holder == position) continue;
        const std::vector<std::int16_t> held = GetCharacteristicsAt(holder, dimension);
        for (std::size_t i = 0; i < wanted.size(); ++i) {
            if (refused[i] || !Contains(held, wanted[i])) continue;
            const char* element = ElementName(wanted[i]);
            const std::string question = FormatText(
                "The %s of '%s' is currently occupied by '%s'.\r\n\r\nDo you still wish to give '%s' the %s "
                "%s?",
                DimensionName(dimension), element, RecordAt(holder)->Name().c_str(), target->Name().c_str(),
                element, DimensionName(dimension));
            const int reply = UserPrompts().AskYesYesAllNoNoAll(answer, question.c_str(), 0);
            if (reply == kAnswerYes || reply == kAnswerYesAll) {
                RemoveCharacteristic(holder, dimension, wanted[i]);
            } else {
                refused[i] = true;
            }
        }
    }
    accepted.clear();
    for (std::size_t i = 0; i < wanted.size(); ++i) {
        if (!refused[i]) accepted.push_back(wanted[i]);
    }
    return accepted.size() < wanted.size();
}

void CharacterManager::RemoveCharacteristic(std::int32_t position, int dimension, std::int16_t element) {
    std::vector<std::int16_t> elements = GetCharacteristicsAt(position, dimension);
    std::erase(elements, element);
    SetCharacteristicsAt(position, dimension, elements);
}

CharID CharacterManager::FindCharacterWithCharacteristic(std::int16_t element, int dimension) {
    for (std::int32_t position = 0; position < GetCount(); ++position) {
        if (Contains(GetCharacteristicsAt(position, dimension), element)) return IdAt(position);
    }
    return kNoCharID;
}

void CharacterManager::ApplyArchetype(CharID id, std::int16_t archetype) {
    const std::int32_t position = IndexOf(id);
    if (position >= GetCount()) return;
    BroadcasterBracket bracket(&characteristics_);
    if (archetype == kUnassignedArchetype) {
        for (int dimension = 0; dimension < kDimensionCount; ++dimension)
            SetCharacteristicsAt(position, dimension, {});
        return;
    }
    std::array<std::int16_t, kArchetypeElementCount> elements;
    if (!ArchetypeElements(archetype, elements)) return;
    std::int32_t answer = kAskAgain;
    for (int dimension = 0; dimension < kDimensionCount; ++dimension) {
        const std::span<const std::int16_t> pair(elements.data() + 2 * dimension, 2);
        std::vector<std::int16_t> accepted;
        ConfirmCharacteristicConflicts(position, dimension, pair, accepted, answer);
        SetCharacteristicsAt(position, dimension, accepted);
    }
}

void CharacterManager::RecomputeArchetype(CharID id) {
    CharInfoRec* character = Find(id);
    if (!character) return;
    std::vector<std::int16_t> all;
    bool twoEach = true;
    for (int dimension = 0; dimension < kDimensionCount; ++dimension) {
        const std::vector<std::int16_t> elements = GetCharacteristics(id, dimension);
        twoEach = twoEach && elements.size() == 2;
        all.insert(all.end(), elements.begin(), elements.end());
    }
    std::int16_t archetype = kUnassignedArchetype;
    if (!all.empty()) {
        archetype = kComplexArchetype;
        std::array<std::int16_t, kArchetypeElementCount> eight;
        if (twoEach) {
            std::copy(all.begin(), all.end(), eight.begin());
            if (const std::int16_t found = ArchetypeOfElements(eight)) archetype = found;
        }
    }
    if (archetype == character->GetArchetype()) return;
    character->archetype_ = archetype;
    if (PText* record = character->Record()) WriteRecordNumber(*record, CharacterKey::kArchetype, archetype);
    character->Flush();
}
