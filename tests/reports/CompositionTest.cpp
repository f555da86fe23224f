// The composition rules every report section follows: the style strings byte by byte, headings and
// rules, story points with and without the story's storytelling texts, template texts (a missing
// key appends nothing, a long text is cut to the work buffer, a template without a listed key set
// is read up to its first missing key), the closing notes, the output's capacity and the title.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "ReportTestSupport.h"
#include "foundation/pfm/PFM.h"

namespace {

using namespace reporttest;

using CompositionTest = ReportTest;

TEST_F(CompositionTest, StyleCodesAreTheSingleBytesAroundTheirCommands) {
    const std::pair<ReportStyle, std::string> expected[] = {
        {ReportStyle::kBoldOn, Code("B+")},
        {ReportStyle::kBoldOff, Code("B-")},
        {ReportStyle::kUnderlineOn, Code("U+")},
        {ReportStyle::kUnderlineOff, Code("U-")},
        {ReportStyle::kItalicOn, Code("I+")},
        {ReportStyle::kItalicOff, Code("I-")},
        {ReportStyle::kParagraphEnd, "\n\n"},
        {ReportStyle::kLineEnd, "\n"},
        {ReportStyle::kMarginsNone, Code("M(0,0,0)")},
        {ReportStyle::kMarginsHanging, Code("M(10,30,0)")},
        {ReportStyle::kMarginsIndented, Code("M(30,30,0)")},
        {ReportStyle::kMarginsBlock, Code("M(40,40,0)")},
    };
    for (const auto& [style, bytes] : expected) {
        composer->AppendStyleCode(style);
        EXPECT_EQ(Take(), bytes);
    }
}

TEST_F(CompositionTest, AHeadingIsUnderlinedAndBoldAndEndsItsParagraph) {
    composer->AppendHeading("Plot");
    EXPECT_EQ(Text(), Code("U+") + Code("B+") + "Plot" + Code("B-") + Code("U-") + "\n\n");
}

TEST_F(CompositionTest, ARuleIsItsUnderscoresBetweenTwoLineEnds) {
    composer->AppendRule(0);
    EXPECT_EQ(Take(), "\n\n");
    composer->AppendRule(30);
    EXPECT_EQ(Take(), "\n" + std::string(30, '_') + "\n");
    composer->AppendRule(-4);
    EXPECT_EQ(Take(), "\n\n");
}

TEST_F(CompositionTest, AStoryPointIsItsFallbackUnlessStorytellingIsShownAndTheStoryHasAText) {
    Tell("STDom", "The town floods.");
    Tell("STCon", "");
    // Off: the fallback, whatever the story holds.
    EXPECT_EQ(composer->AppendStoryPoint("STDom", ".  ", true), 0);
    EXPECT_EQ(Take(), ".  ");
    composer->SetShowStorytelling(1);
    // On, but no text or an empty one: the fallback.
    EXPECT_EQ(composer->AppendStoryPoint("STPbm", ", ", true), 1);
    EXPECT_EQ(Take(), ", ");
    EXPECT_EQ(composer->AppendStoryPoint("STCon", ".", false), 1);
    EXPECT_EQ(Take(), ".");
    // On with a text: the indented block, then "..." when the sentence goes on.
    const std::string block = ":\n\n" + Code("M(40,40,40)") + "{STF(STDom)}\n\n" + Code("M(0,0,0)");
    EXPECT_EQ(composer->AppendStoryPoint("STDom", " ", true), 1);
    EXPECT_EQ(Take(), block + "...");
    composer->AppendStoryPoint("STDom", " ", false);
    EXPECT_EQ(Take(), block);
}

TEST_F(CompositionTest, AMissingTemplateKeyAppendsNothingNotThePreviousText) {
    log->missing[1009] = {"S2", "S5"};
    composer->BuildGoalsAndRequirements();
    // S2 follows S1 and S5 follows the first story point: neither repeats what came before it.
    EXPECT_EQ(Text(), "[S1][S4], .  [S6].  [S7], [S8].  [S9], [S10], [S11].[S12]");
}

TEST_F(CompositionTest, TemplateTextsAreCutToTheWorkBuffer) {
    PFMFile* data = application.GetDataFile();
    const std::string longText(30000, 'x');
    {
        PText record(data, DataFileTemplates::kRecordType, 3);
        ASSERT_GE(record.SetEntry("S1", kPTextText, longText.c_str()), 0);
        ASSERT_GE(record.SetEntry("S2", kPTextText, "end"), 0);
        ASSERT_EQ(record.Save(), kNoErr);
    }
    composer->SetReportTemplates(std::make_unique<DataFileTemplates>(data));
    composer->BuildCommentsSection();
    EXPECT_EQ(Text(), std::string(ReportComposer::kWorkBufferSize - 1, 'x') + "end");
}

TEST_F(CompositionTest, TheApplicationDataFileGivesTheTemplatesByDefault) {
    application.AddDataRecordText(DataFileTemplates::kRecordType, 1080, "S1", "A note {NObst}.");
    composer->SetReportTemplates(nullptr);
    composer->BuildNoteSection();
    EXPECT_EQ(Text(), "A note {NObst}.");
}

TEST_F(CompositionTest, ATemplateWithoutAListedKeySetIsReadUpToItsFirstMissingKey) {
    log->missing[26] = {"S3"};
    composer->AppendTemplateText(26);
    EXPECT_EQ(Take(), "[S1][S2]");
    log->lastKey = 4;
    composer->AppendTemplateText(27);
    EXPECT_EQ(Take(), "[S1][S2][S3][S4]");
    log->missing[28] = {"S1"};
    composer->AppendTemplateText(28);
    EXPECT_EQ(Take(), "");
}

TEST_F(CompositionTest, ClosingNotesOpenTheirRecordAndSetTheirTextsApart) {
    composer->AppendTemplatePair(1070);
    EXPECT_EQ(Take(), "[S1]\n\n[S2]\n\n");
    for (const std::int16_t record : {1071, 1072, 1073}) {
        composer->AppendTemplatePair(record);
        EXPECT_EQ(Take(), "\n\n[S1]\n\n[S2]\n\n") << record;
    }
    composer->AppendTemplatePair(1074);
    EXPECT_EQ(Take(), "[S1]\n\n[S2]\n\n");
    EXPECT_EQ(log->opened, (std::vector<std::int16_t>{1070, 1071, 1072, 1073, 1074}));
}

TEST_F(CompositionTest, TheOutputKeepsRoomForALongReportAndGivesItBackWhenEmptied) {
    EXPECT_GE(composer->GetOutputCapacity(), ReportComposer::kMinimumCapacity);
    const std::string chunk(50000, 'a');
    for (int i = 0; i < 4; ++i) composer->AppendText(chunk.c_str());
    EXPECT_EQ(composer->GetTextLength(), 200000u);
    EXPECT_GT(composer->GetOutputCapacity(), ReportComposer::kMinimumCapacity);
    composer->ResetText();
    EXPECT_EQ(composer->GetTextLength(), 0u);
    EXPECT_EQ(composer->GetOutputCapacity(), ReportComposer::kMinimumCapacity);
}

TEST_F(CompositionTest, TheTitleKeepsItsFirst79Characters) {
    const std::string title(100, 't');
    composer->BuildReportSection(9, title.c_str());
    EXPECT_EQ(std::string(composer->GetReportTitle()), title.substr(0, 79));
    composer->BuildReportSection(9, nullptr);
    EXPECT_EQ(std::string(composer->GetReportTitle()), "");
}

TEST(ReportSources, TheSpecialBytesAreWrittenAsEscapesNeverAsGlyphs) {
    // A style delimiter or bullet typed as a character would be stored as two UTF-8 bytes, which
    // no reader of styled text takes for the delimiter.
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(REPORTS_SOURCE_DIR)) {
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        for (std::size_t i = 0; i < bytes.size(); ++i)
            ASSERT_LT(static_cast<unsigned char>(bytes[i]), 0x80) << entry.path() << " at " << i;
        ++files;
    }
    EXPECT_GT(files, 10);
}

}  // namespace
