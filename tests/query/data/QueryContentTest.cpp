// The query system's content as the build compiles it into the application data file, over a story
// of four characters, two relationships and five scenes: every question list expands and leads from
// the home page to the storyforming questions; every text of every page a list reaches is
// interpreted and expanded with no macro left over; the help of every such page is composed. The
// content's own consistency: the {NObje} Story's name page says what the name is for, the
// subjective story's recap shows that story's points, choice popups
// offer each value at the place the program reads it from, a character's text illustrating a
// throughline is that throughline's character's, a relationship added from a page has a page below
// it, and no two pages keep their texts under one key.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <array>
#include <cstdlib>
#include <cstring>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "QueryStoryFixture.h"
#include "datafiles/PageKeywordCheck.h"
#include "foundation/FileRef.h"
#include "foundation/TypedList.h"
#include "query/FQSHelpSources.h"
#include "query/FQSHelpText.h"
#include "query/FQSHomePage.h"
#include "query/FQSPageControls.h"
#include "query/FQSRecap.h"
#include "query/data/FQSInterpretation.h"
#include "query/data/FQSPageDataList.h"
#include "query/data/QuestionList.h"
#include "query/data/TFQSInterpretable.h"
#include "query/data/TopicTable.h"
#include "query/keywords/PageKeywords.h"
#include "storymodel/Archetypes.h"
#include "storymodel/CharInfoRec.h"
#include "storymodel/TextMacroExpander.h"
#include "storymodel/engine/ElementTable.h"
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
        // The texts are interpreted with the keywords the program registers when it installs the
        // query tool, whichever test ran before.
        RegisterPageKeywords();
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
    // Every entry of every list, each with its list's entries after it.
    std::vector<std::vector<FQSPageData>> AllLists() {
        std::vector<std::vector<FQSPageData>> lists;
        for (std::int16_t listId = 0; listId < kChoosableListCount; ++listId) {
            if (QuestionListExists(content_, listId)) lists.push_back(Expanded(listId));
        }
        return lists;
    }
    // The items of the page's popup bound to the keyword call, or none when no popup is.
    std::optional<std::vector<std::string>> PopupItems(const FQSPageData& entry, const std::string& call) {
        const std::int16_t count = PageNumber(entry.GetTopic(), "PN", 0);
        PText record(content_, FourCCOf("FQS2"), static_cast<std::uint16_t>(entry.GetTopic()));
        for (int x = 1; x <= count; ++x) {
            if (PageText(entry.GetTopic(), ("PV" + std::to_string(x)).c_str()) != call) continue;
            const auto items = Shown(("PI" + std::to_string(x)).c_str(), entry, &record);
            EXPECT_TRUE(items.has_value()) << "topic " << entry.GetTopic();
            return SplitPopupItems(items ? items->c_str() : "");
        }
        return std::nullopt;
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
        // A page about a point of the story as a whole explains it as the story's, not a throughline's.
        if (PageText(topic, "QT").starts_with("Story ")) {
            EXPECT_EQ(sections[kExplainSection].find("this throughline"), std::string::npos)
                << "topic " << topic;
        }
        if (page.kind == kStoryPointTopic) {
            EXPECT_FALSE(sections[kTheorySection].empty()) << "topic " << topic << " has its theory";
            EXPECT_FALSE(sections[kUsageSection].empty()) << "topic " << topic << " has its usage notes";
            EXPECT_FALSE(sections[kResultsSection].empty())
                << "topic " << topic << " shows what the writer wrote about its story point";
        } else if (page.kind == kFurtherStoryPointTopic || page.kind == kIllustrationTopic) {
            EXPECT_FALSE(sections[kTheorySection].empty()) << "topic " << topic << " has its question's theory";
            EXPECT_FALSE(sections[kUsageSection].empty()) << "topic " << topic << " has its question's usage";
        }
        EXPECT_EQ(sections[kPageHelpSection].empty(), page.helpPage == 0) << "topic " << topic;
        const FQSHelpComposition help = ComposeFQSHelp(page, all, sources);
        const std::string shown = sources.Expand(help.text);
        EXPECT_EQ(LeftOver(shown), std::nullopt) << "topic " << topic << ": " << shown;
    }
}

// The {NObje} Story's name is only kept: its page and its explanation say where, and promise no use
// of it by the reports.
TEST_F(QueryContentTest, TheOverallStorysNamePageSaysWhatTheNameIsFor) {
    constexpr std::int16_t kOverallStoryName = 278;
    std::optional<FQSPageData> entry;
    for (const std::vector<FQSPageData>& entries : AllLists()) {
        for (const FQSPageData& each : entries)
            if (each.GetTopic() == kOverallStoryName) entry = each;
    }
    ASSERT_TRUE(entry.has_value()) << "a list reaches the page";
    PText record(content_, FourCCOf("FQS2"), static_cast<std::uint16_t>(kOverallStoryName));
    const std::optional<std::string> text = Shown("T1", *entry, &record);
    const std::optional<std::string> explanation = ReadSegmentText(content_, kExplainType, kOverallStoryName);
    ASSERT_TRUE(text.has_value());
    ASSERT_TRUE(explanation.has_value());
    EXPECT_NE(text->find("Storytelling > Story Info"), std::string::npos) << *text;
    for (const std::string& shown : {*text, *explanation}) {
        std::string lower = shown;
        for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        EXPECT_EQ(lower.find("report"), std::string::npos) << shown;
        EXPECT_EQ(lower.find("use this name"), std::string::npos) << shown;
        EXPECT_EQ(lower.find("wherever"), std::string::npos) << shown;
        EXPECT_NE(lower.find("your own reference"), std::string::npos) << shown;
    }
}

// Every page that illustrates a story point shows the writer how another story shows that point, in
// a paragraph of its own that no other page shows; and its first sentence names the point with the
// verb that agrees ("Your Story Dividends are ...").
TEST_F(QueryContentTest, EachIllustrationShowsAnExampleOfItsOwnPointInSentencesThatAgree) {
    const std::string lead = "How another story shows its own: ";
    // The points whose names are plural.
    const std::set<std::int16_t> plural = {13600, 16500, 16600, 19600, 22600};
    std::map<std::string, std::int16_t> examples;
    std::set<std::int16_t> seen;
    for (const std::vector<FQSPageData>& entries : AllLists()) {
        for (const FQSPageData& entry : entries) {
            const std::int16_t topic = entry.GetTopic();
            const std::int16_t kind = TopicKindOf(topic);
            if ((kind != kFurtherStoryPointTopic && kind != kIllustrationTopic) || !seen.insert(topic).second)
                continue;
            PText record(content_, FourCCOf("FQS2"), static_cast<std::uint16_t>(topic));
            const std::string text = Shown("T1", entry, &record).value_or("");
            const std::size_t at = text.find("\n\n" + lead);
            ASSERT_NE(at, std::string::npos) << "topic " << topic << " shows no example: " << text;
            const std::size_t end = text.find("\n\n", at + 2);
            const std::string example = text.substr(at + 2 + lead.size(), end - at - 2 - lead.size());
            EXPECT_EQ(text.find(lead, at + 2 + lead.size()), std::string::npos) << "topic " << topic;
            const auto [other, added] = examples.emplace(example, topic);
            EXPECT_TRUE(added) << "topics " << other->second << " and " << topic << " both show: " << example;

            const std::string named = "Your " + Shown("QT", entry, &record).value_or("?") + " ";
            if (!text.starts_with(named)) continue;
            const std::int16_t point = static_cast<std::int16_t>(std::stoi(PageText(topic, "AP")));
            const std::string verb = text.substr(named.size(), text.find(' ', named.size()) - named.size());
            EXPECT_EQ(verb, plural.count(point) ? "are" : "is") << "topic " << topic << ": " << text;
        }
    }
    EXPECT_GT(examples.size(), 70u);
}

// Each bar of the home page below the storyforming row counts the topics of its progress group; its
// list holds every one of them, so that walking that road can fill the bar.
TEST_F(QueryContentTest, EachHomePageBarCountsOnlyTopicsOfItsOwnRoad) {
    int checked = 0;
    for (const HomeEntry& road : kHomeEntries) {
        if (road.barCode <= 2) continue;  // the storyforming bars count the storyform's choices
        std::set<std::int16_t> listed;
        for (const FQSPageData& entry : Expanded(road.listId)) listed.insert(entry.GetTopic());
        for (std::size_t topic = 0; topic < kTopicTable.size(); ++topic) {
            if (kTopicTable[topic].progressGroup != road.barCode) continue;
            ++checked;
            EXPECT_TRUE(listed.count(static_cast<std::int16_t>(topic)))
                << "topic " << topic << " counts in the bar of list " << road.listId << " but is not in it";
        }
    }
    EXPECT_GT(checked, 100);
}

TEST_F(QueryContentTest, TheSubjectiveStoryHasAListedRecapOfItsOwnPoints) {
    // Each throughline's points hold an element of their own, so a recap shows whose points it lists.
    const std::array<std::int16_t, 4> marks = {86, 101, 121, 141};
    for (const std::int16_t mark : marks) {
        for (const std::int16_t other : marks)
            ASSERT_TRUE(mark == other || !std::strstr(ElementName(mark), ElementName(other)));
    }
    const auto valueAt = [&marks](int index) -> std::int16_t {
        for (int throughline = 0; throughline < 4; ++throughline) {
            if (index >= ThroughlineStoryPointIndex(throughline, kDomainOffset) &&
                index <= ThroughlineStoryPointIndex(throughline, kCounterpointOffset))
                return marks[static_cast<std::size_t>(throughline)];
        }
        return 0;
    };
    const auto occurrences = [](const std::string& text, const std::string& part) {
        int n = 0;
        for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
        return n;
    };
    const std::string subjective = ExpandText(Story().document, "{NSubj}");
    ASSERT_FALSE(subjective.empty());
    std::set<std::int16_t> recaps;
    for (const std::vector<FQSPageData>& entries : AllLists()) {
        for (const FQSPageData& entry : entries) {
            const std::int16_t topic = entry.GetTopic();
            if (PageNumber(topic, "TY", 2) != 75) continue;
            const auto title = Shown(TopicAt(topic)->title, entry, nullptr);
            if (!title || title->find(subjective) == std::string::npos || !recaps.insert(topic).second) continue;
            const std::string recap =
                ExpandText(Story().document, ComposeRecap(PageNumber(topic, "TP", 0), valueAt).c_str());
            EXPECT_EQ(occurrences(recap, ElementName(marks[3])), 10)
                << "the four points of the {NSubj} Story's storyform and the six that follow: " << recap;
            for (int throughline = 0; throughline < 3; ++throughline) {
                EXPECT_EQ(recap.find(ElementName(marks[static_cast<std::size_t>(throughline)])), std::string::npos)
                    << "throughline " << throughline << " in " << recap;
            }
            EXPECT_EQ(recap.find("unchosen"), std::string::npos) << recap;
            EXPECT_NE(recap.find(subjective), std::string::npos) << recap;
        }
    }
    EXPECT_EQ(recaps.size(), 1u) << "one recap of the {NSubj} Story in the lists";
}

TEST_F(QueryContentTest, ChoicePopupsOfferEachValueAtThePlaceThePageReadsItFrom) {
    std::set<std::int16_t> archetypePages, rolePages;
    const std::string impact = ExpandText(Story().document, "{NObst}");
    for (const std::vector<FQSPageData>& entries : AllLists()) {
        for (const FQSPageData& entry : entries) {
            const std::int16_t topic = entry.GetTopic();
            if (const auto items = PopupItems(entry, "{ChRefArch()}"); items && archetypePages.insert(topic).second) {
                // The popup's place is the archetype value; the places that are no value separate.
                ASSERT_EQ(items->size(), static_cast<std::size_t>(kLastArchetype + 1)) << "topic " << topic;
                for (std::int16_t value = 0; value <= kLastArchetype; ++value) {
                    EXPECT_EQ((*items)[static_cast<std::size_t>(value)],
                              IsArchetypeValue(value) ? std::string(ArchetypeName(value)) : "-")
                        << "topic " << topic << " place " << value;
                }
            }
            if (const auto items = PopupItems(entry, "{ChRefSubj()}"); items && rolePages.insert(topic).second) {
                // Place 0 is no role; a role r stands at place r + 1, after a separator that reads as Main.
                ASSERT_EQ(items->size(), 4u) << "topic " << topic;
                EXPECT_EQ((*items)[1], "-");
                EXPECT_NE((*items)[kMainRole + 1].find("Main"), std::string::npos) << (*items)[kMainRole + 1];
                EXPECT_NE((*items)[kImpactRole + 1].find(impact), std::string::npos) << (*items)[kImpactRole + 1];
                EXPECT_EQ((*items)[0].find("Main"), std::string::npos) << (*items)[0];
            }
        }
    }
    EXPECT_FALSE(archetypePages.empty()) << "a character's archetype is asked";
    EXPECT_FALSE(rolePages.empty()) << "a character's subjective role is asked";
}

TEST_F(QueryContentTest, ACharactersTextIllustratingAThroughlineIsThatThroughlinesCharacters) {
    const CharID main = Characters().IdAt(2);
    const CharID impact = Characters().IdAt(3);
    Characters().GetCharacter(main)->SetSubjectiveRole(kMainRole);
    Characters().GetCharacter(impact)->SetSubjectiveRole(kImpactRole);
    ASSERT_EQ(Characters().GetMainCharacter(), main);
    ASSERT_EQ(Characters().GetImpactCharacter(), impact);
    std::set<std::int16_t> pages;
    for (const std::vector<FQSPageData>& entries : AllLists()) {
        for (const FQSPageData& entry : entries) {
            const std::int16_t topic = entry.GetTopic();
            const std::int16_t kind = TopicKindOf(topic);
            if (kind != kIllustrationTopic && kind != kFurtherStoryPointTopic) continue;
            if (PageText(topic, "EV1").rfind("{ChRef", 0) != 0) continue;
            pages.insert(topic);
            const int domain = ThroughlineDomainIndex(static_cast<std::int16_t>(std::stoi(PageText(topic, "AP"))));
            const CharID expected = domain == ThroughlineStoryPointIndex(1, kDomainOffset)   ? main
                                    : domain == ThroughlineStoryPointIndex(2, kDomainOffset) ? impact
                                                                                             : kNoCharID;
            EXPECT_NE(expected, kNoCharID) << "topic " << topic << " illustrates no character's throughline";
            EXPECT_EQ(entry.GetCharacter(), expected) << "topic " << topic;
        }
    }
    EXPECT_GE(pages.size(), 2u) << "the Main and the {NObst} Character are described";
}

TEST_F(QueryContentTest, ARelationshipAddedFromAPageHasItsPageBelowIt) {
    const auto relationships = [this](CharID id) {
        int n = 0;
        for (std::int32_t i = 0; i < Characters().GetCount(); ++i)
            n += Characters().GetCharacter(id)->HasRelationship(Characters().IdAt(i));
        return n;
    };
    int adders = 0;
    for (const std::vector<FQSPageData>& entries : AllLists()) {
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const FQSPageData& entry = entries[i];
            const std::string call = PageText(entry.GetTopic(), "PV1");
            if (call.rfind("{ChRefAddR(", 0) != 0) continue;
            ++adders;
            const std::int16_t target = static_cast<std::int16_t>(std::stoi(call.substr(11)));
            int below = 0;
            for (std::size_t j = i + 1; j < entries.size() && entries[j].GetLevel() > entry.GetLevel(); ++j)
                below += entries[j].GetTopic() == target && entries[j].GetCharacter() == entry.GetCharacter();
            EXPECT_EQ(below, relationships(entry.GetCharacter()))
                << "topic " << entry.GetTopic() << " of character " << entry.GetCharacter();
        }
    }
    EXPECT_EQ(adders, 8) << "two pages of each of the four characters add relationships";
}

TEST_F(QueryContentTest, NoTwoPagesKeepTheirTextsUnderOneKey) {
    SList topics;
    {
        const PFMFileScope scope(content_, false);
        ASSERT_EQ(PFMGetSegmentIds(FourCCOf("FQS2"), topics), kNoErr);
    }
    std::map<std::pair<std::int16_t, std::string>, std::int16_t> owners;
    for (std::int32_t i = 0; i < topics.Count(); ++i) {
        const auto topic = static_cast<std::int16_t>(topics.GetAt(i));
        for (int x = 1; x <= PageNumber(topic, "EN", 0); ++x) {
            const std::string key = PageText(topic, ("EV" + std::to_string(x)).c_str());
            if (key.empty() || key.front() == '{') continue;  // a keyword's own place
            const std::int16_t selector = PageNumber(topic, ("ES" + std::to_string(x)).c_str(), 0);
            const auto [owner, first] = owners.emplace(std::make_pair(selector, key), topic);
            // The story's title is asked on two roads.
            if (!first && !(owner->second == kStoryTitleTopic && topic == kPlotpilotTitleTopic))
                ADD_FAILURE() << "topics " << owner->second << " and " << topic << " both keep " << key;
        }
    }
    EXPECT_GT(owners.size(), 50u);
}

}  // namespace
