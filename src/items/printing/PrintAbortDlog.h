#pragma once
// The progress dialog of a print job: "Preparing to print NAME", then "Now Printing NAME : Page N"
// (", Copy C" from the second copy), with a Cancel button. It is modeless, and while it exists the
// frame window is disabled and autosave waits. Its items are the item list 134: the status text
// (item 0) and the Cancel button (item 1).

#include <cstdint>
#include <string>

#include "framework/AutoSaveManager.h"
#include "framework/TDialog.h"

class IPrintAbortClient;

class PrintAbortDlog : public TDialog {
    TOBJECT_CLASS(PrintAbortDlog, TDialog, 205)

public:
    static constexpr std::int16_t kResourceId = 134;
    static constexpr std::int32_t kStatusItem = 0;
    static constexpr std::int32_t kCancelItem = 1;

    // Opens at once, showing the page (0 or less: preparing).
    PrintAbortDlog(IPrintAbortClient* client, const char* docName, std::int16_t page, bool repaginate);
    ~PrintAbortDlog() override;

    ErrCode SetUpItems() override;
    // Cancel sets the job's cancel flag; the dialog stays until the job ends.
    void EndModal(std::int32_t itemIndex) override;

    // Takes pending input (a given name replaces the kept one); true when the user cancelled, after
    // the client aborted. Otherwise shows the page and copy, unless page is -1.
    bool Update(const char* docName, std::int16_t page, std::int16_t copy);
    void SetStatusText(std::int16_t page, std::int16_t copy);
    // The status the dialog shows for the page and copy.
    std::string StatusText(std::int16_t page, std::int16_t copy) const;

private:
    IPrintAbortClient* client_;
    std::string docName_;
    std::int16_t lastPage_;
    std::uint16_t repaginate_;
    AutoSaveInhibitor autoSaveOff_;
};
