#include "items/printing/PrintViewDlog.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "foundation/Debug.h"
#include "framework/ItemObjectFactory.h"
#include "framework/MsgEvent.h"
#include "framework/WindowItems.h"
#include "framework/WindowUtilities.h"
#include "framework/graphics/FontMapping.h"
#include "framework/graphics/GraphUser.h"
#include "items/ItemList.h"
#include "items/printing/PreviewLayout.h"
#include "items/printing/PreviewPage.h"
#include "items/printing/PrintErrors.h"
#include "items/printing/PrintRecord.h"
#include "items/printing/PrintViewer.h"
#include "items/printing/TPrintable.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Messages.h"

namespace {

constexpr const char* kErrorLabel = "Preview Display";
constexpr int kShadow = 4;

// Appends an item made in code; false, the item deleted, when the list cannot take it.
bool AppendItem(ItemList& items, TItem* item) {
    if (items.Append(item) >= 0) return true;
    delete item;
    return false;
}

// The record, with its printer context made when it has none; null without a printer.
PrintRecord* RecordWithPrinter() {
    PrintRecord* record = PrintRecord::OfApplication();
    if (record && !record->HasPrinterDC()) record->CreatePrinterDC();
    return record && record->GetPrinterDC() ? record : nullptr;
}

}  // namespace

PrintViewDlog::PrintViewDlog(TPrintable* printable, std::uint16_t counting)
    : TDialog(0, kCloseItem, kCloseItem), printable_(printable), counting_(counting) {
    PrintRecord* record = RecordWithPrinter();
    if (!record) {
        error_ = kPrintDriverError;
        return;
    }
    previewPage_.reset(new (std::nothrow) PreviewPage);
    if (!previewPage_) {
        error_ = kPrintNoMemory;
        return;
    }
    GarbageGraph* measuringGraph = nullptr;
    error_ = previewPage_->Open(record, measuringGraph);
    if (error_) return;
    pageOpen_ = 1;
    error_ = printable_->BeginRun(measuringGraph, 1);
    if (error_) {
        printable_->ResetState();
    } else {
        runBegun_ = 1;
    }
}

PrintViewDlog::~PrintViewDlog() {
    timer_.Stop();
    if (runBegun_) printable_->EndRun();
    if (pageOpen_) previewPage_->Close();
}

PrintViewer* PrintViewDlog::GetPageView() const { return dynamic_cast<PrintViewer*>(GetItem(kPageViewItem)); }

// --- Setting up

PreviewLayout PrintViewDlog::LayOut(const PrintRecord& record, const ShortRect& workArea) const {
    PreviewLayoutInput input;
    record.GetPaperSize(input.paper.x, input.paper.y);
    input.workArea =
        ShortPoint{static_cast<std::int16_t>(workArea.Width()), static_cast<std::int16_t>(workArea.Height())};
    const ShortRect frame = GetFrameRect();
    const ShortRect client = GetClientRect();
    input.frameExtra = ShortPoint{static_cast<std::int16_t>(frame.Width() - client.Width()),
                                  static_cast<std::int16_t>(frame.Height() - client.Height())};
    input.scrollBarWidth = GetScrollBarSizes().x;
    input.counting = counting_ != 0;
    return LayOutPreview(input);
}

bool PrintViewDlog::BuildItems(ItemList& items, const PreviewLayout& layout) {
    win::LOGFONTA font;
    MakeLogFont(font, 0, 12, 0);
    const char* titles[] = {"Prev Page", "Next Page", "Print Page", "Close"};
    for (std::size_t i = 0; i < layout.buttons.size(); ++i)
        if (!MakeItem(kPushBtnClassId, items, layout.buttons[i], titles[i], font)) return false;
    if (!MakeItem(kStatTextClassId, items, layout.zoomText, "Scaled To", font) ||
        !MakeItem(kStatTextClassId, items, layout.pageText, "", font) ||
        !AppendItem(items, new PrintViewer(&items, previewPage_.get(), this, layout.view))) {
        return false;
    }
    if (!counting_) return true;
    auto* scroller = new Scroller(&items, this, kScrollerStyle, "", 0, &layout.scroller, 0, RGBColor(0), 0, 0);
    if (!AppendItem(items, scroller)) return false;
    scroller_ = scroller;
    // One page in view; the pages the scroller spans are set once they are counted.
    scroller_->SetTotal(1);
    return true;
}

ErrCode PrintViewDlog::SetUpItems() {
    auto* items = dynamic_cast<ItemList*>(GetItemList());
    const PrintRecord* record = previewPage_ ? previewPage_->GetPrintRecord() : nullptr;
    if (!items || !record || !GetHWnd()) return -1;
    ShortRect workArea;
    GetDesktopWorkArea(workArea);
    const PreviewLayout layout = LayOut(*record, workArea);
    landscape_ = layout.landscape ? 1 : 0;
    zoom_ = layout.zoom;
    previewPage_->SetZoom(zoom_);
    if (!BuildItems(*items, layout)) return -1;
    items->SetBounds(ShortRect::MakeLTRB(0, 0, layout.client.x, layout.client.y));

    if (const ErrCode code = TDialog::SetUpItems(); code != kNoErr) return code;
    CenterOnScreen(&workArea);
    SetTitle("Print Preview");
    // The dialog took the focus to its first button as it became active: Close has it.
    if (const WindowItem* close = GetItem(kCloseItem))
        win::SendMessageA(GetHWnd(), win::WM_NEXTDLGCTL, reinterpret_cast<win::WPARAM>(close->GetHWnd()),
                          win::TRUE);
    if (!error_) GoToPage(0, false);
    if (error_) return -1;
    timer_.Set(GetHWnd(), kTimerId, kTimerPeriod);
    timer_.Start();
    return kNoErr;
}

// --- Pages

void PrintViewDlog::GoToPage(std::int16_t page, bool countOnly) {
    PrintViewer* view = GetPageView();
    if (view && !error_) {
        const GraphUser use(GetGraphEnv());
        // Counting lays the page out on a page of its own, leaving the one shown as it is.
        std::unique_ptr<PreviewPage> counted;
        PreviewPage* target = previewPage_.get();
        if (countOnly) {
            counted = std::make_unique<PreviewPage>();
            GarbageGraph* measuringGraph = nullptr;
            counted->Open(RecordWithPrinter(), measuringGraph);
            target = counted.get();
        }
        std::uint16_t last = 0;
        error_ = LayOutPage(*target, page, last);
        // A printable that sets the margins as it lays a page out may change the page area under the
        // first page: laid out again, that page fills the bitmap of the area it was laid out for.
        if (!error_ && !target->FitsPageArea()) error_ = LayOutPage(*target, page, last);
        if (!error_) {
            if (!countOnly) currentPage_ = page;
            if (last) lastPage_ = page;
            if (!countOnly) view->Invalidate();
        } else {
            currentPage_ = -1;
            lastPage_ = -1;
        }
        if (counted) counted->Close();
    }
    if (error_) ShowPrintError(error_, kErrorLabel);
    if (countOnly) {
        UpdatePageText();
        return;
    }
    UpdateButtons();
    UpdateZoomText();
    UpdatePageText();
    if (lastPage_ >= 0) UpdateScroller(true);
}

ErrCode PrintViewDlog::LayOutPage(PreviewPage& target, std::int16_t page, std::uint16_t& last) {
    TGraphEnv* graph = nullptr;
    ErrCode error = target.MakePageBitmap(graph);
    if (error) {
        printable_->ResetState();
        return error;
    }
    error = printable_->PreparePage(graph, page, last);
    target.ReleasePageBitmap();
    return error;
}

void PrintViewDlog::CountNextPage() {
    if (!counting_ || error_ || lastPage_ >= 0) return;
    GoToPage(nextPageToCount_, true);
    ++nextPageToCount_;
    UpdatePageText();
    if (lastPage_ >= 0) UpdateScroller(true);
}

void PrintViewDlog::ScrollerMoved(Scroller* scroller) {
    if (!scroller) return;
    const std::int32_t value = scroller->GetValue();
    if (value >= 0 && value <= lastPage_ && value != currentPage_)
        GoToPage(static_cast<std::int16_t>(value), false);
}

std::int16_t PrintViewDlog::Scrolled(Scroller* scroller, std::int32_t /*delta*/) {
    ScrollerMoved(scroller);
    return 1;
}

// --- Items

void PrintViewDlog::SetItemText(std::int32_t index, const std::string& text) {
    if (auto* item = dynamic_cast<ITextItem*>(GetItem(index))) item->SetText(text.c_str());
}

std::string PrintViewDlog::PageText() const {
    char text[64];
    if (!counting_) {
        std::snprintf(text, sizeof text, "Page: %d", currentPage_ + 1);
    } else if (lastPage_ >= 0) {
        std::snprintf(text, sizeof text, "Page %d of %d", currentPage_ + 1, lastPage_ + 1);
    } else {
        // Until the last page is found the count is of the pages known to exist so far (every page
        // counted, and every page shown), and says so: it is no total yet.
        const int pages = std::max<int>(nextPageToCount_, currentPage_ + 1);
        std::snprintf(text, sizeof text, "Page %d of %d so far", currentPage_ + 1, pages);
    }
    return text;
}

std::string PrintViewDlog::ZoomText() const {
    char text[64];
    std::snprintf(text, sizeof text, "%s %d%% of Printed Page.", "Scaled To", zoom_);
    return text;
}

void PrintViewDlog::UpdatePageText() { SetItemText(kPageTextItem, PageText()); }

void PrintViewDlog::UpdateZoomText() { SetItemText(kZoomTextItem, ZoomText()); }

void PrintViewDlog::UpdateButtons() {
    EnableItem(kPrevPageItem, currentPage_ >= 1);
    EnableItem(kNextPageItem, currentPage_ >= 0 && currentPage_ != lastPage_);
    KeepFocusUsable();
}

void PrintViewDlog::KeepFocusUsable() {
    const std::int32_t focus = GetFocusItem();
    if (focus != kPrevPageItem && focus != kNextPageItem) return;
    const WindowItem* focused = GetItem(focus);
    if (!focused || focused->IsEnabled()) return;
    const std::int32_t other = focus == kPrevPageItem ? kNextPageItem : kPrevPageItem;
    const WindowItem* alternative = GetItem(other);
    SetFocusItem(alternative && alternative->IsEnabled() ? other : -1, false);
}

void PrintViewDlog::UpdateScroller(bool redraw) {
    if (!scroller_ || lastPage_ < 0) return;
    scroller_->SetMax(lastPage_, redraw);
    scroller_->SetValue(std::max<std::int16_t>(currentPage_, 0), redraw);
    // One page of all the pages is in view.
    scroller_->SetTotal(static_cast<std::int16_t>(lastPage_ + 1));
    if (redraw) scroller_->Invalidate();
}

// --- Input

bool PrintViewDlog::PreviewKey(KeyEvent& event) {
    switch (event.GetKey()) {
        case kKeyHome:
            if (currentPage_ > 0) GoToPage(0, false);
            return true;
        case kKeyEnd:
            if (lastPage_ >= 0 && currentPage_ != lastPage_) GoToPage(lastPage_, false);
            return true;
        case kKeyPageUp:
            if (currentPage_ > 0) GoToPage(static_cast<std::int16_t>(currentPage_ - 1), false);
            return true;
        case kKeyPageDown:
            if (lastPage_ < 0 || currentPage_ < lastPage_)
                GoToPage(static_cast<std::int16_t>(currentPage_ + 1), false);
            return true;
        default: return TDialog::PreviewKey(event);
    }
}

void PrintViewDlog::EndModal(std::int32_t itemIndex) {
    switch (itemIndex) {
        case kPrevPageItem:
            if (currentPage_ > 0) GoToPage(static_cast<std::int16_t>(currentPage_ - 1), false);
            break;
        case kNextPageItem:
            if (currentPage_ >= 0 && currentPage_ != lastPage_)
                GoToPage(static_cast<std::int16_t>(currentPage_ + 1), false);
            break;
        case kPrintPageItem: Beep(); break;
        default: break;
    }
    TDialog::EndModal(itemIndex);
}

bool PrintViewDlog::IsAccepted() { return error_ != 0 || TDialog::IsAccepted(); }

win::LRESULT PrintViewDlog::HandleMessage(win::HWND window, win::UINT message, win::WPARAM wParam,
                                          win::LPARAM lParam) {
    if (message != win::WM_TIMER || wParam != kTimerId)
        return TDialog::HandleMessage(window, message, wParam, lParam);
    CountNextPage();
    return 1;
}

// --- Drawing

void PrintViewDlog::Draw(win::HDC dc) {
    TDialog::Draw(dc);
    const WindowItemList* items = GetItemList();
    const WindowItem* view = GetItem(kPageViewItem);
    if (!items || items->Count() <= 1 || !view) return;
    ShortRect bounds;
    view->GetBounds(bounds);
    const GraphUser use(GetGraphEnv());
    TGraphEnv& env = GetGraphEnv();
    env.FrameRect(bounds);
    env.FillRect(ShortRect::MakeLTRB(bounds.right, bounds.top + kShadow, bounds.right + kShadow,
                                     bounds.bottom + kShadow));
    env.FillRect(
        ShortRect::MakeLTRB(bounds.left + kShadow + 1, bounds.bottom, bounds.right, bounds.bottom + kShadow));
}
