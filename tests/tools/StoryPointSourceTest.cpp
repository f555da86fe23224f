// The story points' sources: one entry makes the record the topic tree and {APD(id)} read under the
// story point's id and, for a point the story points report lists, the same texts under the
// report's index with the form of its line.

#include <gtest/gtest.h>

#include "DataSourceTestSupport.h"
#include "foundation/pfm/KeyedText.h"

namespace {

struct Description {
    std::string code, name, text;
    std::int16_t form = -1;
    bool operator==(const Description&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Description& record) {
    return out << "{" << record.code << "|" << record.name << "|" << record.text << "|" << record.form << "}";
}

Description RecordOf(const CompiledSegment* segment) {
    Description record;
    if (!segment) return {"(no record)", "", "", -1};
    KeyedText keys;
    EXPECT_EQ(keys.Parse(reinterpret_cast<const char*>(segment->bytes.data()), segment->bytes.size()),
              kNoErr);
    char text[300] = "";
    if (keys.GetEntry("VN", 'c', text, sizeof text) >= 0) record.code = text;
    if (keys.GetEntry("NM", 'c', text, sizeof text) >= 0) record.name = text;
    if (keys.GetEntry("DF", 'c', text, sizeof text) >= 0) record.text = text;
    keys.GetEntry("TY", 's', &record.form);
    return record;
}

std::string PointErrorOf(const std::string& entries) {
    return CompileSetText("p.storypoints", "storypoints\n" + entries).FirstError();
}

const std::string kConcern =
    "= 12100 STCon\n"
    "name    {NObje} Story Concern\n"
    "text    the area the {NObje} Story's characters\n"
    "        are concerned with\n"
    "report  14 value-is\n";

TEST(StoryPointSource, EntriesMakeRecordsByIDAndByReportIndex) {
    const auto result = CompileSetText("p.storypoints",
                                       "storypoints\n"
                                       "= 1000 Resolve\n"
                                       "name    Resolve\n"
                                       "text    the Main Character's final stance\n"
                                       "report  3 concerns-how\n"
                                       "= 1001 Change\n"
                                       "name    Change\n"
                                       "text    a change of mind\n"
                                       "= 1100 Nature\n"
                                       "name    Nature\n"
                                       "text    whether the problem is real\n"
                                       "report  115 value-definition\n" +
                                           kConcern +
                                           "= 13000 STOrd\n"
                                           "name    {NObje} Story Position\n"
                                           "text    the place of the {NObje} Story\n"
                                           "report  24 text-only\n"
                                           "= unused 79 80\n");
    ASSERT_EQ(result.FirstError(), "");
    ASSERT_EQ(result.segments.size(), 11u);
    EXPECT_EQ(RecordOf(result.Find("APPR", 1000)),
              (Description{"Resolve", "Resolve", "the Main Character's final stance", 1}));
    EXPECT_EQ(RecordOf(result.Find("APPR", 3)), RecordOf(result.Find("APPR", 1000)));
    // A value has no code and no line of the report.
    EXPECT_EQ(RecordOf(result.Find("APPR", 1001)), (Description{"", "Change", "a change of mind", 9}));
    EXPECT_EQ(RecordOf(result.Find("APPR", 115)).form, 0);
    // A concern-level point's line has the point's own kind.
    const Description concern{"STCon", "{NObje} Story Concern",
                              "the area the {NObje} Story's characters are concerned with", 3};
    EXPECT_EQ(RecordOf(result.Find("APPR", 12100)), concern);
    EXPECT_EQ(RecordOf(result.Find("APPR", 14)), concern);
    EXPECT_EQ(RecordOf(result.Find("APPR", 24)).form, 7);
    EXPECT_EQ(RecordOf(result.Find("APPR", 79)), (Description{"", "", "", 9}));
    EXPECT_EQ(RecordOf(result.Find("APPR", 80)).form, 9);
}

TEST(StoryPointSource, HeadingsNameThePointByIDAndCode) {
    EXPECT_EQ(PointErrorOf("= 12100 STDom\n"), "p.storypoints:2: 12100 is STCon, not STDom");
    EXPECT_EQ(PointErrorOf("= 1001 Steadfast\n"), "p.storypoints:2: 1001 is Change, not Steadfast");
    EXPECT_EQ(
        PointErrorOf("= 1003 Change\n"),
        "p.storypoints:2: an entry starts with = , a story point id and its code (or a value's name), as in: "
        "= 12100 STCon");
    EXPECT_EQ(PointErrorOf(kConcern + "= 12000 STDom\n"),
              "p.storypoints:7: the entries follow the order of the story point ids");
    EXPECT_EQ(PointErrorOf("= 12100 STCon\nname Concern\n"), "p.storypoints:2: the entry has no text");
}

TEST(StoryPointSource, ReportLinesFitTheReport) {
    const std::string concern = kConcern.substr(0, kConcern.find("report"));
    EXPECT_EQ(PointErrorOf(concern + "report  11 value-is\n"),
              "p.storypoints:6: the report line is an index from 3 to 118 that the report does not skip and "
              "a form: "
              "value-is, concerns-how, value-definition or text-only");
    EXPECT_EQ(PointErrorOf(concern + "report  119 value-is\n"),
              PointErrorOf(concern + "report  11 value-is\n"));
    EXPECT_EQ(PointErrorOf(concern + "report  14 shown\n"), PointErrorOf(concern + "report  11 value-is\n"));
    EXPECT_EQ(PointErrorOf("= 1001 Change\nname Change\ntext a change\nreport 4 text-only\n"),
              "p.storypoints:5: a value has no line of its own in the report");
    EXPECT_EQ(PointErrorOf("= 1000 Resolve\nname Resolve\ntext a stance\nreport 4 value-is\n"),
              "p.storypoints:5: value-is is the line of a domain, concern, issue or element point");
    EXPECT_EQ(PointErrorOf("= unused 14\n" + kConcern), "p.storypoints:7: report index 14 is given twice");
    EXPECT_EQ(PointErrorOf("= unused 12\n"), "p.storypoints:2: 12 is no report index, or one given twice");
}

TEST(StoryPointSource, TextsArePhrasesTheReportSetsIntoItsLines) {
    const std::string heading = "= 12100 STCon\nname Concern\n";
    EXPECT_EQ(PointErrorOf(heading + "text The area of concern\n"),
              "p.storypoints:4: the text is a phrase inside the report's lines: a small letter first, no "
              "full stop");
    EXPECT_EQ(PointErrorOf(heading + "text the area of concern.\n"),
              PointErrorOf(heading + "text The area of concern\n"));
    EXPECT_EQ(PointErrorOf(heading + "text " + std::string(250, 'a') + "\n"),
              "p.storypoints:4: the text has 250 characters; it has 1 to 249");
    EXPECT_EQ(PointErrorOf("= 12100 STCon\nname " + std::string(64, 'N') + "\ntext the area\n"),
              "p.storypoints:3: the name has 64 characters; it has 1 to 63");
    EXPECT_EQ(PointErrorOf(heading + "text the {NoSuch} area\n"),
              "p.storypoints:4: {NoSuch}: no macro is called NoSuch: the program would show it as written");
    // A value-is text follows "is": a phrase of one. Other lines may open on a plural.
    const std::string opensOnSigns =
        "p.storypoints:4: a value-is text follows \"is\" and so is a phrase of one, not one that opens on "
        "\"signs\"";
    EXPECT_EQ(PointErrorOf(heading + "text the signs that warn\nreport 14 value-is\n"), opensOnSigns);
    EXPECT_EQ(PointErrorOf(heading + "text signs that warn\nreport 14 value-is\n"), opensOnSigns);
    for (const char* one :
         {"the sign that warns", "the process of", "the story's end", "{NObje} Story's", "the focus"})
        EXPECT_EQ(PointErrorOf(heading + "text " + one + "\nreport 14 value-is\n"), "") << one;
    EXPECT_EQ(PointErrorOf(heading + "text the signs that warn\nreport 14 text-only\n"), "");
}

}  // namespace
