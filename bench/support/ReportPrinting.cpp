#include "support/ReportPrinting.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "foundation/StyleCodeBytes.h"
#include "framework/graphics/FontMapping.h"
#include "items/printing/PrintGraph.h"
#include "items/printing/PrintableBanner.h"
#include "items/printing/PrintablePage.h"
#include "items/printing/PrintableText.h"
#include "items/printing/PrintingEnvironment.h"
#include "items/printing/TPrintableReport.h"
#include "support/GlyphRunFloor.h"

namespace {

using namespace win;

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

void CheckPages(benchmark::State& state, const ReportShape& shape, int pages) {
    if (pages == shape.pages) return;
    const std::string error =
        "the report has " + std::to_string(pages) + " pages, not " + std::to_string(shape.pages);
    state.SkipWithError(error.c_str());
}

}  // namespace

void PrintReportPages(benchmark::State& state, const ReportShape& shape) {
    benchprint::Printer printer;
    const std::string path = OutputPath();
    int pages = 0;
    for (auto _ : state) {
        PrintGraph graph;
        PrintingEnvironment environment(&graph);
        const std::unique_ptr<TPrintableReport> report = MakeReport(environment, shape);
        pages = benchprint::PrintPages(printer, graph, *report, path, 2 * shape.pages);
    }
    std::filesystem::remove(path);
    CheckPages(state, shape, pages);
    state.SetItemsProcessed(state.iterations() * pages);
}

void WriteReportGlyphRuns(benchmark::State& state, const ReportShape& shape) {
    benchprint::PageRuns runs;
    {
        benchprint::Printer printer;
        benchprint::RunRecorder recorder;
        PrintingEnvironment environment(&recorder);
        const std::unique_ptr<TPrintableReport> report = MakeReport(environment, shape);
        runs = benchprint::RecordPages(printer, recorder, *report, 2 * shape.pages);
    }
    const benchprint::PlacedPages pages(runs);
    const std::string path = OutputPath();
    for (auto _ : state) pages.Show(path);
    std::filesystem::remove(path);
    CheckPages(state, shape, static_cast<int>(pages.PageCount()));
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(pages.PageCount()));
}
