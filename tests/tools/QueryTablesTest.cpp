// The query system's tables as the data compiler reads them from data/query: the rules every topic
// row and appreciation row must keep (a row that breaks one stops the build), the C++ source made of
// them, and the data folder's own tables.

#include "datafiles/QueryTables.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

// The rows every topic table must have, as the program treats them.
std::map<int, std::string> NamedRows() {
    std::map<int, std::string> rows = {
        {0, "info - 9 \"Home\""},          {19, "point Direction 0 \"Growth\""},
        {78, "point Direction 0 \"G\""},   {79, "point Direction 0 \"G\""},
        {136, "character - 3 \"Create\""}, {139, "character - 3 \"Choose\""},
    };
    for (int id : {2, 13, 278, 279, 306, 307, 308, 309, 323, 324, 394, 395, 396, 655})
        rows[id] = "story - 9 \"S\"";
    for (int id = 296; id <= 305; ++id) rows[id] = "story - 9 \"Choice\"";
    return rows;
}

// A whole table: the rows given, the others unused.
std::string TopicSource(const std::map<int, std::string>& rows) {
    std::string text = "# a test table\n";
    int next = 0;
    for (const auto& [id, row] : rows) {
        if (id > next) text += std::to_string(next) + "-" + std::to_string(id - 1) + " unused\n";
        text += std::to_string(id) + " " + row + "\n";
        next = id + 1;
    }
    if (next < kTopicRowCount)
        text += std::to_string(next) + "-" + std::to_string(kTopicRowCount - 1) + " unused\n";
    return text;
}

std::vector<std::string> TopicErrors(const std::string& source) {
    Diagnostics diagnostics;
    ReadTopicTable("topics.table", source, diagnostics);
    return diagnostics.Messages();
}

std::vector<std::string> WithRow(int id, const std::string& row) {
    auto rows = NamedRows();
    rows[id] = row;
    return TopicErrors(TopicSource(rows));
}

TEST(TopicTableSource, ASoundTableReadsEveryRow) {
    auto rows = NamedRows();
    rows[40] = "further - 4 \"OS {NDoma} {NAME(1)}\"";
    Diagnostics diagnostics;
    const auto table = ReadTopicTable("topics.table", TopicSource(rows), diagnostics);
    EXPECT_TRUE(diagnostics.Messages().empty()) << diagnostics.Messages().front();
    ASSERT_EQ(table.size(), static_cast<std::size_t>(kTopicRowCount));
    EXPECT_TRUE(table[40].used);
    EXPECT_EQ(table[40].kind, kTopicFurther);
    EXPECT_EQ(table[40].title, "OS {NDoma} {NAME(1)}");
    EXPECT_EQ(table[19].storyPointIndex, 4);
    EXPECT_FALSE(table[41].used);
    EXPECT_EQ(table[41].group, 9);
}

TEST(TopicTableSource, RowsComeInIdOrderAndCoverTheTable) {
    const std::string sound = TopicSource(NamedRows());
    std::string swapped = sound;
    swapped.replace(swapped.find("0 info"), 6, "1 info");
    EXPECT_EQ(TopicErrors(swapped).front(), "topics.table:2: the row of topic 0 comes next, not 1");
    const std::string shortTable = sound.substr(0, sound.rfind("656-"));
    EXPECT_EQ(TopicErrors(shortTable).front(), "topics.table: the table ends at topic 655; it has 762 rows");
    EXPECT_EQ(TopicErrors(sound + "762 info - 9 \"Extra\"\n").front(),
              "topics.table:" + std::to_string(std::count(sound.begin(), sound.end(), '\n') + 1) +
                  ": the table has 762 rows, 0 to 761");
}

TEST(TopicTableSource, EachRowKeepsTheRules) {
    EXPECT_EQ(WithRow(40, "chapter - 9 \"X\"").front().substr(0, 38),
              "topics.table:10: unknown kind chapter;");
    EXPECT_NE(WithRow(40, "point - 0 \"X\"").front().find("names the story point it answers"),
              std::string::npos);
    EXPECT_NE(WithRow(40, "further MCDom 4 \"X\"").front().find("only a storyforming question"),
              std::string::npos);
    EXPECT_NE(WithRow(40, "point MCNope 0 \"X\"").front().find("no story point has the code MCNope"),
              std::string::npos);
    EXPECT_NE(WithRow(40, "info - 4 \"X\"").front().find("its group is 9"), std::string::npos);
    EXPECT_NE(WithRow(40, "further - 1 \"X\"").front().find("groups 0-2"), std::string::npos);
    EXPECT_NE(WithRow(40, "point MCDom 5 \"X\"").front().find("groups 0-2"), std::string::npos);
    EXPECT_NE(WithRow(40, "scene - 8 \"{NAME(1)\"").front().find("a { that no } closes"), std::string::npos);
    EXPECT_NE(WithRow(40, "scene - 8 \"a } b\"").front().find("a } that no { opens"), std::string::npos);
    EXPECT_NE(WithRow(40, "scene - 8 \"\"").front().find("the title is empty"), std::string::npos);
    EXPECT_NE(WithRow(40, "scene - 10 \"X\"").front().find("the progress group 10 is outside 0 to 9"),
              std::string::npos);
    EXPECT_TRUE(WithRow(40, "point MCDom 2 \"MC {NDoma}\"").empty());
}

TEST(TopicTableSource, TitlesAreReadAsTheWindowReadsThemKeywordsFirst) {
    EXPECT_TRUE(WithRow(40, "scene - 8 \"{SceneWkTitle()}: {THR(S,2)} with {NAME(2)}\"").empty());
    EXPECT_NE(WithRow(40, "character - 3 \"{NAME()}\"").front().find("the keyword NAME is written {NAME(1)}"),
              std::string::npos);
    EXPECT_NE(
        WithRow(40, "scene - 8 \"{SceneName()}\"").front().find("topics.table:10: the title: {SceneName()}"),
        std::string::npos)
        << "a name that is neither a keyword nor a macro";
}

TEST(TopicTableSource, TopicsTheProgramNamesKeepTheirKinds) {
    EXPECT_EQ(
        WithRow(19, "further - 3 \"Growth\"").front(),
        "topics.table:8: topic 19 must be a used row of kind point: it asks the Main Character's growth");
    EXPECT_NE(WithRow(78, "point Resolve 0 \"G\"").front().find("topic 78 answers the story point Direction"),
              std::string::npos);
    EXPECT_NE(WithRow(136, "info - 9 \"Create\"").front().find("marked answered when left"),
              std::string::npos);
    EXPECT_NE(WithRow(300, "character - 3 \"Choice\"").front().find("a general choice about the story"),
              std::string::npos);
    EXPECT_NE(WithRow(394, "further - 3 \"Synopsis\"").front().find("keeps its synopsis"), std::string::npos);
    auto rows = NamedRows();
    rows.erase(2);
    EXPECT_EQ(
        TopicErrors(TopicSource(rows)).front(),
        "topics.table: topic 2 must be a used row of kind story: leaving it retitles the story's windows");
}

// An appreciation source of the given rows in table 0 and minimal tables 1 and 2.
std::string AppreciationSource(const std::vector<std::string>& table0) {
    std::string text = "table 0\n";
    for (const std::string& row : table0) text += row + "\n";
    for (std::size_t i = table0.size(); i < kAppreciationRows[0]; ++i) text += "0 -1 1 0 - - \"-\"\n";
    for (int kind = 1; kind <= 2; ++kind) {
        text += "table " + std::to_string(kind) + "\n";
        for (std::size_t i = 0; i < kAppreciationRows[static_cast<std::size_t>(kind)]; ++i)
            text += "0 -1 1 0 - - \"-\"\n";
    }
    return text;
}

std::vector<std::string> AppreciationErrors(const std::string& source) {
    Diagnostics diagnostics;
    ReadAppreciationTables("appreciations.table", source, diagnostics);
    return diagnostics.Messages();
}

TEST(AppreciationTableSource, RowsKeepTheRules) {
    EXPECT_TRUE(
        AppreciationErrors(AppreciationSource({"7 -1 1 0 - - \"Main Character\"", "2 1 2 0 - - \"{NAME(1)}\"",
                                               "0 2 3 0 - \"{ChRefDesc()}\" \"Description\"",
                                               "0 15000 2 2 MCDom \"MCDom\" \"{NDoma}\"",
                                               "0 21 2 0 - \"\\\"A literal\" \"Backstory\""}))
            .empty());
    EXPECT_NE(AppreciationErrors(AppreciationSource({"0 -1 2 0 - - \"Deep\""}))
                  .front()
                  .find("at most one level deeper"),
              std::string::npos);
    EXPECT_NE(AppreciationErrors(AppreciationSource({"0 15100 1 2 MCDom \"MCDom\" \"X\""}))
                  .front()
                  .find("its id (15000), class 2 and its code (MCDom)"),
              std::string::npos);
    EXPECT_NE(
        AppreciationErrors(AppreciationSource({"0 15000 1 1 MCDom \"MCDom\" \"X\""})).front().find("class 2"),
        std::string::npos);
    EXPECT_NE(AppreciationErrors(AppreciationSource({"0 120 1 0 - - \"X\""})).front().find("from 1 to 99"),
              std::string::npos);
    EXPECT_NE(AppreciationErrors(AppreciationSource({"0 -1 1 0 - \"Key\" \"X\""})).front().find("no content"),
              std::string::npos);
    EXPECT_NE(
        AppreciationErrors(AppreciationSource({"0 5 1 0 - \"two words\" \"X\""})).front().find("record key"),
        std::string::npos);
    EXPECT_NE(
        AppreciationErrors(AppreciationSource({"13 -1 1 0 - - \"X\""})).front().find("expansion code 13"),
        std::string::npos);
    std::string extra = AppreciationSource({});
    extra.insert(extra.find("table 1"), "0 -1 1 0 - - \"-\"\n");
    EXPECT_EQ(AppreciationErrors(extra).back(), "appreciations.table: table 0 has 39 rows; it must have 38");
    EXPECT_EQ(AppreciationErrors("0 -1 1 0 - - \"X\"\n").front(),
              "appreciations.table:1: rows follow a line \"table 0\", \"table 1\" or \"table 2\"");
}

TEST(QueryTablesSource, TheProgramsTablesWithEveryByteWritten) {
    QueryTables tables;
    tables.topics.resize(kTopicRowCount);
    tables.topics[3] = {kTopicStory, 0, 9, "Caf\xE9 \"{NObst}\"", true, {}};
    tables.topics[19] = {kTopicPoint, 4, 0, "Growth", true, {}};
    tables.appreciations[1].push_back({2, 1, 2, 0, 0, std::nullopt, "{NAME(1)}", {}});
    tables.appreciations[1].push_back({0, 15000, 2, 2, 15000, std::string("MCDom"), "a?b\\c", {}});
    const std::string source = QueryTablesSource(tables);
    EXPECT_NE(source.find("    {\"Caf\\351 \\042{NObst}\\042\", 9, 0, 3, 9},\n"), std::string::npos);
    EXPECT_NE(source.find("    {\"Growth\", 2, 4, 19, 0},\n"), std::string::npos);
    EXPECT_NE(source.find("    {\"\", 8, 0, 761, 9},\n}};"), std::string::npos);
    EXPECT_NE(source.find("kAppreciationTable1 = {{\n    {2, 1, 2, 0, 0, nullptr, \"{NAME(1)}\"},\n"
                          "    {0, 15000, 2, 2, 15000, \"MCDom\", \"a\\077b\\134c\"},\n}};"),
              std::string::npos);
    EXPECT_NE(source.find("kAppreciationTable2 = {{\n}};"), std::string::npos);
}

TEST(QueryTablesSource, TheDataFoldersTablesAreSound) {
    Diagnostics diagnostics;
    const auto tables = ReadQueryTables(DATA_SOURCE_DIR "/query", diagnostics);
    ASSERT_TRUE(tables) << diagnostics.Messages().front();
    EXPECT_EQ(tables->topics.size(), static_cast<std::size_t>(kTopicRowCount));
    for (std::size_t kind = 0; kind < kAppreciationKinds; ++kind)
        EXPECT_EQ(tables->appreciations[kind].size(), kAppreciationRows[kind]);
}

}  // namespace
