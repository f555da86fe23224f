#include "foundation/pfm/PFMRepeatedKeys.h"

#include <algorithm>
#include <numeric>
#include <vector>

#include "foundation/pfm/PFMFile.h"

namespace {

PFMSegmentKey KeyOf(const SegmentMapRecord& record) { return {record.type, record.id}; }

// The places of the map's records ordered by key, records of one key in map order.
std::vector<std::size_t> PlacesByKey(const SegmentMap& map) {
    std::vector<std::size_t> places(map.size());
    std::iota(places.begin(), places.end(), std::size_t{0});
    std::stable_sort(places.begin(), places.end(), [&map](std::size_t a, std::size_t b) {
        return SegmentKeyLess(KeyOf(map[a]), KeyOf(map[b]));
    });
    return places;
}

}  // namespace

SegmentMap PFMTakeRepeatedKeys(SegmentMap& map) {
    const std::vector<std::size_t> places = PlacesByKey(map);
    std::vector<bool> repeated(map.size(), false);
    bool any = false;
    for (std::size_t i = 1; i < places.size(); ++i) {
        if (KeyOf(map[places[i]]) == KeyOf(map[places[i - 1]])) repeated[places[i]] = any = true;
    }
    SegmentMap taken;
    if (!any) return taken;
    SegmentMap kept;
    kept.reserve(map.size());
    for (std::size_t i = 0; i < map.size(); ++i) (repeated[i] ? taken : kept).push_back(map[i]);
    map = std::move(kept);
    return taken;
}

bool PFMFile::HoldsRepeatedKey() const {
    for (std::size_t i = 1; i < keyIndex_.size(); ++i)
        if (EntryAt(keyIndex_[i - 1]).Key() == EntryAt(keyIndex_[i]).Key()) return true;
    return false;
}

void PFMFile::PutKeyAt(Index index, std::size_t place) {
    if (place >= keyIndex_.size()) return;
    const auto at = std::find(keyIndex_.begin() + static_cast<std::ptrdiff_t>(place), keyIndex_.end(), index);
    if (at != keyIndex_.end())
        std::rotate(keyIndex_.begin() + static_cast<std::ptrdiff_t>(place), at, at + 1);
}

std::size_t PFMFile::KeyPlaceOf(Index index) const {
    std::size_t place = KeyPosition(EntryAt(index).Key());
    while (place < keyIndex_.size() && keyIndex_[place] != index) ++place;
    return place;
}

void PFMFile::OrderRepeatedKeys(SegmentMap& map, std::vector<Index>& entries) const {
    const std::vector<std::size_t> places = PlacesByKey(map);
    for (std::size_t first = 0; first < places.size();) {
        std::size_t end = first + 1;
        while (end < places.size() && KeyOf(map[places[end]]) == KeyOf(map[places[first]])) ++end;
        if (end - first > 1) {
            // The records of the key, in map order, and the same records by their segments' places
            // in the key index.
            const std::vector<std::size_t> slots(places.begin() + static_cast<std::ptrdiff_t>(first),
                                                 places.begin() + static_cast<std::ptrdiff_t>(end));
            std::vector<std::size_t> byLookUp = slots;
            std::sort(byLookUp.begin(), byLookUp.end(), [&](std::size_t a, std::size_t b) {
                return KeyPlaceOf(entries[a]) < KeyPlaceOf(entries[b]);
            });
            std::vector<SegmentMapRecord> records;
            std::vector<Index> segments;
            for (const std::size_t slot : byLookUp) {
                records.push_back(map[slot]);
                segments.push_back(entries[slot]);
            }
            for (std::size_t k = 0; k < slots.size(); ++k) {
                map[slots[k]] = records[k];
                entries[slots[k]] = segments[k];
            }
        }
        first = end;
    }
}
