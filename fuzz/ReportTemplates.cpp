// The report templates of the application data file; the input is the stored text of a template
// record, given to every template a report opens. Every report id 1-71 is built from it on a story
// with a storyform of unsettled and settled values by turns, with the story's storytelling texts
// woven in, and its text is expanded for showing with blank lines hidden: nothing crashes, and the
// shown text never keeps more than two line breaks in a row.

#include <string>

#include "FuzzStory.h"
#include "foundation/pfm/PFM.h"
#include "reports/ReportComposer.h"
#include "reports/ReportTemplates.h"
#include "reports/ReportText.h"

namespace {

// The templates: every record number opens the same stored text.
class InputTemplates : public IReportTemplates {
public:
    explicit InputTemplates(PFMFile* store) : store_(store) {}
    std::unique_ptr<ReportTemplate> Open(std::int16_t /*number*/) override {
        return DataFileTemplates(store_).Open(1);
    }

private:
    PFMFile* store_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    StandInStory& story = FuzzMixedStory();
    story.GetStorytellingRecord().SetEntry("STDom", kPTextText, "told");
    story.GetStorytellingRecord().SetNumberByName("ConRate", kPTextShort, 7);
    PFMFile* store = StoreWithSegment(DataFileTemplates::kRecordType, 1, data, size);
    {
        ReportComposer composer(nullptr, &story, &story.StoryForm());
        composer.SetReportTemplates(std::make_unique<InputTemplates>(store));
        composer.SetShowStorytelling(static_cast<std::int16_t>(size % 2));
        for (std::int16_t id = 1; id <= 71; ++id) {
            composer.ResetText();
            composer.BuildReportSection(id, "Title");
            std::string shown = ExpandReportText(&story, composer.GetText(), &composer.GetVocabulary(), true);
            FUZZ_CHECK(shown.find("\n\n\n") == std::string::npos);
        }
        composer.BuildVocabularyList();
    }
    PFMCloseFile(store);
    return 0;
}
