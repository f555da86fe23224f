#pragma once
// What the printing benchmarks share: an application of nothing but its print record (the PDF file
// printer, one-inch margins), a printer graph that also keeps the runs of text it draws, and the
// floor that shows the same runs as cairo glyphs on a PDF surface, page after page.

#include <cairo-pdf.h>
#include <cairo.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/AppEnvironment.h"
#include "framework/TAppl.h"
#include "items/printing/PrintGraph.h"
#include "items/printing/PrintRecord.h"
#include "items/printing/TPrintableReport.h"
#include "platform/gdi/FontFaces.h"
#include "platform/gdi/Gdi.h"

namespace benchprint {

// One run of text drawn: its font, where its baseline starts (points on the paper) and its bytes.
struct GlyphRun {
    win::LOGFONTA font;
    double x = 0;
    double y = 0;
    std::string text;
};
using PageRuns = std::vector<std::vector<GlyphRun>>;

// A printer graph that also keeps the runs it draws, a list of runs per page begun.
class RunRecorder : public PrintGraph {
public:
    void TextOutAligned(const char* text, std::int32_t first, std::int16_t count) override {
        GlyphRun run;
        GetLogFont(run.font);
        const ShortPoint pen = GetPenPosition();
        run.x = pen.x + 72;
        run.y = pen.y + 72;
        run.text.assign(text + first, static_cast<std::size_t>(count));
        if (runs.empty()) runs.emplace_back();
        runs.back().push_back(run);
        PrintGraph::TextOutAligned(text, first, count);
    }
    PageRuns runs;
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
    Printer(const Printer&) = delete;
    Printer& operator=(const Printer&) = delete;

    PrintRecord record;

private:
    AppEnvironment environment_;
    std::unique_ptr<TAppl> application_;
};

// Lays every page of the report out and prints it into the PDF file at the path, through the graph
// (on which the report was made); answers the pages printed.
inline int PrintPages(Printer& printer, PrintGraph& graph, TPrintableReport& report, const std::string& path,
                      int mostPages) {
    const win::HDC dc = printer.record.GetPrinterDC();
    win::DOCINFOA info;
    info.lpszDocName = "Report";
    info.lpszOutput = path.c_str();
    win::StartDocA(dc, &info);
    graph.Attach(dc);
    int pages = 0;
    std::uint16_t last = 0;
    for (std::int16_t page = 0; !last && page < mostPages; ++page) {
        win::StartPage(dc);
        report.PreparePage(&graph, page, last);
        win::EndPage(dc);
        ++pages;
    }
    graph.Detach();
    win::EndDoc(dc);
    return pages;
}

// The runs every page of the report (made on the recorder) draws, page by page.
inline PageRuns RecordPages(Printer& printer, RunRecorder& recorder, TPrintableReport& report,
                            int mostPages) {
    recorder.runs.clear();
    recorder.Attach(printer.record.GetPrinterDC());
    std::uint16_t last = 0;
    for (std::int16_t page = 0; !last && page < mostPages; ++page) {
        recorder.runs.emplace_back();
        report.PreparePage(&recorder, page, last);
    }
    recorder.Detach();
    return std::move(recorder.runs);
}

// The runs placed as cairo glyphs once, ready to be shown again and again.
class PlacedPages {
public:
    explicit PlacedPages(const PageRuns& runs) {
        for (const auto& page : runs) {
            pages_.emplace_back();
            for (const GlyphRun& run : page) {
                Placed placed{win::gdi::RealizeFont(run.font), {}};
                double x = run.x;
                for (const char c : run.text) {
                    const auto byte = static_cast<unsigned char>(c);
                    placed.glyphs.push_back(cairo_glyph_t{placed.font->metrics.glyph[byte], x, run.y});
                    x += placed.font->metrics.advance[byte];
                }
                pages_.back().push_back(std::move(placed));
            }
        }
    }
    // Writes every page to a Letter PDF file at the path.
    void Show(const std::string& path) const {
        cairo_surface_t* pdf = cairo_pdf_surface_create(path.c_str(), 612, 792);
        cairo_t* cr = cairo_create(pdf);
        for (const auto& page : pages_) {
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
    std::size_t PageCount() const { return pages_.size(); }

private:
    struct Placed {
        std::shared_ptr<const win::gdi::RealizedFont> font;
        std::vector<cairo_glyph_t> glyphs;
    };
    std::vector<std::vector<Placed>> pages_;
};

}  // namespace benchprint
