// Printing and previewing the report generator view's printable report.

#include <string>

#include "framework/Alerts.h"
#include "framework/WindowUtilities.h"
#include "items/printing/PrintErrors.h"
#include "items/printing/PrintRecord.h"
#include "platform/gdi/DeviceContexts.h"
#include "reports/FablecoreReport.h"
#include "reports/OutlineView.h"

namespace {

constexpr const char* kNoPreviewPrinter =
    "Fablecore cannot display a Print Preview due to a problem with the current printer setup.";

}  // namespace

void OutlineView::PassMargins() {
    std::int16_t left = 0, top = 0, right = 0, bottom = 0;
    GetReportMargins(left, top, right, bottom);
    report_->SetMargins(left, top, right, bottom);
    if (PrintRecord* record = PrintRecord::OfApplication()) {
        const char* title = GetReportTitle();
        record->SetDocName(*title ? title : "Report");
    }
}

ErrCode OutlineView::PageSetup() {
    if (report_) return report_->SetupPage();
    PrintRecord* record = PrintRecord::OfApplication();
    return record ? record->SetupDialog() : kPrintNoMemory;
}

std::int16_t OutlineView::PrintOrPreview(std::int32_t command) {
    ReserveOutput();
    if (!report_ || (command != kPrint && command != kPrintPreview)) return 0;
    // A report without pages (a section that wrote nothing) prints nothing at all.
    if (report_->GetPageCount() == 0) return 0;
    if (command == kPrintPreview) {
        const win::HDC printer = CreateDefaultPrinterDC();
        if (!printer) {
            ShowAlert(kNoPreviewPrinter);
            return 0;
        }
        win::DeleteDC(printer);
        PassMargins();
        report_->PreviewReport();
        const std::int16_t result = report_->IsAborted();
        if (result != 0) ShowPrintError(result, "Print Preview");
        return result;
    }
    PassMargins();
    return static_cast<std::int16_t>(report_->PrintReport());
}
