#pragma once
// Printing one report without a window: a hidden report generator view is put into the caller's
// window for the time of the print, builds the report with the id, and prints it. The vocabulary
// option is always on.

#include <cstdint>

#include "reports/IOutlineWindow.h"

class ItemList;

class PrintFablecoreReport : public IOutlineWindow {
public:
    // The view goes into the item list's window, whose story it reports on; the value (the
    // caller's window or document) is kept.
    PrintFablecoreReport(ItemList* ownerList, void* value);

    PText* GetReportOptions() override;
    std::int16_t GetVocabularyOption() override { return 1; }

    // Builds the report and prints it; the print code is kept as the print status.
    void Print(std::int16_t reportId);
    // 0 when printed (or when there was nothing to print), else the printing error.
    std::int16_t GetPrintStatus() const { return status_; }
    void* GetValue() const { return value_; }

private:
    ItemList* ownerList_;
    void* value_;
    std::int16_t status_ = 0;
};
