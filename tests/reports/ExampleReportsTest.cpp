// The reports of the example stories the build makes, as a writer reads them: each story opened
// through the story document with its storyform down to one, and every report of the catalogue
// composed over it with the application data file's templates, plain and with the storytelling
// woven in. Every act of the plot sequence lists the variations that belong to its own signpost's
// type (as the theory's table has them), the impact character's resolve reads as the opposite of
// the main character's wherever a report names it, no report speaks of a choice not made, and
// every report reads true to the example's storyform.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "ComposedProse.h"
#include "app/StoryAppFixture.h"
#include "reports/IOutlineWindow.h"
#include "reports/ReportCatalogue.h"
#include "reports/ReportComposer.h"
#include "reports/ReportText.h"
#include "storymodel/SceneManager.h"
#include "storymodel/TextMacroExpander.h"
#include "storymodel/engine/Dynamics.h"
#include "storymodel/engine/ElementTable.h"
#include "storymodel/engine/StoryFormManager.h"
#include "storymodel/engine/StoryPointTable.h"

namespace {

using namespace apptest;
namespace fs = std::filesystem;

class VocabularyOwner : public IOutlineWindow {
public:
    PText* GetReportOptions() override { return nullptr; }
    std::int16_t GetVocabularyOption() override { return vocabulary; }
    std::int16_t vocabulary = 0;
};

class ExampleReports : public StoryAppTest {
protected:
    // Runs the test over each example story the build made, opened from a copy of its own (one
    // story at a time, as the program keeps them).
    void ForEachExample(const std::function<void(FKDoc&)>& test) {
        std::vector<fs::path> built;
        for (const auto& entry : fs::directory_iterator(builtFolder + "/examples"))
            if (entry.path().extension() == ".fsf") built.push_back(entry.path());
        std::sort(built.begin(), built.end());
        EXPECT_GE(built.size(), 6u);
        for (const fs::path& path : built) {
            const std::string name = path.filename().string();
            SCOPED_TRACE(name);
            fs::copy_file(path, Path(name), fs::copy_options::overwrite_existing);
            FKDoc* story = OpenStory(name);
            ASSERT_NE(story, nullptr) << name;
            test(*story);
            composer_.reset();
            story->SetClean();
            application->CloseAll(true);
        }
    }
    ReportComposer& ComposerOf(FKDoc& story) {
        composer_ = std::make_unique<ReportComposer>(&owner, &story, story.GetStoryFormManager(),
                                                     story.GetSceneManager());
        return *composer_;
    }
    // The report's text as the writer reads it: its macros expanded, without its style codes.
    std::string Report(FKDoc& story, std::int16_t id, std::int16_t storytelling) {
        ReportComposer& composer = ComposerOf(story);
        composer.SetShowStorytelling(storytelling);
        composer.BuildReportSection(id, ReportTitle(id, &story).c_str());
        return PlainReportText(&story, composer.GetText(), true);
    }

    VocabularyOwner owner;

private:
    std::unique_ptr<ReportComposer> composer_;
};

// The variations of the type as the theory's table has them: the elements whose codes lie beneath
// the type's code.
std::set<std::int16_t> VariationsOfType(std::int16_t type) {
    const std::string code = ElementRecordByID(type)->code;
    std::set<std::int16_t> variations;
    for (std::int16_t id = kFirstVariationID; id < kFirstElementID; ++id) {
        const std::string variation = ElementRecordByID(id)->code;
        if (variation.compare(0, 2, code, 0, 2) == 0) variations.insert(id);
    }
    return variations;
}

TEST_F(ExampleReports, EveryActOfThePlotSequenceListsTheVariationsOfItsOwnSignpost) {
    // "{SNF(v)}) ... is explored in terms of {SNF(a)}, {SNF(b)}, {SNF(c)}, and {SNF(d)}."
    const std::regex act(
        R"(\(\{SNF\((\d+)\)\}\) (?:and )?is explored in terms of \{SNF\((\d+)\)\}, \{SNF\((\d+)\)\}, )"
        R"(\{SNF\((\d+)\)\}, and \{SNF\((\d+)\)\}\.)");
    ForEachExample([&](FKDoc& story) {
        for (std::int16_t throughline = 0; throughline < 4; ++throughline) {
            ReportComposer& composer = ComposerOf(story);
            composer.BuildActSummary(throughline);
            const std::string text = composer.GetText();
            std::vector<std::int16_t> signposts;
            for (auto match = std::sregex_iterator(text.begin(), text.end(), act);
                 match != std::sregex_iterator(); ++match) {
                const auto signpost = static_cast<std::int16_t>(std::stoi((*match)[1]));
                std::set<std::int16_t> listed;
                for (int i = 2; i <= 5; ++i) listed.insert(static_cast<std::int16_t>(std::stoi((*match)[i])));
                EXPECT_EQ(listed, VariationsOfType(signpost))
                    << "throughline " << throughline << ", signpost " << ElementName(signpost);
                signposts.push_back(signpost);
            }
            // One sentence for each act, in the order of the signposts.
            std::vector<std::int16_t> expected;
            for (int offset = kSignpostOffset; offset < kSignpostOffset + 4; ++offset)
                expected.push_back(
                    story.GetStoryFormManager()->GetValueAt(ThroughlineStoryPointIndex(throughline, offset)));
            EXPECT_EQ(signposts, expected) << text;
        }
    });
}

TEST_F(ExampleReports, TheImpactCharactersResolveIsTheOppositeOfTheMainCharactersWhereverItIsNamed) {
    ForEachExample([&](FKDoc& story) {
        const std::int16_t resolve = story.GetStoryFormManager()->GetValue(DynamicPointID(kResolve));
        const std::string main = StoryPointName(resolve);
        const std::string impact = StoryPointName(ImpactResolveOf(resolve));
        ASSERT_NE(main, impact);
        // The reports that list the story's scenes with what each represents, and the one that holds
        // them all.
        for (const std::int16_t id : {49, 50, 20}) {
            const std::string text = Report(story, id, 0);
            const std::string label = "IC Resolve:";
            const std::size_t named = text.find(label);
            ASSERT_NE(named, std::string::npos) << id;
            const std::size_t value = text.find_first_not_of(' ', named + label.size());
            EXPECT_EQ(text.compare(value, impact.size() + 1, impact + "\n"), 0)
                << id << ": " << text.substr(named, 40);
        }
    });
}

TEST_F(ExampleReports, NoReportOfACompleteStoryformSpeaksOfAChoiceNotMade) {
    ForEachExample([&](FKDoc& story) {
        for (const std::int16_t storytelling : {0, 1}) {
            for (const ReportCatalogueEntry& entry : ReportCatalogue()) {
                if (!entry.IsReport()) continue;
                const auto id = static_cast<std::int16_t>(entry.reportId);
                const std::string text = Report(story, id, storytelling);
                EXPECT_EQ(text.find("unchosen"), std::string::npos) << entry.name << ": " << text;
                EXPECT_EQ(text.find("are not chosen yet."), std::string::npos) << entry.name;
                EXPECT_EQ(text.find("is not chosen yet."), std::string::npos) << entry.name;
                EXPECT_EQ(text.find('{'), std::string::npos) << entry.name;
            }
        }
    });
}

// The writer's storytelling follows the story point it tells: in the Simple Main Character of a
// changing Main Character, the symptom's text follows "stop fixing on" the symptom and the
// response's follows "stop answering it with" the response, whether the growth is Start or Stop.
TEST_F(ExampleReports, TheSymptomAndResponseAreEachFollowedByTheirOwnStorytelling) {
    int told = 0;
    ForEachExample([&](FKDoc& story) {
        if (!story.GetStoryFormManager()->IsChange()) return;
        const std::string text = Report(story, 61, 1);
        const auto plain = [&](const std::string& macro) {
            std::string words = PlainReportText(&story, macro.c_str(), true);
            while (!words.empty() && (words.back() == '\n' || words.back() == ' ')) words.pop_back();
            return words;
        };
        for (const auto& [lead, code] : {std::pair<std::string, std::string>{"must stop fixing on ", "MCFoc"},
                                         {"and stop answering it with ", "MCDir"}}) {
            const std::string mine = plain("{STF(" + code + ")}");
            if (mine.size() < 20) continue;
            const std::string named = lead + plain("{SNF(" + code + ")}") + ":";
            const std::size_t at = text.find(named);
            ASSERT_NE(at, std::string::npos) << named << "\n" << text;
            const std::size_t after = text.find_first_not_of('\n', at + named.size());
            EXPECT_EQ(text.compare(after, 20, mine, 0, 20), 0) << named << "\n" << text.substr(after, 80);
            ++told;
        }
    });
    EXPECT_GE(told, 4);  // both points, in at least two examples
}

// Every report of the examples reads true to the example's own storyform: what the Main
// Character's resolve comes to, the balance the Overall Story weighs, a verb of its own number
// after each item's name, and no name set off by a comma left open.
TEST_F(ExampleReports, EveryReportReadsTrueToTheExamplesStoryform) {
    ForEachExample([&](FKDoc& story) {
        StoryFormManager& form = *story.GetStoryFormManager();
        const std::string her = ExpandText(&story, "{PPN(MC,0,P1)}");
        const std::string sentence =
            std::string(composedprose::ResolveWords(form.IsSteadfast())) + " " + her +
            " first way of meeting " + her + (form.IsStop() ? " excess " : " lack ") +
            composedprose::ConsequenceWords(form.IsFailure(), form.IsBad(), her) + ".";
        const auto flat = [&](std::int16_t id) {
            std::string text = Report(story, id, 0);
            std::replace(text.begin(), text.end(), '\n', ' ');
            return text;
        };
        EXPECT_NE(flat(28).find(sentence), std::string::npos) << sentence;
        const std::string themes = flat(15);
        const auto name = [&](const char* code) {
            return ElementName(form.GetValueAt(StoryPointIndexForCode(code)));
        };
        EXPECT_EQ(composedprose::BalanceNames(themes),
                  (std::vector<std::string>{name("STRng"), name("STRng2")}))
            << themes;
        for (const ReportCatalogueEntry& entry : ReportCatalogue()) {
            if (!entry.IsReport()) continue;
            const std::string text = flat(static_cast<std::int16_t>(entry.reportId));
            for (const std::string& fault : composedprose::VerbAgreementFaults(text))
                ADD_FAILURE() << entry.name << ": " << fault;
            for (const std::string& fault : composedprose::UnclosedAppositions(text))
                ADD_FAILURE() << entry.name << ": " << fault;
        }
    });
}

}  // namespace
