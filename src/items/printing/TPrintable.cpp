#include "items/printing/TPrintable.h"

#include <new>

#include "items/printing/PrintErrors.h"
#include "items/printing/PrintGraph.h"
#include "items/printing/PrintRecord.h"
#include "items/printing/PrintViewDlog.h"
#include "items/printing/Printing.h"

TPrintable::TPrintable() : measuringGraph_(std::make_unique<GarbageGraph>()) {}

TPrintable::~TPrintable() = default;

void TPrintable::CloseMeasuringGraph() {
    if (measuringGraph_ && measuringGraph_->IsOpen()) measuringGraph_->Close();
    state_ &= static_cast<std::uint16_t>(~kMeasuring);
}

ErrCode TPrintable::Print(std::int16_t showDialog, std::int16_t repaginate) {
    printRecord_ = PrintRecord::OfApplication();
    ErrCode error = kNoErr;
    if (!measuringGraph_ || !printRecord_) error = kPrintNoMemory;
    if (!error && !printRecord_->HasPrinterDC()) error = printRecord_->CreatePrinterDC();
    if (!error && showDialog) {
        error = printRecord_->PrintDialog();
    } else if (!error && repaginate) {
        printRecord_->SetPageRange(0, 999);
    }
    if (!error) {
        job_ = std::make_unique<Printing>(repaginate != 0);
        state_ |= kJobRunning;
        error = job_->BeginJob(*printRecord_);
        if (!error) {
            error = BeginRun(Printing::GetPrinterGraph(), 0);
            if (error) ResetState();
        }
        std::int16_t last = -1;
        printRecord_->GetPageRange(firstPage_, last);
        const std::int32_t lastPage = last < 0 ? 32767 : last;
        const std::int32_t copies = repaginate ? 1 : std::max(1, GetPrintCopies());
        // Whether a page went to the printer: a range past the last page sends none, and a document
        // finished without pages would still come out as one blank sheet.
        bool pageSent = false;
        for (std::int32_t copy = 1; copy <= copies && !error; ++copy) {
            for (std::int32_t page = 0; page <= lastPage && !error; ++page) {
                TGraphEnv* graph = nullptr;
                const auto p = static_cast<std::int16_t>(page);
                const auto c = static_cast<std::int16_t>(copy);
                if (repaginate) {
                    if (!measuringGraph_->IsOpen()) measuringGraph_->Open(10, 10);
                    graph = measuringGraph_.get();
                } else {
                    error = BeginPageStep(p, c, graph);
                    if (!error && !(state_ & kMeasuring)) pageSent = true;
                }
                if (!error) error = job_->UpdatePageStatus(p, c);
                std::uint16_t isLast = 0;
                if (!error) error = PreparePage(graph, p, isLast);
                if (!error && !repaginate) error = EndPageStep();
                if (error) {
                    job_->Abort();
                    state_ &= static_cast<std::uint16_t>(~kJobRunning);
                } else if (isLast) {
                    CloseMeasuringGraph();
                    break;
                }
            }
        }
        const ErrCode runError = EndRun();
        if (!error) error = runError;
        if (!error && !repaginate && !pageSent) error = kPrintNoPageInRange;
        if (!error) {
            if (repaginate) {
                job_->Abort();
            } else {
                error = job_->EndDocument();
            }
        } else if (state_ & kJobRunning) {
            job_->Abort();
        }
        state_ &= static_cast<std::uint16_t>(~kJobRunning);
        job_.reset();
    }
    if (error) {
        CloseMeasuringGraph();
        state_ &= static_cast<std::uint16_t>(~(kJobRunning | kPageOpen));
        if (ShowsErrors()) ShowPrintError(error, "Print");
    }
    return error;
}

ErrCode TPrintable::BeginPageStep(std::int16_t page, std::int16_t copy, TGraphEnv*& graph) {
    state_ |= kPageOpen;
    if (!(state_ & kMeasuring) && page < firstPage_) {
        std::int16_t width = 0, height = 0;
        printRecord_->GetPrintableSize(width, height);
        measuringGraph_->Open(width, height);
        state_ |= kMeasuring;
    } else if ((state_ & kMeasuring) && page >= firstPage_) {
        CloseMeasuringGraph();
    }
    if (state_ & kMeasuring) {
        graph = measuringGraph_.get();
        return kNoErr;
    }
    return job_->BeginPage(page, copy, graph);
}

ErrCode TPrintable::EndPageStep() {
    ErrCode error = kNoErr;
    if (!(state_ & kMeasuring)) error = job_->EndPage();
    if (!error) state_ &= static_cast<std::uint16_t>(~kPageOpen);
    return error;
}

ErrCode TPrintable::PageSetup() {
    PrintRecord* record = PrintRecord::OfApplication();
    return record ? record->SetupDialog() : kPrintNoMemory;
}

ErrCode TPrintable::Preview() {
    auto* dialog = new (std::nothrow) PrintViewDlog(this, 1);
    if (!dialog) return kPrintNoMemory;
    if (const ErrCode error = dialog->GetError(); error != kNoErr) {
        delete dialog;
        return error;
    }
    dialog->DoModal();
    return kNoErr;
}
