#include "query/data/PageClasses.h"

#include "foundation/pfm/PFM.h"
#include "foundation/pfm/PText.h"
#include "foundation/pfm/PTextTypes.h"

namespace {

bool PageRecordExists(PFMFile* dataFile, std::int16_t topic) {
    if (!dataFile || topic < 0) return false;
    const PFMFileScope scope(dataFile, true);
    return PFMSegmentExists(kPageRecordType, static_cast<std::uint16_t>(topic));
}

}  // namespace

std::optional<FQSPageKind> PageKindForClass(std::int16_t classCode) {
    switch (classCode) {
        case 0:
        case 2: return FQSPageKind::kQuestion;
        case 1: return FQSPageKind::kDynamicRadio;
        case 3: return FQSPageKind::kGeneralRadio;
        case 4: return FQSPageKind::kSceneList;
        case 5: return FQSPageKind::kScene;
        case 75: return FQSPageKind::kRecap;
        case 100: return FQSPageKind::kStructuralFinder;
        case 999: return FQSPageKind::kHome;
        default: return std::nullopt;
    }
}

PageRecord FindPageRecord(PFMFile* dataFile, std::int16_t topic, std::int16_t firstTopic) {
    PageRecord page;
    page.topic = topic;
    if (!PageRecordExists(dataFile, topic)) {
        page.topic = firstTopic;
        page.fellBack = true;
    }
    page.missing = !PageRecordExists(dataFile, page.topic);
    const std::uint16_t number = static_cast<std::uint16_t>(page.missing ? 0 : page.topic);
    page.record = std::make_unique<PText>(dataFile, kPageRecordType, number);
    if (page.missing) {
        page.record->Clear();  // whatever record it opened in place of the missing one
    } else {
        page.record->GetEntry(kPageClassKey, kPTextShort, &page.classCode);
    }
    return page;
}
