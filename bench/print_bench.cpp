// Speed of printing: 100 pages of plain wrapped paragraphs printed to a PDF file the way reports
// print (the printable report classes on the PDF file printer, page by page), against cairo writing
// the same glyph runs, placed beforehand, straight onto a PDF surface. Printing should take at most
// one and a half times as long as the floor.

#include "support/Floor.h"
#include "support/ReportPrinting.h"

namespace {

constexpr ReportShape kPages{100, 13, false, nullptr};

void BM_PrintWrappedPages(benchmark::State& state) { PrintReportPages(state, kPages); }
BENCHMARK(BM_PrintWrappedPages)->Unit(benchmark::kMillisecond);

void BM_CairoGlyphRuns(benchmark::State& state) { WriteReportGlyphRuns(state, kPages); }
BENCHMARK(BM_CairoGlyphRuns)->Unit(benchmark::kMillisecond);

BENCH_FLOOR("BM_PrintWrappedPages", "BM_CairoGlyphRuns", 1.5);

}  // namespace
