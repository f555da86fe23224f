#include "storymodel/AppreciationUsage.h"

#include <algorithm>

#include "foundation/String.h"
#include "foundation/TypedList.h"
#include "foundation/pfm/PText.h"
#include "foundation/pfm/PTextTypes.h"
#include "storymodel/NumberList.h"
#include "storymodel/RecordText.h"
#include "storymodel/engine/InclApprList.h"

void AppreciationUsage::Load(const std::vector<Entry>& counted) {
    entries_ = counted;
    changed_ = Stored() != counted;
}

std::vector<AppreciationUsage::Entry> AppreciationUsage::Stored() const {
    SList numbers;
    SList counts;
    TextToShortList(RecordText(storytelling_, InclApprList::kKey).c_str(), numbers);
    TextToShortList(RecordText(storytelling_, kCountsKey).c_str(), counts);
    if (numbers.Count() != 4 * counts.Count()) return {};
    std::vector<Entry> stored;
    for (std::int32_t i = 0; i < counts.Count(); ++i) {
        const IncludeableAppreciation appreciation(numbers.GetAt(4 * i), numbers.GetAt(4 * i + 1),
                                                   static_cast<CharID>(numbers.GetAt(4 * i + 2)),
                                                   static_cast<CharID>(numbers.GetAt(4 * i + 3)));
        stored.push_back({appreciation, static_cast<std::uint16_t>(counts.GetAt(i))});
    }
    return stored;
}

std::size_t AppreciationUsage::Place(const IncludeableAppreciation& appreciation) const {
    const auto place = std::lower_bound(entries_.begin(), entries_.end(), appreciation,
                                        [](const Entry& entry, const IncludeableAppreciation& wanted) {
                                            return CompareInclAppr(entry.appreciation, wanted) < 0;
                                        });
    return static_cast<std::size_t>(place - entries_.begin());
}

void AppreciationUsage::Add(const IncludeableAppreciation& appreciation) {
    const std::size_t place = Place(appreciation);
    if (HoldsAt(place, appreciation)) {
        if (entries_[place].count < 0x7FFF) ++entries_[place].count;
    } else {
        entries_.insert(entries_.begin() + static_cast<std::ptrdiff_t>(place), {appreciation, 1});
    }
    changed_ = true;
}

void AppreciationUsage::Remove(const IncludeableAppreciation& appreciation) {
    const std::size_t place = Place(appreciation);
    if (HoldsAt(place, appreciation)) {
        if (entries_[place].count < 2) {
            entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(place));
        } else {
            --entries_[place].count;
        }
    }
    changed_ = true;
}

void AppreciationUsage::RemoveCharacter(CharID id) {
    if (!IsValidCharID(id)) return;
    std::erase_if(entries_, [id](const Entry& entry) {
        return entry.appreciation.GetCharacter1() == id || entry.appreciation.GetCharacter2() == id;
    });
    changed_ = true;
}

std::uint16_t AppreciationUsage::Count(const IncludeableAppreciation& appreciation) const {
    const std::size_t place = Place(appreciation);
    return HoldsAt(place, appreciation) ? entries_[place].count : 0;
}

ErrCode AppreciationUsage::Save() {
    if (!changed_) return kNoErr;
    InclApprList appreciations(nullptr, false);
    std::vector<std::int16_t> counts;
    for (const Entry& entry : entries_) {
        appreciations.Insert(entry.appreciation);
        counts.push_back(static_cast<std::int16_t>(entry.count));
    }
    String countText;
    ShortArrayToText(countText, counts.data(), static_cast<std::int32_t>(counts.size()));
    const std::int32_t listResult =
        WriteRecordText(storytelling_, InclApprList::kKey, appreciations.Text().c_str());
    const std::int32_t countResult = WriteRecordText(storytelling_, kCountsKey, countText.CStr());
    if (listResult < 0) return static_cast<ErrCode>(listResult);
    if (countResult < 0) return static_cast<ErrCode>(countResult);
    changed_ = false;
    const ErrCode error = storytelling_.Save();
    if (storytelling_.WasSaved()) storytelling_.ClearFlushedFlag();
    return error;
}
