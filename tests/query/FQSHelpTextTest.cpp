// The query window's help text: each section from its source (the companion question's texts on an
// illustration page without its own, the storytelling results, the page's help, the definitions,
// the context examples by their id arithmetic, the other stories' examples with their wording),
// buttons dimmed when their section is empty, only the sections of buttons that are on, and the
// joined text cut by whole sections, never inside a style code or a macro.

#include "query/FQSHelpText.h"

#include <gtest/gtest.h>

#include <map>
#include <utility>

#include "query/data/TopicTable.h"

namespace {

class FakeSources : public IFQSHelpSources {
public:
    std::optional<std::string> DataText(FourCC type, std::int16_t id) override {
        return Find(data, {type, id});
    }
    std::string StorytellingText(const char* code) override {
        const auto found = storytelling.find(code);
        return found == storytelling.end() ? std::string() : found->second;
    }
    bool HasContextFile() override { return contextFile; }
    std::optional<std::string> ContextText(std::int16_t id) override {
        contextAsked.push_back(id);
        return Find(context, {kContextType, id});
    }
    bool HasExamplesFile() override { return examplesFile; }
    std::optional<std::string> ExampleText(FourCC type, std::int16_t id) override {
        return Find(examples, {type, id});
    }
    std::string Expand(const std::string& text) override {
        expanded.push_back(text);
        return expandsToNothing ? std::string() : "<" + text + ">";
    }

    using Key = std::pair<FourCC, std::int16_t>;
    std::map<Key, std::string> data;
    std::map<std::string, std::string> storytelling;
    std::map<Key, std::string> context;
    std::map<Key, std::string> examples;
    bool contextFile = true;
    bool examplesFile = true;
    bool expandsToNothing = false;
    std::vector<std::int16_t> contextAsked;
    std::vector<std::string> expanded;

private:
    static std::optional<std::string> Find(const std::map<Key, std::string>& texts, Key key) {
        const auto found = texts.find(key);
        if (found == texts.end()) return std::nullopt;
        return found->second;
    }
};

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

HelpButtonStates AllOn() {
    HelpButtonStates states;
    states.fill(1);
    return states;
}

FQSHelpPage Page(std::int16_t topic, std::int16_t kind) {
    FQSHelpPage page;
    page.topic = topic;
    page.kind = kind;
    return page;
}

TEST(FQSHelpTextTest, TheTopicTextsFallBackToTheCompanionOnIllustrationPagesOnly) {
    FakeSources sources;
    sources.data[{kExplainType, 40}] = "Why the domain matters.";
    sources.data[{kUsageType, 33}] = "Use it so.";
    FQSHelpPage page = Page(33, kFurtherStoryPointTopic);
    page.companion = 40;
    auto sections = ComposeHelpSections(page, sources);
    EXPECT_TRUE(Contains(sections[kExplainSection], "EXPLANATION"));
    EXPECT_TRUE(Contains(sections[kExplainSection], "Why the domain matters."));
    EXPECT_TRUE(sections[kTheorySection].empty()) << "neither the topic nor the companion has a theory text";
    EXPECT_TRUE(Contains(sections[kUsageSection], "Use it so.")) << "the topic's own text comes first";
    EXPECT_FALSE(Contains(sections[kUsageSection], "domain"));

    page.kind = kIllustrationTopic;
    EXPECT_TRUE(Contains(ComposeHelpSections(page, sources)[kExplainSection], "Why the domain"));
    page.kind = kStoryPointTopic;
    EXPECT_TRUE(ComposeHelpSections(page, sources)[kExplainSection].empty()) << "a question has no companion";
    page.kind = kFurtherStoryPointTopic;
    page.companion = 0;
    EXPECT_TRUE(ComposeHelpSections(page, sources)[kExplainSection].empty());

    // A section ends with two line breaks and plain margins.
    page.companion = 40;
    const std::string explain = ComposeHelpSections(page, sources)[kExplainSection];
    EXPECT_TRUE(explain.ends_with("\n\n\xC7M(0,0,0)\xC8")) << explain;
    EXPECT_TRUE(explain.starts_with("\xC7U+\xC8\xC7" "B+\xC8" "EXPLANATION\xC7" "B-\xC8\xC7U-\xC8:  "));
}

TEST(FQSHelpTextTest, ResultsShowTheStorytellingOfAQuestionWithACompanion) {
    FakeSources sources;
    FQSHelpPage page = Page(161, kStoryPointTopic);
    page.storyPoint = 12000;  // STDom
    EXPECT_TRUE(ComposeHelpSections(page, sources)[kResultsSection].empty()) << "no companion";
    page.companion = 40;
    std::string results = ComposeHelpSections(page, sources)[kResultsSection];
    EXPECT_TRUE(Contains(results, "{CST-Results} FOR THIS STORYFORMING QUESTION"));
    EXPECT_TRUE(Contains(results, "\n\xC7I+\xC8You have not yet illustrated this story point\xC7I-\xC8."));
    sources.storytelling["STDom"] = std::string(99, 'x');
    results = ComposeHelpSections(page, sources)[kResultsSection];
    EXPECT_TRUE(Contains(results, std::string(99, 'x') + "\n")) << "99 bytes are shown whole";
    EXPECT_FALSE(Contains(results, "not yet illustrated"));
    // A longer text is cut within 99 bytes, after its last whole word, and shows that it goes on.
    sources.storytelling["STDom"] = std::string(94, 'x') + " forces\nthe next";
    results = ComposeHelpSections(page, sources)[kResultsSection];
    EXPECT_TRUE(Contains(results, std::string(94, 'x') + "...\n")) << results;
    EXPECT_FALSE(Contains(results, "forc"));
    sources.storytelling["STDom"] = std::string(95, 'x') + "yz longer";
    EXPECT_TRUE(Contains(ComposeHelpSections(page, sources)[kResultsSection], std::string(95, 'x') + "y...\n"))
        << "a word longer than the room is cut inside";
    page.kind = kFurtherStoryPointTopic;
    EXPECT_TRUE(ComposeHelpSections(page, sources)[kResultsSection].empty()) << "not on illustration pages";
}

TEST(FQSHelpTextTest, ThePagesHelpIsItsHelpPageWithoutHeading) {
    FakeSources sources;
    sources.data[{kPageHelpType, 7}] = "Read me.";
    FQSHelpPage page = Page(5, kInformationTopic);
    EXPECT_TRUE(ComposeHelpSections(page, sources)[kPageHelpSection].empty());
    page.helpPage = 7;
    EXPECT_EQ(ComposeHelpSections(page, sources)[kPageHelpSection], "Read me.\n\n\xC7M(0,0,0)\xC8");
}

TEST(FQSHelpTextTest, WithoutAnAnswerAChoiceQuestionAsksForOne) {
    FakeSources sources;
    FQSHelpPage page = Page(20, kStoryPointTopic);
    page.storyPoint = 1000;
    auto sections = ComposeHelpSections(page, sources);
    for (const int section : {kDefinitionSection, kContextSection, kStoriesSection})
        EXPECT_TRUE(sections[static_cast<std::size_t>(section)].empty()) << "not a choice question";
    page.choiceQuestion = true;
    sections = ComposeHelpSections(page, sources);
    EXPECT_TRUE(Contains(sections[kDefinitionSection], "to see its definition."));
    EXPECT_TRUE(Contains(sections[kDefinitionSection], "\xC7M(10,10,10)\xC8\xC7I+\xC8Please select one"));
    EXPECT_TRUE(Contains(sections[kContextSection], "to see its use in context."));
    EXPECT_TRUE(Contains(sections[kStoriesSection], "similar use in other stories (if any)."));
    sources.examplesFile = false;
    EXPECT_TRUE(ComposeHelpSections(page, sources)[kStoriesSection].empty()) << "no examples file, no prompt";
}

TEST(FQSHelpTextTest, DefinitionsOfElementsStayMacrosAndOfValuesAreExpandedFirst) {
    FakeSources sources;
    FQSHelpPage page = Page(161, kStoryPointTopic);
    page.storyPoint = 15300;
    page.answer = 90;
    std::string definition = ComposeHelpSections(page, sources)[kDefinitionSection];
    EXPECT_TRUE(Contains(definition, ":  {SNF(90)}:  {SDF(90)}."));
    EXPECT_TRUE(Contains(definition, ":  {SYN(90)}."));
    EXPECT_TRUE(Contains(definition, ":  {DNF(90)}, {DDF(90)}."));
    EXPECT_TRUE(Contains(definition, ":  {SLD(90)}"));
    EXPECT_TRUE(sources.expanded.empty()) << "an element's definitions are expanded with the whole text";

    // The impact character's Resolve: the definitions of the value 5 above.
    page.storyPoint = 1005;
    page.answer = 1006;
    definition = ComposeHelpSections(page, sources)[kDefinitionSection];
    ASSERT_FALSE(sources.expanded.empty());
    EXPECT_TRUE(Contains(definition, "{SNF(1006)}:  {SDF(1011)}."));
    EXPECT_TRUE(Contains(definition, "{SLD(1011)}"));
    EXPECT_FALSE(Contains(definition, "SYN(")) << "no synonyms for a dynamic's value";
    EXPECT_FALSE(Contains(definition, "DNF(")) << "no dynamic pair above 1000";
    EXPECT_TRUE(definition.starts_with("<")) << "expanded before it is joined";
    sources.expandsToNothing = true;
    EXPECT_TRUE(ComposeHelpSections(page, sources)[kDefinitionSection].empty())
        << "a value whose definitions expand to nothing has none";
}

TEST(FQSHelpTextTest, ContextAndExampleRecordsByTheirIds) {
    EXPECT_EQ(ContextRecordId(1000, 90), 1006) << "(90 - 85) mod 64 + 1 on Resolve";
    EXPECT_EQ(ContextRecordId(1005, 90), 1016) << "and 5 more on the impact character's Resolve";
    EXPECT_EQ(ContextRecordId(15300, 154), 15300 + 6) << "an element of another class";
    EXPECT_EQ(ContextRecordId(1000, 1002), 1002) << "a dynamic's value by its place";
    EXPECT_EQ(ContextRecordId(12000, 3), 12003) << "a class by its id";
    EXPECT_EQ(ExampleRecordId(150), 86);
    EXPECT_EQ(ExampleRecordId(85), 85);
    EXPECT_EQ(ExampleRecordId(340), 148);
    EXPECT_EQ(ExampleRecordId(1002), 1002);

    FakeSources sources;
    sources.context[{kContextType, 1006}] = "He gives in at last.";
    FQSHelpPage page = Page(20, kStoryPointTopic);
    page.storyPoint = 1000;
    page.answer = 90;
    const std::string context = ComposeHelpSections(page, sources)[kContextSection];
    EXPECT_EQ(sources.contextAsked, std::vector<std::int16_t>{1006});
    EXPECT_TRUE(Contains(context, "CONTEXTUAL EXAMPLE"));
    EXPECT_TRUE(Contains(context, "{SNF(90)} as the \xC7" "B+\xC8"));
    EXPECT_TRUE(Contains(context, "  --  He gives in at last."));
    sources.contextFile = false;
    EXPECT_TRUE(ComposeHelpSections(page, sources)[kContextSection].empty());
}

TEST(FQSHelpTextTest, OtherStoriesAreIntroducedInTheWordsOfTheirThroughline) {
    EXPECT_EQ(StoriesWordingFor("STDom").article, "an ");
    EXPECT_EQ(StoriesWordingFor("STDom").words, "{NObje} Story ");
    EXPECT_EQ(StoriesWordingFor("MCPbm").article, "a ");
    EXPECT_EQ(StoriesWordingFor("MCPbm").words, "Main Character ");
    EXPECT_EQ(StoriesWordingFor("OCCon").words, "{NObst} Character ");
    EXPECT_EQ(StoriesWordingFor("PLRng").article, "a ");
    EXPECT_EQ(StoriesWordingFor("PLRng").words, "{NSubj} Story ");
    // A goal or a story-wide point is the story's.
    EXPECT_EQ(StoriesWordingFor("STGoal").words, "Story ");
    EXPECT_EQ(StoriesWordingFor("STGoal").article, "a ");
    EXPECT_EQ(StoriesWordingFor("MCReq").words, "Story ");
    EXPECT_EQ(StoriesWordingFor("MCReq").article, "") << "the first letter M";
    EXPECT_EQ(StoriesWordingFor("STRes").article, "") << "the third letter R";
    EXPECT_EQ(StoriesWordingFor("Resolve").words, "");
    EXPECT_EQ(StoriesWordingFor("Resolve").article, "");
    EXPECT_EQ(StoriesWordingFor(nullptr).words, "");

    FakeSources sources;
    sources.examples[{FourCCOf("MPbm"), 86}] = "In Hamlet, ...";
    FQSHelpPage page = Page(184, kStoryPointTopic);
    page.storyPoint = 15300;  // MCPbm, whose examples are 'MPbm'
    page.answer = 150;        // folded onto element 86
    const std::string stories = ComposeHelpSections(page, sources)[kStoriesSection];
    EXPECT_TRUE(Contains(stories, "STORIES")) << stories;
    EXPECT_TRUE(Contains(stories, " that have a \xC7" "B+\xC8Main Character "));
    EXPECT_TRUE(Contains(stories, ":\nIn Hamlet, ...\n\n"));
    page.answer = 151;
    EXPECT_TRUE(ComposeHelpSections(page, sources)[kStoriesSection].empty()) << "no example of 87";
}

TEST(FQSHelpTextTest, ButtonsOfEmptySectionsAreDimmedAndOnlyButtonsThatAreOnShow) {
    FakeSources sources;
    sources.data[{kExplainType, 5}] = "One.";
    sources.data[{kTheoryType, 5}] = "Two.";
    const FQSHelpPage page = Page(5, kInformationTopic);
    HelpButtonStates states{};
    states[kTheorySection] = 1;
    states[kUsageSection] = 1;
    const FQSHelpComposition help = ComposeFQSHelp(page, states, sources);
    EXPECT_TRUE(help.enabled[kExplainSection]);
    EXPECT_TRUE(help.enabled[kTheorySection]);
    EXPECT_FALSE(help.enabled[kUsageSection]);
    EXPECT_FALSE(help.enabled[kPageHelpSection]);
    EXPECT_FALSE(Contains(help.text, "One.")) << "Explain is off";
    EXPECT_TRUE(Contains(help.text, "Two."));
    EXPECT_TRUE(ComposeFQSHelp(page, HelpButtonStates{}, sources).text.empty());
}

TEST(FQSHelpTextTest, TheJoinedTextDropsWholeSectionsThatNoLongerFit) {
    std::array<std::string, kHelpSectionCount> sections;
    // Each section ends in a style code, the second holds a macro across the cut's place.
    sections[0] = std::string(40, 'a') + "\xC7M(0,0,0)\xC8";
    sections[1] = std::string(30, 'b') + "{SNF(90)}" + std::string(20, 'b');
    sections[2] = std::string(20, 'c');
    sections[4] = std::string(5, 'e');
    const std::size_t first = sections[0].size();
    const HelpButtonStates states = AllOn();
    EXPECT_EQ(JoinHelpSections(sections, states, 1000), sections[0] + sections[1] + sections[2] + sections[4]);
    // Room for the first section, not the second: the third and the last still fit.
    const std::string cut = JoinHelpSections(sections, states, first + 30);
    EXPECT_EQ(cut, sections[0] + sections[2] + sections[4]);
    EXPECT_LT(cut.size(), first + 30) << "the NUL fits too";
    // Exactly the first section and its NUL.
    EXPECT_EQ(JoinHelpSections(sections, states, first + 1), sections[0]);
    EXPECT_EQ(JoinHelpSections(sections, states, first), sections[2] + sections[4]) << "the first no longer fits";
    EXPECT_EQ(JoinHelpSections(sections, states, 3), "");
}

TEST(FQSHelpTextTest, TheButtonStatesAreStoredAsNumbers) {
    const HelpButtonStates none = ParseHelpButtonStates(nullptr);
    EXPECT_EQ(none[kExplainSection], 1) << "without stored states the first button is on";
    for (int i = 1; i < kHelpSectionCount; ++i) EXPECT_EQ(none[static_cast<std::size_t>(i)], 0);
    const HelpButtonStates few = ParseHelpButtonStates("0,1,0,1,");
    EXPECT_EQ(few[kTheorySection], 1);
    EXPECT_EQ(few[kResultsSection], 1);
    EXPECT_EQ(few[kStoriesSection], 0) << "missing numbers are off";
    EXPECT_EQ(ParseHelpButtonStates("1,1,1,1,1,1,1,1,1,1,")[kStoriesSection], 1) << "numbers beyond 8 are ignored";
    EXPECT_EQ(ParseHelpButtonStates("")[kExplainSection], 0) << "a stored empty text turns every button off";
    HelpButtonStates states{};
    states[2] = 1;
    states[7] = 1;
    EXPECT_EQ(FormatHelpButtonStates(states), "0,0,1,0,0,0,0,1,");
    EXPECT_EQ(ParseHelpButtonStates(FormatHelpButtonStates(states).c_str()), states);
}

}  // namespace
