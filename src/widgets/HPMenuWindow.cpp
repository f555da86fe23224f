// A level of a hierarchical popup menu: its rows loaded, measured and placed, its window made and
// destroyed, and the rows under points and picks.

#include "widgets/HPMenuWindow.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <vector>

#include "framework/AppEnvironment.h"
#include "framework/WindowUtilities.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/Fonts.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Text.h"
#include "platform/ui/Input.h"
#include "platform/ui/Paint.h"
#include "platform/ui/Styles.h"
#include "platform/ui/Timer.h"
#include "platform/ui/Window.h"
#include "widgets/WidgetGeometry.h"

using namespace win;

namespace {

std::int16_t gOpenWindows = 0;

// The screen the levels are placed on: the work area, 4 pixels in from its edges.
ShortRect MenuScreen() {
    ShortRect area;
    GetDesktopWorkArea(area);
    return InsetShortRect(area, 4, 4);
}

}  // namespace

bool HPMenuEntry::IsSeparator() const { return text && std::strcmp(text.get(), "-") == 0; }

std::int16_t TActiveHPMenuWindow::OpenWindowCount() { return gOpenWindows; }

TActiveHPMenuWindow::TActiveHPMenuWindow(TActiveHPMenuWindow* parent) : parent_(parent) {}

TActiveHPMenuWindow::~TActiveHPMenuWindow() {
    rows_.reset();
    if (counted_ && --gOpenWindows == 0) {
        ReleaseCapture();
        KillTimer(window_, kHPMenuTimerId);
        SetFocus(savedFocus_);
    }
    if (window_) DestroyWindow(window_);
}

void TActiveHPMenuWindow::LoadRows(std::int32_t firstHandle) {
    firstHandle_ = firstHandle;
    preview_ = client_->IsPreviewItem(firstHandle);
    rowCount_ = 0;
    for (std::int32_t handle = firstHandle; client_->IsValid(handle) && rowCount_ < 0x7FFF;) {
        ++rowCount_;
        std::int32_t next = -1;
        client_->GetNextSibling(next, handle);
        handle = next;
    }
    rows_.reset(new (std::nothrow) HPMenuEntry[static_cast<std::size_t>(std::max(rowCount_, 1))]);
    if (!rows_) {
        rowCount_ = 0;
        return;
    }
    std::int32_t handle = firstHandle;
    for (std::int32_t i = 0; i < rowCount_; ++i) {
        HPMenuEntry& row = rows_[static_cast<std::size_t>(i)];
        row.handle = handle;
        char text[IHMPClient::kItemTextSize] = {};
        client_->GetItemText(handle, text, IHMPClient::kItemTextSize);
        text[sizeof text - 1] = '\0';
        const std::size_t length = std::strlen(text);
        row.text.reset(new (std::nothrow) char[length + 1]);
        if (row.text) std::memcpy(row.text.get(), text, length + 1);
        std::int32_t child = -1;
        client_->GetFirstChild(child, handle);
        row.hasChildren = client_->IsValid(child) ? 1 : 0;
        row.checkable = client_->IsCheckable(handle) ? 1 : 0;
        row.ticked = IsRowChecked(handle) ? 1 : 0;
        row.dimmed = client_->IsDimmed(handle) ? 1 : 0;
        std::int32_t next = -1;
        client_->GetNextSibling(next, handle);
        handle = next;
    }
}

ShortPoint TActiveHPMenuWindow::Measure(HWND measuring) {
    LOGFONTA font{};
    client_->GetItemFont(font, firstHandle_);
    const HDC dc = GetDC(measuring);
    const HFONT handle = CreateFontIndirectA(&font);
    const HGDIOBJ previous = SelectObject(dc, handle);
    std::int32_t width = 0;
    std::int32_t total = 0;
    for (std::int32_t i = 0; i < rowCount_; ++i) {
        HPMenuEntry& row = rows_[static_cast<std::size_t>(i)];
        const char* text = row.text ? row.text.get() : "";
        SIZE extent{};
        GetTextExtentPointA(dc, text, static_cast<int>(std::strlen(text)), &extent);
        width = std::max<std::int32_t>(width, extent.cx + 8);
        if (i == 0) rowHeight_ = static_cast<std::int16_t>(extent.cy + 4);
        row.top = static_cast<std::int16_t>(total);
        total += row.IsSeparator() ? kSeparatorHeight : rowHeight_;
    }
    SelectObject(dc, previous);
    DeleteObject(handle);
    ReleaseDC(measuring, dc);
    return ShortPoint{static_cast<std::int16_t>(std::min(width + 32, 32767)),
                      static_cast<std::int16_t>(std::min(total, 32767))};
}

bool TActiveHPMenuWindow::Open(IHMPClient* client, const ShortRect& anchor, std::int32_t firstHandle,
                               HWND measuring, std::int32_t startDirection) {
    client_ = client;
    LoadRows(firstHandle);
    const ShortPoint size = Measure(measuring);
    std::vector<ShortRect> chain;
    for (const TActiveHPMenuWindow* above = parent_; above; above = above->parent_)
        chain.push_back(above->bounds_);
    const HPMenuPlacement placement =
        PlaceHPMenuWindow(anchor, size, startDirection, IsPreview(), MenuScreen(), chain);
    bounds_ = placement.bounds;
    direction_ = placement.direction;
    // The frame: a sizing border around an ordinary level, a thin one around a preview.
    const int frame = IsPreview() ? 2 : 8;
    bounds_.right = static_cast<std::int16_t>(bounds_.right + frame);
    bounds_.bottom = static_cast<std::int16_t>(bounds_.bottom + frame);
    const DWORD style = WS_POPUP | WS_VISIBLE | WS_BORDER | (IsPreview() ? WS_SYSMENU : WS_THICKFRAME);
    const AppEnvironment* environment = GetAppEnvironment();
    window_ = CreateWindowExA(0, kHPMenuWindowClass, kHPMenuWindowTitle, style, bounds_.left, bounds_.top,
                              bounds_.Width(), bounds_.Height(), nullptr, nullptr,
                              environment ? environment->GetInstance() : nullptr, nullptr);
    if (!window_) return false;
    if (gOpenWindows == 0) {
        SetTimer(window_, kHPMenuTimerId, kHPMenuTimerPeriod, nullptr);
        SetCapture(window_);
        savedFocus_ = SetFocus(window_);
    }
    InvalidateRect(window_, nullptr, TRUE);
    ++gOpenWindows;
    counted_ = true;
    return true;
}

// --- Rows

ShortRect TActiveHPMenuWindow::GetRowRect(std::int16_t row) const {
    if (!IsValidRow(row)) return ShortRect{};
    RECT client{};
    if (window_) GetClientRect(window_, &client);
    const HPMenuEntry& entry = Row(row);
    const int height = entry.IsSeparator() ? kSeparatorHeight : rowHeight_;
    return ShortRect::MakeLTRB(0, entry.top, client.right, entry.top + height);
}

std::int16_t TActiveHPMenuWindow::RowAt(std::int32_t y) const {
    RECT client{};
    if (window_) GetClientRect(window_, &client);
    if (y < 0 || y >= client.bottom) return -1;
    std::int16_t found = -1;
    for (std::int16_t row = 0; row < rowCount_ && Row(row).top <= y; ++row) found = row;
    return found;
}

void TActiveHPMenuWindow::InvalidateRow(std::int16_t row) {
    if (!window_ || !IsValidRow(row)) return;
    const RECT rect = GetRowRect(row).ToRECT();
    InvalidateRect(window_, &rect, FALSE);
}

void TActiveHPMenuWindow::SetHighlight(std::int16_t row) {
    if (row == highlight_) return;
    InvalidateRow(highlight_);
    highlight_ = row;
    InvalidateRow(highlight_);
    if (window_) UpdateWindow(window_);
}

// --- Picks

void ActiveHMPMenuWindow::PickRow(std::int16_t row) {
    if (!IsValidRow(row)) return;
    HPMenuEntry& entry = MutableRow(row);
    entry.ticked = entry.ticked ? 0 : 1;
    if (entry.ticked) {
        turnedOff_->RemoveHandle(entry.handle);
        turnedOn_->AddHandle(entry.handle);
    } else {
        turnedOn_->RemoveHandle(entry.handle);
        turnedOff_->AddHandle(entry.handle);
    }
    InvalidateRow(row);
}

std::int16_t ActiveHMPMenuWindow::IsRowChecked(std::int32_t handle) {
    if (turnedOn_->Contains(handle)) return 1;
    if (turnedOff_->Contains(handle)) return 0;
    return GetClient()->IsCheckable(handle) && GetClient()->IsChecked(handle) ? 1 : 0;
}

void ActiveHSPMenuWindow::PickRow(std::int16_t row) {
    if (!IsValidRow(row)) return;
    *current_ = Row(row).handle;
    InvalidateRow(row);
}

std::int16_t ActiveHSPMenuWindow::IsRowChecked(std::int32_t handle) { return handle == *current_ ? 1 : 0; }
