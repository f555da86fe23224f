// The writer's report sets in the report preferences; the input is the 'REPT' record's stored
// text. Read, every set has a name of at most 31 characters that no other set has, and at least
// one report id, each a report of the catalogue and each once; written and read again, the same
// sets come back.

#include "reports/ReportSets.h"
#include <algorithm>
#include "FuzzStores.h"
#include "foundation/pfm/PText.h"
#include "reports/ReportCatalogue.h"

namespace {

void CheckSets(const ReportSets& sets) {
    FUZZ_CHECK(sets.GetSets().size() <= ReportSets::kMostSets);
    for (const ReportSet& set : sets.GetSets()) {
        FUZZ_CHECK(!set.name.empty() && set.name.size() <= ReportSets::kNameLength);
        FUZZ_CHECK(sets.Find(set.name) == &set);
        FUZZ_CHECK(!set.reportIds.empty());
        for (std::size_t i = 0; i < set.reportIds.size(); ++i) {
            const ReportCatalogueEntry* entry = FindCatalogueReport(set.reportIds[i]);
            FUZZ_CHECK(entry && entry->IsReport());
            FUZZ_CHECK(std::count(set.reportIds.begin(), set.reportIds.end(), set.reportIds[i]) == 1);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    PFMFile* store = StoreWithSegment(FourCCOf("REPT"), 0, data, size);
    {
        PText record(store, FourCCOf("REPT"), 0);
        ReportSets sets;
        sets.Load(&record);
        CheckSets(sets);
        sets.Store(&record);
        ReportSets again;
        again.Load(&record);
        FUZZ_CHECK(again.GetSets().size() == sets.GetSets().size());
        for (std::size_t i = 0; i < sets.GetSets().size(); ++i) {
            FUZZ_CHECK(again.GetSets()[i].name == sets.GetSets()[i].name);
            FUZZ_CHECK(again.GetSets()[i].reportIds == sets.GetSets()[i].reportIds);
        }
    }
    PFMCloseFile(store);
    return 0;
}
