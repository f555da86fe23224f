// The sources of the example stories: how they are read (statements, blocks, fields and texts
// that go on over indented lines) and how their names are made into what a story file stores.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "storyfiles/StoryResolver.h"
#include "storyfiles/StorySource.h"

namespace {

std::vector<std::string> ParseErrors(const std::string& text) {
    Diagnostics diagnostics;
    StorySource story;
    ParseStorySource("s.story", text, story, diagnostics);
    return diagnostics.Messages();
}

// A story with its two subjective characters, then the text given.
std::string WithCast(const std::string& text) {
    return "title T\ncharacter M\n    subjective main\ncharacter I\n    subjective impact\n" + text;
}

struct Resolved {
    ResolvedStory story;
    std::vector<std::string> errors;
};

Resolved Resolve(const std::string& text) {
    Resolved result;
    Diagnostics diagnostics;
    StorySource source;
    if (ParseStorySource("s.story", text, source, diagnostics))
        ResolveStory(source, result.story, diagnostics);
    result.errors = diagnostics.Messages();
    return result;
}

TEST(StorySource, ReadsEveryPartOfAStory) {
    const std::string text =
        "# a comment\n"
        "title The Tale\n"
        "info Synopsis A short one.\n"
        "storyform\n"
        "    Resolve   Change\n"
        "  # an indented comment\n"
        "    STDom     Universe\n"
        "character Ann Lee\n"
        "    sex female\n"
        "    description\n"
        "        Tall.\n"
        "relationship Ann Lee & Bo\n"
        "    Old friends.\n"
        "scene The start\n"
        "    points STDom Resolve\n"
        "storytelling\n"
        "    Resolve  She changes.\n";
    Diagnostics diagnostics;
    StorySource story;
    ASSERT_TRUE(ParseStorySource("s.story", text, story, diagnostics)) << diagnostics.Messages().front();
    EXPECT_EQ(story.title.bytes, "The Tale");
    ASSERT_EQ(story.info.size(), 1u);
    EXPECT_EQ(story.info[0].key, "Synopsis");
    EXPECT_EQ(story.info[0].text.bytes, "A short one.");
    ASSERT_EQ(story.choices.size(), 2u);
    EXPECT_EQ(story.choices[1].code, "STDom");
    EXPECT_EQ(story.choices[1].value, "Universe");
    EXPECT_EQ(story.choices[1].line, 7);
    ASSERT_EQ(story.characters.size(), 1u);
    EXPECT_EQ(story.characters[0].name, "Ann Lee");
    ASSERT_EQ(story.characters[0].fields.size(), 2u);
    EXPECT_EQ(story.characters[0].fields[1].name, "description");
    EXPECT_EQ(story.characters[0].fields[1].text.bytes, "Tall.");
    ASSERT_EQ(story.relationships.size(), 1u);
    EXPECT_EQ(story.relationships[0].first, "Ann Lee");
    EXPECT_EQ(story.relationships[0].second, "Bo");
    EXPECT_EQ(story.relationships[0].text.bytes, "Old friends.");
    ASSERT_EQ(story.scenes.size(), 1u);
    EXPECT_EQ(story.scenes[0].title, "The start");
    EXPECT_EQ(story.scenes[0].fields[0].value, "STDom Resolve");
    ASSERT_EQ(story.storytelling.size(), 1u);
    EXPECT_EQ(story.storytelling[0].code, "Resolve");
    EXPECT_EQ(story.storytelling[0].text.bytes, "She changes.");
}

TEST(StorySource, TextsGoOnOverDeeperLinesAndBlankLinesStartParagraphs) {
    Diagnostics diagnostics;
    StorySource story;
    ASSERT_TRUE(ParseStorySource("s.story",
                                 "title T\n"
                                 "info Synopsis First\n"
                                 "      line,   second line.\n"
                                 "\n"
                                 "      Caf\xC3\xA9 after a blank line \\x95 here.\n"
                                 "\n",
                                 story, diagnostics));
    ASSERT_EQ(story.info.size(), 1u);
    EXPECT_EQ(story.info[0].text.bytes,
              "First line,   second line.\nCaf\xE9"
              " after a blank line \x95 here.");
    EXPECT_EQ(story.info[0].text.line, 2);
}

TEST(StorySource, FormErrorsNameTheirLines) {
    EXPECT_EQ(ParseErrors("  title T\n"),
              (std::vector<std::string>{
                  "s.story:1: a statement starts at the left margin; this line belongs to none",
                  "s.story: the story has no title"}));
    EXPECT_EQ(ParseErrors("title T\nsummary x\n").at(0),
              "s.story:2: unknown statement \"summary\" (a story knows: title, info, storyform, character, "
              "relationship, scene, storytelling)");
    EXPECT_EQ(ParseErrors("title T\ntitle U\n").at(0), "s.story:2: the story has one title");
    EXPECT_EQ(ParseErrors("title T\ncharacter A\n\tsex male\n").at(0),
              "s.story:3: indent with blanks, not tabs");
    EXPECT_EQ(ParseErrors("title T\nstoryform\n    Resolve Change\n        and more\n").at(0),
              "s.story:3: a storyform choice is one line: the code and the value's name");
    EXPECT_EQ(ParseErrors("title T\nstoryform\n    Resolve Change\n  STDom Universe\n").at(0),
              "s.story:4: the fields of a block stand one below the other, equally indented");
    EXPECT_EQ(ParseErrors("title T\nrelationship A and B\n").at(0),
              "s.story:2: a relationship names two characters: \"relationship A & B\"");
    EXPECT_EQ(ParseErrors("title T\ninfo Synopsis a \\q b\n").size(), 1u) << "an unknown escape";
    EXPECT_EQ(ParseErrors("title T\ntitle2\n    x\n").at(0),
              "s.story:2: unknown statement \"title2\" (a story "
              "knows: title, info, storyform, character, "
              "relationship, scene, storytelling)");
}

TEST(StoryResolver, ValuesAreNamedInEitherVocabulary) {
    const Resolved r =
        Resolve(WithCast("storyform\n    Sex Male\n    Approach Be-er\n    STDom Situation\n    MCDom Mind\n"
                         "    STCon Progress\n    MCCon Memories\n    STRng Wisdom\n"));
    ASSERT_TRUE(r.errors.empty()) << r.errors.front();
    ASSERT_EQ(r.story.choices.size(), 7u);
    const std::vector<std::int16_t> values = {1031, 1022, 1, 4, 6, 17, 41};
    for (std::size_t i = 0; i < values.size(); ++i) EXPECT_EQ(r.story.choices[i].value, values[i]) << i;
    EXPECT_EQ(Resolve(WithCast("storyform\n    Sex Logical\n")).story.choices.at(0).value, 1031);
    EXPECT_EQ(Resolve(WithCast("storyform\n    STDom Universe\n")).story.choices.at(0).value, 1);
    EXPECT_EQ(Resolve(WithCast("storyform\n    STCon How Things are Changing\n")).story.choices.at(0).value,
              6);
}

TEST(StoryResolver, AnElementIsTheOneOfItsThroughlinesDomainClass) {
    // Faith is the 23rd element of every class by name: 85 + 22 in the first class, 277 + 22 in the
    // fourth.
    const Resolved mind =
        Resolve(WithCast("storyform\n    MCPbm Faith\n    MCDom Mind\n    STPbm Faith\n"
                         "    STDom Universe\n"));
    ASSERT_TRUE(mind.errors.empty()) << mind.errors.front();
    EXPECT_EQ(mind.story.choices[0].value, 299);
    EXPECT_EQ(mind.story.choices[2].value, 107);

    const Resolved alone = Resolve(WithCast("storyform\n    OCSol Faith\n"));
    ASSERT_EQ(alone.errors.size(), 1u);
    EXPECT_EQ(alone.errors[0],
              "s.story:7: an element of \"OCSol\" needs the domain of its throughline chosen too");
}

TEST(StoryResolver, NamesThatMeanNothingAreReportedAtTheirLines) {
    const auto first = [](const std::string& text) {
        const Resolved r = Resolve(WithCast(text));
        return r.errors.empty() ? std::string("(none)") : r.errors.front();
    };
    EXPECT_EQ(first("storyform\n    STDomain Universe\n"),
              "s.story:7: no story point has the code \"STDomain\"");
    EXPECT_EQ(first("storyform\n    STDom Faith\n"), "s.story:7: \"STDom\" has no value \"Faith\"");
    EXPECT_EQ(first("storyform\n    Resolve Change\n    Resolve Steadfast\n"),
              "s.story:8: \"Resolve\" is chosen twice (first on line 7)");
    EXPECT_EQ(first("storyform\n    STOrd Universe\n"),
              "s.story:7: \"STOrd\" follows from the storyform; it is not chosen");
    EXPECT_EQ(first("storyform\n    Nature Actual Work\n"),
              "s.story:7: \"Nature\" follows from the storyform; it is not chosen");
    EXPECT_EQ(first("info Summary x\n").substr(0, 50), "s.story:6: the story's information has no text \"Su");
    EXPECT_EQ(first("character M\n"), "s.story:6: two characters are called M");
    EXPECT_EQ(first("character X\n    sex tall\n"),
              "s.story:7: a character's sex is male, female or neither");
    EXPECT_EQ(first("character X\n    picture 40000\n"), "s.story:7: a stock picture's number is 0 to 32767");
    EXPECT_EQ(first("character X\n    archetype Hero\n"), "s.story:7: no archetype is called \"Hero\"");
    EXPECT_EQ(first("character X\n    hobbies Chess\n"), "s.story:7: a character has no field \"hobbies\"");
    EXPECT_EQ(first("character X\n    sex male\n        female\n"), "s.story:7: \"sex\" is one line");
    EXPECT_EQ(first("character X\n    subjective main\n"),
              "s.story:6: another character (line 2) holds this subjective role");
    EXPECT_EQ(first("relationship M & Nobody\n    x\n"), "s.story:6: no character is called \"Nobody\"");
    EXPECT_EQ(first("scene S\n    characters M, Nobody\n"), "s.story:7: no character is called \"Nobody\"");
    EXPECT_EQ(first("scene S\n    points STDom STNothing\n"),
              "s.story:7: no story point has the code \"STNothing\"");
    EXPECT_EQ(first("scene S\n    mood dark\n"),
              "s.story:7: a scene has no field \"mood\" (it knows: description, points, characters)");
    EXPECT_EQ(first("storytelling\n    Resolve a\n    Resolve b\n"),
              "s.story:8: \"Resolve\" is told twice (first on line 7)");
    EXPECT_EQ(first("storytelling\n    Resolve\n"), "s.story:7: the storytelling text is empty");
}

TEST(StoryResolver, EveryStoryHasOneMainAndOneImpactCharacter) {
    const Resolved none = Resolve("title T\ncharacter A\n");
    EXPECT_EQ(none.errors, (std::vector<std::string>{
                               "s.story: no character is the main character (\"subjective main\")",
                               "s.story: no character is the impact character (\"subjective impact\")"}));
    const Resolved cast = Resolve(
        WithCast("character Kit\n    sex neither\n    form several\n    picture 28\n    archetype Sidekick\n"
                 "    role  The cats\n    skills\n        Climbing\n        and hiding.\n"
                 "relationship Kit & M\n    Friends.\nscene S\n    characters Kit, M\n    points Resolve\n"));
    ASSERT_TRUE(cast.errors.empty()) << cast.errors.front();
    ASSERT_EQ(cast.story.characters.size(), 3u);
    const ResolvedCharacter& kit = cast.story.characters[2];
    EXPECT_EQ(kit.subjectiveRole, 0);
    EXPECT_EQ(cast.story.characters[0].subjectiveRole, 1);
    EXPECT_EQ(cast.story.characters[1].subjectiveRole, 2);
    EXPECT_EQ(kit.sex, 2);
    EXPECT_EQ(kit.form, 2);
    EXPECT_EQ(kit.picture, 28);
    EXPECT_EQ(kit.archetype, 6);
    EXPECT_EQ(kit.texts, (std::vector<std::pair<std::string, std::string>>{
                             {"Role", "The cats"}, {"Skil", "Climbing and hiding."}}));
    ASSERT_EQ(cast.story.relationships.size(), 1u);
    EXPECT_EQ(cast.story.relationships[0].first, 2u);
    EXPECT_EQ(cast.story.relationships[0].second, 0u);
    ASSERT_EQ(cast.story.scenes.size(), 1u);
    EXPECT_EQ(cast.story.scenes[0].characters, (std::vector<std::size_t>{2, 0}));
    EXPECT_EQ(cast.story.scenes[0].points, (std::vector<int>{0}));
}

}  // namespace
