#pragma once
// A printed report: a vertical list of printables (usually pages) that prepares any page on request.
// It keeps where each page starts (a clone of the progress record at the start of every page laid
// out so far), so pages are laid out once each in order: going ahead measures the pages not yet
// laid out first, and going back draws from the kept start without measuring again.

#include <cstdint>
#include <memory>
#include <vector>

#include "items/printing/Printable.h"
#include "items/printing/PrintableCollections.h"
#include "items/printing/TPrintable.h"

class PrintingEnvironment;

class TPrintableReport : public TPrintable {
public:
    // Margins of one inch on every side, an empty body.
    explicit TPrintableReport(PrintingEnvironment* environment);
    ~TPrintableReport() override;

    ErrCode BeginRun(TGraphEnv* /*graph*/, std::int16_t /*preview*/) override { return kNoErr; }
    ErrCode EndRun() override { return kNoErr; }
    // Answers the environment's status (0: go on).
    ErrCode PreparePage(TGraphEnv* graph, std::int16_t page, std::uint16_t& last) override;
    bool ShowsErrors() const override { return false; }

    // Empties the page-start cache.
    void ClearPageStarts();
    // Print with the print dialog, Preview, and PageSetup; a run's error is left in the
    // environment's status (unless a status is there already) for the caller to show.
    ErrCode PrintReport();
    ErrCode PreviewReport();
    ErrCode SetupPage();
    // Stored and handed to the print record before every page.
    void SetMargins(std::int16_t left, std::int16_t top, std::int16_t right, std::int16_t bottom);
    void AddPrintable(PrintablePtr printable) { body_->Add(std::move(printable)); }

    PrintableVertList& GetBody() { return *body_; }
    PrintingEnvironment* GetEnvironment() const { return environment_; }
    // Entries in the page-start cache (entry 0: the document's start).
    std::size_t GetPageStartCount() const { return pageStarts_.size(); }

private:
    void PassMargins() const;

    std::int32_t leftMargin_ = 72;
    std::int32_t topMargin_ = 72;
    std::int32_t rightMargin_ = 72;
    std::int32_t bottomMargin_ = 72;
    std::vector<ProgressPtr> pageStarts_;
    std::unique_ptr<PrintableVertList> body_;
    PrintingEnvironment* environment_;
};
