#include "reports/ReportSets.h"

#include <algorithm>
#include <cstdio>

#include "foundation/String.h"
#include "foundation/TypedList.h"
#include "foundation/pfm/PText.h"
#include "foundation/pfm/PTextTypes.h"
#include "reports/ReportCatalogue.h"
#include "storymodel/NumberList.h"
#include "storymodel/RecordText.h"

namespace {

constexpr const char* kCountKey = "REPSETMX";

std::string NameKey(std::size_t n) { return "REPSETNM" + std::to_string(n); }
std::string IdsKey(std::size_t n) { return "REPSETIDS" + std::to_string(n); }

}  // namespace

std::vector<std::int16_t> ReportSets::ValidReports(const std::vector<std::int16_t>& reportIds) {
    std::vector<std::int16_t> valid;
    for (const std::int16_t id : reportIds) {
        const ReportCatalogueEntry* entry = FindCatalogueReport(id);
        if (entry && entry->IsReport() && std::find(valid.begin(), valid.end(), id) == valid.end())
            valid.push_back(id);
    }
    return valid;
}

void ReportSets::Load(PText* record) {
    sets_.clear();
    if (!record) return;
    std::int16_t count = 0;
    record->GetEntry(kCountKey, kPTextShort, &count);
    const auto sets = static_cast<std::size_t>(std::clamp<std::int16_t>(count, 0, kMostSets));
    for (std::size_t n = 1; n <= sets; ++n) {
        std::string name = RecordText(*record, NameKey(n));
        name.resize(std::min(name.size(), kNameLength));
        SList list;
        TextToShortList(RecordText(*record, IdsKey(n)).c_str(), list);
        std::vector<std::int16_t> ids;
        for (std::int32_t i = 0; i < list.Count(); ++i) ids.push_back(list.GetAt(i));
        if (name.empty() || Find(name)) continue;
        ids = ValidReports(ids);
        if (!ids.empty()) sets_.push_back({std::move(name), std::move(ids)});
    }
}

void ReportSets::Store(PText* record) const {
    if (!record) return;
    record->SetNumberByName(kCountKey, kPTextShort, static_cast<std::int32_t>(sets_.size()));
    for (std::size_t n = 1; n <= sets_.size(); ++n) {
        const ReportSet& set = sets_[n - 1];
        WriteRecordText(*record, NameKey(n), set.name.c_str());
        String ids;
        ShortArrayToText(ids, set.reportIds.data(), static_cast<std::int32_t>(set.reportIds.size()));
        WriteRecordText(*record, IdsKey(n), ids.CStr() ? ids.CStr() : "");
    }
    for (std::size_t n = sets_.size() + 1; n <= kMostSets; ++n) {
        record->Remove(NameKey(n));
        record->Remove(IdsKey(n));
    }
}

const ReportSet* ReportSets::Find(const std::string& name) const {
    const auto found =
        std::find_if(sets_.begin(), sets_.end(), [&](const ReportSet& set) { return set.name == name; });
    return found == sets_.end() ? nullptr : &*found;
}

bool ReportSets::Put(const std::string& name, const std::vector<std::int16_t>& reportIds) {
    const std::string kept = name.substr(0, kNameLength);
    std::vector<std::int16_t> ids = ValidReports(reportIds);
    if (kept.empty() || ids.empty()) return false;
    for (ReportSet& set : sets_) {
        if (set.name != kept) continue;
        set.reportIds = std::move(ids);
        return true;
    }
    if (sets_.size() >= kMostSets) return false;
    sets_.push_back({kept, std::move(ids)});
    return true;
}

bool ReportSets::Remove(const std::string& name) {
    const auto found =
        std::find_if(sets_.begin(), sets_.end(), [&](const ReportSet& set) { return set.name == name; });
    if (found == sets_.end()) return false;
    sets_.erase(found);
    return true;
}
