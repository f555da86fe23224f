#include "support/ReportPrinting.h"

#include <cairo-pdf.h>
#include <cairo.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "foundation/StyleCodeBytes.h"
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

namespace {

using namespace win;

constexpr double kMargin = 72;  // points: the report's one-inch margins

std::string OutputPath() {
    return (std::filesystem::temp_directory_path() / "fablecore-report-bench.pdf").string();
}

LOGFONTA ReportFont() {
    LOGFONTA font;
    MakeLogFont(font, 2, 11, 0);
    return font;
}

// The text between codes that turn the style on and off again ('B' bold, 'I' italic).
std::string InStyle(const std::string& text, char style) {
    return std::string{kStyleCodeStart, style, '+', kStyleCodeEnd} + text +
           std::string{kStyleCodeStart, style, '-', kStyleCodeEnd};
}

// Paragraph n of the report, ended by a line break or, last on its page, a form feed.
std::string Paragraph(int n, bool styled, bool lastOnPage) {
    const std::string number = "Scene " + std::to_string(n) + ".";
    const std::string phrase = "someone the family thought long gone";
    std::string text = styled ? InStyle(number, 'B') : number;
    text += " The story opens on a morning like any other, but the letter on the table changes everything: ";
    text += styled ? InStyle(phrase, 'I') : phrase;
    text +=
        " has written, and wants to come home. Over the weeks that follow each of them must decide what that "
        "return would cost, what it would mend, and whether the old quarrel was ever really about what "
        "they said it was about.";
    text += lastOnPage ? '\f' : '\r';
    return text;
}

std::unique_ptr<TPrintableReport> MakeReport(PrintingEnvironment& environment, const ReportShape& shape) {
    auto report = std::make_unique<TPrintableReport>(&environment);
    const LOGFONTA font = ReportFont();
    auto body = std::make_unique<PrintableVertList>();
    for (int page = 0; page < shape.pages; ++page) {
        for (int k = 0; k < shape.paragraphsPerPage; ++k) {
            const std::string text =
                Paragraph(page * shape.paragraphsPerPage + k, shape.styled, k + 1 == shape.paragraphsPerPage);
            body->Add(std::make_unique<PrintableText>(&environment, text.c_str(), font));
        }
    }
    PrintablePtr header;
    if (shape.header) header = std::make_unique<PrintableBanner>(&environment, shape.header, font);
    report->AddPrintable(
        std::make_unique<PrintablePage>(&environment, std::move(header), nullptr, std::move(body)));
    return report;
}

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
    Printer(const Printer&) = delete;
    Printer& operator=(const Printer&) = delete;

    // Prepares page after page on the graph, attached to the printer, until the report ends (or
    // runs to twice its shape's pages); with a document open every page is printed. Answers the
    // pages prepared.
    int PreparePages(PrintGraph& graph, const ReportShape& shape, bool printing,
                     const std::function<void()>& beforePage = {}) {
        PrintingEnvironment environment(&graph);
        const std::unique_ptr<TPrintableReport> report = MakeReport(environment, shape);
        HDC dc = record.GetPrinterDC();
        graph.Attach(dc);
        int pages = 0;
        std::uint16_t last = 0;
        for (std::int16_t page = 0; !last && page < 2 * shape.pages; ++page) {
            if (beforePage) beforePage();
            if (printing) StartPage(dc);
            report->PreparePage(&graph, page, last);
            if (printing) EndPage(dc);
            ++pages;
        }
        graph.Detach();
        return pages;
    }

    PrintRecord record;

private:
    AppEnvironment environment_;
    std::unique_ptr<TAppl> application_;
};

// One run of text as cairo shows it: its face and size, and its glyphs placed in points.
struct PlacedRun {
    std::shared_ptr<const gdi::RealizedFont> font;
    std::vector<cairo_glyph_t> glyphs;
};
using PlacedPages = std::vector<std::vector<PlacedRun>>;

// A printer graph that places every run of text it draws, page by page.
class RunRecorder : public PrintGraph {
public:
    void TextOutAligned(const char* text, std::int32_t first, std::int16_t count) override {
        LOGFONTA font;
        GetLogFont(font);
        const ShortPoint pen = GetPenPosition();
        PlacedRun run{gdi::RealizeFont(font), {}};
        double x = pen.x + kMargin;
        for (std::int32_t k = first; k < first + count; ++k) {
            const auto byte = static_cast<unsigned char>(text[k]);
            run.glyphs.push_back(cairo_glyph_t{run.font->metrics.glyph[byte], x, pen.y + kMargin});
            x += run.font->metrics.advance[byte];
        }
        pages.back().push_back(std::move(run));
        PrintGraph::TextOutAligned(text, first, count);
    }
    PlacedPages pages;
};

void CheckPages(benchmark::State& state, const ReportShape& shape, int pages) {
    if (pages == shape.pages) return;
    const std::string error =
        "the report has " + std::to_string(pages) + " pages, not " + std::to_string(shape.pages);
    state.SkipWithError(error.c_str());
}

}  // namespace

void PrintReportPages(benchmark::State& state, const ReportShape& shape) {
    Printer printer;
    const std::string path = OutputPath();
    HDC dc = printer.record.GetPrinterDC();
    int pages = 0;
    for (auto _ : state) {
        DOCINFOA info;
        info.lpszDocName = "Report";
        info.lpszOutput = path.c_str();
        StartDocA(dc, &info);
        PrintGraph graph;
        pages = printer.PreparePages(graph, shape, true);
        EndDoc(dc);
    }
    std::filesystem::remove(path);
    CheckPages(state, shape, pages);
    state.SetItemsProcessed(state.iterations() * pages);
}

void WriteReportGlyphRuns(benchmark::State& state, const ReportShape& shape) {
    PlacedPages pages;
    {
        Printer printer;
        RunRecorder recorder;
        printer.PreparePages(recorder, shape, false, [&recorder] { recorder.pages.emplace_back(); });
        pages = std::move(recorder.pages);
    }
    const std::string path = OutputPath();
    for (auto _ : state) {
        cairo_surface_t* pdf = cairo_pdf_surface_create(path.c_str(), 612, 792);
        cairo_t* cr = cairo_create(pdf);
        for (const auto& page : pages) {
            for (const PlacedRun& run : page) {
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
    CheckPages(state, shape, static_cast<int>(pages.size()));
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(pages.size()));
}
