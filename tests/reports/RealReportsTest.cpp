// The reports of the catalogue as a writer reads them: built from the application data file the
// build makes (its templates, story point descriptions, dictionary, verbs and pronouns) over four
// contrasting storyforms and an empty story, with storytelling off and on. Every report gives
// words, every macro is one the expander knows, no template is missing, and the texts glue into
// sentences without stray punctuation.

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "BuiltDataReportTest.h"
#include "ReportTestSupport.h"
#include "reports/ReportCatalogue.h"
#include "reports/ReportTemplateKeys.h"
#include "reports/ReportText.h"
#include "storymodel/Scene.h"
#include "storymodel/SceneManager.h"
#include "storymodel/engine/StoryPointValues.h"
#include "storymodel/engine/StoryformNumber.h"

namespace {

using namespace reporttest;

class RealReports : public BuiltDataReportTest {
protected:
    void SetUp() override {
        BuiltDataReportTest::SetUp();
        if (HasFatalFailure()) return;
        Name(*story);
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

    // A story of its own on a store of its own, named as the others, its storyform completed to the
    // number; the test runs with it and with a composer over it.
    void WithStoryform(std::uint16_t number,
                       const std::function<void(StandInStory&, ReportComposer&)>& test) {
        PFMFile* store = PFMOpenFile(nullptr);
        ASSERT_NE(store, nullptr);
        {
            StandInStory made(store);
            ASSERT_EQ(made.LoadCharacters(), kNoErr);
            Name(made);
            PFMSetCurrentFile(store);
            ASSERT_TRUE(CompleteStoryform(made.StoryForm(), number)) << number;
            ReportComposer built(&owner, &made, &made.StoryForm(), &made.Scenes());
            built.SetReportTemplates(std::make_unique<DataFileTemplates>(data_));
            test(made, built);
        }
        PFMSetCurrentFile(story->GetStoryFile());
        PFMCloseFile(store);
    }

    // No report of the catalogue, with storytelling off or on, holds what the pattern finds.
    static void ExpectNoReportReads(ReportComposer& built, IStoryDocument& of, const std::regex& pattern) {
        for (const std::int16_t storytelling : {0, 1}) {
            built.SetShowStorytelling(storytelling);
            for (const ReportCatalogueEntry& entry : ReportCatalogue()) {
                if (!entry.IsReport()) continue;
                const std::string text = Read(built, of, static_cast<std::int16_t>(entry.reportId));
                std::smatch found;
                EXPECT_FALSE(std::regex_search(text, found, pattern))
                    << entry.name << ": \"" << found.str() << "\" in " << text;
            }
        }
    }

};

// A storyform number with the dynamics' values: bit set for the second value (Steadfast, Bad).
std::uint16_t WithDynamics(bool steadfast, bool bad) {
    return static_cast<std::uint16_t>((steadfast ? kDynamicBit[kResolve] : 0) |
                                      (bad ? kDynamicBit[kJudgment] : 0));
}

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
        WithStoryform(c.number, [&](StandInStory& contrast, ReportComposer& built) {
            ASSERT_EQ(contrast.StoryForm().IsSuccess(), c.success);
            const auto plain = BuildCatalogue(built, contrast);
            ExpectGluedSentences(plain);
            // A complete storyform names every value it holds.
            for (const auto& [id, text] : plain) {
                EXPECT_EQ(text.find("unchosen"), std::string::npos) << id << text;
                EXPECT_EQ(text.find("is not chosen yet."), std::string::npos) << id << text;
                // A throughline's class is set off from the clause on its concern.
                EXPECT_FALSE(std::regex_search(text, std::regex("lies in [^,.:]+ where"))) << id << text;
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
        });
    }
}

// Whose way was right, and who fares better for giving it up, read true for each resolve and
// judgment: a Main Character who changes to a good end, or holds firm to a bad one, had it wrong.
TEST_F(RealReports, TheVerdictOnWhoHadItRightIsTrueForEveryResolveAndJudgment) {
    struct Verdict {
        bool steadfast, bad;
        const char* mainWay;      // the Main Character's own way
        const char* givingItUp;   // leaves the Main Character ... off
        const char* impactRight;  // the one who had it right ... the Impact Character
    };
    const Verdict verdicts[] = {
        {false, false, "wrong", "better", "was"},
        {false, true, "right", "worse", "was not"},
        {true, false, "right", "worse", "was not"},
        {true, true, "wrong", "better", "was"},
    };
    for (const Verdict& v : verdicts) {
        SCOPED_TRACE(std::string(v.steadfast ? "Steadfast" : "Change") + (v.bad ? " and Bad" : " and Good"));
        WithStoryform(WithDynamics(v.steadfast, v.bad), [&](StandInStory& made, ReportComposer& built) {
            ASSERT_EQ(made.StoryForm().IsSteadfast(), v.steadfast);
            ASSERT_EQ(made.StoryForm().IsBad(), v.bad);
            const std::string themes = Read(built, made, 15);
            EXPECT_NE(themes.find(std::string("it is the Main Character's own way that turns out to be ") + v.mainWay +
                                  ": the Main Character is " + v.givingItUp +
                                  " off giving it up than holding to it."),
                      std::string::npos)
                << themes;
            const std::string characters = Read(built, made, 25);
            EXPECT_NE(characters.find(std::string("Otto held out another way of seeing things, and it ") +
                                      v.impactRight + " the right one."),
                      std::string::npos)
                << characters;
            // The Kitchen Sink holds both, alike.
            const std::string sink = Read(built, made, 20);
            EXPECT_NE(sink.find(std::string("the Main Character is ") + v.givingItUp + " off giving it up"),
                      std::string::npos);
        });
    }
}

// The Plot Dynamics name the storyform's own driver, and the judgment's sentence is English
// whether outcome and judgment agree or not.
TEST_F(RealReports, ThePlotDynamicsNameTheStoryformsOwnDriverInWholeSentences) {
    for (const ContrastingStoryform& c : kContrastingStoryforms) {
        SCOPED_TRACE(c.number);
        WithStoryform(c.number, [&](StandInStory& made, ReportComposer& built) {
            const std::string text = Read(built, made, 18);
            EXPECT_NE(
                text.find(c.action ? "The story is driven by Action, and each step it takes calls for "
                                     "decisions to be made."
                                   : "The story is driven by Decision, and each step it takes calls for "
                                     "actions to be taken."),
                std::string::npos)
                << text;
            // The judgment goes with the outcome or against it, and says which outcome.
            const std::string outcome = made.StoryForm().IsSuccess() ? "Success" : "Failure";
            const bool agree = made.StoryForm().IsSuccess() == made.StoryForm().IsGood();
            EXPECT_NE(text.find("the plot ends in " + outcome + (agree ? ", and" : ", but") +
                                " the Main Character's personal anguish is "),
                      std::string::npos)
                << text;
        });
    }
}

// An Impact Character of several, named in the plural ("they"): no report gives them a verb or a
// possessive of one.
TEST_F(RealReports, AnImpactCharacterOfSeveralReadsInThePlural) {
    WithStoryform(kContrastingStoryforms[0].number, [&](StandInStory& made, ReportComposer& built) {
        CharacterManager& characters = made.Characters();
        CharInfoRec* impact = characters.GetCharacter(characters.GetImpactCharacter());
        ASSERT_NE(impact, nullptr);
        impact->SetName("The Spirits");
        impact->SetForm(kPluralForm);
        impact->SetSWIntro("A face in the knocker");
        impact->SetSWDismiss("The last one points to a grave");
        // The name or the pronoun as the subject of a sentence, a clause or a line, with a verb of
        // one (the lines run together with blanks between).
        const std::regex singular(
            R"((?:^|[.;:!?] |  |\band |\bwhile |\bbut )(The Spirits|They) (is|was|has|does|[a-z]+[^s'u]s)\b)"
            R"(|Spirits's)");
        ExpectNoReportReads(built, made, singular);
    });
}

// A Main Character of several, named in the plural ("they"): no report gives them a verb or a
// possessive of one, wherever the name or the pronoun stands.
TEST_F(RealReports, AMainCharacterOfSeveralReadsInThePlural) {
    WithStoryform(kContrastingStoryforms[1].number, [&](StandInStory& made, ReportComposer& built) {
        CharacterManager& characters = made.Characters();
        CharInfoRec* main = characters.GetCharacter(characters.GetMainCharacter());
        ASSERT_NE(main, nullptr);
        main->SetName("The Twins");
        main->SetForm(kPluralForm);
        main->SetSWIntro("A knock at the door");
        main->SetSWDismiss("A boat at dawn");
        // The name or the pronoun as a subject (at the start of a sentence, a clause or a line, or
        // after "what" or "how"), with a verb of one, or after a verb of one in a question.
        const std::regex singular(
            R"((?:^|[.;:!?] |  |, |\band |\bwhile |\bbut |\bwhat |\bhow )(The Twins|[Tt]hey) )"
            R"((is|was|has|does|[a-z]+[^s'u]s)\b|\b(Is|Does|Has|Was|does|has) (The Twins|they)\b|Twins's)");
        ExpectNoReportReads(built, made, singular);
    });
}

// The analysis information names the author only when the story has one; the comments report
// shows the writer's comments.
TEST_F(RealReports, TheAnalysisNamesOnlyAnAuthorThereIsAndTheCommentsReportShowsTheComments) {
    ReportComposer built(&owner, story.get(), &story->StoryForm(), &story->Scenes());
    built.SetReportTemplates(std::make_unique<DataFileTemplates>(data_));
    EXPECT_EQ(Read(built, *story, 34).find("Author:"), std::string::npos);
    story->GetInfoRecord().SetEntry("Author", kPTextText, StoredText("A. {Writer}").c_str());
    EXPECT_NE(Read(built, *story, 34).find("Author: A. {Writer} "), std::string::npos);

    const std::string none = Read(built, *story, 3);
    story->GetInfoRecord().SetEntry("Comments", kPTextText,
                                    StoredText("Move the {storm} to act two.").c_str());
    const std::string some = Read(built, *story, 3);
    EXPECT_NE(some.find("Move the {storm} to act two."), std::string::npos) << some;
    EXPECT_EQ(none.find("Move the"), std::string::npos);
}

// The Kitchen Sink titles each of its sections once, and tells the scenes' treatment once.
TEST_F(RealReports, TheKitchenSinkTitlesEachSectionOnceAndTellsTheTreatmentOnce) {
    WithStoryform(kContrastingStoryforms[1].number, [&](StandInStory& made, ReportComposer& built) {
        SceneManager& scenes = made.Scenes();
        Scene& scene = *scenes.SceneAt(scenes.InsertScene(0));
        scene.SetTitle("The harbour");
        scene.SetDescription("Mara waits on the quay for the ferry that never comes.");
        built.ResetText();
        built.BuildReportSection(20, ReportTitle(20, &made).c_str());
        const std::string text = ExpandReportText(&made, built.GetText(), nullptr, false);
        const auto count = [&text](const std::string& part) {
            std::size_t found = 0;
            for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
                ++found;
            return found;
        };
        int titled = 0;
        for (const ReportCatalogueEntry& entry : ReportCatalogue()) {
            if (!entry.IsReport()) continue;
            const std::string label = ReportEntryLabel(entry, &made);
            const std::size_t times = count(Code("U+") + Code("B+") + label + Code("B-"));
            // Its own bold title, once, stands for the themes' name.
            if (entry.reportId == 15) {
                EXPECT_EQ(count(Code("B+") + label), 1u);
                continue;
            }
            EXPECT_LE(times, 1u) << label;
            titled += times == 1u ? 1 : 0;
        }
        EXPECT_GE(titled, 21) << "the sink's own sections less the themes";
        const std::string plain = PlainReportText(&made, built.GetText(), true);
        const std::string told = "Mara waits on the quay";
        ASSERT_NE(plain.find(told), std::string::npos);
        EXPECT_EQ(plain.find(told), plain.rfind(told)) << "the treatment is told once";
    });
}

// After a storytelling block the sentence goes on at the start of its line, with no blank before it.
TEST_F(RealReports, AfterAStorytellingBlockNoLineStartsWithABlank) {
    WithStoryform(kContrastingStoryforms[2].number, [&](StandInStory& made, ReportComposer& built) {
        TellEverything(made);
        built.SetShowStorytelling(1);
        const std::string afterBlock = "\n\n" + Code("M(0,0,0)") + " ";
        for (const ReportCatalogueEntry& entry : ReportCatalogue()) {
            if (!entry.IsReport()) continue;
            built.ResetText();
            built.BuildReportSection(static_cast<std::int16_t>(entry.reportId), "");
            const std::string text = ExpandReportText(&made, built.GetText(), nullptr, false);
            const std::size_t at = text.find(afterBlock);
            EXPECT_EQ(at, std::string::npos)
                << entry.name << ": " << text.substr(at == std::string::npos ? 0 : at, 80);
        }
    });
}

// The Story Points Output gives the Impact Character's resolve its value, the opposite of the Main
// Character's, and defines it as the Impact Character's own, in the line and in the printed row's
// value cell, as every dynamic's row has them.
TEST_F(RealReports, TheStoryPointsOutputGivesTheImpactCharactersResolveItsValue) {
    StoryPointDescription row;
    ASSERT_TRUE(DataFileTemplates(data_).ReadDescription(111, row));
    EXPECT_EQ(row.code, "ResOC");
    EXPECT_EQ(row.kind, 0) << "a line with the value and its definition, so the row's value cell holds it";
    std::string name = PlainReportText(story.get(), row.name.c_str(), false);
    while (!name.empty() && name.back() == '\n') name.pop_back();
    struct Case {
        bool steadfast;
        const char* main;    // the Main Character's resolve line
        const char* impact;  // the Impact Character's
    };
    const Case cases[] = {
        {false, "Resolve: Change (", "Steadfast (the Impact Character holds to the stance taken at the start"},
        {true, "Resolve: Steadfast (", "Change (the Impact Character abandons the stance held at the start"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.steadfast ? "Steadfast" : "Change");
        WithStoryform(WithDynamics(c.steadfast, false), [&](StandInStory& made, ReportComposer& built) {
            const std::string text = Read(built, made, 6);
            EXPECT_NE(text.find(c.main), std::string::npos) << text;
            EXPECT_NE(text.find(name + ": " + c.impact), std::string::npos) << name << ": " << text;
            EXPECT_EQ(text.find("unchosen"), std::string::npos) << text;
            // The heading it stands under names it.
            std::istringstream lines(Read(built, made, 6, false));
            std::string heading;
            for (std::string line; std::getline(lines, line) && !line.starts_with("\x95 " + name + ": ");)
                if (!line.empty() && line[0] != '\x95') heading = line;
            EXPECT_NE(heading.find("Resolve"), std::string::npos) << heading;
        });
    }
}

// The Story Points Output gives each throughline's position its place in the quad and its home
// class the class, as the story points window does; neither line is without a value.
TEST_F(RealReports, TheStoryPointsOutputGivesEachPositionItsPlaceAndEachHomeClassItsClass) {
    WithStoryform(kContrastingStoryforms[1].number, [&](StandInStory& made, ReportComposer& built) {
        const std::string text = Read(built, made, 6);
        for (int throughline = 0; throughline < 4; ++throughline) {
            SCOPED_TRACE("throughline " + std::to_string(throughline));
            for (const int offset : {kPositionOffset, kHomeClassOffset}) {
                const int index = ThroughlineStoryPointIndex(throughline, offset);
                const std::string value = StoryPointValueText(index, made.StoryForm().GetValueAt(index));
                ASSERT_FALSE(value.empty());
                StoryPointDescription row;
                bool found = false;
                for (std::int16_t number = 3; number <= 118 && !found; ++number)
                    found = DataFileTemplates(data_).ReadDescription(number, row) &&
                            row.code == StoryPointAt(index)->code;
                ASSERT_TRUE(found) << StoryPointAt(index)->code;
                std::string name = PlainReportText(&made, row.name.c_str(), false);
                while (!name.empty() && name.back() == '\n') name.pop_back();
                EXPECT_NE(text.find(name + ": " + value + " ("), std::string::npos) << name << ": " << value;
            }
        }
    });
}

// Character Relationships as the writer reads it: a character without an entrance, an exit or a
// relationship leaves no empty lines where they would stand.
TEST_F(RealReports, TheRelationshipsLeaveNoBlankLinesForWhatACharacterLacks) {
    CharacterManager& characters = story->Characters();
    CharInfoRec* pia = characters.GetCharacter(characters.CreateCharacter("Pia", 1, 1, 0, 0, false));
    CharInfoRec* quin = characters.GetCharacter(characters.CreateCharacter("Quin", 0, 1, 0, 0, false));
    ASSERT_TRUE(pia && quin);
    quin->SetSWDismiss("Quin is never seen again");
    ReportComposer built(&owner, story.get(), &story->StoryForm(), &story->Scenes());
    built.SetReportTemplates(std::make_unique<DataFileTemplates>(data_));
    built.BuildReportSection(27, ReportTitle(27, story.get()).c_str());
    // As shown when the writer keeps blank lines.
    const std::string text = PlainReportText(story.get(), built.GetText(), false);
    EXPECT_NE(text.find("Character: Mara\n\nMara, entering the story:\nMara arrives by the night train\n\n"
                        "Mara, leaving the story:\nMara sails away at dawn\n\nMara and Otto\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("Character: Otto\n\nOtto and Mara\n"), std::string::npos) << text;
    EXPECT_NE(text.find("Character: Pia\n\nCharacter: Quin\n\nQuin, leaving the story:\nQuin is never seen "
                        "again\n"),
              std::string::npos)
        << text;
    EXPECT_EQ(text.find("\n\n\n\n"), std::string::npos) << text;
}

// A report that opens with a heading of its own is headed with the name the writer chose it by.
TEST_F(RealReports, EveryReportsOwnHeadingIsItsNameInTheCatalogue) {
    ReportComposer built(&owner, story.get(), &story->StoryForm(), &story->Scenes());
    built.SetReportTemplates(std::make_unique<DataFileTemplates>(data_));
    const std::string open = Code("U+") + Code("B+");
    int headed = 0;
    for (const ReportCatalogueEntry& entry : ReportCatalogue()) {
        // The Kitchen Sink opens with the heading of the first report it holds, the Plot Progression
        // with that of its first throughline.
        if (!entry.IsReport() || entry.reportId == 20 || entry.reportId == 11) continue;
        built.ResetText();
        built.BuildReportSection(static_cast<std::int16_t>(entry.reportId), "");
        const std::string text = ExpandReportText(story.get(), built.GetText(), nullptr, false);
        if (!StartsWith(text, open)) continue;
        ++headed;
        EXPECT_EQ(text.substr(open.size(), text.find(Code("B-")) - open.size()),
                  ReportEntryLabel(entry, story.get()));
    }
    EXPECT_GE(headed, 25);
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


// While the resolve or the judgment is not chosen, the two characters' verdicts (whose way was
// right, who fares better giving it up, whether the effort succeeds and the problem is resolved)
// are not given as though the second value had been chosen: the reports say they are not chosen.
TEST_F(RealReports, TheCharacterVerdictsSayWhatIsNotChosenYetInsteadOfGuessingIt) {
    ReportComposer built(&owner, story.get(), &story->StoryForm(), &story->Scenes());
    built.SetReportTemplates(std::make_unique<DataFileTemplates>(data_));
    const char* const guesses[] = {"own way that turns out to be right:", "own way that turns out to be wrong:",
                                   "off giving it up than holding to it", "seeing things, and it was",
                                   ", and Mara resolves", "fails to resolve", "failed to resolve",
                                   "succeeded in resolving", "does not fit the pull", "does fit the pull",
                                   "effort does not succeed", "effort does succeed"};
    // What the outcome chosen settles: what comes of the effort.
    const auto expectNoGuess = [&](const char* stage, std::string_view settled = {}) {
        SCOPED_TRACE(stage);
        const std::string themes = Read(built, *story, 15), characters = Read(built, *story, 25);
        for (const char* guess : guesses) {
            EXPECT_EQ(themes.find(guess), std::string::npos) << guess << ": " << themes;
            if (guess != settled) {
                EXPECT_EQ(characters.find(guess), std::string::npos) << guess << ": " << characters;
            }
        }
        EXPECT_NE(themes.find("Whether in this story it is the Main Character's own way that turns out to be "
                              "right or wrong, and so whether the Main Character is better or worse off giving "
                              "it up, is not chosen yet. The impact of Otto is made"),
                  std::string::npos)
            << themes;
        EXPECT_NE(characters.find("Whether the Main Character's growth fits the pull of the story is not chosen "
                                  "yet: it rests on her resolve, "),
                  std::string::npos)
            << characters;
        const std::string unsettled = settled.empty() ? "In the end, what comes of the story's effort and of the Main "
                                                        "Character's personal problem, and which of the two had it "
                                                        "right, rest on the story's outcome and her judgment, "
                                                        "both not chosen yet, and on her resolve."
                                                      : "In the end, the story's effort does not succeed, but what "
                                                        "comes of the Main Character's personal problem, and which "
                                                        "of the two had it right, rest on her judgment, which is "
                                                        "not chosen yet, and on the Main Character's resolve, "
                                                        "Change.";
        EXPECT_NE(characters.find(unsettled), std::string::npos) << characters;
        // The closing sentence names only what is chosen of the end: nothing, in a new story.
        const std::size_t soFar = characters.find("So far, ");
        EXPECT_EQ(soFar == std::string::npos, settled.empty()) << characters;
        if (soFar != std::string::npos) {
            EXPECT_EQ(characters.find("not chosen yet", soFar), std::string::npos) << characters;
        }
    };
    expectNoGuess("a new story");
    // Resolve and outcome chosen, growth, judgment and limit not.
    story->StoryForm().SetChoice(DynamicPointID(kResolve), DynamicValue(kResolve, 0));
    story->StoryForm().SetChoice(DynamicPointID(kOutcome), DynamicValue(kOutcome, 1));
    ASSERT_TRUE(story->StoryForm().IsChange());
    ASSERT_TRUE(story->StoryForm().IsFailure());
    expectNoGuess("resolve and outcome chosen", "effort does not succeed");
    EXPECT_NE(Read(built, *story, 25)
                  .find("So far, the story's outcome is Failure and the Main Character's resolve is Change."),
              std::string::npos)
        << Read(built, *story, 25);
}


// The Main Character in plain words gives no dynamic that is not chosen yet (the second of its two
// values, as once it did: "must hold firm", an effort that will Fail, a Decision, Options, what
// holds the character back): it says that the dynamic is not chosen, once, and tells the rest.
TEST_F(RealReports, TheSimpleMainCharacterSaysWhichDynamicsAreNotChosenYet) {
    ReportComposer built(&owner, story.get(), &story->StoryForm(), &story->Scenes());
    built.SetReportTemplates(std::make_unique<DataFileTemplates>(data_));
    const char* const resolveUnchosen[] = {
        "Whether Mara will have to change over the course of the story or hold firm is not chosen yet. Either "
        "way, she must ",
        "To grow, Mara would have to stop fixing on ", "To hold firm instead, Mara would have to keep facing ",
        ", and in the end, the story turns on its solution if the Main Character changes, or on its problem if "
        "the Main Character holds firm."};
    const char* const driverAndLimitUnchosen[] = {
        "In the story at large, whether what moves things forward is the need to take Action or to make a "
        "Decision is not chosen yet.  Each time the characters meet that need the story steps forward, and "
        "whether it draws to its end as it runs short of Time or of Options is not chosen yet.",
        // The story's end, told of neither.
        "Everyone in the story is troubled by a problem not chosen yet.  Resolve. "};
    const char* const judgmentUnchosen = "Resolve. What spurs Mara on is not chosen yet, and in the end";
    const char* const outcomeUnchosen =
        "Outcome. Whether the story's effort will Succeed or Fail is not chosen yet and whether for Mara the end "
        "is Good or Bad is not chosen yet.";
    const char* const guesses[] = {"and must hold firm", "To hold firm, Mara", "the Main Character continues",
                                   "the need to make a Decision.", "characters make a Decision the story",
                                   "runs short of Options.", "runs out of Options,", "end is to make a Decision.",
                                   "What holds Mara back", "effort will Fail"};
    const auto expectIn = [](const std::string& text, const char* words) {
        EXPECT_NE(text.find(words), std::string::npos) << words << " in " << text;
    };
    const std::string fresh = Read(built, *story, 61);
    for (const char* guess : guesses) EXPECT_EQ(fresh.find(guess), std::string::npos) << guess << ": " << fresh;
    for (const char* words : resolveUnchosen) expectIn(fresh, words);
    for (const char* words : driverAndLimitUnchosen) expectIn(fresh, words);
    expectIn(fresh, judgmentUnchosen);
    expectIn(fresh, outcomeUnchosen);

    // Resolve, outcome and limit chosen: their own sentences, and still no guess at the others.
    story->StoryForm().SetChoice(DynamicPointID(kResolve), DynamicValue(kResolve, 1));
    story->StoryForm().SetChoice(DynamicPointID(kOutcome), DynamicValue(kOutcome, 1));
    story->StoryForm().SetChoice(DynamicPointID(kLimit), DynamicValue(kLimit, 1));
    ASSERT_TRUE(story->StoryForm().IsSteadfast());
    ASSERT_TRUE(story->StoryForm().IsFailure());
    ASSERT_TRUE(story->StoryForm().IsOptionlock());
    const std::string partly = Read(built, *story, 61);
    for (const char* words : {"and must hold firm", "To hold firm, Mara must keep facing ", "effort will Fail",
                              "and in the end the Main Character continues as the story turns on ",
                              "and it draws to its end as it runs short of Options.",
                              "The story will end when it runs out of Options.  Resolve."})
        expectIn(partly, words);
    for (const char* guess : {"the need to make a Decision.", "characters make a Decision the story",
                              "end is to make a Decision.", "What holds Mara back"})
        EXPECT_EQ(partly.find(guess), std::string::npos) << guess << ": " << partly;
    expectIn(partly, "In the story at large, whether what moves things forward is the need to take Action or to "
                     "make a Decision is not chosen yet.  Each time the characters meet that need the story "
                     "steps forward, and it draws");
    expectIn(partly, judgmentUnchosen);
    for (const char* words : resolveUnchosen) EXPECT_EQ(partly.find(words), std::string::npos) << words;
    EXPECT_EQ(partly.find("Whether the story's effort"), std::string::npos) << partly;
}


// The Plot Dynamics give no dynamic that is not chosen yet (the second of its two values, as once
// they did: a Timelock, a goal NOT reached, an unfavorable end, a Decision's words): they say which
// are not chosen, once, in the dynamic's own paragraph, and the summary tells the rest.
TEST_F(RealReports, ThePlotDynamicsSayWhichDynamicsAreNotChosenYet) {
    ReportComposer built(&owner, story.get(), &story->StoryForm(), &story->Scenes());
    built.SetReportTemplates(std::make_unique<DataFileTemplates>(data_));
    const auto expectIn = [](const std::string& text, const char* words) {
        EXPECT_NE(text.find(words), std::string::npos) << words << " in " << text;
    };
    const auto expectNotIn = [](const std::string& text, const char* words) {
        EXPECT_EQ(text.find(words), std::string::npos) << words << " in " << text;
    };
    // Each dynamic not chosen yet: what its paragraph says, and what the summary said of it once.
    const char* const driverUnchosen[] = {
        "Driver. The plot moves at its turning points. Whether what drives it from one to the next is Action or "
        "Decision is not chosen yet.  Limit.",
        "Whether the story is driven by Action or by Decision"};
    const char* const limitUnchosen[] = {
        "Limit. The story cannot go on forever: it has a limited supply of time or of options. Whether the story "
        "has a Timelock or an Optionlock is not chosen yet.  Outcome.",
        "Whether it ends when Time has run out or when all Options have been exhausted"};
    const char* const outcomeUnchosen[] = {
        "Outcome. Whether the story's goal is reached, so that by the end Success has been achieved, or Failure "
        "has occurred, is not chosen yet.  Judgment.",
        "Whether the effort ends in Success or in Failure"};
    const char* const judgmentUnchosen[] = {
        "Judgment. Whether the Main Character's personal anguish is resolved in the end or left unresolved is not "
        "chosen yet.",
        "whether for the Main Character the end is Good or Bad"};
    const char* const guesses[] = {"unchosen", "a step made", "decisions would never", "actions would never",
                                   "calls for actions", "calls for decisions", "so the story has a",
                                   "running short", "has run out.", "goal is NOT", "goal is reached:",
                                   "ends in Failure",
                                   "ends as it must", "favorable for the Main Character.", "the end is Bad"};
    const auto expectSaidOnce = [&](const std::string& text, const char* const unchosen[2]) {
        expectIn(text, unchosen[0]);
        expectNotIn(text, unchosen[1]);
    };
    // Nothing chosen: nothing to sum up.
    const std::string fresh = Read(built, *story, 18);
    for (const char* guess : guesses) expectNotIn(fresh, guess);
    for (const auto* unchosen : {driverUnchosen, limitUnchosen, outcomeUnchosen, judgmentUnchosen})
        expectSaidOnce(fresh, unchosen);
    expectNotIn(fresh, "In short.");

    // Driver and outcome chosen, limit and judgment not.
    story->StoryForm().SetChoice(DynamicPointID(kDriver), DynamicValue(kDriver, 1));
    story->StoryForm().SetChoice(DynamicPointID(kOutcome), DynamicValue(kOutcome, 1));
    ASSERT_TRUE(story->StoryForm().IsDecision());
    ASSERT_TRUE(story->StoryForm().IsFailure());
    const std::string half = Read(built, *story, 18);
    for (const char* words :
         {"each turning point is a step made. In answer, the characters respond and ultimately take action.",
          "or an Optionlock is not chosen yet.  Outcome. The story's goal is NOT reached: by the end, Failure "
          "has occurred.  Judgment. Whether the Main Character's personal anguish",
          "In short. The story is driven by Decision, and each step it takes calls for actions to be taken.  The "
          "effort ends in Failure."})
        expectIn(half, words);
    for (const auto* unchosen : {limitUnchosen, judgmentUnchosen}) expectSaidOnce(half, unchosen);
    for (const char* guess : {"unchosen", "so the story has a", "ends as it must", "favorable for the Main "
                              "Character."})
        expectNotIn(half, guess);

    // The other two chosen (an Optionlock and a Bad end), driver and outcome not.
    story->StoryForm().SetChoice(DynamicPointID(kDriver), 0);
    story->StoryForm().SetChoice(DynamicPointID(kOutcome), 0);
    story->StoryForm().SetChoice(DynamicPointID(kLimit), DynamicValue(kLimit, 1));
    story->StoryForm().SetChoice(DynamicPointID(kJudgment), DynamicValue(kJudgment, 1));
    ASSERT_TRUE(story->StoryForm().IsOptionlock());
    ASSERT_TRUE(story->StoryForm().IsBad());
    ASSERT_FALSE(story->StoryForm().IsDecision());
    ASSERT_FALSE(story->StoryForm().IsFailure());
    const std::string other = Read(built, *story, 18);
    for (const char* words :
         {"it has a limited supply of options, and so the story has an Optionlock.",
          "as their options are running short.  Outcome. Whether the story's goal is reached",
          "Judgment. For the story as a whole, however the plot ends, the Main Character's personal anguish is "
          "left unresolved.  In short. The story ends when all Options have been exhausted.  For the Main Character the "
          "end is Bad."})
        expectIn(other, words);
    for (const auto* unchosen : {driverUnchosen, outcomeUnchosen}) expectSaidOnce(other, unchosen);
    for (const char* guess : {"unchosen", "a step made", "calls for actions", "goal is NOT", "ends as it must"})
        expectNotIn(other, guess);
}


// Nor does it give a growth or an approach not chosen yet ("must an unchosen item doing something",
// "the answer is that of a an unchosen item"): it says which is not chosen, whatever the resolve.
TEST_F(RealReports, TheSimpleMainCharacterSaysWhenTheGrowthOrTheApproachIsNotChosenYet) {
    ReportComposer built(&owner, story.get(), &story->StoryForm(), &story->Scenes());
    built.SetReportTemplates(std::make_unique<DataFileTemplates>(data_));
    const char* const approachUnchosen =
        "Approach. When trouble comes, whether her answer is that of a Do-er or of a Be-er is not chosen yet.";
    const auto expectRead = [&](const char* stage, std::initializer_list<const char*> sentences) {
        SCOPED_TRACE(stage);
        const std::string text = Read(built, *story, 61);
        for (const char* guess : {"must an unchosen item", "that of a an unchosen item"})
            EXPECT_EQ(text.find(guess), std::string::npos) << guess << " in " << text;
        for (const char* words : sentences) EXPECT_NE(text.find(words), std::string::npos) << words << " in " << text;
    };
    expectRead("a new story", {"Whether Mara will have to change over the course of the story or hold firm is not "
                               "chosen yet. Either way, she must Start or Stop doing something, and which of the "
                               "two is not chosen yet either.",
                               approachUnchosen});
    story->StoryForm().SetChoice(DynamicPointID(kResolve), DynamicValue(kResolve, 0));
    ASSERT_TRUE(story->StoryForm().IsChange());
    expectRead("a changing character", {"Mara will have to change over the course of the story. Whether, to do "
                                        "it, she must Start or Stop doing something is not chosen yet.",
                                        approachUnchosen});
    story->StoryForm().SetChoice(DynamicPointID(kResolve), DynamicValue(kResolve, 1));
    ASSERT_TRUE(story->StoryForm().IsSteadfast());
    expectRead("a steadfast character", {"Mara will be tested again and again, and must hold firm. Whether the "
                                         "pressure builds until she must Start or Stop doing something just to "
                                         "keep ",
                                         " footing is not chosen yet.", approachUnchosen});

    // Growth and approach chosen: their own sentences, as for a whole storyform.
    story->StoryForm().SetChoice(DynamicPointID(kGrowth), DynamicValue(kGrowth, 0));
    story->StoryForm().SetChoice(DynamicPointID(kApproach), DynamicValue(kApproach, 0));
    ASSERT_TRUE(story->StoryForm().IsStop());
    ASSERT_TRUE(story->StoryForm().IsDoer());
    expectRead("growth and approach chosen", {"Mara will be tested again and again, and must hold firm. The "
                                              "pressure builds until ",
                                              " must Stop doing something just to keep ", " answer is that of a Do-er."});
    story->StoryForm().SetChoice(DynamicPointID(kResolve), 0);
    expectRead("the resolve not chosen", {"or hold firm is not chosen yet. Either way, she must Stop "
                                          "doing something."});
}


// The Main Character's theme paragraph gives no word that rests on a dynamic not chosen yet (a
// deficiency, waiting until all the pieces are in place, being indispensable, preventing the story's
// problem from being resolved): it says what is not chosen, and gives what is.
TEST_F(RealReports, TheMainCharacterThemesSayWhatIsNotChosenYetInsteadOfTakingTheSecondWords) {
    ReportComposer built(&owner, story.get(), &story->StoryForm(), &story->Scenes());
    built.SetReportTemplates(std::make_unique<DataFileTemplates>(data_));
    const char* const growthUnchosen[] = {
        " own nature, or what pulls the Main Character is a deficiency of it, is not chosen yet. ",
        "What the trouble is at bottom is not chosen yet, and what catches her eye is not chosen yet"};
    // The question rests on four dynamics: those chosen are named; a growth not chosen (null), said to
    // be so in the sentence before, is not said so again.
    const auto questionUnchosen = [](const char* growth, const char* resolve, const char* judgment) {
        return std::string("The question the story puts to the Main Character rests on her growth") +
               (growth ? std::string(" (") + growth + ")" : "") + ", resolve (" + resolve + ") and judgment (" +
               judgment + ") and on the story's limit (not chosen yet). ";
    };
    const std::string noQuestion = questionUnchosen(nullptr, "not chosen yet", "not chosen yet");
    const char* const fitUnchosen =
        "Whether the Main Character's way of going about things fits the story's driver, and so whether the "
        "others resist it or avoid it, is not chosen yet. ";
    const char* const guesses[] = {"What pulls the Main Character is a deficiency", "trouble is a deficiency of",
                                   "until all the pieces are in place?", "indispensable", "also interested in",
                                   "meeting her lack", "meeting his lack", "meeting their lack", "strengthened in "};
    const auto expectRead = [&](const char* stage, std::initializer_list<std::string> sentences) {
        SCOPED_TRACE(stage);
        const std::string text = Read(built, *story, 28);
        for (const std::string& words : sentences)
            EXPECT_NE(text.find(words), std::string::npos) << words << " in " << text;
        return text;
    };
    const auto expectNoGuess = [&](const std::string& text) {
        for (const char* guess : guesses) EXPECT_EQ(text.find(guess), std::string::npos) << guess << " in " << text;
    };
    const std::string fresh = expectRead(
        "a new story", {growthUnchosen[0], growthUnchosen[1], noQuestion, fitUnchosen,
                        "Whether holding on to ", " trouble or letting go of it sees the story's problem resolved "
                        "is not chosen yet. The Main Character is strengthened by what spurs "});
    expectNoGuess(fresh);
    // Nor is an open point set against another open point, in the Overall Story's themes either.
    EXPECT_NE(Read(built, *story, 22).find("is not chosen yet, and the symptom the characters keep their eyes on "
                                           "is not chosen yet"),
              std::string::npos)
        << Read(built, *story, 22);
    EXPECT_EQ(fresh.find("sees the story's problem resolved"),
              fresh.find("sees the story's problem resolved is not chosen yet"))
        << fresh;

    // Resolve and judgment chosen (a Main Character who changes to a good end): the effect is told.
    story->StoryForm().SetChoice(DynamicPointID(kResolve), DynamicValue(kResolve, 0));
    story->StoryForm().SetChoice(DynamicPointID(kJudgment), DynamicValue(kJudgment, 0));
    ASSERT_TRUE(story->StoryForm().IsChange());
    ASSERT_TRUE(story->StoryForm().IsGood());
    expectNoGuess(expectRead("resolve and judgment chosen",
               {growthUnchosen[0], growthUnchosen[1], questionUnchosen(nullptr, "Change", "Good"),
                fitUnchosen,
                "Letting go of ", " trouble eases ", " own trouble, though whether it sees the story's problem "
                "resolved is not chosen yet. The Main Character is strengthened by what spurs "}));

    // Growth, approach and driver chosen too, the limit not: the question still waits on it.
    story->StoryForm().SetChoice(DynamicPointID(kGrowth), DynamicValue(kGrowth, 0));
    story->StoryForm().SetChoice(DynamicPointID(kApproach), DynamicValue(kApproach, 0));
    story->StoryForm().SetChoice(DynamicPointID(kDriver), DynamicValue(kDriver, 0));
    ASSERT_TRUE(story->StoryForm().IsStop());
    ASSERT_TRUE(story->StoryForm().IsDoer());
    ASSERT_TRUE(story->StoryForm().IsAction());
    const std::string question = questionUnchosen("Stop", "Change", "Good");
    const std::string most = expectRead(
        "all but the limit chosen",
        {"What drives the Main Character is an over abundance of something in ", question,
         "Set beside the story's driver, the Main Character is also interested in working on the story's terms, and "
         "so is indispensable as events unfold, while the others resist ",
         "At bottom the trouble is an over abundance of ", " excess eases ", " own trouble, though whether it "
         "sees the story's problem resolved is not chosen yet. The Main Character is strengthened in what spurs "});
    EXPECT_EQ(most.find("deficiency"), std::string::npos) << most;
    // Past the question no dynamic but the outcome is said to be not chosen (the story points are).
    const std::string past = most.substr(most.find(question) + question.size());
    for (const char* dynamic : {"fits the story's driver", "an over abundance or a deficiency", "or lets go of it"})
        EXPECT_EQ(past.find(dynamic), std::string::npos) << dynamic << " in " << past;
    EXPECT_NE(past.find("whether it sees the story's problem resolved is not chosen yet"), std::string::npos);
}

// A whole storyform's paragraphs say nothing is missing: every dynamic is chosen.
TEST_F(RealReports, TheMainCharacterReportsOfAWholeStoryformSayNothingIsNotChosen) {
    for (const bool steadfast : {false, true}) {
        WithStoryform(WithDynamics(steadfast, !steadfast), [&](StandInStory& made, ReportComposer& built) {
            for (const std::int16_t id : {28, 61}) {
                const std::string text = Read(built, made, id);
                EXPECT_EQ(text.find("not chosen yet"), std::string::npos) << id << ": " << text;
                EXPECT_EQ(text.find("unchosen"), std::string::npos) << id << ": " << text;
            }
            EXPECT_NE(Read(built, made, 28).find("That is the question the story puts to "), std::string::npos);
        });
    }
}

}  // namespace
