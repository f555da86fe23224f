// The context file's sources: one text per story point, made into a 'CNTX' text for each value a
// page about the point stands for, and the file written from a folder of them.

#include "datafiles/ContextTexts.h"

#include <gmock/gmock.h>

#include "datafiles/StoreFiles.h"
#include "foundation/Platform.h"
#include "foundation/pfm/PFM.h"
#include "platform/sys/TempFolder.h"
#include "storymodel/engine/StoryPointTable.h"

namespace {

struct Read {
    bool sound = false;
    std::vector<ContextText> texts;
    Diagnostics diagnostics;
};

Read ReadSource(const std::string& text) {
    Read read;
    read.sound = ReadContextSource("s.context", text, {{"WHO", "us"}}, read.texts, read.diagnostics);
    return read;
}

// A source with a text for every story point that has values: "<code> {VALUE}".
std::string EveryPoint(const std::string& except = "") {
    std::string source;
    for (int index = 0; index < kStoryPointCount; ++index) {
        const StoryPointRecord& row = *StoryPointAt(index);
        if (row.kind != kValueRow && row.code != except)
            source += std::string(row.code) + " \"" + row.code + " {VALUE}\"\n";
    }
    return source;
}

std::string TextOf(const SegmentData& segment) { return {segment.bytes.begin(), segment.bytes.end()}; }

TEST(ReadContextSource, TextsGoOnOverQuotedPartsInTheStyledNotation) {
    const Read read = ReadSource(
        "# A comment.\n"
        "\n"
        "MCPbm \"<B+>${WHO}<B-> and {VALUE}, \"\n"
        "      \"in \\{braces\\}.\"\n"
        "Resolve \"A \" \"B\"\n");
    ASSERT_TRUE(read.sound) << read.diagnostics.Messages().front();
    ASSERT_EQ(read.texts.size(), 2u);
    EXPECT_EQ(read.texts[0].storyPointIndex, StoryPointIndexForCode("MCPbm"));
    EXPECT_EQ(read.texts[0].text.substr(0, 10),
              "\xC7"
              "B+\xC8us\xC7"
              "B-\xC8");
    EXPECT_THAT(read.texts[0].text, ::testing::HasSubstr(" and {VALUE}, in "));
    EXPECT_EQ(read.texts[0].text.find("\\{"), std::string::npos);
    EXPECT_EQ(read.texts[0].place.line, 3);
    EXPECT_EQ(read.texts[1].text, "A B");
}

TEST(ReadContextSource, ErrorsNameTheirLinesAndKeepNothing) {
    const Read read = ReadSource(
        "\"a text before any code\"\n"
        "MCProblem \"no such code\"\n"
        "MCPbm\n"
        "MCSol \"a text\" and words\n"
        "MCDir \"one\"\n"
        "      \"two\" three\n"
        "MCFoc \"unterminated\n");
    EXPECT_FALSE(read.sound);
    EXPECT_TRUE(read.texts.empty());
    EXPECT_THAT(
        read.diagnostics.Messages(),
        ::testing::ElementsAre("s.context:1: a text before any story point's code",
                               "s.context:2: no story point has the code MCProblem",
                               "s.context:3: the story point's code is followed by its text in quotes",
                               "s.context:4: the story point's code is followed by its text in quotes",
                               "s.context:6: a text goes on in quoted parts only",
                               ::testing::StartsWith("s.context:7: ")));
}

TEST(MakeContextSegments, EachValueOfEachPointGetsItsTextNamingTheValue) {
    const Read read = ReadSource(EveryPoint());
    ASSERT_TRUE(read.sound);
    Diagnostics diagnostics;
    const std::vector<SegmentData> segments = MakeContextSegments(read.texts, {"data", 0}, diagnostics);
    EXPECT_FALSE(diagnostics.HasErrors());
    ASSERT_EQ(segments.size(), 2638u);
    std::map<std::uint16_t, std::string> byID;
    for (const SegmentData& segment : segments) {
        EXPECT_EQ(segment.key.type, kContextTextType);
        EXPECT_EQ(segment.bytes.back(), 0);
        byID[segment.key.id] = TextOf(segment);
    }
    EXPECT_EQ(byID.size(), segments.size());
    EXPECT_EQ(segments.front().key.id, 1001);
    EXPECT_EQ(byID[1001], std::string("Resolve {SNF(1001)}", 20));
    EXPECT_EQ(byID[1007], std::string("ResOC {SNF(1002)}", 18));
    EXPECT_EQ(byID[2264], std::string("Reach {SNF(1134)}", 18));
    EXPECT_EQ(byID[12004], std::string("STDom {SNF(4)}", 15));
    EXPECT_EQ(byID[16120], std::string("MCType1 {SNF(20)}", 18));
    EXPECT_EQ(byID[18821], std::string("OCUnRng {SNF(21)}", 18));
    EXPECT_EQ(byID[21764], std::string("PLDir {SNF(148)}", 17));
    EXPECT_FALSE(byID.count(21765));
}

TEST(MakeContextSegments, AMissingOrSecondTextMakesNothing) {
    Read read = ReadSource(EveryPoint("OCCrFl"));
    Diagnostics diagnostics;
    EXPECT_TRUE(MakeContextSegments(read.texts, {"data", 0}, diagnostics).empty());
    EXPECT_THAT(diagnostics.Messages(), ::testing::ElementsAre("data: no text for the story point OCCrFl"));

    read = ReadSource(EveryPoint() + "\n\nJudgment \"again\"\n");
    Diagnostics twice;
    EXPECT_TRUE(MakeContextSegments(read.texts, {"data", 0}, twice).empty());
    EXPECT_THAT(
        twice.Messages(),
        ::testing::ElementsAre("s.context:92: a second text for Judgment; the first is at s.context:9"));
}

class CompileContextFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        DetectPlatform();
        ASSERT_EQ(PFMInit(FourCCOf("Fabl"), 0), kNoErr);
    }
    void TearDown() override { PFMTerm(); }

    TempFolder folder_;
    TempFolder out_;
    Diagnostics diagnostics_;
};

TEST_F(CompileContextFileTest, TheSourcesOfAFolderMakeOneFile) {
    const std::string all = EveryPoint();
    const std::size_t half = all.find("\nMCDom") + 1;
    folder_.WriteFile("a.context", all.substr(0, half));
    folder_.WriteFile("b.context", all.substr(half));
    folder_.WriteFile("README.md", "notes for people");
    const std::string output = out_ / "context.qrv";
    ASSERT_TRUE(CompileContextFile(folder_.Path(), output, {{"VERSION", "2.1.3"}}, diagnostics_))
        << diagnostics_.Messages().front();
    StoreFileContents contents;
    ASSERT_EQ(ReadStoreFile(output, contents), kNoErr);
    EXPECT_EQ(contents.segments.size(), 2638u);
    const auto found = std::find_if(contents.segments.begin(), contents.segments.end(),
                                    [](const SegmentData& s) { return s.key.id == 15364; });
    ASSERT_NE(found, contents.segments.end());
    EXPECT_EQ(TextOf(*found), std::string("MCPbm {SNF(148)}", 17));
}

TEST_F(CompileContextFileTest, ErrorsOrNoVersionWriteNothing) {
    folder_.WriteFile("a.context", EveryPoint("Sex"));
    const std::string output = out_ / "context.qrv";
    EXPECT_FALSE(CompileContextFile(folder_.Path(), output, {{"VERSION", "2.1.3"}}, diagnostics_));
    EXPECT_THAT(diagnostics_.Messages(),
                ::testing::ElementsAre(folder_.Path() + ": no text for the story point Sex"));
    folder_.WriteFile("a.context", EveryPoint());
    Diagnostics noVersion;
    EXPECT_FALSE(CompileContextFile(folder_.Path(), output, {}, noVersion));
    EXPECT_TRUE(noVersion.HasErrors());
    EXPECT_FALSE(std::filesystem::exists(output));
}

}  // namespace
