// The story points output over templates that answer "[Sn]" and story point descriptions of the
// test's own: the line of each kind, the numbers never visited, descriptions that are missing or
// have no code, the group headings; and its printable tables on a measuring context: a row for
// every line, cells printed expanded and decoded, a header repeated on each page a table goes on to,
// and page numbers that go on from group to group.

#include <algorithm>
#include <cctype>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "ReportTestSupport.h"
#include "items/printing/PrintableCollections.h"
#include "items/printing/PrintingEnvironment.h"
#include "items/printing/PrintingTestSupport.h"
#include "reports/FablecorePage.h"
#include "reports/FablecoreReport.h"
#include "reports/ReportText.h"

namespace {

using namespace reporttest;
using printtest::DrawnText;

const std::string kStepEnd = "\n\n" + Code("M(0,20,0)");
constexpr std::int16_t kNeverVisited[] = {11, 12, 25, 38, 51, 64, 65, 74, 82, 90, 98, 106, 114};

// A composer that makes its printables in a measuring environment and keeps them.
class PrintingComposer : public ReportComposer {
public:
    using ReportComposer::ReportComposer;
    PrintingEnvironment* GetPrintingEnvironment() override { return environment; }
    win::LOGFONTA GetPrintableFont() const override { return printtest::BodyFont(); }
    void AddPrintable(PrintablePtr printable, const char* text) override {
        if (printable) printables.push_back(std::move(printable));
        ReportComposer::AddPrintable(nullptr, text);
    }
    PrintingEnvironment* environment = nullptr;
    std::vector<PrintablePtr> printables;
};

class StoryPointsOutput : public ReportTest {
protected:
    void SetUp() override {
        ReportTest::SetUp();
        owner.vocabulary = 1;  // the text keeps its macros
        log->lastKey = 13;
    }
    void Describe(std::int16_t number, const char* code, const char* name, const char* explanation,
                  std::int16_t kind) {
        log->descriptions[number] = {code, name, explanation, kind};
    }
    // Every number 3-118 described (the never visited ones too), each with a story point code of the
    // table and the name "Nn", kind 3.
    void DescribeAll() {
        int index = 0;
        for (std::int16_t number = 3; number <= 118; ++number) {
            const StoryPointRecord* point = nullptr;
            while (!point || !point->code) point = StoryPointAt(index++ % kStoryPointCount);
            Describe(number, point->code, ("N" + std::to_string(number)).c_str(), "e", 3);
        }
    }
    std::string Build() {
        composer->BuildStoryPointsOutput();
        return Take();
    }
    static std::size_t Count(const std::string& text, const std::string& part) {
        std::size_t count = 0;
        for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
        return count;
    }
};

TEST_F(StoryPointsOutput, EachKindFormsItsLine) {
    Describe(3, "Resolve", "Resolve", "how it ends", 7);
    Describe(4, "MCCon", "Concern", "the worry", 1);
    Describe(5, "OCCon", "Impact Concern", "the pressure", 6);
    Describe(6, "STPbm", "Problem", "the trouble", 2);
    Describe(7, "STSol", "Solution", "the cure", 5);
    Describe(8, "STDom", "Domain", "never shown", 0);
    Describe(9, "MCDom", "Main Domain", "never shown", 8);
    Describe(10, "PLDom", "Hidden", "never shown", 9);
    Describe(13, "OCDom", "Impact Domain", "shown", 4);
    // The values the lines show are chosen (a value not chosen yet says so: below).
    for (const char* code : {"Resolve", "MCCon", "OCCon", "STPbm", "STSol", "STDom", "MCDom", "OCDom"})
        story->StoryForm().SetValueAt(StoryPointIndexForCode(code),
                                      code == std::string("Resolve") ? 1001 : 1);
    const std::string text = Build();
    EXPECT_EQ(log->opened, (std::vector<std::int16_t>{1079}));
    std::string expected = "[S1][S2]";
    // The line of a position or a home class: its value, then what it is.
    expected += "\x95 " + kB + "Resolve: {SNF(Resolve)} (how it ends)" + kNB + kStepEnd;
    expected +=
        "\x95 " + kB + "Concern: {SNF(MCCon)} (the worry as it concerns how {SDF(MCCon)})" + kNB + kStepEnd;
    expected += "\x95 " + kB + "Impact Concern: {SNF(OCCon)} (the pressure as it concerns how {SDF(OCCon)})" +
                kNB + kStepEnd;
    expected += "\x95 " + kB + "Problem: {SNF(STPbm)} ({SDF(STPbm)} is the trouble)" + kNB + kStepEnd;
    expected += "\x95 " + kB + "Solution: {SNF(STSol)} ({SDF(STSol)} is the cure)" + kNB + kStepEnd;
    SList terms;
    const std::string domain = ExpandReportMacros(story.get(), "{SDF(STDom)}", &terms);
    const std::string mainDomain = ExpandReportMacros(story.get(), "{SDF(MCDom)}", &terms);
    expected += "\x95 " + kB + "Domain: {SNF(STDom)} (" + domain + ")" + kNB + kStepEnd;
    expected += "\x95 " + kB + "Main Domain: {SNF(MCDom)} (" + mainDomain + ")" + kNB + kStepEnd;
    expected += kStepEnd;  // kind 9: no line, but its step still ends
    expected += "[S3]\x95 " + kB + "Impact Domain: {SNF(OCDom)} ({SDF(OCDom)} is shown)" + kNB + kStepEnd;
    expected += "[S4][S5][S6][S7][S8][S9][S10][S11][S12][S13]";
    EXPECT_EQ(text, expected);
    EXPECT_EQ(text.find("never shown"), std::string::npos);

    // Not chosen: said so, with what the point is; a value-definition line has no definition to give.
    for (const char* code : {"Resolve", "MCCon", "STPbm", "MCDom"})
        story->StoryForm().SetValueAt(StoryPointIndexForCode(code), 0);
    const std::string open = Build();
    EXPECT_NE(open.find("\x95 " + kB + "Concern: not chosen yet (the worry)" + kNB + kStepEnd),
              std::string::npos)
        << open;
    EXPECT_NE(open.find("\x95 " + kB + "Problem: not chosen yet (the trouble)" + kNB + kStepEnd),
              std::string::npos);
    EXPECT_NE(open.find("\x95 " + kB + "Main Domain: not chosen yet (never shown)" + kNB + kStepEnd),
              std::string::npos);
    EXPECT_NE(open.find("\x95 " + kB + "Resolve: not chosen yet (how it ends)" + kNB + kStepEnd),
              std::string::npos);
    EXPECT_EQ(open.find("{SNF(MCCon)}"), std::string::npos);
}

TEST_F(StoryPointsOutput, WithoutAnyDescriptionTheHeadingsComeAndASentenceSaysTheyAreMissing) {
    EXPECT_EQ(Build(),
              "[S1][S2][S3][S4][S5][S6][S7][S8][S9][S10][S11][S12][S13]The descriptions of the story "
              "points are missing from the program's data.\n\n");
    Describe(118, "MCCon", "Concern", "the worry", 7);
    story->StoryForm().SetValueAt(StoryPointIndexForCode("MCCon"), 1);
    EXPECT_TRUE(Build().ends_with("[S13]\x95 " + kB + "Concern: {SNF(MCCon)} (the worry)" + kNB + kStepEnd));
}

TEST_F(StoryPointsOutput, TheStorytellingTextFollowsEachLineAndTheTextIsExpandedWithoutTheVocabulary) {
    Describe(3, "Resolve", "Resolve", "how it ends", 7);
    story->StoryForm().SetValueAt(StoryPointIndexForCode("Resolve"), 1001);
    composer->SetShowStorytelling(1);
    Tell("Resolve", "told");
    EXPECT_TRUE(StartsWith(Build(), "[S1][S2]\x95 " + kB + "Resolve: {SNF(Resolve)} (how it ends)" + kNB +
                                        ":\n\n" + Code("M(40,40,40)") + "{STF(Resolve)}\n\n" +
                                        Code("M(0,0,0)") + kStepEnd));
    owner.vocabulary = 0;
    const std::string expanded = Build();
    EXPECT_EQ(expanded.find("{STF("), std::string::npos) << expanded;
    EXPECT_NE(expanded.find("(how it ends)" + kNB + ":\n\n" + Code("M(40,40,40)") + Code("I+") + "told" +
                            Code("I-") + "\n\n"),
              std::string::npos)
        << expanded;
}

TEST_F(StoryPointsOutput, NeverVisitedNumbersAndMissingOrCodelessDescriptionsGiveNoLine) {
    DescribeAll();
    log->descriptions.erase(20);
    log->descriptions[21].code.clear();
    const std::string text = Build();
    for (const std::int16_t number : kNeverVisited)
        EXPECT_EQ(text.find("N" + std::to_string(number) + ":"), std::string::npos) << number;
    EXPECT_EQ(text.find("N20:"), std::string::npos);
    EXPECT_EQ(text.find("N21:"), std::string::npos);
    EXPECT_NE(text.find(kB + "N19: "), std::string::npos);
    EXPECT_NE(text.find(kB + "N118: "), std::string::npos);
    // 116 numbers, 13 never visited, 2 without a usable description.
    EXPECT_EQ(Count(text, "\x95 "), 101u);
    EXPECT_EQ(Count(text, kStepEnd), 101u);
    // Each heading comes before the first line of its group.
    EXPECT_LT(text.find("[S3]"), text.find(kB + "N13: "));
    EXPECT_GT(text.find("[S3]"), text.find(kB + "N10: "));
    EXPECT_LT(text.find("[S13]"), text.find(kB + "N115: "));
}

// The test store holds no definitions: a definition expands as the expander renders it, and an
// empty one answers false.
TEST_F(StoryPointsOutput, ADefinitionIsTheExpansionOfItsMacroAndFalseWhenEmpty) {
    story->StoryForm().SetValueAt(StoryPointIndexForCode("STDom"), 1);
    SList terms;
    const std::string expected = ExpandReportMacros(story.get(), "{SDF(STDom)}", &terms);
    std::string out = "old";
    EXPECT_EQ(composer->ExpandDefinition("STDom", out), !expected.empty());
    EXPECT_EQ(out, expected);
}

class StoryPointTables : public StoryPointsOutput {
protected:
    printtest::PrintingApplication app;
    printtest::RecordingGraph graph;
    PrintingEnvironment environment{&graph};
    ShortRect page;
    PrintingComposer* printing = nullptr;

    void SetUp() override {
        StoryPointsOutput::SetUp();
        ASSERT_EQ(app.record.GetPageRect(page), kNoErr);
        graph.Open(page.Width(), page.Height());
        auto made = std::make_unique<PrintingComposer>(&owner, story.get(), &form);
        made->SetReportTemplates(std::make_unique<FakeTemplates>(log));
        made->environment = &environment;
        printing = made.get();
        composer = std::move(made);
    }
    // The report's printables as the one page of a report; the runs drawn on each sheet.
    std::vector<std::vector<DrawnText>> PrintAll() {
        auto body = std::make_unique<PrintableVertList>();
        for (PrintablePtr& printable : printing->printables) body->Add(std::move(printable));
        printing->printables.clear();
        FablecoreReport report(&environment, page);
        report.AddPage(std::make_unique<FablecorePage>(&environment, std::move(body), story.get(),
                                                       printtest::BodyFont(), "Story Points Output"));
        std::vector<std::vector<DrawnText>> sheets;
        std::uint16_t last = 0;
        for (std::int16_t p = 0; !last && p < 100; ++p) {
            graph.drawn.clear();
            EXPECT_EQ(report.PreparePage(&graph, p, last), kNoErr);
            sheets.push_back(graph.drawn);
        }
        EXPECT_EQ(last, 1);
        return sheets;
    }
    static std::vector<std::string> Words(const std::string& text) {
        std::istringstream in(text);
        std::vector<std::string> words;
        for (std::string word; in >> word;) words.push_back(word);
        return words;
    }
    static int Drawn(const std::vector<DrawnText>& runs, const std::string& text) {
        return static_cast<int>(
            std::count_if(runs.begin(), runs.end(), [&](const DrawnText& run) { return run.text == text; }));
    }
};

TEST_F(StoryPointTables, EveryLineIsARowAndThePagesKeepNumberingWithTheHeaderOnEach) {
    DescribeAll();
    log->descriptions.erase(30);
    log->descriptions[31].kind = 9;
    const std::string text = Build();
    // The two opening texts, the eleven headings and the twelve group tables.
    EXPECT_EQ(printing->printables.size(), 2u + 11u + 12u);
    const auto sheets = PrintAll();
    ASSERT_GE(sheets.size(), 2u);
    // Twelve tables that each took a page of their own would take at least twelve pages.
    EXPECT_LT(sheets.size(), 8u);
    std::map<std::string, int> rows;
    for (std::size_t s = 0; s < sheets.size(); ++s) {
        EXPECT_EQ(Drawn(sheets[s], "- " + std::to_string(s + 1) + " -"), 1) << "sheet " << s;
        // Every sheet holds rows of a table, under the table's header.
        EXPECT_GE(Drawn(sheets[s], "Item"), 1) << "sheet " << s;
        for (const DrawnText& run : sheets[s])
            if (run.text.size() > 1 && run.text[0] == 'N' &&
                std::isdigit(static_cast<unsigned char>(run.text[1])))
                ++rows[run.text];
    }
    // A row for every line, each printed once; none for the others.
    EXPECT_EQ(rows.size(), Count(text, "\x95 "));
    for (const auto& [name, count] : rows) EXPECT_EQ(count, 1) << name;
    EXPECT_EQ(rows.count("N30"), 0u);
    EXPECT_EQ(rows.count("N31"), 0u);
    EXPECT_EQ(rows.count("N11"), 0u);
    EXPECT_EQ(rows.count("N118"), 1u);
}

TEST_F(StoryPointTables, CellsPrintExpandedAndDecoded) {
    Describe(3, "Resolve", "Resolve", "how it ends", 7);
    Describe(13, "MCCon", "Concern", "the worry", 1);
    Describe(14, "MCRng", "Counterproductiveness", "the worry", 1);  // too wide for its column
    composer->SetShowStorytelling(1);
    Tell("MCCon", StoredText("a {braced} text").c_str());
    Tell("Resolve", "told");
    Build();
    std::string printed;
    for (const auto& sheet : PrintAll())
        for (const DrawnText& run : sheet) printed += run.text + "|";
    EXPECT_NE(printed.find("a {braced} text"), std::string::npos) << printed;
    EXPECT_NE(printed.find("told"), std::string::npos) << printed;
    EXPECT_EQ(printed.find("{SNF"), std::string::npos) << printed;
    EXPECT_EQ(printed.find("{SDF"), std::string::npos) << printed;
    EXPECT_EQ(printed.find("{STF"), std::string::npos) << printed;
    EXPECT_EQ(printed.find("{NAppr}"), std::string::npos) << printed;
    EXPECT_EQ(printed.find('\xC7'), std::string::npos);
    EXPECT_NE(printed.find("[S1]"), std::string::npos);
    EXPECT_NE(printed.find("[S3]"), std::string::npos);
    // The word too wide is cut with a hyphen, and is whole again without it.
    const std::size_t cut = printed.find("|-|");
    ASSERT_NE(cut, std::string::npos) << printed;
    EXPECT_NE(printed.erase(cut, 3).find("|Counterproductiveness|"), std::string::npos) << printed;
}

// A definition may itself hold a macro ({NObje} in the definition of a story point's value): the
// printed cell reads as the screen does, with the macro expanded too.
TEST_F(StoryPointTables, ACellWhoseDefinitionHoldsAMacroPrintsItExpanded) {
    application.AddDataText(FourCCOf("SDEF"), 1, "the world of the {NObje} Story");
    story->StoryForm().SetValueAt(StoryPointIndexForCode("STDom"), 1);
    Describe(13, "STDom", "Domain", "where it happens", 1);
    Describe(14, "STDom", "Domain Again", "the place", 3);
    Build();
    // The runs of the sheets as words, one blank between them.
    std::string printed;
    for (const auto& sheet : PrintAll())
        for (const DrawnText& run : sheet)
            for (const std::string& word : Words(run.text)) printed += word + " ";
    const std::string expanded = ExpandReportText(story.get(), "{NObje}", nullptr, false);
    EXPECT_EQ(printed.find("{NObje}"), std::string::npos) << printed;
    EXPECT_EQ(Count(printed, "the world of the " + expanded + " Story"), 2u) << printed;
}

}  // namespace
