#include "items/printing/TPrintableReport.h"

#include "framework/graphics/GraphUser.h"
#include "items/printing/PrintErrors.h"
#include "items/printing/PrintProgress.h"
#include "items/printing/PrintRecord.h"
#include "items/printing/PrintingEnvironment.h"

TPrintableReport::TPrintableReport(PrintingEnvironment* environment)
    : body_(std::make_unique<PrintableVertList>()), environment_(environment) {}

TPrintableReport::~TPrintableReport() { ClearPageStarts(); }

void TPrintableReport::ClearPageStarts() { pageStarts_.clear(); }

void TPrintableReport::PassMargins() const {
    if (PrintRecord* record = PrintRecord::OfApplication()) {
        record->SetMargins(static_cast<std::uint16_t>(leftMargin_), static_cast<std::uint16_t>(topMargin_),
                           static_cast<std::uint16_t>(rightMargin_),
                           static_cast<std::uint16_t>(bottomMargin_));
    }
}

void TPrintableReport::SetMargins(std::int16_t left, std::int16_t top, std::int16_t right,
                                  std::int16_t bottom) {
    leftMargin_ = left;
    topMargin_ = top;
    rightMargin_ = right;
    bottomMargin_ = bottom;
    PassMargins();
}

ErrCode TPrintableReport::PreparePage(TGraphEnv* graph, std::int16_t page, std::uint16_t& last) {
    const GraphUser use(*graph);
    TGraphEnv* old = environment_->SetGraph(graph);
    environment_->SetStatus(0);
    PassMargins();
    if (page == 0) {
        ClearPageStarts();
        pageStarts_.push_back(nullptr);  // page 0 starts at the document's start
    }
    ShortRect pageRect;
    if (PrintRecord* record = PrintRecord::OfApplication()) record->GetPageRect(pageRect);
    const LongRect area{0, 0, pageRect.right, pageRect.bottom};
    const auto index = static_cast<std::size_t>(page);
    bool done = false;
    LongPoint size;
    // Measure the pages not laid out yet, up to this one.
    while (index >= pageStarts_.size() && !done && environment_->GetStatus() == 0) {
        ProgressPtr progress = pageStarts_.empty() ? nullptr : CloneProgress(pageStarts_.back().get());
        std::int32_t placed = 0;
        {
            const MeasuringScope measuring(*environment_);
            progress = body_->Print(area, std::move(progress), size, placed);
        }
        if (placed == 0) progress.reset();
        done = !progress;
        if (!done) pageStarts_.push_back(std::move(progress));
    }
    ProgressPtr progress;
    if (index < pageStarts_.size() && !done && environment_->GetStatus() == 0)
        progress = CloneProgress(pageStarts_[index].get());
    if (!done && environment_->GetStatus() == 0) {
        std::int32_t placed = 0;
        progress = body_->Print(area, std::move(progress), size, placed);
        if (placed == 0) progress.reset();
        done = !progress;
        if (!done && pageStarts_.size() == index + 1) pageStarts_.push_back(std::move(progress));
    }
    last = done ? 1 : 0;
    environment_->SetGraph(old);
    return environment_->GetStatus();
}

ErrCode TPrintableReport::PrintReport() {
    const ErrCode result = Print(1, 0);
    if (environment_->GetStatus() == 0) environment_->SetStatus(result);
    return result;
}

ErrCode TPrintableReport::PreviewReport() {
    const ErrCode result = Preview();
    if (environment_->GetStatus() == 0) environment_->SetStatus(result);
    return result;
}

ErrCode TPrintableReport::SetupPage() { return PageSetup(); }
