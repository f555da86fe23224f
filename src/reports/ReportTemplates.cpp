#include "reports/ReportTemplates.h"

#include "foundation/pfm/PText.h"
#include "foundation/pfm/PTextTypes.h"
#include "storymodel/RecordText.h"
#include "storymodel/StoryApplication.h"

namespace {

class KeyedTemplate : public ReportTemplate {
public:
    KeyedTemplate(PFMFile* store, std::int16_t number)
        : record_(store, DataFileTemplates::kRecordType, static_cast<std::uint16_t>(number)) {}

    bool Read(const char* key, char* buffer, std::size_t size) override {
        if (size == 0) return false;
        return record_.GetEntry(key, kPTextText, buffer, static_cast<std::int32_t>(size)) >= 0;
    }

private:
    PText record_;
};

// What a missing data file gives: no keys at all.
class EmptyTemplate : public ReportTemplate {
public:
    bool Read(const char* /*key*/, char* /*buffer*/, std::size_t /*size*/) override { return false; }
};

// The given store, or the data file of the running story application.
PFMFile* StoreOrDataFile(PFMFile* store) {
    if (store) return store;
    IStoryApplication* application = GetStoryApplication();
    return application ? application->GetDataFile() : nullptr;
}

bool ReadDescriptionFrom(PFMFile* store, std::int16_t number, StoryPointDescription& description) {
    description = {};
    if (!store || number < 0) return false;
    PText record(store, StoryPointDescription::kRecordType, static_cast<std::uint16_t>(number));
    if (!record.IsPresent()) return false;
    description.code = RecordText(record, "VN");
    description.name = RecordText(record, "NM");
    description.explanation = RecordText(record, "DF");
    record.GetEntry("TY", kPTextShort, &description.kind);
    return true;
}

}  // namespace

bool IReportTemplates::ReadDescription(std::int16_t number, StoryPointDescription& description) {
    return ReadDescriptionFrom(StoreOrDataFile(nullptr), number, description);
}

std::unique_ptr<ReportTemplate> DataFileTemplates::Open(std::int16_t number) {
    PFMFile* store = StoreOrDataFile(store_);
    if (!store || number < 0) return std::make_unique<EmptyTemplate>();
    return std::make_unique<KeyedTemplate>(store, number);
}

bool DataFileTemplates::ReadDescription(std::int16_t number, StoryPointDescription& description) {
    return ReadDescriptionFrom(StoreOrDataFile(store_), number, description);
}
