// The theory dictionary's sources: each entry makes the five texts the definition macros read, under
// the id the macros fold to, and the compiler holds the entries to the structure and the texts to
// the writing rules the templates depend on.

#include <gtest/gtest.h>

#include <algorithm>

#include "DataSourceTestSupport.h"

namespace {

const std::string kAbility =
    "= 85 Ability\n"
    "name      Ability\n"
    "plural    abilities\n"
    "synonyms  capacity, talent\n"
    "short     the capacity to act,\n"
    "          written over two lines\n"
    "long      <B+>Ability<B->\\x95 is shown {NObst}.\n";

std::string ErrorOf(const std::string& level, const std::string& entries) {
    return CompileSetText("d.dictionary", "dictionary " + level + "\n" + entries).FirstError();
}

// kAbility with one field's line replaced.
std::string AbilityWith(const std::string& field, const std::string& line) {
    std::string entry = kAbility;
    const std::size_t start = entry.find("\n" + field + " ") + 1;
    const std::size_t end = field == "short" ? entry.find("\nlong") : entry.find('\n', start);
    return entry.replace(start, end - start, line);
}

TEST(DictionarySource, EachEntryMakesTheFiveTextsOfItsID) {
    const auto result = CompileSetText("d.dictionary",
                                       "# the elements\n"
                                       "dictionary elements\n\n" +
                                           kAbility +
                                           "\n# a comment between entries\n"
                                           "= 86 Acceptance\n"
                                           "long      Acceptance is ...\n"
                                           "name      Acceptance\n"
                                           "plural    acceptances\n"
                                           "synonyms  consent\n"
                                           "short     a willingness to take things as they are\n");
    ASSERT_EQ(result.FirstError(), "");
    ASSERT_EQ(result.segments.size(), 10u);
    EXPECT_EQ(result.Text("SNNS", 85), "Ability");
    EXPECT_EQ(result.Text("SNPL", 85), "abilities");
    EXPECT_EQ(result.Text("SYNS", 85), "capacity, talent");
    EXPECT_EQ(result.Text("SDEF", 85), "the capacity to act, written over two lines");
    // Styled texts: style codes, escaped bytes and macros as the program reads them.
    EXPECT_EQ(result.Text("LDEF", 85),
              "\xC7"
              "B+\xC8"
              "Ability\xC7"
              "B-\xC8\x95 is shown {NObst}.");
    EXPECT_EQ(result.Text("LDEF", 86), "Acceptance is ...");
    const CompiledSegment* name = result.Find("SNNS", 85);
    EXPECT_EQ(name->bytes.back(), 0);
    EXPECT_EQ(DescribePlace(name->origin), "d.dictionary:5");
}

TEST(DictionarySource, EntriesAreTheItemsOfTheLevelInTheStructuresOrder) {
    EXPECT_EQ(
        ErrorOf("things", kAbility),
        "d.dictionary:1: a dictionary names its level: classes, types, variations, elements or dynamics");
    EXPECT_EQ(ErrorOf("types", kAbility),
              "d.dictionary:2: 85 Ability belongs with the elements, not the types");
    EXPECT_EQ(ErrorOf("elements", "= 149 Ability\n"), "d.dictionary:2: 149 is no id the dictionary holds");
    EXPECT_EQ(ErrorOf("dynamics", "= 12000 STDom\n"), "d.dictionary:2: 12000 is no id the dictionary holds");
    EXPECT_EQ(ErrorOf("elements", "= 85 Desire\n"), "d.dictionary:2: 85 is Ability, not Desire");
    EXPECT_EQ(ErrorOf("elements", "= 85\n"),
              "d.dictionary:2: an entry starts with = , its id and its name, as in: = 85 Ability");
    // Class and type names in either vocabulary; the impact character's resolve values too.
    EXPECT_EQ(ErrorOf("classes", "= 1 Situation\n"), "d.dictionary:2: 1 Universe or Situation has no name");
    EXPECT_EQ(ErrorOf("dynamics", "= 1006 Change\n"), "d.dictionary:2: 1006 Change has no name");
    // Structure order: Knowledge 11110 comes before Ability 11310, though 116 is above 85.
    const std::string knowledge = "= 116 Knowledge\n";
    EXPECT_EQ(
        ErrorOf("elements", kAbility + knowledge),
        "d.dictionary:9: the entries follow the structure's order: 116 Knowledge comes before 85 Ability");
    EXPECT_EQ(ErrorOf("elements", kAbility + kAbility),
              "d.dictionary:9: the entries follow the structure's order: 85 Ability comes before 85 Ability");
}

TEST(DictionarySource, EveryEntryHasItsFiveFieldsOnce) {
    EXPECT_EQ(ErrorOf("elements", "= 85 Ability\nname Ability\n"),
              "d.dictionary:2: 85 Ability has no plural");
    EXPECT_EQ(ErrorOf("elements", AbilityWith("plural", "plural abilities\nplural skills")),
              "d.dictionary:5: the field plural is given twice (first at line 4)");
    EXPECT_EQ(ErrorOf("elements", AbilityWith("plural", "plurals abilities")),
              "d.dictionary:4: unknown field plurals; an entry has name, plural, synonyms, short, long");
    EXPECT_EQ(ErrorOf("elements", "name Ability\n"),
              "d.dictionary:2: a field before the first entry: an entry starts with = and its id");
    EXPECT_EQ(ErrorOf("elements", "  more text\n"),
              "d.dictionary:2: an indented line goes on the text of the field above; there is none");
    EXPECT_EQ(ErrorOf("elements", AbilityWith("plural", "plural")), "d.dictionary:4: the plural is empty");
}

TEST(DictionarySource, TextsFitTheSentencesTemplatesSetThemIn) {
    EXPECT_EQ(ErrorOf("elements", AbilityWith("short", "short     the capacity to act.")),
              "d.dictionary:6: no punctuation ends the short: templates add their own");
    EXPECT_EQ(
        ErrorOf("elements", AbilityWith("short", "short     The capacity to act")),
        "d.dictionary:6: the short definition stands inside a template's sentence: it starts with a small "
        "letter");
    EXPECT_EQ(ErrorOf("elements", AbilityWith("synonyms", "synonyms  capacity, talent,")),
              "d.dictionary:5: no punctuation ends the synonyms: templates add their own");
    EXPECT_EQ(ErrorOf("elements", AbilityWith("long", "long      Ability is the capacity")),
              "d.dictionary:8: the long definition is a paragraph: it ends with a full stop");
    EXPECT_EQ(ErrorOf("elements", AbilityWith("long", "long      He said \"enough.\"")), "");
    EXPECT_EQ(ErrorOf("elements", AbilityWith("short", "short     " + std::string(250, 'a'))),
              "d.dictionary:6: the text has 250 characters; a definition is one phrase of at most 249");
    EXPECT_EQ(ErrorOf("elements", AbilityWith("plural", "plural    " + std::string(64, 'a'))),
              "d.dictionary:4: the text has 64 characters; a name has at most 63");
    EXPECT_EQ(ErrorOf("elements", AbilityWith("long", "long      Ability {SNF(85} is.")),
              "d.dictionary:8: {SNF(85}: the arguments are written (a,b,...) just before the }");
    // A short definition may be the subject of "is": a phrase of one.
    EXPECT_EQ(
        ErrorOf("elements", AbilityWith("short", "short     things arranged by a pattern")),
        "d.dictionary:6: the short definition is set into sentences as one thing (\"... is where\"): it "
        "opens on a phrase of one, not on \"things\"");
    EXPECT_EQ(ErrorOf("elements", AbilityWith("short", "short     an arrangement of things")), "");
    // So is what follows its colon, whose last word before "of", "that" ... meets the "is".
    EXPECT_EQ(
        ErrorOf("elements", AbilityWith("short", "short     what is sensed: the raw impressions of sight")),
        "d.dictionary:6: the short definition is set into sentences as one thing (\"... is where\"): what "
        "follows its colon opens on a phrase of one, not on \"impressions\"");
    EXPECT_EQ(ErrorOf("elements", AbilityWith("short", "short     a skill: finding facts one by one")), "");
}

TEST(DictionarySource, BytesWithAMeaningOfTheirOwnAreWrittenAsEscapes) {
    EXPECT_EQ(ErrorOf("elements", AbilityWith("long", "long      \xE2\x80\xA2 Ability.")),
              "d.dictionary:8: \xE2\x80\xA2 is not written as it stands: write the bullet as \\x95");
    EXPECT_EQ(
        ErrorOf("elements", AbilityWith("long",
                                        "long      \xC3\x87"
                                        "B+\xC3\x88"
                                        "Ability.")),
        "d.dictionary:8: \xC3\x87 is not written as it stands: its byte 0xC7 starts a style code; write "
        "style codes as <B+>, <B->, <I+> ...");
    EXPECT_EQ(
        ErrorOf("elements", AbilityWith("long", "long      90\xC2\xB0 of Ability.")),
        "d.dictionary:8: \xC2\xB0 is not written as it stands: its byte 0xB0 starts the program's escapes");
}

TEST(DictionarySource, TheApplicationDataFileHoldsEveryTextOfEveryItem) {
    const auto ability = CompileSetText("d.dictionary", "dictionary elements\n" + kAbility);
    ASSERT_EQ(ability.FirstError(), "");
    Diagnostics diagnostics;
    CheckStore(ability.segments, "Fablecor.qrv", {"data", 0}, diagnostics);
    const auto& messages = diagnostics.Messages();
    const auto has = [&](const std::string& message) {
        return std::find(messages.begin(), messages.end(), message) != messages.end();
    };
    const std::string needs = "data: Fablecor.qrv needs ";
    EXPECT_TRUE(
        has(needs + "'SDEF' 86 (the definition of a theory item, read by {SDF(id)}); no source makes it"));
    EXPECT_TRUE(
        has(needs + "'SNPL' 1 (the plural name of a theory item, read by {SPN(id)}); no source makes it"));
    EXPECT_TRUE(has(needs +
                    "'LDEF' 1007 (the long definition of a theory item, read by {SLD(id)}); no source makes "
                    "it"));
    EXPECT_TRUE(has(needs +
                    "'SVRB' 148 (the verb of a theory item, read by {SVB(subject,id,form)}); no source makes "
                    "it"));
    EXPECT_TRUE(has(needs +
                    "'APPR' 118 (a story point's description, read by the topic tree, the story points "
                    "report and {APD(n)}); no source makes it"));
    EXPECT_TRUE(has(needs +
                    "'APPR' 22800 (a story point's description, read by the topic tree, the story points "
                    "report and {APD(n)}); no source makes it"));
    EXPECT_FALSE(
        has(needs + "'SDEF' 85 (the definition of a theory item, read by {SDF(id)}); no source makes it"));
    // Element ids of the other classes, and report indexes the report skips, are never read.
    for (const std::string& message : messages) {
        EXPECT_EQ(message.find("'SDEF' 149 "), std::string::npos) << message;
        EXPECT_EQ(message.find("'APPR' 11 "), std::string::npos) << message;
        EXPECT_EQ(message.find("'SVRB' 1001 "), std::string::npos) << message;
    }
}

}  // namespace
