// The window's life, its MDI child and its place: making and destroying the window, the title,
// showing and hiding, coordinates, sizes and the frame's limits, the tool-window base and the two
// window commands.

#include "framework/TWindow.h"

#include <algorithm>

#include "framework/AppEnvironment.h"
#include "framework/IPrintRecord.h"
#include "framework/InputHelpers.h"
#include "framework/TAppl.h"
#include "framework/TDoc.h"
#include "framework/WindowItems.h"
#include "framework/WindowUtilities.h"
#include "framework/graphics/Cursors.h"
#include "platform/ui/Input.h"
#include "platform/ui/Mdi.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Paint.h"
#include "platform/ui/Styles.h"
#include "platform/ui/SystemMetrics.h"
#include "platform/ui/Window.h"

using namespace win;

namespace {

constexpr int kOffscreen = -30000;

// The window class of MDI children, registered once.
bool RegisterWindowClass(AppEnvironment& environment) {
    if (environment.IsClassRegistered(kWindowClassName)) return true;
    WNDCLASSA windowClass;
    windowClass.style = CS_OWNDC;
    windowClass.lpfnWndProc = TWindowWndProc;
    windowClass.cbWndExtra = sizeof(LONG_PTR);
    windowClass.hInstance = environment.GetInstance();
    windowClass.lpszClassName = kWindowClassName;
    if (RegisterClassA(&windowClass) == 0) return false;
    environment.SetClassRegistered(kWindowClassName, true);
    return true;
}

DWORD ChildStyle(std::int32_t mode, std::uint16_t kind) {
    DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_SYSMENU;
    style |= mode == kSizingChildMode ? WS_THICKFRAME : WS_CAPTION;
    if (!(kind & kWindowNoMaximize)) style |= WS_MAXIMIZEBOX;
    if (!(kind & kWindowNoMinimize)) style |= WS_MINIMIZEBOX;
    if (!(kind & kWindowFixedSize)) style |= WS_THICKFRAME;
    return style;
}

DWORD StyleOf(HWND window) { return static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)); }

// The point moved from one window's client coordinates to another's, through the screen.
void MapPoint(HWND from, HWND to, std::int16_t& x, std::int16_t& y) {
    POINT point{x, y};
    MapWindowPoints(from, to, &point, 1);
    x = static_cast<std::int16_t>(point.x);
    y = static_cast<std::int16_t>(point.y);
}

ShortRect MapRect(HWND from, HWND to, const ShortRect& rect) {
    ShortRect mapped = rect;
    MapPoint(from, to, mapped.left, mapped.top);
    MapPoint(from, to, mapped.right, mapped.bottom);
    return mapped;
}

}  // namespace

TWindow::TWindow(TAppl* application, const ShortRect* rect, TDoc* document, std::int32_t mode,
                 std::uint16_t kind, const char* title)
    : TWindow(application, document, mode, kind, title) {
    ShortRect place;
    if (rect) {
        place = *rect;
    } else {
        GetDefaultRect(place);
    }
    if (mode_ != kDialogMode) Create(place);
}

TWindow::TWindow(TAppl* application, TDoc* document, std::int32_t mode, std::uint16_t kind, const char* title)
    : application_(application), document_(document), title_(title ? title : ""), mode_(mode), kind_(kind) {
    if (document_) document_->AddWindow(this);
}

TWindow::~TWindow() {
    *life_ = nullptr;
    FreeItems();
    if (window_) {
        // The object lets go of its window before the window goes, so that none of the messages of
        // its destruction reaches the object being destroyed.
        const HWND window = window_;
        window_ = nullptr;
        graphEnv_.ReleaseWindow();
        SetWindowLongA(window, 0, 0);
        // Only MDI children belong to the MDI client; dialogs and palettes go by themselves.
        if (IsMDIChild() && application_ && application_->GetMDIClient()) {
            SendMessageA(application_->GetMDIClient(), WM_MDIDESTROY, reinterpret_cast<WPARAM>(window), 0);
        } else {
            DestroyWindow(window);
        }
    }
    if (cursorRegions_) {
        SetCursorById(defaultCursor_);
        cursorRegions_.reset();
    }
    if (application_) application_->CheckFrontDocument();
    if (document_) document_->RemoveWindow(this);
}

std::uint32_t TWindow::GetDataSize() const {
    return TObject::GetDataSize() + static_cast<std::uint32_t>(title_.capacity()) +
           (items_ ? ObjectTotalSize(*items_) : 0);
}

void TWindow::GetBackColor(RGBColor& color) const {
    color = items_ && items_->HasOwnColor() ? items_->GetBackColor() : GetStandardColor(1);
}

void TWindow::GetRepaintedByChildren(Rgn& area) const {
    area.SetEmpty();
    for (std::int32_t i = 0; items_ && i < items_->Count(); ++i) {
        Rgn item;
        items_->ItemAt(i)->GetRepaintedArea(item);
        area.Union(item);
    }
}

// --- making the MDI child

ErrCode TWindow::Create(const ShortRect& rect) {
    AppEnvironment* environment = GetAppEnvironment();
    if (!environment || !RegisterWindowClass(*environment) || !application_) return -1;
    const HWND client = application_->GetMDIClient();
    BOOL activeMaximized = FALSE;
    const auto active = reinterpret_cast<HWND>(
        SendMessageA(client, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&activeMaximized)));

    MDICREATESTRUCTA create;
    create.szClass = kWindowClassName;
    create.szTitle = title_.c_str();
    create.hOwner = environment->GetInstance();
    create.x = kOffscreen;
    create.y = kOffscreen;
    create.cx = rect.Width();
    create.cy = rect.Height();
    create.style = ChildStyle(mode_, kind_);
    create.lParam = reinterpret_cast<LPARAM>(this);

    if (mode_ == kPaletteMode) {
        SendMessageA(client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&create));
        return window_ ? kNoErr : ErrCode{-1};
    }
    bool maximize = false;
    if (active && activeMaximized) {
        if (kind_ & kWindowNoMaximize) {
            SendMessageA(client, WM_MDIRESTORE, reinterpret_cast<WPARAM>(active), 0);
        } else {
            maximize = true;
        }
    }
    SendMessageA(client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&create));
    if (!window_) return -1;
    // Made in its place but hidden: Show makes it visible and active.
    ShowWindow(window_, SW_HIDE);
    MoveTo(rect);
    if (maximize) ShowWindow(window_, SW_MAXIMIZE);
    if (active && IsWindow(active)) SendMessageA(client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(active), 0);
    return kNoErr;
}

// --- title, showing and the front

void TWindow::SetTitle(const char* text) {
    title_ = text ? text : "";
    if (!window_) return;
    SendMessageA(window_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(title_.c_str()));
    // A maximised child's title is part of the frame's caption.
    if (IsZoomed(window_) && application_ && application_->GetFrameWindow()) {
        const HWND frame = application_->GetFrameWindow();
        SendMessageA(frame, WM_NCACTIVATE, GetActiveWindow() == frame, 0);
    }
}

void TWindow::UpdateTitle() {
    if (document_) SetTitle(document_->GetFileName().c_str());
}

ErrCode TWindow::PreparePrinter() {
    IPrintRecord* record = application_ ? application_->GetPrintRecord() : nullptr;
    if (!record) return -1;
    return record->HasPrinterDC() ? kNoErr : record->CreatePrinterDC();
}

bool TWindow::IsFrontWindow() const { return application_ && application_->GetFrontWindow() == this; }

void TWindow::Show() {
    ShowWindow(window_, SW_SHOW);
    if (IsMDIChild() && application_)
        SendMessageA(application_->GetMDIClient(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(window_), 0);
    RestoreFocus();
}

void TWindow::Hide() {
    ShowWindow(window_, SW_HIDE);
    if (IsMDIChild() && application_) SendMessageA(application_->GetMDIClient(), WM_MDIACTIVATE, 0, 0);
}

void TWindow::Invalidate() { InvalidateRect(window_, nullptr, TRUE); }

void TWindow::Update() { UpdateWindow(window_); }

void TWindow::RestoreFocus() {
    if (mode_ == kPaletteMode) return;
    SetFocus(nullptr);
    SetFocus(window_);
}

// --- coordinates

ShortRect TWindow::GetFrameRect() const {
    RECT frame{};
    GetWindowRect(window_, &frame);
    const HWND client = application_ ? application_->GetMDIClient() : nullptr;
    return MapRect(nullptr, client, ShortRect::FromRECT(frame));
}

ShortRect TWindow::GetClientRect() const {
    RECT client{};
    win::GetClientRect(window_, &client);
    return ShortRect::FromRECT(client);
}

ShortRect TWindow::GetClientRectInFrame() const {
    const ShortRect client = GetClientRect();
    return mode_ != kPaletteMode ? ClientToMDIClient(client) : client;
}

ShortRect TWindow::GetRestoredRect() const {
    WINDOWPLACEMENT placement;
    GetWindowPlacement(window_, &placement);
    return ShortRect::FromRECT(placement.rcNormalPosition);
}

void TWindow::GetContentRect(ShortRect& rect) {
    rect = GetClientRect();
    const auto [left, top, right, bottom] = GetFrameMargins();
    const ShortPoint minimum = GetMinTrackSize();
    rect.right = std::max<std::int16_t>(rect.right, static_cast<std::int16_t>(minimum.x - left - right));
    rect.bottom = std::max<std::int16_t>(rect.bottom, static_cast<std::int16_t>(minimum.y - top - bottom));
}

ShortRect TWindow::ClientToMDIClient(const ShortRect& rect) const {
    return MapRect(window_, application_ ? application_->GetMDIClient() : nullptr, rect);
}

ShortRect TWindow::MDIClientToClient(const ShortRect& rect) const {
    return MapRect(application_ ? application_->GetMDIClient() : nullptr, window_, rect);
}

// --- placing and sizing

void TWindow::MoveTo(const ShortRect& rect) {
    int x = rect.left;
    int y = rect.top;
    const int width = rect.Width();
    const int height = rect.Height();
    if (IsKindOf(kDialogClassId) || IsKindOf(kPaletteClassId)) {
        std::int16_t sx = rect.left;
        std::int16_t sy = rect.top;
        MapPoint(application_ ? application_->GetMDIClient() : nullptr, nullptr, sx, sy);
        RECT desktop{};
        GetWindowRect(GetDesktopWindow(), &desktop);
        x = std::max(0, std::min<int>(sx, desktop.right - width));
        y = std::max(0, std::min<int>(sy, desktop.bottom - height));
    }
    MoveWindow(window_, x, y, width, height, TRUE);
}

void TWindow::SetFrameSize(int width, int height) {
    int x = 0;
    int y = 0;
    if (IsKindOf(kDialogClassId) || IsKindOf(kPaletteClassId)) {
        RECT frame{};
        GetWindowRect(window_, &frame);
        x = frame.left;
        y = frame.top;
    } else {
        const ShortRect frame = GetFrameRect();
        x = frame.left;
        y = frame.top;
    }
    MoveWindow(window_, x, y, width, height, TRUE);
}

void TWindow::SetClientSize(int width, int height) {
    RECT frame{};
    RECT client{};
    GetWindowRect(window_, &frame);
    win::GetClientRect(window_, &client);
    SetFrameSize(width + (frame.right - frame.left) - client.right,
                 height + (frame.bottom - frame.top) - client.bottom);
}

void TWindow::KeepRectInFrame(ShortRect& rect) {
    const ShortRect frame = application_ ? application_->GetFrameClientRect() : ShortRect{};
    if (rect.left >= frame.right) rect.Offset(frame.right - 1 - rect.left - (rect.Width() - 1), 0);
    if (rect.right <= frame.left) rect.Offset(frame.left - rect.left, 0);
    if (rect.top >= frame.bottom) rect.Offset(0, frame.bottom - 1 - rect.top - (rect.Height() - 1));
    if (rect.bottom <= frame.top) rect.Offset(0, frame.top - rect.top);
}

std::int16_t TWindow::GetDefaultRect(ShortRect& rect) {
    rect = application_ ? application_->GetFrameClientRect() : ShortRect{};
    const ShortPoint offset = NextCascadePoint(false, false);
    rect.left = static_cast<std::int16_t>(rect.left + offset.x);
    rect.top = static_cast<std::int16_t>(rect.top + offset.y);
    rect.right = static_cast<std::int16_t>(rect.right - 6);
    rect.bottom = static_cast<std::int16_t>(rect.bottom - 1);
    const ShortPoint maximum = GetMaxTrackSize();
    const ShortPoint minimum = GetMinTrackSize();
    const int width = std::max<int>(std::min<int>(rect.Width(), maximum.x), minimum.x);
    const int height = std::max<int>(std::min<int>(rect.Height(), maximum.y), minimum.y);
    rect.right = static_cast<std::int16_t>(rect.left + width);
    rect.bottom = static_cast<std::int16_t>(rect.top + height);
    return 1;
}

ShortPoint TWindow::GetMaxTrackSize() {
    const ShortRect frame = application_ ? application_->GetFrameClientRect() : ShortRect{};
    return ShortPoint{static_cast<std::int16_t>(frame.Width()), static_cast<std::int16_t>(frame.Height())};
}

std::int16_t TWindow::GetFrameMetrics(std::int16_t& left, std::int16_t& top, std::int16_t& right,
                                      std::int16_t& bottom) {
    const DWORD style = StyleOf(window_);
    int width = GetSystemMetrics(SM_CXBORDER);
    int height = GetSystemMetrics(SM_CYBORDER);
    const bool thick = (style & WS_THICKFRAME) != 0;
    const bool dialogFrame = (style & WS_DLGFRAME) != 0;
    if (thick) {
        width = GetSystemMetrics(SM_CXFRAME);
        height = GetSystemMetrics(SM_CYFRAME);
    } else if (dialogFrame) {
        width = GetSystemMetrics(SM_CXDLGFRAME);
        height = GetSystemMetrics(SM_CYDLGFRAME);
    }
    left = right = static_cast<std::int16_t>(width);
    top = bottom = static_cast<std::int16_t>(height);
    if (style & WS_CAPTION) {
        const int caption = GetSystemMetrics(SM_CYCAPTION);
        top = static_cast<std::int16_t>(thick || dialogFrame ? height + caption : caption);
    }
    return 1;
}

TWindow::FrameMargins TWindow::GetFrameMargins() {
    FrameMargins margins;
    GetFrameMetrics(margins.left, margins.top, margins.right, margins.bottom);
    return margins;
}

void TWindow::FrameToClientRect(ShortRect& rect) {
    const auto [left, top, right, bottom] = GetFrameMargins();
    rect = ShortRect::MakeLTRB(rect.left + left, rect.top + top, rect.right - right, rect.bottom - bottom);
}

void TWindow::ClientToFrameRect(ShortRect& rect) {
    const auto [left, top, right, bottom] = GetFrameMargins();
    rect = ShortRect::MakeLTRB(rect.left - left, rect.top - top, rect.right + right, rect.bottom + bottom);
}

std::int16_t TWindow::ConstrainWindowPos(WindowPosRecord& record) {
    if (record.state != WindowPosRecord::kNormal) return 1;
    const auto [left, top, right, bottom] = GetFrameMargins();
    const ShortPoint minimum = GetMinTrackSize();
    const int minWidth = minimum.x + left + right;
    const int captionAllowance = mode_ == kPaletteMode ? GetSystemMetrics(SM_CYCAPTION) / 2 + 3 : 20;
    const int minHeight = minimum.y + top + bottom - captionAllowance;
    if (kind_ & kWindowFixedSize) {
        record.SetSize(minWidth, minHeight);
    } else {
        record.SetSize(std::max<int>(record.width, minWidth), std::max<int>(record.height, minHeight));
    }
    return 1;
}

// --- tool windows

TAppWindow::TAppWindow(TAppl* application, const ShortRect* rect, std::int32_t mode, std::uint16_t kind,
                       const char* title)
    : TWMWindow(application, rect, nullptr, mode, kind, title) {
    if (application) application->AddAppWindow(this);
}

TAppWindow::TAppWindow(TAppl* application, std::int32_t mode, std::uint16_t kind, const char* title)
    : TWMWindow(application, nullptr, mode, kind, title) {
    if (application) application->AddAppWindow(this);
}

TAppWindow::~TAppWindow() {
    if (TAppl* application = GetApplication()) application->RemoveAppWindow(this);
}

// --- window commands

ErrCode CmdAppCloseWindow::Do() {
    if (TWindow* window = window_.Get()) application_->CloseWindow(window, force_);
    window_ = WindowRef();
    return kNoErr;
}

ErrCode CmdAppWindowItemHit::Do() {
    TWindow* window = window_.Get();
    window_ = WindowRef();
    if (window && itemIndex_ >= 0) window->EndModal(itemIndex_);
    return kNoErr;
}
