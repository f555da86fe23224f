// Speed of printing a report: a 300-page styled report (paragraphs with bold and italic runs under
// a numbered header) paginated and printed to a PDF file page by page, against cairo writing the
// same glyph runs, placed beforehand, straight onto a PDF surface. The report should take at most
// twice as long as the floor.

#include <benchmark/benchmark.h>
#include <cairo-pdf.h>
#include <cairo.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "framework/AppEnvironment.h"
#include "framework/TAppl.h"
#include "framework/graphics/FontMapping.h"
#include "items/printing/PrintGraph.h"
#include "items/printing/PrintRecord.h"
#include "items/printing/PrintableBanner.h"
#include "items/printing/PrintablePage.h"
#include "items/printing/PrintableText.h"
#include "items/printing/PrintingEnvironment.h"
#include "items/printing/TPrintableReport.h"
#include "platform/gdi/FontFaces.h"
#include "platform/gdi/Gdi.h"
#include "support/Floor.h"

namespace {

using namespace win;

constexpr int kPages = 300;

std::string OutputPath() {
    return (std::filesystem::temp_directory_path() / "fablecore-report-bench.pdf").string();
}

LOGFONTA ReportFont() {
    LOGFONTA font;
    MakeLogFont(font, 2, 11, 0);
    return font;
}

// A paragraph of the report: its number in bold, a phrase in italics, plain text around them.
std::string Paragraph(int n) {
    return "\xC7"
           "B+\xC8Scene " +
           std::to_string(n) +
           ".\xC7"
           "B-\xC8 The story opens on a morning like any other, but the letter on the table changes "
           "everything: \xC7I+\xC8someone the family thought long gone\xC7I-\xC8 has written, and wants to "
           "come "
           "home. Over the weeks that follow each of them must decide what that return would cost, what it "
           "would mend, and whether the old quarrel was ever really about what they said it was about.\r";
}

// One run of text drawn: its font, where its baseline starts (points on the paper) and its bytes.
struct GlyphRun {
    LOGFONTA font;
    double x = 0;
    double y = 0;
    std::string text;
};

// A printer graph that also keeps the runs it draws.
class RunRecorder : public PrintGraph {
public:
    void TextOutAligned(const char* text, std::int32_t first, std::int16_t count) override {
        GlyphRun run;
        GetLogFont(run.font);
        const ShortPoint pen = GetPenPosition();
        run.x = pen.x + 72;
        run.y = pen.y + 72;
        run.text.assign(text + first, static_cast<std::size_t>(count));
        runs.back().push_back(run);
        PrintGraph::TextOutAligned(text, first, count);
    }
    std::vector<std::vector<GlyphRun>> runs;
};

// An application of nothing but its print record, on the PDF file printer with one-inch margins.
class Printer {
public:
    Printer() {
        SetAppEnvironment(&environment_);
        application_ = std::make_unique<TAppl>(&environment_);
        application_->SetPrintRecord(&record);
        record.CreatePrinterDC();
    }
    ~Printer() {
        application_->SetPrintRecord(nullptr);
        application_.reset();
        SetAppEnvironment(nullptr);
    }
    PrintRecord record;

private:
    AppEnvironment environment_;
    std::unique_ptr<TAppl> application_;
};

std::unique_ptr<TPrintableReport> MakeReport(PrintingEnvironment& environment) {
    auto report = std::make_unique<TPrintableReport>(&environment);
    const LOGFONTA font = ReportFont();
    auto body = std::make_unique<PrintableVertList>();
    for (int n = 0; n < kPages * 8; ++n)
        body->Add(std::make_unique<PrintableText>(&environment, Paragraph(n).c_str(), font));
    report->AddPrintable(std::make_unique<PrintablePage>(
        &environment, std::make_unique<PrintableBanner>(&environment, "Story Report^<Page ^P^>", font),
        nullptr, std::move(body)));
    return report;
}

// Lays every page out and prints it into the PDF file; answers the pages printed.
int PrintReport(Printer& printer, PrintGraph& graph, const std::string& path) {
    PrintingEnvironment environment(&graph);
    const std::unique_ptr<TPrintableReport> report = MakeReport(environment);
    HDC dc = printer.record.GetPrinterDC();
    DOCINFOA info;
    info.lpszDocName = "Report";
    info.lpszOutput = path.c_str();
    StartDocA(dc, &info);
    graph.Attach(dc);
    int pages = 0;
    std::uint16_t last = 0;
    for (std::int16_t page = 0; !last && page < 2 * kPages; ++page) {
        StartPage(dc);
        report->PreparePage(&graph, page, last);
        EndPage(dc);
        ++pages;
    }
    graph.Detach();
    EndDoc(dc);
    return pages;
}

void BM_PaginateAndPrintReport(benchmark::State& state) {
    Printer printer;
    const std::string path = OutputPath();
    int pages = 0;
    for (auto _ : state) {
        PrintGraph graph;
        pages = PrintReport(printer, graph, path);
    }
    std::filesystem::remove(path);
    if (pages < kPages) state.SkipWithError("the report is too short");
    state.SetItemsProcessed(state.iterations() * pages);
}
BENCHMARK(BM_PaginateAndPrintReport)->Unit(benchmark::kMillisecond);

// The same report's runs, recorded once, as cairo glyphs shown page after page.
void BM_CairoReportGlyphRuns(benchmark::State& state) {
    std::vector<std::vector<GlyphRun>> runs;
    {
        Printer printer;
        RunRecorder recorder;
        recorder.runs.reserve(2 * kPages);
        PrintingEnvironment environment(&recorder);
        const std::unique_ptr<TPrintableReport> report = MakeReport(environment);
        HDC dc = printer.record.GetPrinterDC();
        recorder.Attach(dc);
        std::uint16_t last = 0;
        for (std::int16_t page = 0; !last && page < 2 * kPages; ++page) {
            recorder.runs.emplace_back();
            report->PreparePage(&recorder, page, last);
        }
        recorder.Detach();
        runs = std::move(recorder.runs);
    }
    struct Placed {
        std::shared_ptr<const gdi::RealizedFont> font;
        std::vector<cairo_glyph_t> glyphs;
    };
    std::vector<std::vector<Placed>> pages;
    for (const auto& page : runs) {
        pages.emplace_back();
        for (const GlyphRun& run : page) {
            Placed placed{gdi::RealizeFont(run.font), {}};
            double x = run.x;
            for (const char c : run.text) {
                const auto byte = static_cast<unsigned char>(c);
                placed.glyphs.push_back(cairo_glyph_t{placed.font->metrics.glyph[byte], x, run.y});
                x += placed.font->metrics.advance[byte];
            }
            pages.back().push_back(std::move(placed));
        }
    }
    const std::string path = OutputPath();
    for (auto _ : state) {
        cairo_surface_t* pdf = cairo_pdf_surface_create(path.c_str(), 612, 792);
        cairo_t* cr = cairo_create(pdf);
        for (const auto& page : pages) {
            for (const Placed& run : page) {
                cairo_set_font_face(cr, run.font->face);
                cairo_set_font_size(cr, run.font->metrics.emSize);
                cairo_show_glyphs(cr, run.glyphs.data(), static_cast<int>(run.glyphs.size()));
            }
            cairo_show_page(cr);
        }
        cairo_destroy(cr);
        cairo_surface_finish(pdf);
        cairo_surface_destroy(pdf);
    }
    std::filesystem::remove(path);
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(pages.size()));
}
BENCHMARK(BM_CairoReportGlyphRuns)->Unit(benchmark::kMillisecond);
BENCH_FLOOR("BM_PaginateAndPrintReport", "BM_CairoReportGlyphRuns", 2.0);

}  // namespace
