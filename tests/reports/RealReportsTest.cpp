// The reports of the catalogue as a writer reads them: built from the application data file the
// build makes (its templates, story point descriptions, dictionary, verbs and pronouns) over four
// contrasting storyforms and an empty story, with storytelling off and on. Every report gives
// words, every macro is one the expander knows, no template is missing, and the texts glue into
// sentences without stray punctuation.

#include <cstdlib>
#include <string>
#include <vector>

#include "ReportTestSupport.h"
#include "reports/ReportCatalogue.h"
#include "reports/ReportTemplateKeys.h"
#include "reports/ReportText.h"

namespace {

using namespace reporttest;

// The stand-in application, with the application data file the build makes.
class BuiltDataApplication : public StandInApplication {
public:
    explicit BuiltDataApplication(PFMFile* data) : data_(data), pronouns_(data, FourCCOf("PPNN"), 1) {}
    PFMFile* GetDataFile() override { return data_; }
    PText* GetPronounRecord() override { return &pronouns_; }

private:
    PFMFile* data_;
    PText pronouns_;
};

class RealReports : public EngineReportTest {
protected:
    void SetUp() override {
        EngineReportTest::SetUp();
        const char* folder = std::getenv("FABLECORE_PROGRAM_DIR");
        const std::string path = std::string(folder ? folder : ".") + "/Fablecor.qrv";
        const FileRef ref(path.c_str(), kAccessRead);
        data_ = PFMOpenFile(&ref);
        ASSERT_NE(data_, nullptr) << "cannot open " << path;
        PFMSetCurrentFile(story->GetStoryFile());
        built_ = std::make_unique<BuiltDataApplication>(data_);
        SetStoryApplication(built_.get());
        Name(*story);
    }
    void TearDown() override {
        EngineReportTest::TearDown();
        built_.reset();
        if (data_) PFMCloseFile(data_);
    }

    // The two characters by name, so that a sentence about them reads as one.
    static void Name(StandInStory& of) {
        CharacterManager& characters = of.Characters();
        if (CharInfoRec* main = characters.GetCharacter(characters.GetMainCharacter())) {
            main->SetName("Mara");
            main->SetSWIntro("Mara arrives by the night train");
            main->SetSWDismiss("Mara sails away at dawn");
            main->SetRelationship("They were friends once", characters.GetImpactCharacter());
        }
        if (CharInfoRec* impact = characters.GetCharacter(characters.GetImpactCharacter()))
            impact->SetName("Otto");
    }

    // A storytelling text under every key the reports weave in.
    static void TellEverything(StandInStory& of) {
        for (int index = 0; index < kStoryPointCount; ++index) {
            const StoryPointRecord* point = StoryPointAt(index);
            if (!point || !point->code) continue;
            ASSERT_GE(of.GetStorytellingRecord().SetEntry(point->code, kPTextText, "Told in my words"), 0);
        }
        for (const char* key : {"STCnft", "MCCnft", "OCCnft", "PLCnft"})
            ASSERT_GE(of.GetStorytellingRecord().SetEntry(key, kPTextText, "Told in my words"), 0);
    }

    // Builds every report of the catalogue as the window shows it (with the vocabulary list when the
    // owner asks for one), and checks each; answers the reports' texts by id.
    std::map<std::int16_t, std::string> BuildCatalogue(ReportComposer& built, IStoryDocument& of) {
        std::map<std::int16_t, std::string> texts;
        for (const ReportCatalogueEntry& entry : ReportCatalogue()) {
            if (!entry.IsReport()) continue;
            const auto id = static_cast<std::int16_t>(entry.reportId);
            SCOPED_TRACE(entry.name);
            built.ResetText();
            built.BuildReportSection(id, ReportTitle(id, &of).c_str());
            // As the window does: a report that names terms is followed by their definitions.
            if (owner.vocabulary && entry.vocabulary) built.BuildVocabularyList();
            SList vocabulary;
            const std::string shown = ExpandReportText(&of, built.GetText(), &vocabulary, true);
            // What the data file's texts hold is expanded once more as the report is shown.
            EXPECT_EQ(shown.find('{'), std::string::npos) << shown;
            EXPECT_EQ(shown.find("is missing from the program's data"), std::string::npos) << shown;
            EXPECT_EQ(shown.find("descriptions are missing"), std::string::npos) << shown;
            EXPECT_GT(shown.size(), 40u) << shown;
            texts[id] = shown;
        }
        return texts;
    }

    // Where the texts meet the builders' words: no blank before a full stop or comma, and no
    // doubled stop (the "..." of a sentence that goes on after a storytelling text aside).
    static void ExpectGluedSentences(const std::map<std::int16_t, std::string>& texts) {
        for (const auto& [id, text] : texts) {
            for (const char* stray : {" .", " ,", ",.", ".,", ",,", " :"}) {
                EXPECT_EQ(text.find(stray), std::string::npos)
                    << "report " << id << " has \"" << stray << "\": " << text;
            }
            std::string plain = text;
            for (std::size_t at; (at = plain.find("...")) != std::string::npos;) plain.erase(at, 3);
            EXPECT_EQ(plain.find(".."), std::string::npos) << "report " << id << ": " << text;
        }
    }

    PFMFile* data_ = nullptr;
    std::unique_ptr<BuiltDataApplication> built_;
};

TEST_F(RealReports, EveryTemplateTheBuildersReadIsInTheDataFile) {
    DataFileTemplates templates(data_);
    for (const TemplateKeySet& set : kTemplateKeySets) {
        std::unique_ptr<ReportTemplate> record = templates.Open(set.record);
        ASSERT_NE(record, nullptr) << set.record;
        char text[64];
        for (int n = 1; n <= (set.IsReadWhole() ? 1 : 63); ++n) {
            if (!set.Reads(n)) continue;
            const std::string key = "S" + std::to_string(n);
            EXPECT_TRUE(record->Read(key.c_str(), text, sizeof text))
                << "template " << set.record << " lacks " << key;
        }
    }
}

TEST_F(RealReports, EveryCatalogueReportReadsAsProseOverFourContrastingStoryforms) {
    for (const ContrastingStoryform& c : kContrastingStoryforms) {
        SCOPED_TRACE(c.number);
        PFMFile* store = PFMOpenFile(nullptr);
        ASSERT_NE(store, nullptr);
        {
            StandInStory contrast(store);
            ASSERT_EQ(contrast.LoadCharacters(), kNoErr);
            Name(contrast);
            PFMSetCurrentFile(store);
            ASSERT_TRUE(CompleteStoryform(contrast.StoryForm(), c.number));
            ASSERT_EQ(contrast.StoryForm().IsSuccess(), c.success);
            ReportComposer built(&owner, &contrast, &contrast.StoryForm(), &contrast.Scenes());
            built.SetReportTemplates(std::make_unique<DataFileTemplates>(data_));
            const auto plain = BuildCatalogue(built, contrast);
            ExpectGluedSentences(plain);
            // A complete storyform names every value it holds.
            for (const auto& [id, text] : plain) {
                EXPECT_EQ(text.find("unchosen"), std::string::npos) << id << text;
                EXPECT_EQ(text.find("is not chosen yet."), std::string::npos) << id << text;
            }
            EXPECT_NE(plain.at(61).find(c.change ? "will have to change" : "must hold firm"),
                      std::string::npos)
                << plain.at(61);
            EXPECT_NE(plain.at(19).find("Mara"), std::string::npos);
            built.SetShowStorytelling(1);
            owner.vocabulary = 1;
            TellEverything(contrast);
            const auto told = BuildCatalogue(built, contrast);
            EXPECT_NE(told.at(15).find("Told in my words"), std::string::npos);
            EXPECT_NE(told.at(61).find("vocabulary list"), std::string::npos);
            owner.vocabulary = 0;
        }
        PFMSetCurrentFile(story->GetStoryFile());
        PFMCloseFile(store);
    }
}

// The guide to the reports tells of every report a writer can choose.
TEST_F(RealReports, TheGuideToTheReportsNamesEveryReportOfTheCatalogue) {
    ReportComposer built(&owner, story.get(), &story->StoryForm(), &story->Scenes());
    built.SetReportTemplates(std::make_unique<DataFileTemplates>(data_));
    built.BuildReportSection(2, "");
    SList vocabulary;
    const std::string guide = ExpandReportText(story.get(), built.GetText(), &vocabulary, true);
    for (const ReportCatalogueEntry& entry : ReportCatalogue()) {
        if (!entry.IsReport()) continue;
        const std::string name = ReportEntryLabel(entry, story.get());
        EXPECT_NE(guide.find("\x95 " + name + ": "), std::string::npos) << name;
    }
}

TEST_F(RealReports, EveryCatalogueReportReadsAsProseForAnEmptyStory) {
    CharacterManager& characters = story->Characters();
    while (characters.GetCount() > 0) characters.DeleteCharacter(characters.IdAt(0), false);
    ReportComposer built(&owner, story.get(), &story->StoryForm(), &story->Scenes());
    built.SetReportTemplates(std::make_unique<DataFileTemplates>(data_));
    for (const std::int16_t storytelling : {0, 1}) {
        built.SetShowStorytelling(storytelling);
        const auto texts = BuildCatalogue(built, *story);
        ExpectGluedSentences(texts);
        EXPECT_NE(texts.at(2).find("About Reports for Your Story"), std::string::npos);
    }
}

}  // namespace
