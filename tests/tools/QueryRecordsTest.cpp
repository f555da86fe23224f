// Question lists and pages of the application data file, checked as they are compiled: each page's
// keys, and the lists and pages together with the topic table, so that every list entry has its
// topic and page and every storyform question answers the point its topic row names.

#include "datafiles/QueryRecords.h"

#include <algorithm>
#include <set>

#include <gtest/gtest.h>

#include "DataSourceTestSupport.h"
#include "datafiles/PageKeywordCheck.h"

namespace {

// A small topic table: 10 an information page, 20 the Resolve question, 32 its illustration, 40 the
// Main Character's domain, 41 a topic counted by the storytelling bar, 42 and 44 plain topics; every
// other row unused.
QueryTables Tables() {
    QueryTables tables;
    tables.topics.resize(kTopicRowCount);
    const auto use = [&](int id, std::int16_t kind, std::int16_t point, std::int16_t group) {
        tables.topics[static_cast<std::size_t>(id)] = {kind, point, group, "T", true, {"topics.table", id}};
    };
    use(10, kTopicInfo, 0, 9);
    use(20, kTopicPoint, 0, 0);
    use(32, kTopicFurther, 0, 3);
    use(40, kTopicPoint, 60, 2);
    use(41, kTopicFurther, 0, 3);
    use(42, kTopicStory, 0, 9);
    use(44, kTopicStory, 0, 9);
    for (int id : {19, 78, 79}) use(id, kTopicPoint, 4, 0);
    use(296, kTopicStory, 0, 9);
    return tables;
}

class QueryRecordsTest : public ::testing::Test {
protected:
    // Compiles a keyed record; its compile errors are kept.
    void Add(const std::string& source) {
        const auto result = CompileText("record.keys", source);
        for (const std::string& message : result.diagnostics.Messages()) compileErrors.push_back(message);
        if (result.segment) segments.push_back(*result.segment);
    }
    void AddSoundSet() {
        Add("keys 'QLST' 0\nNA c \"Start\"\nOR c \"0,10,1,0,20,1,0,32,2,0,40,2,0,41,2,0,42,1,\"\n");
        Add("keys 'FQS2' 10\nT1 c \"Welcome.\"\n");
        Add("keys 'FQS2' 20\nTY s 1\nAP c \"1000\"\nCQ s 32\nRV c \"Resolve\"\nDQ s 0\nRN s 3\n"
            "R1 c \"Change\"\nR2 c \"Steadfast\"\nR3 c \"Not yet\"\n");
        Add("keys 'FQS2' 32\nAP c \"1000\"\nCQ s 20\nT1 c \"" + Example("Scrooge changes") +
            "\"\nEN s 1\nEV1 c \"Resolve\"\nES1 s 2\n");
        Add("keys 'FQS2' 40\nTY s 100\nAP c \"15000\"\nCQ s 41\n");
        Add("keys 'FQS2' 41\nAP c \"15000\"\nCQ s 40\nT1 c \"" + Example("Pip's trouble") +
            "\"\nEN s 1\nEV1 c \"MCDom\"\nES1 s 2\n");
        Add("keys 'FQS2' 42\nTY s 2\n");
    }
    // An illustration page's main text with its example.
    static std::string Example(const std::string& example) {
        return "Your point.\\n\\nHow another story shows its own: " + example + ".";
    }
    // The page of the topic compiled anew from its keys.
    void ReplacePage(std::uint16_t topic, const std::string& keys) {
        std::erase_if(segments, [&](const CompiledSegment& segment) {
            return segment.key.type == FourCCOf("FQS2") && segment.key.id == topic;
        });
        Add("keys 'FQS2' " + std::to_string(topic) + "\n" + keys);
    }
    std::vector<std::string> Check(const QueryTables* tables) {
        Diagnostics diagnostics;
        CheckQueryRecords(segments, tables, {"Fablecor", 0}, diagnostics);
        return diagnostics.Messages();
    }
    bool Says(const std::vector<std::string>& messages, const std::string& part) {
        for (const std::string& message : messages) {
            if (message.find(part) != std::string::npos) return true;
        }
        ADD_FAILURE() << "no message says: " << part
                      << (messages.empty() ? "" : "\nfirst: " + messages.front());
        return false;
    }

    std::vector<CompiledSegment> segments;
    std::vector<std::string> compileErrors;
    const QueryTables tables = Tables();
};

TEST_F(QueryRecordsTest, ASoundListAndItsPages) {
    AddSoundSet();
    EXPECT_TRUE(compileErrors.empty()) << compileErrors.front();
    EXPECT_TRUE(Check(&tables).empty()) << Check(&tables).front();
    const auto unchecked = Check(nullptr);
    ASSERT_EQ(unchecked.size(), 1u);
    EXPECT_TRUE(Says(unchecked, "checked against the topic table"));
    segments.clear();
    EXPECT_TRUE(Check(nullptr).empty()) << "a data file without lists or pages needs no table";
}

TEST_F(QueryRecordsTest, PageKeysAsThePagesReadThem) {
    Add("keys 'FQS2' 42\nRN s 3\nR1 c \"a\"\nR4 c \"d\"\n");
    Add("keys 'FQS2' 42\nR6 c \"f\"\n");
    Add("keys 'FQS2' 42\nRN s 6\n");
    Add("keys 'FQS2' 42\nQT c \"" + std::string(86, 'q') + "\"\n");
    Add("keys 'FQS2' 42\nBN s 2\nBV3 c \"{CreateChar(136)}\"\n");
    Add("keys 'FQS2' 42\nNote c \"no such key\"\n");
    EXPECT_TRUE(Says(compileErrors, "R4 is beyond the page's RN (3)"));
    EXPECT_TRUE(Says(compileErrors, "R keys are numbered 1 to 5"));
    EXPECT_TRUE(Says(compileErrors, "the value of RN 6 is outside 0 to 5"));
    EXPECT_TRUE(Says(compileErrors, "the program reads at most 85"));
    EXPECT_TRUE(Says(compileErrors, "BV3 is beyond the page's BN (2)"));
    EXPECT_TRUE(Says(compileErrors, "unknown key Note"));
}

TEST_F(QueryRecordsTest, StoryformChoicePagesAnswerTheirDynamic) {
    Add("keys 'FQS2' 20\nTY s 1\nAP c \"1010\"\nRV c \"Resolve\"\nDQ s 0\nRN s 2\n");
    EXPECT_TRUE(Says(compileErrors, "RV is the code of AP's story point: Direction"));
    EXPECT_TRUE(Says(compileErrors, "DQ is the solver's index of AP's dynamic: 1"));
    EXPECT_TRUE(Says(compileErrors, "has 3 radios"));
    compileErrors.clear();
    Add("keys 'FQS2' 20\nTY s 1\nAP c \"15000\"\n");
    EXPECT_TRUE(Says(compileErrors, "has the id of a dynamic as AP"));
    compileErrors.clear();
    Add("keys 'FQS2' 40\nTY s 100\nAP c \"1000\"\nRN s 2\nSL s 1\n");
    EXPECT_TRUE(Says(compileErrors, "its own items: no RN"));
    EXPECT_TRUE(Says(compileErrors, "its own items: no SL"));
    EXPECT_TRUE(Says(compileErrors, "a throughline story point's id as AP"));
}

TEST_F(QueryRecordsTest, PagesAgreeWithTheirTopicRows) {
    AddSoundSet();
    Add("keys 'FQS2' 44\nTY s 100\nAP c \"15000\"\n");
    Add("keys 'FQS2' 11\nT1 c \"No topic row.\"\n");
    Add("keys 'FQS2' 296\nTY s 2\n");
    Add("keys 'FQS2' 19\nT1 c \"Growth\"\n");
    Add("keys 'FQS2' 78\nT1 c \"Growth\"\n");
    Add("keys 'FQS2' 43\nTY s 7\n");
    const auto messages = Check(&tables);
    EXPECT_TRUE(
        Says(messages, "topic 44 must be a storyforming question (kind point) of the story point AP names"));
    EXPECT_TRUE(Says(messages, "the page of topic 11 has no row in the topic table"));
    EXPECT_TRUE(Says(messages, "topics 296-305 are general choices (TY 3)"));
    EXPECT_TRUE(Says(messages, "the growth question 19 is shown as 78 or 79"));
    EXPECT_TRUE(Says(messages, "the page of topic 43 has no row"));
}

TEST_F(QueryRecordsTest, ListEntriesHaveTopicsPagesAndAnOutline) {
    AddSoundSet();
    Add("keys 'QLST' 1\nOR c \"0,42,2,13,42,1,0,43,1,0,10,1,0,19,1,0,42\"\n");
    const auto messages = Check(&tables);
    EXPECT_TRUE(Says(messages, "list 1, topic 42: level 2 after level 0"));
    EXPECT_TRUE(Says(messages, "the expansion code 13 is not 0 to 12"));
    EXPECT_TRUE(Says(messages, "list 1, topic 43 has no row in the topic table"));
    EXPECT_TRUE(Says(messages, "list 1, topic 19 has no page ('FQS2' 19)"));
    EXPECT_TRUE(Says(messages, "OR holds 17 numbers"));
}

TEST_F(QueryRecordsTest, ListsAsAWhole) {
    Add("keys 'QLST' 3\nOR c \"0,10,1,0,42,1,\"\n");
    Add("keys 'FQS2' 10\nTY s 999\n");
    Add("keys 'FQS2' 42\nT1 c \"x\"\n");
    const auto messages = Check(&tables);
    EXPECT_TRUE(Says(messages, "no list 0"));
    EXPECT_TRUE(Says(messages, "the home page leads to lists 2 to 10; list 2 is missing"));
    int missing = 0;
    for (const std::string& message : messages) missing += message.find("is missing") != std::string::npos;
    EXPECT_EQ(missing, 8) << "lists 2 and 4 to 10";
    EXPECT_TRUE(Says(messages, "topic 41 (kind further) is in no question list"));
}

TEST_F(QueryRecordsTest, PageKeywordsAreWrittenAsTheInterpreterReadsThem) {
    Add("keys 'FQS2' 42\nT1 c \"{NAME(1)} meets {NAME(2)} in the {THR(L)} ({THR(S,MC)}, {THR(X,2)}), act "
        "{ACT(-1)}: {SNF(1000)}.\"\nBN s 1\nBV1 c \"{CreateChar(113)}\"\nEN s 1\nEV1 c \"{ChRefNm()}\"\n"
        "TNC c \"{UseT1}\"\n");
    EXPECT_TRUE(compileErrors.empty()) << compileErrors.front();
    Add("keys 'FQS2' 42\nT1 c \"Hello {ChRefName()}\"\n");
    Add("keys 'FQS2' 42\nQT c \"x\"\nT1 c \"{NAME()} and {ChRefNm} and {CreateChar()}\"\n");
    Add("keys 'FQS2' 42\nT1 c \"{THR(S,XY)} {THR()}\"\n");
    EXPECT_TRUE(Says(compileErrors, "record.keys:2: {ChRefName()}: no macro is called ChRefName"));
    EXPECT_TRUE(
        Says(compileErrors, "record.keys:3: {NAME()}: the keyword NAME is written {NAME(1)} with one digit"));
    EXPECT_TRUE(Says(compileErrors, "{ChRefNm}: the keyword ChRefNm is written {ChRefNm()}"));
    EXPECT_TRUE(Says(compileErrors, "{CreateChar()}: the keyword CreateChar is written {CreateChar(n)}"));
    EXPECT_TRUE(Says(compileErrors, "{THR(S,XY)}: the keyword THR is written"));
    EXPECT_TRUE(Says(compileErrors, "{THR()}: the keyword THR is written"));
    EXPECT_EQ(compileErrors.size(), 6u);
    compileErrors.clear();
    Add("keys 'QLST' 5\nNA c \"{NAME(1)}'s road {Nope}\"\nOR c \"0,10,1,\"\n");
    EXPECT_TRUE(Says(compileErrors, "record.keys:2: {Nope}: no macro is called Nope"));
    EXPECT_EQ(compileErrors.size(), 1u) << "list names are templates too";
}

TEST(PageKeywordTable, FiftyThreeNamesSortedAsTheRegistryKeepsThem) {
    const auto keywords = PageKeywords();
    EXPECT_EQ(keywords.size(), 53u);
    EXPECT_TRUE(std::is_sorted(keywords.begin(), keywords.end(),
                               [](const PageKeyword& a, const PageKeyword& b) { return a.name < b.name; }));
    std::set<std::string_view> names;
    for (const PageKeyword& keyword : keywords) {
        EXPECT_TRUE(names.insert(keyword.name).second) << keyword.name;
        EXPECT_EQ(FindPageKeyword(keyword.name), &keyword);
    }
    EXPECT_EQ(FindPageKeyword("ChRefN"), nullptr);
    EXPECT_EQ(FindPageKeyword("SNF"), nullptr) << "macros are no keywords";
}

TEST_F(QueryRecordsTest, PageClassesAgreeWithTheKindsOfTheirTopics) {
    Add("keys 'FQS2' 42\nTY s 999\n");
    Add("keys 'FQS2' 10\nTY s 3\nRN s 2\nRV c \"Genre\"\nHP s 7\n");
    Add("keys 'FQS2' 44\nTY s 75\nTP s 7\n");
    Add("keys 'FQS2' 20\nT1 c \"No point named.\"\n");
    Add("keys 'FQS2' 41\nCQ s 42\n");
    Add("keys 'FQS2' 40\nTY s 100\nAP c \"15000\"\n");
    ASSERT_TRUE(compileErrors.empty()) << compileErrors.front();
    const auto messages = Check(&tables);
    EXPECT_TRUE(Says(messages, "record.keys:2: topic 42: a home page (TY 999) is an information topic"));
    EXPECT_TRUE(Says(messages, "topic 10: a general choice (TY 3) is kept in a story record"));
    EXPECT_TRUE(Says(messages, "record.keys:5: the page's help text ('FQSH' 7) is missing"));
    EXPECT_TRUE(Says(messages, "topic 44: a recap (TY 75) is an information topic"));
    EXPECT_TRUE(
        Says(messages, "topic 20 is a storyforming question: its page names the story point of its row"));
    EXPECT_TRUE(Says(messages, "topic 41 illustrates a story point: its page names it as AP"));
    EXPECT_TRUE(Says(messages, "record.keys:2: topic 41: CQ 42 is no storyforming question with a page"));
    EXPECT_TRUE(Says(messages, "topic 20 is a storyforming question: CQ names the page that illustrates"));
    EXPECT_TRUE(Says(messages, "topic 40 is a storyforming question: CQ names the page that illustrates"));
    EXPECT_TRUE(Says(messages, "topic 41 illustrates a story point: its T1 has one paragraph starting"));
    EXPECT_EQ(messages.size(), 10u);
}

// A storyforming question and a page that illustrates its story point name each other with CQ: the
// help of the one shows the other's explanation, or what the writer wrote about the point.
TEST_F(QueryRecordsTest, StoryformingQuestionsAndTheirIllustrationsNameEachOther) {
    AddSoundSet();
    ASSERT_TRUE(Check(&tables).empty());
    ReplacePage(20, "TY s 1\nAP c \"1000\"\nRV c \"Resolve\"\nDQ s 0\nRN s 3\n");
    ReplacePage(32, "AP c \"1000\"\nEN s 1\nEV1 c \"Resolve\"\nES1 s 2\nT1 c \"" + Example("a") + "\"\n");
    ReplacePage(40, "TY s 100\nAP c \"15000\"\nCQ s 32\n");
    ReplacePage(41, "AP c \"15000\"\nCQ s 20\nT1 c \"" + Example("b") + "\"\n");
    auto messages = Check(&tables);
    EXPECT_TRUE(Says(messages, "record.keys:3: topic 20 is a storyforming question: CQ names the page"));
    EXPECT_TRUE(Says(messages, "record.keys:2: topic 32 illustrates a story point: CQ names the storyforming"));
    EXPECT_TRUE(Says(messages, "record.keys:4: topic 40: CQ 32 is about another story point than the page's AP"));
    EXPECT_TRUE(Says(messages, "record.keys:3: topic 41: CQ 20 is about another story point than the page's AP"));
    EXPECT_EQ(messages.size(), 4u);

    segments.clear();
    AddSoundSet();
    ReplacePage(20, "TY s 1\nAP c \"1000\"\nCQ s 10\nRV c \"Resolve\"\nDQ s 0\nRN s 3\n");
    ReplacePage(32, "AP c \"1000\"\nCQ s 42\nT1 c \"" + Example("a") + "\"\n");
    messages = Check(&tables);
    EXPECT_TRUE(Says(messages, "topic 20: CQ 10 is no illustration page of a story point"));
    EXPECT_TRUE(Says(messages, "topic 32: CQ 42 is no storyforming question with a page"));
    EXPECT_EQ(messages.size(), 2u);
}

// Each page that illustrates a story point gives, in a paragraph of its own, an example of that
// point from another story; no two pages give the same one.
TEST_F(QueryRecordsTest, EachIllustrationGivesAnExampleOfItsOwn) {
    AddSoundSet();
    ReplacePage(41, "AP c \"15000\"\nCQ s 40\nT1 c \"" + Example("Scrooge changes") + "\"\n");
    auto messages = Check(&tables);
    EXPECT_TRUE(Says(messages, "record.keys:4: topic 41 gives the example of topic 32: each illustration page"));
    EXPECT_EQ(messages.size(), 1u);

    ReplacePage(41, "AP c \"15000\"\nCQ s 40\nT1 c \"Your point. How another story shows its own: no "
                    "paragraph of its own.\"\n");
    ReplacePage(32, "AP c \"1000\"\nCQ s 20\nT1 c \"" + Example("one") + "\\n\\n" +
                        "How another story shows its own: two.\"\n");
    messages = Check(&tables);
    EXPECT_TRUE(Says(messages, "topic 41 illustrates a story point: its T1 has one paragraph starting "
                               "\"How another story shows its own: \" with an example of that point (it has 0)"));
    EXPECT_TRUE(Says(messages, "topic 32 illustrates a story point: its T1 has one paragraph starting "
                               "\"How another story shows its own: \" with an example of that point (it has 2)"));
    EXPECT_EQ(messages.size(), 2u);
}

TEST_F(QueryRecordsTest, ListEntriesAreReportedAtTheirListsLine) {
    AddSoundSet();
    Add("keys 'QLST' 1\nNA c \"More\"\nOR c \"0,43,1,\"\n");
    const auto messages = Check(&tables);
    EXPECT_TRUE(Says(messages, "record.keys:3: list 1, topic 43 has no row in the topic table"));
}

}  // namespace

namespace {

TEST(QueryHelpTexts, AreStyledTemplatesWithinThePanesLimit) {
    const auto explain =
        CompileText("help.styled", "styled 'FQQE' 20\n<B+>Resolve<B->: does the {NMSex} mind change?\n");
    ASSERT_TRUE(explain.segment) << explain.FirstError();
    EXPECT_EQ(explain.segment->bytes.back(), 0) << "the help pane reads the text up to its NUL";
    EXPECT_NE(CompileText("help.styled", "styled 'FQUS' 20\nAsk {Nope}.\n")
                  .FirstError()
                  .find("no macro is called Nope"),
              std::string::npos);
    EXPECT_NE(
        CompileText("help.keys", "keys 'FQBG' 20\nT c \"x\"\n").FirstError().find("its source is 'styled'"),
        std::string::npos);
    const auto tooLong = CompileText("help.styled", "styled 'FQSH' 3\n" + std::string(30720, 'x') + "\n");
    EXPECT_NE(tooLong.FirstError().find("the text has 30720 characters"), std::string::npos)
        << tooLong.FirstError();
    EXPECT_TRUE(CompileText("help.styled", "styled 'FQSH' 3\n" + std::string(30719, 'x') + "\n").segment);
}

}  // namespace
