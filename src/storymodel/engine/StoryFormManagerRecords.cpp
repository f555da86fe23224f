// The storyform manager's records: loading and saving the choices and values in force, and the
// lists of values allowed for points chosen as -1.

#include <algorithm>
#include <string>
#include <vector>

#include "foundation/String.h"
#include "foundation/TypedList.h"
#include "foundation/pfm/PFM.h"
#include "foundation/pfm/PText.h"
#include "storymodel/NumberList.h"
#include "storymodel/StoryRecords.h"
#include "storymodel/engine/IStoryFormDocument.h"
#include "storymodel/engine/StoryFormManager.h"
#include "storymodel/engine/StoryPointTable.h"
#include "storymodel/engine/StoryPointValues.h"

namespace {

constexpr FourCC kValuesInForceType = FourCCOf("FCAP");
constexpr std::uint16_t kValuesInForceNumber = 0;

// Rows whose values are kept: the story points themselves, not their value rows.
bool IsKeptRow(const StoryPointRecord& row) { return row.kind < kValueRow && row.code; }

// The key of the list of allowed values of the row at the index, or the empty text for a row
// without a code.
std::string MultipleChoicesKey(int index) {
    const StoryPointRecord* row = StoryPointAt(index);
    return row && row->code ? std::string(row->code) + "m" : std::string();
}

// What a record holds of a point.
enum class StoredValue { kRead, kNone, kMistyped };

// The 16-bit value stored under the point's key, when there is one the point at the index can hold;
// a value held as another type is told apart by the same look, so that it can be taken out.
StoredValue ReadStoredValue(PText& record, int index, std::int16_t& value) {
    std::int16_t stored = 0;
    const std::int32_t read =
        record.GetEntry(kStoryPointTable[static_cast<std::size_t>(index)].code, 's', &stored);
    if (read == kPTextErrTypeMismatch) return StoredValue::kMistyped;
    if (read < 0 || !IsStoredValueAcceptable(index, stored)) return StoredValue::kNone;
    value = stored;
    return StoredValue::kRead;
}

// Takes the point's entry out of the record, which holds it as another type of value, so that the
// point's next value can be saved under its key.
void RemoveMistypedValue(PText& record, int index) {
    record.Remove(kStoryPointTable[static_cast<std::size_t>(index)].code);
}

std::vector<std::int16_t> ToVector(const SList& list) {
    std::vector<std::int16_t> values;
    values.reserve(static_cast<std::size_t>(list.Count()));
    for (std::int32_t i = 0; i < list.Count(); ++i) values.push_back(list.GetAt(i));
    return values;
}

// Whether the two lists hold other values, their order aside: lists of different lengths differ;
// otherwise each value of the new list, from the last to the first, must match a value of the
// stored one not matched before.
bool ListsDiffer(const std::vector<std::int16_t>& stored, const std::vector<std::int16_t>& proposed) {
    if (stored.size() != proposed.size()) return true;
    std::vector<std::int16_t> unmatched = stored;
    for (auto value = proposed.rbegin(); value != proposed.rend(); ++value) {
        const auto found = std::find(unmatched.begin(), unmatched.end(), *value);
        if (found == unmatched.end()) return true;
        unmatched.erase(found);
    }
    return false;
}

}  // namespace

void StoryFormManager::LoadChoices() {
    StoryRecord opened = OpenStoryRecord(document_.GetStoryFile(), kValuesInForceType, kValuesInForceNumber);
    PText& valuesInForce = *opened.record;
    lostValuesInForce_ = opened.lost || (opened.error != kNoErr && opened.error != kPTextErrNoRecord);
    if (lostValuesInForce_ && !opened.lost) {
        const PFMFileScope story(document_.GetStoryFile(), false);
        PFMRemoveSegment(kValuesInForceType, kValuesInForceNumber);
    }
    const bool haveValuesInForce = valuesInForce.IsPresent() && !lostValuesInForce_;
    for (int index = 0; index < kStoryPointCount; ++index) {
        if (!IsKeptRow(kStoryPointTable[static_cast<std::size_t>(index)])) continue;
        std::int16_t choice = 0;
        if (ReadStoredValue(responses_, index, choice) == StoredValue::kMistyped) {
            RemoveMistypedValue(responses_, index);
            mistypedChoices_.push_back(index);
        }
        SetChoiceAt(index, choice);
        std::int16_t inForce = 0;
        if (!haveValuesInForce) continue;
        switch (ReadStoredValue(valuesInForce, index, inForce)) {
            case StoredValue::kRead: SetValueAt(index, inForce); break;
            case StoredValue::kNone: break;
            case StoredValue::kMistyped:
                RemoveMistypedValue(valuesInForce, index);
                lostValuesInForce_ = true;
                break;
        }
    }
    // Values in force held as another type go from the file, so that the next save writes them.
    if (haveValuesInForce && lostValuesInForce_) valuesInForce.Save();
    document_.SetClean();
}

ErrCode StoryFormManager::SaveChoices() {
    PText valuesInForce(document_.GetStoryFile(), kValuesInForceType, kValuesInForceNumber);
    for (int index = 0; index < kStoryPointCount; ++index) {
        const StoryPointRecord& row = kStoryPointTable[static_cast<std::size_t>(index)];
        if (!IsKeptRow(row)) continue;
        const StoryPointState& point = state_[static_cast<std::size_t>(index)];
        if (point.changed) responses_.SetNumberByName(row.code, 's', point.chosen);
        valuesInForce.SetNumberByName(row.code, 's', point.effective);
    }
    return valuesInForce.Save();
}

void StoryFormManager::GetMultipleChoices(int index, SList& values) const {
    values.SetCount(0);
    const std::string key = MultipleChoicesKey(index);
    if (key.empty() || !responses_.HasKey(key)) return;
    std::string text(responses_.GetValueSize(key) + 1, '\0');
    if (responses_.GetEntry(key, 'c', text.data(), static_cast<std::int32_t>(text.size())) < 0) return;
    SList stored;
    TextToShortList(text.c_str(), stored);
    std::vector<std::int16_t> kept;
    for (const std::int16_t value : ToVector(stored)) {
        if (!IsStoryPointValue(index, value)) continue;
        if (std::find(kept.begin(), kept.end(), value) != kept.end()) continue;
        kept.push_back(value);
        values.Append(value);
    }
}

void StoryFormManager::SetMultipleChoices(int index, const SList& values) {
    const std::string key = MultipleChoicesKey(index);
    if (key.empty()) return;
    SList stored;
    GetMultipleChoices(index, stored);
    if (!ListsDiffer(ToVector(stored), ToVector(values))) return;
    if (values.Count() <= 1) {
        responses_.Remove(key);
    } else {
        String text;
        ShortListToText(text, values);
        if (!text.CStr()) return;
        responses_.SetEntry(key, 'c', text.CStr());
    }
    Touch();
    PostEvent(nullptr);
}
