#include "reports/ReportTemplates.h"

#include "foundation/pfm/PText.h"
#include "foundation/pfm/PTextTypes.h"
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

}  // namespace

std::unique_ptr<ReportTemplate> DataFileTemplates::Open(std::int16_t number) {
    PFMFile* store = store_;
    if (!store) {
        IStoryApplication* application = GetStoryApplication();
        store = application ? application->GetDataFile() : nullptr;
    }
    if (!store || number < 0) return std::make_unique<EmptyTemplate>();
    return std::make_unique<KeyedTemplate>(store, number);
}
