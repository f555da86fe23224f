#pragma once
// The print preview: a modal dialog that shows one page of a printable at a time, exactly as it
// prints, scaled to the desktop, with buttons to page back and forth, the zoom and the page number.
// While it is open it counts the document's pages in the background, one page a timer tick, so
// that the first page shows at once ("Page 1 of 4 so far" while the count grows, "Page 1 of 66" once
// the last page is found); a scroller then moves through the pages counted.
//
// The printable's run (BeginRun ... EndRun) lasts as long as the dialog. Any error stops drawing
// and counting, forgets the current and last pages, and is shown ("Preview Display").

#include <cstdint>
#include <memory>
#include <string>

#include "framework/QRVTimer.h"
#include "framework/TDialog.h"
#include "items/Scroller.h"
#include "items/printing/PreviewLayout.h"

class ItemList;
class PreviewPage;
class PrintRecord;
class PrintViewer;
class TPrintable;

class PrintViewDlog : public TDialog, public TScrollerClient {
    TOBJECT_CLASS(PrintViewDlog, TDialog, 206)

public:
    // Items in their list order.
    static constexpr std::int32_t kPrevPageItem = 0;
    static constexpr std::int32_t kNextPageItem = 1;
    static constexpr std::int32_t kPrintPageItem = 2;
    static constexpr std::int32_t kCloseItem = 3;
    static constexpr std::int32_t kZoomTextItem = 4;
    static constexpr std::int32_t kPageTextItem = 5;
    static constexpr std::int32_t kPageViewItem = 6;
    static constexpr std::int32_t kScrollerItem = 7;
    // The counting timer.
    static constexpr std::uint32_t kTimerId = 998;
    static constexpr std::uint32_t kTimerPeriod = 10;
    // The scroller's flags: vertical, tracking live, never taking the focus.
    static constexpr std::uint32_t kScrollerStyle = Scroller::kLiveTracking | Scroller::kNoFocus;

    // Takes the application's print record (making its printer context when it has none: -11
    // without a printer), opens the preview page and begins the printable's run. With counting, the
    // pages are counted in the background and a scroller is shown. GetError tells whether it can
    // be shown.
    PrintViewDlog(TPrintable* printable, std::uint16_t counting);
    // Stops counting, ends the run when it was begun and closes the page.
    ~PrintViewDlog() override;

    // Lays the dialog out and builds its items, shows the first page and starts counting; -1 when
    // an error is pending (the dialog then ends at once).
    ErrCode SetUpItems() override;
    // Home, End, Page Up and Page Down move through the pages.
    bool PreviewKey(KeyEvent& event) override;
    // Prev Page and Next Page move a page; Print Page only beeps; Close ends the dialog.
    void EndModal(std::int32_t itemIndex) override;
    // Any item ends the dialog once an error is set.
    bool IsAccepted() override;
    // WM_TIMER counts the next page.
    using TDialog::HandleMessage;
    win::LRESULT HandleMessage(win::HWND window, win::UINT message, win::WPARAM wParam,
                               win::LPARAM lParam) override;
    // The items, and the page view outlined with a shadow.
    void Draw(win::HDC dc) override;

    // The scroller moved: ScrollerMoved.
    std::int16_t Scrolled(Scroller* scroller, std::int32_t delta) override;
    // Shows the page the scroller's value names, when it is a page known to exist.
    void ScrollerMoved(Scroller* scroller);

    // Lays the page out (0-based) and shows it; counting only, lays it out on a page of its own to
    // learn whether it is the last.
    void GoToPage(std::int16_t page, bool countOnly);

    ErrCode GetError() const { return error_; }
    std::int16_t GetZoom() const { return zoom_; }
    std::int16_t GetCurrentPage() const { return currentPage_; }
    // -1 until the end of the document is known.
    std::int16_t GetLastPage() const { return lastPage_; }
    std::int16_t GetNextPageToCount() const { return nextPageToCount_; }
    bool IsLandscape() const { return landscape_ != 0; }
    bool IsCounting() const { return counting_ != 0; }
    PreviewPage* GetPreviewPage() const { return previewPage_.get(); }
    PrintViewer* GetPageView() const;
    Scroller* GetScroller() const { return scroller_; }
    // The texts the dialog shows now.
    std::string PageText() const;
    std::string ZoomText() const;

private:
    // Where the items go for the record's paper on the desktop's work area.
    PreviewLayout LayOut(const PrintRecord& record, const ShortRect& workArea) const;
    // The items in their order; false when one could not be made.
    bool BuildItems(ItemList& items, const PreviewLayout& layout);
    // Makes the target's bitmap and lays the page out into it.
    ErrCode LayOutPage(PreviewPage& target, std::int16_t page, std::uint16_t& last);
    // A timer tick: the next page counted.
    void CountNextPage();
    void UpdateButtons();
    void UpdatePageText();
    void UpdateZoomText();
    // The scroller spans the pages, once their number is known.
    void UpdateScroller(bool redraw);
    // Moves the focus off a navigation button that has just been disabled.
    void KeepFocusUsable();
    void SetItemText(std::int32_t index, const std::string& text);

    TPrintable* printable_;
    std::unique_ptr<PreviewPage> previewPage_;
    std::int16_t zoom_ = 100;
    std::int16_t currentPage_ = -1;
    std::int16_t lastPage_ = -1;
    ErrCode error_ = 0;
    std::uint32_t landscape_ = 0;
    std::uint16_t counting_;
    Scroller* scroller_ = nullptr;
    std::int16_t nextPageToCount_ = 1;
    QRVTimer timer_;
    std::uint16_t pageOpen_ = 0;
    std::uint16_t runBegun_ = 0;
};
