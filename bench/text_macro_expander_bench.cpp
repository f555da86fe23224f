// Speed of the macro expander: a 30,000-word report template against a story of 12 characters and
// 40 scenes, against a plain copy of the same text whose macros are replaced from a bare lookup
// table holding their expansions (the floor). The expansion should take at most three times as
// long as the floor.

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

#include "foundation/Platform.h"
#include "foundation/pfm/PFM.h"
#include "foundation/pfm/PTextTypes.h"
#include "storymodel/StoryStandIn.h"
#include "storymodel/TextMacroExpander.h"
#include "storymodel/engine/StoryPointTable.h"
#include "support/Floor.h"

namespace {

constexpr int kCharacters = 12;
constexpr int kScenes = 40;
constexpr int kWords = 30000;

// The application's data file with the definitions, verbs and pronouns the template uses.
void FillDataFile(StandInApplication& application) {
    for (std::uint16_t id = 85; id < 149; ++id) {
        application.AddDataText(FourCCOf("SDEF"), id, "a short definition of the element");
        application.AddDataRecordText(FourCCOf("SVRB"), id, "B", "consider");
        application.AddDataRecordText(FourCCOf("SVRB"), id, "PT3", "s");
    }
    for (const char* key : {"S30S1", "S31S1", "S32S1", "P32S1", "S30P1", "S31P1", "S32P1", "P32P1"})
        application.AddDataRecordText(FourCCOf("PPNN"), 1, key, "they");
}

// A story in memory with its characters, scenes and some story points chosen.
void FillStory(StandInStory& story) {
    story.GetInfoRecord().SetEntry("Title", kPTextText, "The {CNN(M,NM)} Story");
    story.GetStorytellingRecord().SetEntry("STPbm", kPTextText, "how the trouble starts");
    story.LoadCharacters();
    CharacterManager& characters = story.Characters();
    for (int i = 2; i < kCharacters; ++i) {
        const CharID id =
            characters.CreateCharacter(nullptr, static_cast<std::uint16_t>(i % 3), 1, 0, 0, false);
        characters.GetCharacter(id)->SetDescription("a character with a past and a few plans");
    }
    for (int i = 0; i < kScenes; ++i) story.Scenes().InsertScene(-1);
    for (const char* code : {"STDom", "STCon", "STPbm", "MCPbm", "OCFoc", "PLSol"}) {
        const int index = StoryPointIndexForCode(code);
        story.StoryForm().SetValueAt(index, static_cast<std::int16_t>(85 + index % 64));
    }
}

// A report as the report templates write them: sentences of plain words with a macro every few
// words - names, story points, pronouns, verbs, definitions, terms.
std::string ReportTemplate() {
    const char* sentences[] = {
        "In this story {CNN(M,NM)} {SVB(M,STPbm,PT3)} the problem of {SNF(STPbm)}, and {PPN(M,0,S1)} must "
        "face it before the end of the {LDoma} of the story as a whole. ",
        "The {NObst} Character, {CNNU(O,NM)}, stands for {SNF(OCFoc)}; {PPN(O,0,P1)} influence is felt "
        "in every {CLS(STCon)} of the story and in the way the others behave. ",
        "{SDF(STPbm)} is what the writer should keep in mind when the {NObje} Story moves from its "
        "first act into the second and the stakes begin to rise. ",
        "As {SDI(Title)} unfolds, {CNN(3,NM)} and {CNN(7,NM)} find that {SNF(PLSol)} is the only way "
        "forward, which {STF(STPbm)} makes plain to every reader of the story. ",
    };
    std::string text;
    int words = 0;
    for (int i = 0; words < kWords; ++i) {
        const char* sentence = sentences[i % 4];
        text += sentence;
        for (const char* c = sentence; *c; ++c) words += *c == ' ';
    }
    return text;
}

using Table = std::unordered_map<std::string_view, std::string>;

// The floor's work: the text copied, each macro replaced by its expansion from the table.
std::string Substitute(std::string_view text, const Table& table) {
    std::string output;
    output.reserve(text.size() + 50);
    std::size_t from = 0;
    for (std::size_t open = text.find('{'); open != std::string_view::npos; open = text.find('{', from)) {
        const std::size_t close = text.find('}', open);
        output.append(text.substr(from, open - from));
        output += table.find(text.substr(open, close + 1 - open))->second;
        from = close + 1;
    }
    output.append(text.substr(from));
    return output;
}

// The application, the story and the template, set up once for the program, and the floor's table:
// each macro of the template with the text the expander makes of it.
struct Setting {
    Setting() {
        DetectPlatform();
        PFMInit(FourCCOf("Fabl"), MakeVersion(1, 0, kStageRelease, 0));
        application = std::make_unique<StandInApplication>();
        FillDataFile(*application);
        SetStoryApplication(application.get());
        story = std::make_unique<StandInStory>(PFMOpenFile(nullptr));
        FillStory(*story);
        report = ReportTemplate();
        const std::string_view text = report;
        for (std::size_t open = text.find('{'); open != std::string_view::npos;
             open = text.find('{', open + 1)) {
            const std::string_view macro = text.substr(open, text.find('}', open) + 1 - open);
            if (!table.contains(macro))
                table.emplace(macro, ExpandText(story.get(), std::string(macro).c_str()));
            ++macros;
        }
        same = Substitute(report, table) == ExpandText(story.get(), report.c_str());
    }
    std::unique_ptr<StandInApplication> application;
    std::unique_ptr<StandInStory> story;
    std::string report;
    Table table;
    int macros = 0;
    bool same = false;  // the floor makes the very text the expander makes
};

Setting& TheSetting() {
    static Setting setting;
    return setting;
}

void BM_ExpandReport(benchmark::State& state) {
    Setting& setting = TheSetting();
    if (!setting.same) state.SkipWithError("the floor's text differs from the expansion");
    std::size_t length = 0;
    for (auto _ : state) {
        TextMacroExpander expander(setting.story.get(), setting.report.c_str());
        std::uint32_t size = 0;
        benchmark::DoNotOptimize(expander.Expand(&size));
        length = size;
    }
    state.counters["macros"] = setting.macros;
    state.counters["bytes"] = static_cast<double>(length);
}
BENCHMARK(BM_ExpandReport)->Unit(benchmark::kMicrosecond);

// The floor; the expansion's target is at most three times this.
void BM_PlainSubstitution(benchmark::State& state) {
    Setting& setting = TheSetting();
    std::size_t length = 0;
    for (auto _ : state) {
        const std::string output = Substitute(setting.report, setting.table);
        benchmark::DoNotOptimize(output.data());
        length = output.size() + 1;
    }
    state.counters["macros"] = setting.macros;
    state.counters["bytes"] = static_cast<double>(length);
}
BENCHMARK(BM_PlainSubstitution)->Unit(benchmark::kMicrosecond);

BENCH_FLOOR("BM_ExpandReport", "BM_PlainSubstitution", 3.0);

}  // namespace
