// Speed of printing: 100 pages of wrapped text written to a PDF file through a printer context
// (mapped to points, each page's paragraphs broken into lines and drawn line by line), against
// cairo writing the same glyphs at the same places straight onto a PDF surface. Printing should
// take at most twice as long as the floor, and the 100 pages well under a second.

#include <benchmark/benchmark.h>
#include <cairo-pdf.h>
#include <cairo.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/FontFaces.h"
#include "platform/gdi/Fonts.h"
#include "platform/gdi/Mapping.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/PrintJobs.h"
#include "platform/gdi/Printers.h"
#include "platform/gdi/Text.h"
#include "platform/gdi/TextLines.h"
#include "support/Floor.h"

namespace {

using namespace win;

constexpr int kPages = 100;
constexpr int kLeft = 72, kTop = 72, kWidth = 468, kBottom = 720;  // points on Letter paper
constexpr int kFontHeight = -11;

const std::string kParagraph =
    "The story opens on a morning like any other, but the letter on the table changes everything: "
    "someone the family thought long gone has written, and wants to come home. Over the weeks that "
    "follow each of them must decide what that return would cost, what it would mend, and whether "
    "the old quarrel was ever really about what they said it was about.";

std::string OutputPath() {
    return (std::filesystem::temp_directory_path() / "fablecore-print-bench.pdf").string();
}

LOGFONTA BodyFont() {
    LOGFONTA font;
    font.lfHeight = kFontHeight;
    std::strcpy(font.lfFaceName, "Times New Roman");
    return font;
}

void BM_PrintWrappedPages(benchmark::State& state) {
    const std::string path = OutputPath();
    const LOGFONTA logFont = BodyFont();
    for (auto _ : state) {
        HDC dc = CreateDCA(kPrinterDriver, kPdfFilePrinter, kFilePort, nullptr);
        SetMapMode(dc, MM_ANISOTROPIC);
        SetWindowExtEx(dc, 72, 72, nullptr);
        SetViewportExtEx(dc, GetDeviceCaps(dc, LOGPIXELSX), GetDeviceCaps(dc, LOGPIXELSY), nullptr);
        HFONT font = CreateFontIndirectA(&logFont);
        HGDIOBJ old = SelectObject(dc, font);
        SetBkMode(dc, TRANSPARENT);
        TEXTMETRICA metrics;
        GetTextMetricsA(dc, &metrics);
        DOCINFOA info;
        info.lpszDocName = "Benchmark";
        info.lpszOutput = path.c_str();
        StartDocA(dc, &info);
        for (int page = 0; page < kPages; ++page) {
            StartPage(dc);
            for (int y = kTop; y + metrics.tmHeight <= kBottom; y += metrics.tmHeight / 2) {
                for (const TextLine& line : BreakTextLines(dc, kParagraph, kWidth)) {
                    if (y + metrics.tmHeight > kBottom) break;
                    TextOutA(dc, kLeft, y, kParagraph.data() + line.start, static_cast<int>(line.length));
                    y += metrics.tmHeight;
                }
            }
            EndPage(dc);
        }
        EndDoc(dc);
        SelectObject(dc, old);
        DeleteObject(font);
        DeleteDC(dc);
    }
    std::filesystem::remove(path);
    state.SetItemsProcessed(state.iterations() * kPages);
}
BENCHMARK(BM_PrintWrappedPages)->Unit(benchmark::kMillisecond);

// The same pages' glyphs, placed once beforehand, shown by cairo page after page.
void BM_CairoGlyphRuns(benchmark::State& state) {
    const std::string path = OutputPath();
    const auto font = gdi::RealizeFont(BodyFont());
    const gdi::FontMetrics& m = font->metrics;
    HDC measure = CreateMeasuringDC();
    const LOGFONTA logFont = BodyFont();
    HFONT measureFont = CreateFontIndirectA(&logFont);
    SelectObject(measure, measureFont);
    std::vector<cairo_glyph_t> glyphs;  // one page
    for (int y = kTop; y + m.text.tmHeight <= kBottom; y += m.text.tmHeight / 2) {
        for (const TextLine& line : BreakTextLines(measure, kParagraph, kWidth)) {
            if (y + m.text.tmHeight > kBottom) break;
            double x = kLeft;
            for (std::size_t k = line.start; k < line.start + line.length; ++k) {
                const auto byte = static_cast<unsigned char>(kParagraph[k]);
                glyphs.push_back(cairo_glyph_t{m.glyph[byte], x, static_cast<double>(y + m.text.tmAscent)});
                x += m.advance[byte];
            }
            y += m.text.tmHeight;
        }
    }
    DeleteDC(measure);
    DeleteObject(measureFont);
    for (auto _ : state) {
        cairo_surface_t* pdf = cairo_pdf_surface_create(path.c_str(), 612, 792);
        cairo_t* cr = cairo_create(pdf);
        cairo_set_font_face(cr, font->face);
        cairo_set_font_size(cr, m.emSize);
        for (int page = 0; page < kPages; ++page) {
            cairo_show_glyphs(cr, glyphs.data(), static_cast<int>(glyphs.size()));
            cairo_show_page(cr);
        }
        cairo_destroy(cr);
        cairo_surface_finish(pdf);
        cairo_surface_destroy(pdf);
    }
    std::filesystem::remove(path);
    state.SetItemsProcessed(state.iterations() * kPages);
}
BENCHMARK(BM_CairoGlyphRuns)->Unit(benchmark::kMillisecond);
BENCH_FLOOR("BM_PrintWrappedPages", "BM_CairoGlyphRuns", 2.0);

}  // namespace
