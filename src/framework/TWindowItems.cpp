// A window's items and what goes through them: loading and letting go of the item list, setting the
// items up, activation, the focus item and the key road, the edit commands, item hits, painting and
// the cursor regions.

#include <memory>
#include <utility>

#include "foundation/FileError.h"
#include "foundation/ObjectFactory.h"
#include "foundation/pfm/MemoryReadFile.h"
#include "foundation/pfm/MemoryWriteFile.h"
#include "foundation/pfm/PFM.h"
#include "framework/ItemObjectFactory.h"
#include "framework/MsgEvent.h"
#include "framework/TAppl.h"
#include "framework/TWindow.h"
#include "framework/WindowItems.h"
#include "framework/graphics/AppPalette.h"
#include "framework/graphics/Cursors.h"
#include "framework/graphics/QRVBitmap.h"
#include "platform/gdi/Palettes.h"
#include "platform/ui/Input.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Paint.h"
#include "platform/ui/Window.h"

using namespace win;

namespace {

constexpr FourCC kItemsSegment = FourCCOf("ITM#");

// A list of its own, read from the stored form of one that another window is using.
WindowItemList* CopyItemList(WindowItemList& list) {
    MemoryWriteFile flat;
    if (list.WriteTo(flat) != kNoErr) return nullptr;
    MemoryReadFile stream(flat.Bytes());
    ErrCode error = kNoErr;
    TObject* copy = MakeObjectByFactory(stream, kItemListClassId, &error, 0);
    auto* copyList = dynamic_cast<WindowItemList*>(copy);
    if (error != kNoErr || !copyList) {
        DeleteObject(copy);
        return nullptr;
    }
    return copyList;
}

// The busy cursor for the life of the scope.
class BusyPhase {
public:
    BusyPhase() { PushCursor(-1); }
    ~BusyPhase() { PopCursor(); }
    BusyPhase(const BusyPhase&) = delete;
    BusyPhase& operator=(const BusyPhase&) = delete;
};

}  // namespace

// --- loading and letting go

ErrCode TWindow::LoadItems(std::int16_t resourceId) {
    FreeItems();
    itemsStored_ = false;
    if (resourceId == 0) return kNoErr;
    PFMFile* dataFile = application_ ? application_->GetDataFile() : nullptr;
    const PFMFileScope scope(dataFile, true);
    auto* stored = static_cast<TObject*>(PFMCheckOut(kItemsSegment, static_cast<std::uint16_t>(resourceId)));
    ErrCode result = PFMGetError();
    auto* list = dynamic_cast<WindowItemList*>(stored);
    if (stored && !list) {
        PFMCheckIn(stored);
        result = kBadDataErr;
    } else if (list && result == kNoErr) {
        // Two windows of one kind each get a list of their own: one holding items' windows
        // cannot hold another's.
        bool checkedOut = true;
        if (list->GetWindow() && list->GetWindow() != this) {
            WindowItemList* copy = CopyItemList(*list);
            PFMCheckIn(list);
            list = copy;
            checkedOut = false;
            if (!list) result = kOutOfMemoryErr;
        }
        if (list) {
            items_ = list;
            itemsCheckedOut_ = checkedOut;
            list->SetWindow(this);
            result = SetUpItems();
            if (result != kNoErr) FreeItems();
        }
    }
    PFMClearError();
    return result;
}

void TWindow::FreeItems() {
    if (!items_) return;
    WindowItemList* list = items_;
    const bool checkedOut = itemsCheckedOut_;
    if (checkedOut) {
        FourCC type = 0;
        std::uint16_t id = 0;
        if (PFMGetSegmentKey(list, type, id)) {
            const PFMFileScope scope(application_ ? application_->GetDataFile() : nullptr, true);
            if (PFMGetLockCount(type, id) != 0) StoreItems();
        }
    }
    // The window has no items before theirs go, so nothing their going sets off reaches them.
    items_ = nullptr;
    itemsCheckedOut_ = false;
    focusItem_ = -1;
    list->CloseItems();
    if (checkedOut) {
        // The list stays with the data file, ready for the next window of its kind.
        list->SetWindow(nullptr);
        PFMCheckIn(list);
    } else {
        DeleteObject(list);
    }
}

void TWindow::SetItemList(WindowItemList* items) {
    FreeItems();
    items_ = items;
    itemsCheckedOut_ = false;
    if (items_) items_->SetWindow(this);
}

void TWindow::StoreItems() {
    if (itemsStored_ || !items_) return;
    const BusyPhase busy;
    if (storeItems_) items_->SaveAllStates();
    items_->CloseItems();
    itemsStored_ = true;
}

void TWindow::SetUpBackground() {
    if (!graphEnv_.HasDC()) return;
    RGBColor background;
    GetBackColor(background);
    graphEnv_.SetBackColor(background);
}

ErrCode TWindow::SetUpItems() {
    SetUpBackground();
    if (!items_) return kNoErr;
    const ObjectLocker lock(items_);
    for (std::int32_t i = 0; i < items_->Count(); ++i) {
        WindowItem* item = items_->ItemAt(i);
        item->Open(i);
        if (item->HasFlags(kItemFollowsSize)) item->WindowResized();
    }
    if (focusItem_ == -1) focusItem_ = items_->FindFirstTabStop();
    return kNoErr;
}

WindowItem* TWindow::GetItem(std::int32_t index) const { return items_ ? items_->ItemAt(index) : nullptr; }

std::int16_t TWindow::NotifyItems(std::int16_t code) {
    if (items_ && code != 1) items_->NotifyResize();
    return 1;
}

// --- activation and the focus

void TWindow::Activate(bool active) {
    if (!active && (kind_ & kWindowHasCursorRegions)) {
        SetCursorById(defaultCursor_);
        currentCursor_ = defaultCursor_;
    }
    if (!active && items_) {
        for (std::int32_t i = 0; i < items_->Count(); ++i) {
            WindowItem* item = items_->ItemAt(i);
            if (item->HasFlags(kItemHasCursorRegions)) item->ShowRegionCursor();
        }
    }
    if (items_) items_->SetAllActive(active);
    if (active && focusItem_ >= 0) {
        SetFocus(window_);
    } else if (!active) {
        SetFocus(nullptr);
    }
}

void TWindow::SetFocusItem(std::int32_t index, bool quiet) {
    const HWND focused = GetFocus();
    const bool outside = !focused || (window_ && focused != window_ && !IsChild(window_, focused));
    if (index == focusItem_ && !outside) return;
    focusItem_ = index;
    if (quiet) return;
    SetFocus(nullptr);
    SetFocus(window_);
}

void TWindow::ChangeFocusItem(bool backward) {
    if (!items_) return;
    const std::int32_t next = items_->NextTabStop(focusItem_ >= 0 ? focusItem_ : -100, !backward);
    if (next >= 0 && next != focusItem_) SetFocusItem(next, false);
}

void TWindow::RefocusItem() {
    if (!IsFrontWindow() || focusItem_ < 0) return;
    const std::int32_t item = focusItem_;
    SetFocusItem(-1, false);
    SetFocusItem(item, false);
}

// --- keys

bool TWindow::DispatchKey(KeyEvent& event) {
    // Any stop of the road may close this window; the road ends there.
    const WindowRef self(this);
    TAppl* application = application_;
    if (application && application->PreviewKey(event)) return true;
    if (!self.Get()) return true;
    if (PreviewKey(event) || !self.Get()) return true;
    if (WindowItem* item = GetItem(focusItem_); item && (item->HandleKey(event) || !self.Get())) return true;
    if (HandleKey(event) || !self.Get()) return true;
    return application && application->HandleUnusedKey(event);
}

bool TWindow::HandleKey(KeyEvent& event) {
    if (event.GetKey() != kKeyTab || !items_ || focusItem_ < 0) return false;
    ChangeFocusItem(event.IsShiftDown());
    return true;
}

// --- the edit commands

namespace {

template <typename Question>
bool AskFocusItem(const TWindow& window, Question question) {
    const WindowItem* item = window.GetItem(window.GetFocusItem());
    return item && (item->*question)();
}

template <typename Action>
void TellFocusItem(const TWindow& window, Action action) {
    if (WindowItem* item = window.GetItem(window.GetFocusItem())) (item->*action)();
}

}  // namespace

bool TWindow::CanSelectAll() const { return AskFocusItem(*this, &WindowItem::CanSelectAll); }
bool TWindow::HasSelection() const { return AskFocusItem(*this, &WindowItem::HasSelection); }
bool TWindow::CanCut() const { return AskFocusItem(*this, &WindowItem::CanCut); }
bool TWindow::CanCopy() const { return AskFocusItem(*this, &WindowItem::CanCopy); }
bool TWindow::CanPaste() const { return AskFocusItem(*this, &WindowItem::CanPaste); }
bool TWindow::CanClear() const { return AskFocusItem(*this, &WindowItem::CanClear); }
bool TWindow::CanUndo() const { return AskFocusItem(*this, &WindowItem::CanUndo); }

void TWindow::DoUndo() { TellFocusItem(*this, &WindowItem::Undo); }
void TWindow::DoCut() { TellFocusItem(*this, &WindowItem::Cut); }
void TWindow::DoCopy() { TellFocusItem(*this, &WindowItem::Copy); }
void TWindow::DoPaste() { TellFocusItem(*this, &WindowItem::Paste); }
void TWindow::DoClear() { TellFocusItem(*this, &WindowItem::Clear); }
void TWindow::DoSelectAll() { TellFocusItem(*this, &WindowItem::SelectAll); }

// --- commands

void TWindow::PostCommand(std::unique_ptr<TCommand> command) {
    if (application_) application_->PostCommand(std::move(command), kFirstQueue);
}

void TWindow::PostCommandId(std::int32_t id) {
    if (application_) application_->PostCommandId(id, kFirstQueue);
}

void TWindow::PostItemHit(std::int32_t itemIndex) {
    PostCommand(std::make_unique<CmdAppWindowItemHit>(application_, this, itemIndex));
}

// --- painting and the mouse

std::int16_t TWindow::Paint() {
    if (IsIconic(window_)) {
        PAINTSTRUCT paint;
        BeginPaint(window_, &paint);
        EndPaint(window_, &paint);
        return 1;
    }
    graphEnv_.StartPaint();
    const HDC dc = graphEnv_.GetHDC();
    const HPALETTE palette = GetAppPalette();
    HPALETTE previous = nullptr;
    if (palette) {
        previous = SelectPalette(dc, palette, FALSE);
        RealizePalette(dc);
    }
    Draw(dc);
    if (palette) {
        SelectPalette(dc, previous, TRUE);
        RealizePalette(dc);
    }
    graphEnv_.FinishPaint();
    return 1;
}

QRVBitmap* TWindow::CaptureClientBitmap() {
    const ShortRect client = GetClientRect();
    return new QRVBitmap(client.Width(), client.Height(), window_);
}

void TWindow::IsMouseStillDown(bool& down) {
    if (!window_ || GetCapture() != window_) {
        down = false;
        return;
    }
    MSG message;
    if (PeekMessageA(&message, window_, WM_MOUSEMOVE, WM_LBUTTONUP, PM_REMOVE | PM_NOYIELD))
        down = message.message != WM_LBUTTONUP;
}

// --- cursor regions

CursorRegion& TWindow::CursorRegions() {
    if (!cursorRegions_) cursorRegions_ = std::make_unique<CursorRegion>();
    kind_ |= kWindowHasCursorRegions;
    return *cursorRegions_;
}

void TWindow::AddCursorRect(const ShortRect& rect, std::int32_t cursorId) {
    CursorRegions().AddRect(rect, cursorId);
}

void TWindow::AddCursorRegion(const Rgn& region, std::int32_t cursorId) {
    CursorRegions().AddRegion(region, cursorId);
}

void TWindow::AddCursorRegionHandle(HRGN region, std::int32_t cursorId) {
    CursorRegions().AddRegionHandle(region, cursorId);
}

void TWindow::SubtractCursorRect(const ShortRect& rect, std::int32_t cursorId) {
    if (cursorRegions_) cursorRegions_->SubtractRect(rect, cursorId);
}

Rgn* TWindow::GetCursorRegion(std::int32_t cursorId) {
    return cursorRegions_ ? cursorRegions_->GetRegion(cursorId) : nullptr;
}

void TWindow::ReleaseCursorRegion() {
    if (cursorRegions_) cursorRegions_->ReleaseRegion();
}

std::int32_t TWindow::FindCursorRegion(std::int32_t cursorId) const {
    return cursorRegions_ ? cursorRegions_->IndexOf(cursorId) : -1;
}

void TWindow::DeleteCursorRegions() {
    kind_ &= static_cast<std::uint16_t>(~kWindowHasCursorRegions);
    cursorRegions_.reset();
}

std::int16_t TWindow::UpdateCursor() {
    if (!(kind_ & kWindowHasCursorRegions) || !cursorRegions_) {
        if (currentCursor_ == -1 || currentCursor_ == defaultCursor_) {
            if (defaultCursor_ >= 0) SetCursorById(defaultCursor_);
            currentCursor_ = defaultCursor_;
        } else {
            SetCursorById(currentCursor_);
        }
        return 0;
    }
    POINT mouse{};
    GetCursorPos(&mouse);
    ScreenToClient(window_, &mouse);
    const ShortPoint point{static_cast<std::int16_t>(mouse.x), static_cast<std::int16_t>(mouse.y)};
    const std::int16_t shown = cursorRegions_->UpdateCursorAt(point, &currentCursor_, defaultCursor_);
    if (!shown) currentCursor_ = defaultCursor_;
    return shown;
}
