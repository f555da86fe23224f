// Speed of the print preview: the first page of a 300-page report shows long before the whole
// report is paginated. One run opens the preview (headless, on an 800 x 600 screen) and notes when
// its first page is on the screen and when the preview's counting has found the last page; the
// ratio of the two is printed with the run (first_to_whole, well below 1). The pair against its
// floor: the first page shown against the same report paginated page after page into a page of
// its own, plainly, without any window; the first page should take at most a tenth of that.

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <string>

#include "framework/AppEnvironment.h"
#include "framework/TAppl.h"
#include "framework/graphics/FontMapping.h"
#include "items/ItemClasses.h"
#include "items/printing/PreviewPage.h"
#include "items/printing/PrintRecord.h"
#include "items/printing/PrintViewDlog.h"
#include "items/printing/PrintableBanner.h"
#include "items/printing/PrintablePage.h"
#include "items/printing/PrintableText.h"
#include "items/printing/PrintingEnvironment.h"
#include "items/printing/TPrintableReport.h"
#include "platform/present/HeadlessPresenter.h"
#include "platform/ui/VirtualKeys.h"
#include "support/Floor.h"

namespace {

using namespace win;
using Clock = std::chrono::steady_clock;

constexpr int kPages = 300;
// Paragraphs of four lines, about 13 to a page: a few pages more than kPages.
constexpr int kParagraphs = 4000;

std::string Scene(int n) {
    return "Scene " + std::to_string(n) +
           ": the crossing is closed by the storm, and the two travellers who meet at the inn must share "
           "the last room. Neither says why the journey matters; each guesses wrong about the other, and "
           "by morning both have given away more than they meant to. What they leave behind at the inn "
           "will bring one of them back before the year is out.\r";
}

std::unique_ptr<TPrintableReport> MakeReport(PrintingEnvironment& environment) {
    auto report = std::make_unique<TPrintableReport>(&environment);
    LOGFONTA font;
    MakeLogFont(font, 2, 11, 0);
    auto body = std::make_unique<PrintableVertList>();
    for (int n = 0; n < kParagraphs; ++n)
        body->Add(std::make_unique<PrintableText>(&environment, Scene(n).c_str(), font));
    report->AddPrintable(std::make_unique<PrintablePage>(
        &environment, std::make_unique<PrintableBanner>(&environment, "Scenes^<Page ^P^>", font), nullptr,
        std::move(body)));
    return report;
}

// An application of its print record (the PDF file printer, one-inch margins) on a headless screen.
class Previewer {
public:
    Previewer() {
        SetAppEnvironment(&environment_);
        InstallItemClasses();
        application_ = std::make_unique<TAppl>(&environment_);
        application_->SetPrintRecord(&record);
        record.CreatePrinterDC();
        record.SetMargins(72, 72, 72, 72);
    }
    ~Previewer() {
        presenter.SetIdleHandler(nullptr);
        application_->SetPrintRecord(nullptr);
        application_.reset();
        SetAppEnvironment(nullptr);
    }

    // The preview open now, or null.
    PrintViewDlog* OpenPreview() {
        PointerList& dialogs = environment_.GetList(4);
        for (std::int32_t i = 0; i < dialogs.Count(); ++i) {
            auto* dialog = reinterpret_cast<TDialog*>(dialogs.GetAt(i));
            if (dialog && dialog->IsKindOf(PrintViewDlog::kClassId))
                return static_cast<PrintViewDlog*>(dialog);
        }
        return nullptr;
    }

    HeadlessPresenter presenter{SIZE{800, 600}};
    PrintRecord record;

private:
    AppEnvironment environment_;
    std::unique_ptr<TAppl> application_;
};

double Seconds(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double>(to - from).count();
}

// Opens the preview of a new report; the first idle moment is the first page on the screen, the
// counting timer then runs at once tick after tick until the last page is known.
void BM_PreviewFirstPage(benchmark::State& state) {
    Previewer previewer;
    double first = 0, whole = 0;
    std::int16_t pages = 0;
    for (auto _ : state) {
        PrintingEnvironment environment(nullptr);
        const std::unique_ptr<TPrintableReport> report = MakeReport(environment);
        const Clock::time_point start = Clock::now();
        Clock::time_point shown{}, counted{};
        previewer.presenter.SetIdleHandler([&] {
            PrintViewDlog* dialog = previewer.OpenPreview();
            if (!dialog || counted != Clock::time_point{}) return false;
            if (shown == Clock::time_point{}) shown = Clock::now();
            if (dialog->GetLastPage() < 0) {
                previewer.presenter.Advance(PrintViewDlog::kTimerPeriod);
                return true;
            }
            counted = Clock::now();
            pages = static_cast<std::int16_t>(dialog->GetLastPage() + 1);
            previewer.presenter.PressKey(VK_ESCAPE);
            return true;
        });
        if (report->Preview() != 0 || counted == Clock::time_point{}) {
            state.SkipWithError("the preview did not count the report");
            break;
        }
        state.SetIterationTime(Seconds(start, shown));
        first += Seconds(start, shown);
        whole += Seconds(start, counted);
    }
    if (pages < kPages) state.SkipWithError("the report is too short");
    state.counters["first_ms"] = benchmark::Counter(1000 * first, benchmark::Counter::kAvgIterations);
    state.counters["whole_ms"] = benchmark::Counter(1000 * whole, benchmark::Counter::kAvgIterations);
    state.counters["first_to_whole"] = whole > 0 ? first / whole : 0;
    state.counters["pages"] = pages;
}
// A run also counts the whole report, which its time leaves out: chosen from that time alone, the
// number of runs would make one repetition last minutes.
BENCHMARK(BM_PreviewFirstPage)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);

// The same report laid out page after page into a page bitmap, as the preview lays out each page,
// with nothing shown.
void BM_PaginateWholeReport(benchmark::State& state) {
    Previewer previewer;
    std::int16_t pages = 0;
    for (auto _ : state) {
        state.PauseTiming();
        PrintingEnvironment environment(nullptr);
        const std::unique_ptr<TPrintableReport> report = MakeReport(environment);
        state.ResumeTiming();
        PreviewPage page;
        GarbageGraph* measuring = nullptr;
        page.Open(&previewer.record, measuring);
        std::uint16_t last = 0;
        for (pages = 0; !last && pages < 2 * kPages; ++pages) {
            TGraphEnv* graph = nullptr;
            if (page.MakePageBitmap(graph) != 0) break;
            report->PreparePage(graph, pages, last);
            page.ReleasePageBitmap();
        }
        page.Close();
    }
    if (pages < kPages) state.SkipWithError(("the report is too short: " + std::to_string(pages)).c_str());
    state.SetItemsProcessed(state.iterations() * pages);
}
BENCHMARK(BM_PaginateWholeReport)->Unit(benchmark::kMillisecond);
BENCH_FLOOR("BM_PreviewFirstPage/iterations:20/manual_time", "BM_PaginateWholeReport", 0.1);

}  // namespace
