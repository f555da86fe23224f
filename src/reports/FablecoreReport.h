#pragma once
// A printed report: the printable report whose body lists one page printable per report of a
// build (FablecorePage). Its pages are numbered on from one report to the next, so the pages of a
// group or set of reports printed together carry one run of numbers.

#include <cstdint>
#include <memory>

#include "framework/graphics/ShortRect.h"
#include "items/printing/TPrintableReport.h"

class FablecorePage;

// What the pages of one report share to number their pages on: a count of the runs begun, so that
// each page knows whether the number it starts at was worked out in this run.
struct ReportPageNumbering {
    std::uint32_t run = 0;
};

class FablecoreReport : public TPrintableReport {
public:
    // The rectangle is the width the report was composed for; the margins start at one inch.
    FablecoreReport(PrintingEnvironment* environment, const ShortRect& rect);
    ~FablecoreReport() override;

    // A run starts again at the first page: the numbering starts over. Text is drawn without a
    // background of its own.
    ErrCode PreparePage(TGraphEnv* graph, std::int16_t page, std::uint16_t& last) override;

    // Appends a printable (usually a page) to the end of the body.
    void AddPrintable(PrintablePtr printable) { TPrintableReport::AddPrintable(std::move(printable)); }
    // Appends a page that numbers its pages on from the page before it.
    void AddPage(std::unique_ptr<FablecorePage> page);
    // The abort flag of the report's printing environment: 0 while a run goes on normally.
    std::int16_t IsAborted() const;

    const ShortRect& GetRect() const { return rect_; }
    // The page printables added: one per report page made.
    std::size_t GetPageCount() { return GetBody().GetCount(); }

private:
    ShortRect rect_;
    ReportPageNumbering numbering_;
};
