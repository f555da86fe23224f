// Speed of printing a report: a 300-page styled report (paragraphs with bold and italic runs under
// a numbered header) paginated and printed to a PDF file page by page, against cairo writing the
// same glyph runs, placed beforehand, straight onto a PDF surface. The report should take at most
// twice as long as the floor.

#include "support/Floor.h"
#include "support/ReportPrinting.h"

namespace {

constexpr ReportShape kReport{300, 12, true, "Story Report^<Page ^P^>"};

void BM_PaginateAndPrintReport(benchmark::State& state) { PrintReportPages(state, kReport); }
BENCHMARK(BM_PaginateAndPrintReport)->Unit(benchmark::kMillisecond);

void BM_CairoReportGlyphRuns(benchmark::State& state) { WriteReportGlyphRuns(state, kReport); }
BENCHMARK(BM_CairoReportGlyphRuns)->Unit(benchmark::kMillisecond);

BENCH_FLOOR("BM_PaginateAndPrintReport", "BM_CairoReportGlyphRuns", 2.0);

}  // namespace
