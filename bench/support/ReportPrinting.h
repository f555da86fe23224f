#pragma once
// What the printing benchmarks share: a report of paragraphs on an exact number of pages, printed
// page by page through the program's printable report classes to the PDF file printer (as a print
// job runs them), and its floor: the same report's glyph runs, recorded and placed beforehand,
// shown by cairo straight onto a PDF surface.

#include <benchmark/benchmark.h>

struct ReportShape {
    // Every page holds this many paragraphs, the last of them ending in a form feed; a report whose
    // paragraphs do not fit comes out longer and the benchmark fails.
    int pages = 0;
    int paragraphsPerPage = 0;
    // Each paragraph's number in bold and a phrase in italics, else plain text.
    bool styled = false;
    // The banner above every page (with its codes); none when null.
    const char* header = nullptr;
};

// The work: lays the report out and prints it into a PDF file, every iteration from scratch.
void PrintReportPages(benchmark::State& state, const ReportShape& shape);

// The floor: cairo writes the report's glyph runs into a PDF file.
void WriteReportGlyphRuns(benchmark::State& state, const ReportShape& shape);
