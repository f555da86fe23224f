#include "reports/FablecoreReport.h"

#include "framework/graphics/GraphEnv.h"
#include "framework/graphics/GraphUser.h"
#include "items/printing/PrintingEnvironment.h"
#include "reports/FablecorePage.h"

FablecoreReport::FablecoreReport(PrintingEnvironment* environment, const ShortRect& rect)
    : TPrintableReport(environment), rect_(rect) {}

FablecoreReport::~FablecoreReport() = default;

ErrCode FablecoreReport::PreparePage(TGraphEnv* graph, std::int16_t page, std::uint16_t& last) {
    // Report text goes onto blank paper: its characters need no background of their own.
    if (graph) {
        const GraphUser use(*graph);
        graph->SetTransparent(true);
    }
    if (page == 0) {
        ++numbering_.run;
        if (PrintingEnvironment* environment = GetEnvironment()) environment->SetPageNumber(0);
    }
    return TPrintableReport::PreparePage(graph, page, last);
}

void FablecoreReport::AddPage(std::unique_ptr<FablecorePage> page) {
    if (!page) return;
    page->FollowNumbering(&numbering_);
    AddPrintable(std::move(page));
}

std::int16_t FablecoreReport::IsAborted() const {
    const PrintingEnvironment* environment = GetEnvironment();
    return environment ? environment->IsAborted() : 0;
}
