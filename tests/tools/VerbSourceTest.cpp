// The verbs of the theory items: each line makes the verb record that {SVB(subject,id,form)} reads,
// either a phrase with "be" that takes its form from the shared forms, or a verb of five forms
// stored as a beginning and endings; and the records' checks when written as keyed records.

#include <gtest/gtest.h>

#include <map>

#include "DataSourceTestSupport.h"
#include "foundation/pfm/KeyedText.h"

namespace {

using Entries = std::map<std::string, std::string>;

// The record's text entries by key.
Entries EntriesOf(const CompiledSegment* segment) {
    if (!segment) return {{"(no record)", ""}};
    KeyedText record;
    EXPECT_EQ(record.Parse(reinterpret_cast<const char*>(segment->bytes.data()), segment->bytes.size()),
              kNoErr);
    Entries entries;
    std::int32_t cursor = 0;
    PTextEntry entry;
    for (std::int32_t result = record.FirstEntry(cursor, entry); result >= 0;
         result = record.NextEntry(cursor, entry)) {
        char text[128] = "";
        record.GetEntry(entry.key, 'c', text, sizeof text);
        entries[entry.key] = text;
    }
    return entries;
}

std::string VerbErrorOf(const std::string& lines) {
    return CompileSetText("v.verbs", "verbs\n" + lines).FirstError();
}

TEST(VerbSource, LinesMakeTheVerbRecordsOfTheirIDs) {
    const auto result =
        CompileSetText("v.verbs",
                       "# the verbs\n"
                       "verbs\n"
                       "1    Situation      be \"in a fix\"\n"
                       "5    \"The Past\"     \"look back\" \"looks back\" \"looked back\" "
                       "\"looking back\" \"looked back\"\n"
                       "85   Ability        be able\n"
                       "96   Consider       consider considers considered considering considered\n"
                       "110  Hinder         hinder hinders hindered hindering hindered\n"
                       "113  Induction      induce induces induced inducing induced\n");
    ASSERT_EQ(result.FirstError(), "");
    ASSERT_EQ(result.segments.size(), 6u);
    EXPECT_EQ(EntriesOf(result.Find("SVRB", 1)), (Entries{{"B", "\xA5 in a fix"}}));
    EXPECT_EQ(EntriesOf(result.Find("SVRB", 85)), (Entries{{"B", "\xA5 able"}}));
    EXPECT_EQ(EntriesOf(result.Find("SVRB", 96)), (Entries{{"B", "consider"},
                                                           {"INF", ""},
                                                           {"PTG", ""},
                                                           {"PT3", "s"},
                                                           {"PAST", "ed"},
                                                           {"PRESP", "ing"},
                                                           {"PASTP", "ed"}}));
    EXPECT_EQ(EntriesOf(result.Find("SVRB", 5)), (Entries{{"B", "look"},
                                                          {"INF", " back"},
                                                          {"PTG", " back"},
                                                          {"PT3", "s back"},
                                                          {"PAST", "ed back"},
                                                          {"PRESP", "ing back"},
                                                          {"PASTP", "ed back"}}));
    EXPECT_EQ(EntriesOf(result.Find("SVRB", 113)), (Entries{{"B", "induc"},
                                                            {"INF", "e"},
                                                            {"PTG", "e"},
                                                            {"PT3", "es"},
                                                            {"PAST", "ed"},
                                                            {"PRESP", "ing"},
                                                            {"PASTP", "ed"}}));
    EXPECT_EQ(DescribePlace(result.Find("SVRB", 96)->origin), "v.verbs:6");
}

TEST(VerbSource, LinesNameTheirItemInTheStructuresOrder) {
    EXPECT_EQ(
        VerbErrorOf("149 Ability be able\n"),
        "v.verbs:2: a line starts with the id of a class, type, variation or element of the first class (1 "
        "to 148) and its name");
    // No number, no name, or a number that only its low bits would make an id.
    for (const char* line : {"Ability be able\n", "85\n", "4294967381 Ability be able\n"}) {
        EXPECT_EQ(VerbErrorOf(line),
                  "v.verbs:2: a line starts with the id of a class, type, variation or element of the first "
                  "class (1 to 148) and its name")
            << line;
    }
    EXPECT_EQ(VerbErrorOf("85 Desire be able\n"), "v.verbs:2: 85 is Ability, not Desire");
    EXPECT_EQ(
        VerbErrorOf("96 Consider consider considers\n"),
        "v.verbs:2: the verb is be and the rest of the phrase, or five forms: infinitive, present for one, "
        "past, present participle, past participle");
    EXPECT_EQ(VerbErrorOf("116 Knowledge be knowing\n85 Ability be able\n"), "");
    EXPECT_EQ(VerbErrorOf("85 Ability be able\n116 Knowledge be knowing\n"),
              "v.verbs:3: the verbs follow the structure's order: Knowledge comes before the line above");
    EXPECT_EQ(VerbErrorOf("85 Ability be \"" + std::string(98, 'a') + "\"\n"),
              "v.verbs:2: the verb's stored beginning has 100 characters; the program reads at most 99");
    EXPECT_EQ(VerbErrorOf("85 Ability be \"\xE2\x80\xA2\"\n"),
              "v.verbs:2: \xE2\x80\xA2 is not written as it stands: write the bullet as \\x95");
}

TEST(VerbSource, VerbRecordsWrittenAsKeysAreChecked) {
    EXPECT_EQ(CompileText("v.keys", "keys 'SVRB' 96\nB c \"consider\"\nPT3 c \"s\"\n").FirstError(),
              "v.keys:2: the verb needs its ending for the form INF");
    EXPECT_EQ(
        CompileText("v.keys", "keys 'SVRB' 85\nB c \"\\xA5 able\"\nINF c \"x\"\n").FirstError(),
        "v.keys:3: a verb that begins with 0xA5 takes its forms from 'LVRB' 1: INF would never be read");
    EXPECT_EQ(CompileText("v.keys", "keys 'SVRB' 85\nINF c \"x\"\n").FirstError(),
              "v.keys:1: a verb record holds its verb under B");
    EXPECT_EQ(CompileText("v.keys", "keys 'LVRB' 1\nI5 c \"be\"\nI6 c \"be\"\n").FirstError(),
              "v.keys:1: the shared verb forms need P5");
    EXPECT_EQ(CompileText("v.keys", "keys 'LVRB' 1\nQ5 c \"be\"\n").FirstError(),
              "v.keys:2: unknown key Q5: the shared verb forms holds I5, I6, P5, P6, X5, X6, Y5, Y6, Z5, Z6");
}

}  // namespace
