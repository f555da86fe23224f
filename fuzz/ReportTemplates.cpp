// The report templates and story point descriptions of the application data file; the input is the
// stored text of a template record, given to every template a report opens, and of a story point
// description, given to every number the story points report reads. Every report id 1-71 is built from it on
// a story with a storyform of unsettled and settled values by turns, with the story's storytelling texts
// woven in, and its text is expanded for showing with blank lines hidden: nothing crashes, and the
// shown text never keeps more than two line breaks in a row.

#include <string>

#include "FuzzStory.h"
#include "foundation/pfm/PFM.h"
#include "reports/ReportComposer.h"
#include "reports/ReportTemplates.h"
#include "reports/ReportText.h"

namespace {

// The templates and descriptions: every record number opens the same stored text.
class InputTemplates : public IReportTemplates {
public:
    InputTemplates(PFMFile* store, PFMFile* descriptions) : store_(store), descriptions_(descriptions) {}
    std::unique_ptr<ReportTemplate> Open(std::int16_t /*number*/) override {
        return DataFileTemplates(store_).Open(1);
    }
    bool ReadDescription(std::int16_t /*number*/, StoryPointDescription& description) override {
        return DataFileTemplates(descriptions_).ReadDescription(1, description);
    }

private:
    PFMFile* store_;
    PFMFile* descriptions_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    StandInStory& story = FuzzMixedStory();
    story.GetStorytellingRecord().SetEntry("STDom", kPTextText, "told");
    story.GetStorytellingRecord().SetNumberByName("ConRate", kPTextShort, 7);
    PFMFile* store = StoreWithSegment(DataFileTemplates::kRecordType, 1, data, size);
    PFMFile* descriptions = StoreWithSegment(StoryPointDescription::kRecordType, 1, data, size);
    {
        ReportComposer composer(nullptr, &story, &story.StoryForm());
        composer.SetReportTemplates(std::make_unique<InputTemplates>(store, descriptions));
        composer.SetShowStorytelling(static_cast<std::int16_t>(size % 2));
        for (std::int16_t id = 1; id <= 71; ++id) {
            composer.ResetText();
            composer.BuildReportSection(id, "Title");
            std::string shown = ExpandReportText(&story, composer.GetText(), &composer.GetVocabulary(), true);
            FUZZ_CHECK(shown.find("\n\n\n") == std::string::npos);
        }
        composer.BuildVocabularyList();
    }
    PFMCloseFile(descriptions);
    PFMCloseFile(store);
    return 0;
}
