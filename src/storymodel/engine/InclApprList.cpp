#include "storymodel/engine/InclApprList.h"

#include <algorithm>

#include "foundation/FileError.h"
#include "foundation/String.h"
#include "foundation/TypedList.h"
#include "foundation/pfm/KeyedText.h"
#include "foundation/pfm/PTextTypes.h"
#include "storymodel/NumberList.h"

namespace {

int CompareShorts(std::int16_t a, std::int16_t b) { return (a > b) - (a < b); }

std::int16_t AsShort(CharID id) { return static_cast<std::int16_t>(id); }

bool Before(const IncludeableAppreciation& a, const IncludeableAppreciation& b) {
    return CompareInclAppr(a, b) < 0;
}

}  // namespace

int CompareInclAppr(const IncludeableAppreciation& a, const IncludeableAppreciation& b) {
    if (int c = CompareShorts(a.GetFirstID(), b.GetFirstID())) return c;
    if (int c = CompareShorts(a.GetSecondID(), b.GetSecondID())) return c;
    if (int c = CompareShorts(AsShort(b.GetCharacter1()), AsShort(a.GetCharacter1()))) return c;
    return CompareShorts(AsShort(b.GetCharacter2()), AsShort(a.GetCharacter2()));
}

InclApprList::InclApprList(KeyedText* record, bool load) : record_(record), changed_(!load) {
    if (!load || !record_) return;
    std::vector<char> text(record_->GetValueSize(kKey) + 1, '\0');
    if (record_->GetEntry(kKey, kPTextText, text.data(), static_cast<std::int32_t>(text.size())) < 0) return;
    ReadText(text.data());
    changed_ = false;
}

void InclApprList::ReadText(const char* text) {
    SList numbers;
    const std::int32_t count = TextToShortList(text ? text : "", numbers);
    for (std::int32_t group = 0; group + 4 <= count; group += 4) {
        Insert(IncludeableAppreciation(numbers.GetAt(group), numbers.GetAt(group + 1),
                                       static_cast<CharID>(numbers.GetAt(group + 2)),
                                       static_cast<CharID>(numbers.GetAt(group + 3))));
    }
}

std::string InclApprList::Text() const {
    std::string text;
    ComposeText(text);
    return text;
}

ErrCode InclApprList::ComposeText(std::string& out) const {
    std::vector<std::int16_t> numbers;
    numbers.reserve(entries_.size() * 4);
    for (const IncludeableAppreciation& entry : entries_) {
        numbers.insert(numbers.end(), {entry.GetFirstID(), entry.GetSecondID(),
                                       AsShort(entry.GetCharacter1()), AsShort(entry.GetCharacter2())});
    }
    String text;
    const auto count = static_cast<std::int32_t>(numbers.size());
    const bool whole = ShortArrayToText(text, numbers.data(), count) == count;
    out = text.CStr() ? text.CStr() : "";
    return whole ? kNoErr : kOutOfMemoryErr;
}

void InclApprList::Insert(const IncludeableAppreciation& entry) {
    entries_.insert(std::lower_bound(entries_.begin(), entries_.end(), entry, Before), entry);
    changed_ = true;
}

bool InclApprList::Remove(const IncludeableAppreciation& entry) {
    const auto found = std::lower_bound(entries_.begin(), entries_.end(), entry, Before);
    if (found == entries_.end() || !(*found == entry)) return false;
    entries_.erase(found);
    changed_ = true;
    return true;
}

int InclApprList::RemoveCharacter(CharID id) {
    if (!IsValidCharID(id)) return 0;
    const auto removed = std::erase_if(entries_, [id](const IncludeableAppreciation& entry) {
        return entry.GetCharacter1() == id || entry.GetCharacter2() == id;
    });
    if (removed > 0) changed_ = true;
    return static_cast<int>(removed);
}

ErrCode InclApprList::Save() {
    if (!changed_ || !record_) return kNoErr;
    std::string text;
    if (const ErrCode error = ComposeText(text)) return error;
    const std::int32_t result = record_->SetEntry(kKey, kPTextText, text.c_str());
    if (result < 0) return static_cast<ErrCode>(result);
    changed_ = false;
    return kNoErr;
}
