// Speed of the reports: all 71 report sections of a complete story with 30 characters and 60
// scenes built from their templates, the text expanded for the story and laid out and painted as
// the Reports window shows it (the view's first screen painted), against laying out the same expanded text
// with TextWrap alone (at most twice as long); and the sections printed to a PDF file as pages of a
// report, as the Reports window prints them, against cairo writing the same glyph runs (at most
// twice as long).

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "foundation/Platform.h"
#include "foundation/StyleCodeBytes.h"
#include "foundation/pfm/PFM.h"
#include "foundation/pfm/PTextTypes.h"
#include "framework/graphics/FontMapping.h"
#include "framework/graphics/GraphUser.h"
#include "framework/graphics/OffscreenEnv.h"
#include "framework/graphics/Rgn.h"
#include "items/TextWrap.h"
#include "items/ViewDrawContext.h"
#include "items/printing/PrintableText.h"
#include "items/printing/PrintingEnvironment.h"
#include "reports/FablecorePage.h"
#include "reports/FablecoreReport.h"
#include "reports/ReportCatalogue.h"
#include "reports/ReportComposer.h"
#include "reports/ReportTemplates.h"
#include "reports/ReportText.h"
#include "reports/StoryformCompletion.h"
#include "storymodel/StoryStandIn.h"
#include "storymodel/engine/EngineTableReader.h"
#include "support/Floor.h"
#include "support/GlyphRunFloor.h"

namespace {

constexpr int kCharacters = 30;
constexpr int kScenes = 60;
// The Reports window as it opens in an 800 x 600 frame (40 and 30 pixels in from its edges, less its
// own frame and caption): its report view beside the report list, and the width the text is laid out
// in.
constexpr int kViewWidth = 800 - 2 * 40 - 2 * 4 - 220;
constexpr int kViewHeight = 600 - 2 * 30 - 2 * 4 - 20;
constexpr int kLayoutWidth = kViewWidth - 30;

// Paragraphs of report prose, as the templates' fragments are written, with a macro here and there.
const char* const kParagraphs[] = {
    "The story turns on {SNF(STDom)}, where every choice costs the {NObst} character something that cannot "
    "be bought back. Each scene of the first act shows another side of it: the harbour at dawn, the quarrel "
    "over the boat, the letter nobody answers. None of them settles anything, and all of them make the "
    "trouble harder to ignore for everyone who lives along the shore. ",
    "{CNN(M,NM)} weighs {SNF(MCPbm)} against what {PPN(M,0,S1)} wants, and the weight of it shows in each "
    "scene. The writer keeps the pressure steady rather than loud: a glance held too long, a door left open, "
    "a promise made in the wrong words. By the middle of the story the reader knows what the character will "
    "not say. ",
    "Here the writer asks how {SNF(STCon)} grows out of the trouble, and why nobody saw it coming. The "
    "answer "
    "lies in the small habits of the town, in what people expect of each other and what they forgive without "
    "a word. When those habits fail, the story has its engine, and every character must decide whether to "
    "mend what broke or to let the tide take it out to sea. ",
    "{SDF(STPbm)} The definition matters less than the way the characters live with it day by day, how they "
    "name it to themselves, how they hide it from the people they love, and how, at the end, one of them "
    "finally says it out loud in front of everyone on the quay in the evening. ",
};

// Templates whose every key (S1 to S40) holds three paragraphs under a bold heading, as the longer
// guides among the reports are written; a key's text is copied out as a keyed record copies it.
class ProseTemplates : public IReportTemplates {
public:
    ProseTemplates() {
        for (std::size_t n = 0; n < fragments_.size(); ++n) {
            fragments_[n] = kStyleCodeStart + std::string("B+") + kStyleCodeEnd + "Throughline" +
                            kStyleCodeStart + "B-" + kStyleCodeEnd + " " + kParagraphs[n % 4] + "\n\n" +
                            kParagraphs[(n + 1) % 4] + "\n\n" + kParagraphs[(n + 2) % 4];
        }
    }
    std::unique_ptr<ReportTemplate> Open(std::int16_t /*number*/) override {
        return std::make_unique<Fragments>(fragments_);
    }

private:
    using Texts = std::array<std::string, 4>;
    class Fragments : public ReportTemplate {
    public:
        explicit Fragments(const Texts& texts) : texts_(texts) {}
        bool Read(const char* key, char* buffer, std::size_t size) override {
            const int n = std::atoi(key + 1);
            if (n < 1 || n > 40 || size == 0) return false;
            const std::string& text = texts_[static_cast<std::size_t>(n) % texts_.size()];
            const std::size_t length = std::min(text.size(), size - 1);
            std::memcpy(buffer, text.data(), length);
            buffer[length] = '\0';
            return true;
        }

    private:
        const Texts& texts_;
    };
    Texts fragments_;
};

// The application, the story and the composer, set up once for the program.
struct Setting {
    // The printer's application first: its end closes every store, so it goes last.
    benchprint::Printer printer;

    Setting() {
        DetectPlatform();
        PFMInit(FourCCOf("Fabl"), MakeVersion(1, 0, kStageRelease, 0));
        application = std::make_unique<StandInApplication>();
        for (std::uint16_t id = 85; id < 149; ++id)
            application->AddDataText(FourCCOf("SDEF"), id, "a short definition of the element");
        for (const char* key : {"S30S1", "S31S1", "S32S1", "P32S1"})
            application->AddDataRecordText(FourCCOf("PPNN"), 1, key, "they");
        SetStoryApplication(application.get());
        const FileRef engineFile(FABLECORE_ENGINE_FILE, kAccessRead);
        engine = PFMOpenFile(&engineFile);
        story = std::make_unique<StandInStory>(PFMOpenFile(nullptr));
        PFMSetCurrentFile(story->GetStoryFile());
        SetEngineFile(engine);
        complete = engine && CompleteStoryform(story->StoryForm(), 20000);
        FillStory();
        composer = std::make_unique<ReportComposer>(nullptr, story.get(), &story->StoryForm());
        composer->SetReportTemplates(std::make_unique<ProseTemplates>());
        composer->SetShowStorytelling(1);
        for (std::int16_t id = 1; id <= 71; ++id) titles.push_back(ReportTitle(id, story.get()));
        MakeLogFont(font, 5, 10, 0);
    }

    void FillStory() {
        story->GetInfoRecord().SetEntry("Title", kPTextText, "Harbour Lights");
        story->LoadCharacters();
        CharacterManager& characters = story->Characters();
        for (int i = 2; i < kCharacters; ++i) {
            const CharID id =
                characters.CreateCharacter(nullptr, static_cast<std::uint16_t>(i % 3), 1, 0, 0, false);
            characters.GetCharacter(id)->SetDescription("a character with a past and a few plans");
        }
        for (int i = 0; i < kScenes; ++i) story->Scenes().InsertScene(-1);
        for (const char* key :
             {"STDom", "STCon", "STPbm", "STSol", "MCDom", "MCPbm", "OCPbm", "PLRng", "STGoal"})
            story->GetStorytellingRecord().SetEntry(key, kPTextText,
                                                    "what the writer told of it, at some length");
    }

    // Builds every section, each report's text marked and form feeds between them.
    void Build(std::vector<std::uint32_t>* marks = nullptr) {
        composer->ResetText();
        for (std::int16_t id = 1; id <= 71; ++id) {
            if (marks) marks->push_back(composer->GetTextLength());
            composer->BuildReportSection(id, titles[static_cast<std::size_t>(id - 1)].c_str());
            if (marks) marks->push_back(composer->GetTextLength());
            if (id < 71) composer->AppendText("\f");
        }
    }

    std::unique_ptr<StandInApplication> application;
    PFMFile* engine = nullptr;
    std::unique_ptr<StandInStory> story;
    std::unique_ptr<ReportComposer> composer;
    std::vector<std::string> titles;
    win::LOGFONTA font;
    bool complete = false;
};

Setting& TheSetting() {
    static Setting setting;
    return setting;
}

ShortRect LayoutRect() { return ShortRect::MakeLTRB(0, 0, kLayoutWidth, 0); }

void BM_BuildLayOutAndPaintReports(benchmark::State& state) {
    Setting& setting = TheSetting();
    if (!setting.complete) state.SkipWithError("no complete storyform");
    OffscreenEnv env(kViewWidth, kViewHeight, 0);
    const Rgn screen(ShortRect::MakeLTRB(0, 0, kViewWidth, kViewHeight));
    std::size_t lines = 0;
    for (auto _ : state) {
        setting.Build();
        const std::string text = ExpandReportText(setting.story.get(), setting.composer->GetText(),
                                                  &setting.composer->GetVocabulary(), false);
        const GraphUser use(env);
        ShortRect rect = LayoutRect();
        TextWrap wrap(env, rect, text.c_str(), setting.font);
        const ViewDrawContext context{nullptr, &screen, LongPoint{}};
        wrap.Draw(env, &context, 0, 5, 0, 5 + kLayoutWidth, 0);
        lines = wrap.GetLineCount();
    }
    state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(BM_BuildLayOutAndPaintReports)->Unit(benchmark::kMillisecond);

void BM_LayOutExpandedReports(benchmark::State& state) {
    Setting& setting = TheSetting();
    setting.Build();
    const std::string text = ExpandReportText(setting.story.get(), setting.composer->GetText(),
                                              &setting.composer->GetVocabulary(), false);
    OffscreenEnv env(kViewWidth, kViewHeight, 0);
    std::size_t lines = 0;
    for (auto _ : state) {
        const GraphUser use(env);
        ShortRect rect = LayoutRect();
        TextWrap wrap(env, rect, text.c_str(), setting.font);
        lines = wrap.GetLineCount();
    }
    state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(BM_LayOutExpandedReports)->Unit(benchmark::kMillisecond);
BENCH_FLOOR("BM_BuildLayOutAndPaintReports", "BM_LayOutExpandedReports", 2.0);

std::string OutputPath() {
    return (std::filesystem::temp_directory_path() / "fablecore-report-sections-bench.pdf").string();
}

// The report as the Reports window makes it: each section's text, expanded, a page of its own.
std::unique_ptr<FablecoreReport> MakeReport(Setting& setting, PrintingEnvironment& environment) {
    std::vector<std::uint32_t> marks;
    setting.Build(&marks);
    auto report = std::make_unique<FablecoreReport>(&environment, LayoutRect());
    const std::string all = setting.composer->GetText();
    for (std::size_t i = 0; i + 1 < marks.size(); i += 2) {
        const std::string part = all.substr(marks[i], marks[i + 1] - marks[i]);
        const std::string text =
            ExpandReportText(setting.story.get(), part.c_str(), &setting.composer->GetVocabulary(), false);
        if (text.empty()) continue;
        report->AddPage(std::make_unique<FablecorePage>(
            &environment, std::make_unique<PrintableText>(&environment, text.c_str(), setting.font),
            setting.story.get(), setting.font, setting.titles[i / 2].c_str()));
    }
    return report;
}

constexpr int kMostPages = 1000;

void BM_PrintReports(benchmark::State& state) {
    Setting& setting = TheSetting();
    const std::string path = OutputPath();
    int pages = 0;
    for (auto _ : state) {
        PrintGraph graph;
        PrintingEnvironment environment(&graph);
        const std::unique_ptr<FablecoreReport> report = MakeReport(setting, environment);
        pages = benchprint::PrintPages(setting.printer, graph, *report, path, kMostPages);
    }
    std::filesystem::remove(path);
    state.counters["pages"] = pages;
}
BENCHMARK(BM_PrintReports)->Unit(benchmark::kMillisecond);

void BM_CairoReportSectionRuns(benchmark::State& state) {
    Setting& setting = TheSetting();
    benchprint::PageRuns runs;
    {
        benchprint::RunRecorder recorder;
        PrintingEnvironment environment(&recorder);
        const std::unique_ptr<FablecoreReport> report = MakeReport(setting, environment);
        runs = benchprint::RecordPages(setting.printer, recorder, *report, kMostPages);
    }
    const benchprint::PlacedPages pages(runs);
    const std::string path = OutputPath();
    for (auto _ : state) pages.Show(path);
    std::filesystem::remove(path);
    state.counters["pages"] = static_cast<double>(pages.PageCount());
}
BENCHMARK(BM_CairoReportSectionRuns)->Unit(benchmark::kMillisecond);
BENCH_FLOOR("BM_PrintReports", "BM_CairoReportSectionRuns", 2.0);

}  // namespace
