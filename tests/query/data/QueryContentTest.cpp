// The query system's content as the build compiles it into the application data file, over a story
// of four characters, two relationships and five scenes: every question list expands and leads from
// the home page to the storyforming questions; every text of every page a list reaches is
// interpreted and expanded with no macro left over; the help of every such page is composed.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "QueryStoryFixture.h"
#include "datafiles/PageKeywordCheck.h"
#include "foundation/FileRef.h"
#include "query/FQSHelpSources.h"
#include "query/FQSHelpText.h"
#include "query/data/FQSInterpretation.h"
#include "query/data/FQSPageDataList.h"
#include "query/data/QuestionList.h"
#include "query/data/TFQSInterpretable.h"
#include "query/data/TopicTable.h"
#include "storymodel/TextMacroExpander.h"
#include "storymodel/engine/StoryPointTable.h"

namespace {

constexpr std::int32_t kTemplateLength = 30720;

// The help texts of the built data file; the story's own sources (storytelling texts, the context
// and examples files) are empty.
class BuiltHelpSources : public IFQSHelpSources {
public:
    BuiltHelpSources(PFMFile* content, IStoryDocument* document) : content_(content), document_(document) {}
    std::optional<std::string> DataText(FourCC type, std::int16_t id) override {
        return ReadSegmentText(content_, type, id);
    }
    std::string StorytellingText(const char*) override { return {}; }
    bool HasContextFile() override { return false; }
    std::optional<std::string> ContextText(std::int16_t) override { return std::nullopt; }
    bool HasExamplesFile() override { return false; }
    std::optional<std::string> ExampleText(FourCC, std::int16_t) override { return std::nullopt; }
    std::string Expand(const std::string& text) override { return ExpandText(document_, text.c_str()); }

private:
    PFMFile* content_;
    IStoryDocument* document_;
};

// The first brace left in a shown text, with the name it opens; none when every brace was a macro
// or a keyword. A page keyword that this build of the program does not register yet stays in the
// text: the data compiler has read it, and it is left over only while its class is missing.
std::optional<std::string> LeftOver(const std::string& shown) {
    for (std::size_t brace = shown.find('{'); brace != std::string::npos;
         brace = shown.find('{', brace + 1)) {
        const std::size_t end = std::min(shown.find_first_of("(){}", brace + 1), shown.size());
        const std::string name = shown.substr(brace + 1, end - brace - 1);
        if (FindPageKeyword(name) && !FindKeyword(name)) continue;
        return shown.substr(brace);
    }
    return std::nullopt;
}

// The text keys of a page, as the page code reads them.
std::vector<std::string> PageTextKeys() {
    std::vector<std::string> keys = {"QT", "T1", "ALT1", "TNC", "TX1"};
    for (int x = 1; x <= 5; ++x) {
        for (const char* prefix : {"R", "ET", "ED", "PT", "PI", "CT"})
            keys.push_back(prefix + std::to_string(x));
    }
    for (int x = 1; x <= 20; ++x) keys.push_back("BT" + std::to_string(x));
    for (int x = 1; x <= 4; ++x) keys.push_back("ST" + std::to_string(x));
    return keys;
}

class QueryContentTest : public QueryStoryTest {
protected:
    void SetUp() override {
        QueryStoryTest::SetUp();
        const char* folder = std::getenv("FABLECORE_PROGRAM_DIR");
        ASSERT_NE(folder, nullptr);
        const std::string path = std::string(folder) + "/Fablecor.qrv";
        const FileRef file(path.c_str(), kAccessRead);
        content_ = PFMOpenFile(&file);
        ASSERT_NE(content_, nullptr) << path;

        const CharID ana = AddCharacter("Ana");
        const CharID ben = AddCharacter("Ben");
        while (Characters().GetCount() < 4) AddCharacter("Cal");
        Relate(ana, ben);
        for (std::int32_t position = 0; position < Characters().GetCount(); ++position) {
            const CharID other = Characters().IdAt(position);
            if (other == ana || other == ben) continue;
            Relate(ben, other);
            break;
        }
        for (int scene = 0; scene < 5; ++scene) AddScene();
        ASSERT_EQ(Characters().GetCount(), 4);
    }
    void TearDown() override {
        if (content_) PFMCloseFile(content_);
        QueryStoryTest::TearDown();
    }

    // The list as the query window opens it.
    std::vector<FQSPageData> Expanded(std::int16_t listId) {
        FQSPageDataList list(Story());
        const LoadedQuestionList loaded = LoadQuestionList(content_, listId, 0, list);
        EXPECT_EQ(loaded.result, 0) << "list " << listId;
        EXPECT_EQ(loaded.listId, listId) << "list " << listId << " exists";
        std::vector<FQSPageData> entries;
        for (std::int32_t i = 0; i < list.Count(); ++i) entries.push_back(*list.At(i));
        return entries;
    }
    // The template interpreted for the entry and expanded; a keyword bound to a control gives none.
    std::optional<std::string> Shown(const char* keyOrText, const FQSPageData& entry, PText* record) {
        const FQSInterpretation interpretation(Story().document, kTemplateLength, keyOrText, &entry, record);
        if (interpretation.GetStatus() != 0 || !interpretation.IsText()) return std::nullopt;
        return ExpandText(Story().document, interpretation.GetText());
    }
    // Every text of the entry's title and page shown, none with a macro left over (the pages show
    // no braces of their own).
    void ExpectPageShows(const FQSPageData& entry) {
        const std::int16_t topic = entry.GetTopic();
        const auto title = Shown(TopicAt(topic)->title, entry, nullptr);
        ASSERT_TRUE(title.has_value());
        EXPECT_FALSE(title->empty()) << "topic " << topic;
        EXPECT_EQ(LeftOver(*title), std::nullopt) << "topic " << topic << ": " << *title;
        PText record(content_, FourCCOf("FQS2"), static_cast<std::uint16_t>(topic));
        for (const std::string& key : PageTextKeys()) {
            const auto text = Shown(key.c_str(), entry, &record);
            if (!text || (key == "TNC" && *text == "{UseT1}")) continue;
            EXPECT_EQ(LeftOver(*text), std::nullopt) << "topic " << topic << " " << key << ": " << *text;
        }
    }
    std::int16_t PageNumber(std::int16_t topic, const char* key, std::int16_t fallback) {
        PText record(content_, FourCCOf("FQS2"), static_cast<std::uint16_t>(topic));
        std::int16_t value = fallback;
        record.GetEntry(key, 's', &value);
        return value;
    }
    std::string PageText(std::int16_t topic, const char* key) {
        PText record(content_, FourCCOf("FQS2"), static_cast<std::uint16_t>(topic));
        char text[64] = "";
        record.GetEntry(key, 'c', text, sizeof text);
        return text;
    }

    PFMFile* content_ = nullptr;
};

TEST_F(QueryContentTest, TheDefaultListLeadsFromTheHomePageToEveryStoryformQuestion) {
    const std::vector<FQSPageData> entries = Expanded(kDefaultList);
    ASSERT_FALSE(entries.empty());
    EXPECT_EQ(PageNumber(entries.front().GetTopic(), "TY", 2), 999) << "the home page comes first";
    std::set<std::string> dynamics;
    std::set<std::int16_t> finders;
    for (const FQSPageData& entry : entries) {
        const std::int16_t pageClass = PageNumber(entry.GetTopic(), "TY", 2);
        if (pageClass == 1) dynamics.insert(PageText(entry.GetTopic(), "RV"));
        if (pageClass == 100)
            finders.insert(static_cast<std::int16_t>(std::stoi(PageText(entry.GetTopic(), "AP"))));
    }
    EXPECT_EQ(dynamics, (std::set<std::string>{"Resolve", "Direction", "Approach", "Sex", "Work", "Limit",
                                               "Outcome", "Judgment"}));
    for (int throughline = 0; throughline < 4; ++throughline) {
        for (const int offset :
             {kDomainOffset, kConcernOffset, kIssueOffset, kProblemOffset, kSolutionOffset}) {
            const std::int16_t point = StoryPointAt(ThroughlineStoryPointIndex(throughline, offset))->id;
            EXPECT_TRUE(finders.count(point)) << "no finder for story point " << point;
        }
    }
    for (const std::int16_t growth : {kGrowthIfChangeTopic, kGrowthIfSteadfastTopic})
        EXPECT_EQ(PageText(growth, "RV"), "Direction") << "growth shown as " << growth;
}

TEST_F(QueryContentTest, EveryListExpandsAndEveryPageItReachesShowsItsTexts) {
    int lists = 0;
    for (std::int16_t listId = 0; listId < kChoosableListCount; ++listId) {
        if (!QuestionListExists(content_, listId)) continue;
        ++lists;
        const std::string name = GetListName(content_, listId, Story().document);
        EXPECT_FALSE(name.empty());
        EXPECT_EQ(LeftOver(name), std::nullopt) << name;
        const std::vector<FQSPageData> entries = Expanded(listId);
        EXPECT_FALSE(entries.empty()) << "list " << listId;
        for (const FQSPageData& entry : entries) ExpectPageShows(entry);
    }
    EXPECT_EQ(lists, 11) << "0, the nine roads 2-10 and Plotpilot 13";
    for (std::int16_t listId = 2; listId <= 10 && QuestionListExists(content_, 2); ++listId) {
        EXPECT_TRUE(QuestionListExists(content_, listId)) << "the home page leads to list " << listId;
        EXPECT_EQ(PageNumber(Expanded(listId).front().GetTopic(), "TY", 2), 999)
            << "list " << listId << " starts with the home page, so Proceed steps into it";
    }
}

TEST_F(QueryContentTest, TheRoadsRepeatTheirPagesForEachCharacterRelationshipAndScene) {
    const auto count = [](const std::vector<FQSPageData>& entries, std::int16_t topic) {
        return std::count_if(entries.begin(), entries.end(),
                             [&](const FQSPageData& entry) { return entry.GetTopic() == topic; });
    };
    const std::vector<FQSPageData> characters = Expanded(5);
    EXPECT_EQ(count(characters, 113), 4) << "a name page per character";
    EXPECT_EQ(count(characters, 124), 4);
    EXPECT_EQ(count(characters, 126), 4) << "each of the two relationships, from both of its sides";
    const std::vector<FQSPageData> scenes = Expanded(9);
    EXPECT_EQ(count(scenes, 142), 5) << "a page per scene";
    EXPECT_EQ(count(scenes, 143), 5);
}

TEST_F(QueryContentTest, EveryPageOfEveryListHasItsHelp) {
    BuiltHelpSources sources(content_, Story().document);
    HelpButtonStates all{};
    all.fill(1);
    std::set<std::int16_t> topics;
    for (std::int16_t listId = 0; listId < kChoosableListCount; ++listId) {
        if (!QuestionListExists(content_, listId)) continue;
        for (const FQSPageData& entry : Expanded(listId)) topics.insert(entry.GetTopic());
    }
    EXPECT_GT(topics.size(), 100u);
    for (const std::int16_t topic : topics) {
        FQSHelpPage page;
        page.topic = topic;
        page.kind = TopicKindOf(topic);
        const std::string point = PageText(topic, "AP");
        page.storyPoint = point.empty() ? 0 : static_cast<std::int16_t>(std::stoi(point));
        page.companion = PageNumber(topic, "CQ", 0);
        page.helpPage = PageNumber(topic, "HP", 0);
        const std::int16_t pageClass = PageNumber(topic, "TY", 2);
        page.choiceQuestion = pageClass == 1 || pageClass == 100;
        const auto sections = ComposeHelpSections(page, sources);
        EXPECT_FALSE(sections[kExplainSection].empty()) << "topic " << topic << " explains itself";
        if (page.kind == kStoryPointTopic) {
            EXPECT_FALSE(sections[kTheorySection].empty()) << "topic " << topic << " has its theory";
            EXPECT_FALSE(sections[kUsageSection].empty()) << "topic " << topic << " has its usage notes";
        }
        EXPECT_EQ(sections[kPageHelpSection].empty(), page.helpPage == 0) << "topic " << topic;
        const FQSHelpComposition help = ComposeFQSHelp(page, all, sources);
        const std::string shown = sources.Expand(help.text);
        EXPECT_EQ(LeftOver(shown), std::nullopt) << "topic " << topic << ": " << shown;
    }
}

}  // namespace
