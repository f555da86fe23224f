#include "widgets/ScrollingMenu.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "framework/graphics/FontMapping.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/Fonts.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Text.h"
#include "platform/ui/Menus.h"
#include "platform/ui/OwnerDraw.h"
#include "platform/ui/Paint.h"
#include "platform/ui/SystemMetrics.h"
#include "platform/ui/Window.h"

using namespace win;

namespace {

// The edge the window layer draws around an open popup menu, above and below its entries.
int MenuEdge() { return GetSystemMetrics(SM_CYDLGFRAME); }

// The line height (ascent + descent + leading) of the font on the screen.
std::uint32_t ScreenLineHeight(const LOGFONTA& font) {
    const HDC dc = GetDC(nullptr);
    TEXTMETRICA metrics{};
    GetFontMetrics(dc, font, metrics);
    ReleaseDC(nullptr, dc);
    return static_cast<std::uint32_t>(
        std::max(1, GetFontAscent(metrics) + GetFontDescent(metrics) + GetFontLeading(metrics)));
}

}  // namespace

ScrollingMenu::ScrollingMenu(bool multiCheck) : multiCheck_(multiCheck) {
    GetWindowRect(GetDesktopWindow(), &screen_);
}

ScrollingMenu::~ScrollingMenu() { Reset(); }

void ScrollingMenu::ApplyTextStyle(LOGFONTA& font, std::uint32_t style) {
    if (style == PopUpMenuItem::kKeepFont) return;
    std::int16_t number = 0;
    std::int16_t size = 0;
    std::int32_t current = 0;
    LogFontToFontSpec(font, number, size, current);
    if (number != 0) font.lfWeight = (style & 1) ? 700 : 400;
    font.lfItalic = (style & 2) ? 1 : 0;
    font.lfUnderline = (style & 4) ? 1 : 0;
}

void ScrollingMenu::Reset() {
    StopScrolling();
    if (menu_ && !ownedByParent_) DestroyMenu(menu_);
    menu_ = nullptr;
    parentMenu_ = nullptr;
    owner_ = nullptr;
    firstVisible_ = 0;
    drawingContext_ = nullptr;
    hoverCallback_ = nullptr;
    hoverData_ = 0;
    maximumRows_ = 0;
    visibleRows_ = 0;
    entries_ = 0;
    entryHeight_ = 0;
    width_ = 0;
    arrowsShown_ = false;
    tracking_ = false;
    ownedByParent_ = false;
    drawnAreaSeen_ = false;
    drawnLeft_ = drawnTop_ = drawnRight_ = drawnBottom_ = 1;
    checked_ = -1;
    items_.DeleteAll();
}

ErrCode ScrollingMenu::Init(HWND owner, HMENU parentMenu, std::uintptr_t entryData, const LOGFONTA& font,
                            std::uint32_t minimumWidth, std::int16_t initialRows) {
    owner_ = owner;
    font_ = font;
    visibleRows_ = initialRows;
    minimumWidth_ = minimumWidth;
    width_ = minimumWidth;
    LOGFONTA bold = font_;
    ApplyTextStyle(bold, 1);
    entryHeight_ = ScreenLineHeight(bold);
    if (initialRows == 0) UpdateLayout();
    if (BuildMenu() != kNoErr) return -1;
    if (parentMenu) {
        parentMenu_ = parentMenu;
        if (!AppendMenuA(parentMenu, MF_POPUP | MF_OWNERDRAW, reinterpret_cast<UINT_PTR>(menu_),
                         reinterpret_cast<LPCSTR>(entryData)))
            return -1;
        ownedByParent_ = true;
    }
    return kNoErr;
}

std::int32_t ScrollingMenu::ScreenHeight() const { return (screen_.bottom - screen_.top) - 2 * MenuEdge(); }

// --- Layout

void ScrollingMenu::UpdateLayout() {
    if (entryHeight_ == 0) return;
    const std::int32_t height = ScreenHeight();
    maximumRows_ = static_cast<std::int16_t>(
        std::max<std::int32_t>(height / static_cast<std::int32_t>(entryHeight_) - 2, 0));
    if (static_cast<std::int32_t>(entryHeight_) * (visibleRows_ + 2) < height &&
        visibleRows_ <= maximumRows_) {
        HideArrows();
        allFit_ = true;
        arrowsShown_ = false;
        return;
    }
    allFit_ = false;
    visibleRows_ = static_cast<std::int16_t>(std::clamp<std::int32_t>(maximumRows_, 0, GetItemCount()));
    if (!arrowsShown_) ShowArrows();
    // Every visible row needs its entry, or the last items could never be shown.
    FillRowEntries();
}

void ScrollingMenu::ShowArrows() {
    if (!menu_) return;
    const bool appended = entries_ == 0 ? AppendMenuA(menu_, MF_OWNERDRAW, kUpArrowCommand, nullptr)
                                        : InsertMenuA(menu_, kFirstRowCommand, MF_BYCOMMAND | MF_OWNERDRAW,
                                                      kUpArrowCommand, nullptr);
    if (!appended) return;
    if (!AppendMenuA(menu_, MF_OWNERDRAW, kDownArrowCommand, nullptr)) {
        RemoveMenu(menu_, kUpArrowCommand, MF_BYCOMMAND);
        return;
    }
    arrowsShown_ = true;
}

void ScrollingMenu::HideArrows() {
    if (!menu_) return;
    RemoveMenu(menu_, kUpArrowCommand, MF_BYCOMMAND);
    RemoveMenu(menu_, kDownArrowCommand, MF_BYCOMMAND);
}

ErrCode ScrollingMenu::FillRowEntries() {
    if (!menu_) return kNoErr;
    while (entries_ < visibleRows_) {
        const UINT command = kFirstRowCommand + static_cast<UINT>(entries_);
        const bool added = arrowsShown_ ? InsertMenuA(menu_, kDownArrowCommand, MF_BYCOMMAND | MF_OWNERDRAW,
                                                      command, nullptr)
                                        : AppendMenuA(menu_, MF_OWNERDRAW, command, nullptr);
        if (!added) return -1;
        ++entries_;
    }
    return kNoErr;
}

ErrCode ScrollingMenu::BuildMenu() {
    menu_ = parentMenu_ ? CreateMenu() : CreatePopupMenu();
    if (!menu_) return -1;
    entries_ = 0;
    bool built = true;
    if (!allFit_) {
        built = AppendMenuA(menu_, MF_OWNERDRAW, kUpArrowCommand, nullptr) != FALSE;
        arrowsShown_ = built;
    }
    for (std::int16_t row = 0; built && row < visibleRows_; ++row) {
        built = AppendMenuA(menu_, MF_OWNERDRAW, kFirstRowCommand + static_cast<UINT>(row), nullptr) != FALSE;
        if (built) ++entries_;
    }
    if (built && !allFit_) built = AppendMenuA(menu_, MF_OWNERDRAW, kDownArrowCommand, nullptr) != FALSE;
    if (built) return kNoErr;
    DestroyMenu(menu_);
    menu_ = nullptr;
    entries_ = 0;
    arrowsShown_ = false;
    return -1;
}

std::uint32_t ScrollingMenu::MeasureTextWidth(const char* text, std::uint32_t style) const {
    LOGFONTA font = font_;
    ApplyTextStyle(font, style);
    const HDC dc = GetDC(owner_);
    const HFONT handle = CreateFontIndirectA(&font);
    const HGDIOBJ previous = SelectObject(dc, handle);
    SIZE size{};
    GetTextExtentPointA(dc, text, static_cast<int>(std::strlen(text)), &size);
    SelectObject(dc, previous);
    DeleteObject(handle);
    ReleaseDC(owner_, dc);
    return static_cast<std::uint32_t>(std::max<LONG>(size.cx, 0) + 21);
}

void ScrollingMenu::WidenFor(const char* text, std::uint32_t style) {
    width_ = std::max(width_, MeasureTextWidth(text, style));
    width_ = std::min(width_, static_cast<std::uint32_t>(std::max<LONG>(screen_.right - screen_.left, 0)));
}

void ScrollingMenu::RecomputeWidth() {
    width_ = minimumWidth_;
    for (std::int32_t i = 0; i < GetItemCount(); ++i) WidenFor(ItemAt(i)->GetText(), ItemAt(i)->GetStyle());
}

// --- Items

PopUpMenuItem* ScrollingMenu::ItemAt(std::int32_t index) const {
    if (index < 0 || index >= items_.Count()) return nullptr;
    return static_cast<PopUpMenuItem*>(items_.ObjectAt(index));
}

ErrCode ScrollingMenu::AppendItem(const char* text) {
    auto* item = new (std::nothrow) PopUpMenuItem;
    if (!item) return -1;
    item->Set(text, GetItemCount());
    if (items_.Append(item) < 0) {
        delete item;
        return -1;
    }
    if (!allFit_) return kNoErr;
    ++visibleRows_;
    WidenFor(item->GetText(), 0);
    UpdateLayout();
    if (allFit_ && !arrowsShown_ && entries_ < GetItemCount() && menu_) {
        if (!AppendMenuA(menu_, MF_OWNERDRAW, kFirstRowCommand + static_cast<UINT>(entries_), nullptr))
            return -1;
        ++entries_;
    }
    return kNoErr;
}

void ScrollingMenu::RemoveItem(std::int32_t index) {
    PopUpMenuItem* item = ItemAt(index);
    if (!item) return;
    const std::int32_t count = GetItemCount();
    if (index >= count - 2) firstVisible_ = 0;
    // The checked item keeps its check when an item above it goes.
    if (index == checked_) {
        checked_ = -1;
    } else if (index < checked_) {
        --checked_;
    }
    const std::uint32_t removedWidth = MeasureTextWidth(item->GetText(), item->GetStyle());
    items_.DeleteAt(index);
    if (removedWidth >= width_) RecomputeWidth();
    if (allFit_) {
        visibleRows_ = static_cast<std::int16_t>(std::max(visibleRows_ - 1, 0));
        UpdateLayout();
        if (allFit_ && !arrowsShown_ && GetItemCount() == entries_ - 1 && menu_) {
            RemoveMenu(menu_, static_cast<UINT>(GetMenuItemCount(menu_) - 1), MF_BYPOSITION);
            --entries_;
        }
    } else {
        // The rows keep showing items: the first visible one moves back when the list ran short.
        firstVisible_ = std::clamp(firstVisible_, 0, std::max(GetItemCount() - visibleRows_, 0));
    }
}

void ScrollingMenu::RemoveAllItems() {
    checked_ = -1;
    firstVisible_ = 0;
    visibleRows_ = 0;
    items_.DeleteAll();
    if (menu_) {
        for (int position = GetMenuItemCount(menu_) - 1; position >= 0; --position)
            RemoveMenu(menu_, static_cast<UINT>(position), MF_BYPOSITION);
    }
    entries_ = 0;
    arrowsShown_ = false;
    width_ = minimumWidth_;
    UpdateLayout();
}

const char* ScrollingMenu::GetItemText(std::int32_t index) const {
    const PopUpMenuItem* item = ItemAt(index);
    return item ? item->GetText() : "";
}

std::int32_t ScrollingMenu::FindItemByText(const char* text) const {
    if (!text) return -1;
    for (std::int32_t i = 0; i < GetItemCount(); ++i) {
        if (std::strcmp(ItemAt(i)->GetText(), text) == 0) return i;
    }
    return -1;
}

void ScrollingMenu::SetItemData(std::int32_t index, std::uint32_t style) {
    PopUpMenuItem* item = ItemAt(index);
    if (!item) return;
    item->SetStyle(style);
    WidenFor(item->GetText(), style);
}

std::uint32_t ScrollingMenu::GetItemData(std::int32_t index) const {
    const PopUpMenuItem* item = ItemAt(index);
    return item ? item->GetStyle() : 0;
}

bool ScrollingMenu::IsItemEnabled(std::int32_t index) const {
    const PopUpMenuItem* item = ItemAt(index);
    return item && !item->IsDisabled();
}

void ScrollingMenu::EnableItem(std::int32_t index) {
    if (PopUpMenuItem* item = ItemAt(index)) item->Enable();
}

void ScrollingMenu::DisableItem(std::int32_t index) {
    if (PopUpMenuItem* item = ItemAt(index)) item->Disable();
}

bool ScrollingMenu::IsItemChecked(std::int32_t index) const {
    const PopUpMenuItem* item = ItemAt(index);
    return item && item->IsChecked();
}

void ScrollingMenu::CheckItem(std::int32_t index) {
    PopUpMenuItem* item = ItemAt(index);
    if (!item) return;
    if (!multiCheck_) {
        if (PopUpMenuItem* previous = ItemAt(checked_)) previous->ClearChecked();
        checked_ = index;
    }
    item->SetChecked();
}

void ScrollingMenu::UncheckItem(std::int32_t index) {
    PopUpMenuItem* item = ItemAt(index);
    if (!item) return;
    item->ClearChecked();
    if (!multiCheck_ && checked_ == index) checked_ = -1;
}

void ScrollingMenu::SetChecked(std::int32_t index) {
    if (index == -1) {
        if (!multiCheck_ && checked_ >= 0) UncheckItem(checked_);
        return;
    }
    CheckItem(index);
}

void ScrollingMenu::SetHoverCallback(HoverCallback callback, std::uintptr_t data) {
    if (!callback || data == 0) return;
    hoverCallback_ = callback;
    hoverData_ = data;
}

// --- Opening

void ScrollingMenu::AdjustOpenPosition(POINT& point) {
    const auto height = static_cast<std::int32_t>(entryHeight_);
    if (!allFit_) {
        // The menu opens at the top of the screen; the checked item's row is put at the box's level.
        const std::int32_t k = (point.y - screen_.top - MenuEdge()) / height;
        firstVisible_ = std::clamp(checked_ + 1 - k, 0, std::max(GetItemCount() - visibleRows_, 0));
        point.y = screen_.top;
        return;
    }
    const std::int32_t row = checked_ - firstVisible_;
    const std::int32_t moved = point.y - row * height;
    if (moved > screen_.top + height) point.y = moved;
}

void ScrollingMenu::Track(POINT point) {
    if (!menu_) return;
    if (checked_ >= 0) AdjustOpenPosition(point);
    tracking_ = true;
    TrackPopupMenu(menu_, 0, point.x, point.y, 0, owner_, nullptr);
    tracking_ = false;
}

// --- Commands

bool ScrollingMenu::IsItemCommand(UINT command) const {
    return command >= kFirstRowCommand &&
           command < kFirstRowCommand + static_cast<UINT>(std::max<std::int16_t>(visibleRows_, 0));
}

bool ScrollingMenu::IsOwnCommand(UINT command) const {
    return IsItemCommand(command) || command == kUpArrowCommand || command == kDownArrowCommand;
}

std::int32_t ScrollingMenu::IndexFromCommand(UINT command) const {
    return firstVisible_ + static_cast<std::int32_t>(command) - static_cast<std::int32_t>(kFirstRowCommand);
}

// --- Messages

LRESULT ScrollingMenu::OnInitMenuPopup(WPARAM wParam, LPARAM /*lParam*/) {
    if (reinterpret_cast<HMENU>(wParam) != menu_ || !menu_) return 0;
    tracking_ = true;
    if (!allFit_) {
        EnableMenuItem(menu_, kUpArrowCommand, MF_BYCOMMAND | MF_ENABLED);
        EnableMenuItem(menu_, kDownArrowCommand, MF_BYCOMMAND | MF_ENABLED);
    }
    // Disabled items are drawn by the program, so every row stays enabled for the window layer.
    for (std::int16_t row = 0; row < visibleRows_; ++row)
        EnableMenuItem(menu_, kFirstRowCommand + static_cast<UINT>(row), MF_BYCOMMAND | MF_ENABLED);
    return 0;
}

LRESULT ScrollingMenu::OnMeasureItem(WPARAM /*wParam*/, LPARAM lParam) {
    auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
    if (measure && measure->CtlType == ODT_MENU && IsOwnCommand(measure->itemID)) {
        measure->itemWidth = width_;
        measure->itemHeight = entryHeight_;
    }
    return 1;
}

LRESULT ScrollingMenu::OnMenuSelect(WPARAM wParam, LPARAM lParam) {
    if (LOWORD(wParam) == 0xFFFF && lParam == 0) StopScrolling();
    return 0;
}

LRESULT ScrollingMenu::OnTimer(WPARAM wParam, LPARAM /*lParam*/) {
    if (wParam != kScrollTimerId || !drawingContext_ || !scrollTimer_.IsRunning()) return 0;
    ScrollStep(scrollDirection_);
    // The open menu is the topmost window.
    const HWND shown = GetTopWindow(nullptr);
    const HDC dc = GetDC(shown);
    RedrawEntries(dc);
    ReleaseDC(shown, dc);
    return 0;
}

void ScrollingMenu::StartScrolling(std::int16_t direction) {
    if (allFit_) return;
    if (direction == kScrollUp ? !CanScrollUp() : !CanScrollDown()) return;
    scrollDirection_ = direction;
    scrollTimer_.Set(owner_, kScrollTimerId,
                     static_cast<std::uint32_t>(std::max<std::int16_t>(scrollDelay_, 1)));
    scrollTimer_.Start();
}

void ScrollingMenu::StopScrolling() { scrollTimer_.Stop(); }

void ScrollingMenu::ScrollStep(std::int16_t direction) {
    if (direction == kScrollUp ? !CanScrollUp() : !CanScrollDown()) {
        StopScrolling();
        return;
    }
    firstVisible_ += direction == kScrollUp ? -1 : 1;
}

// --- Parent menus

ErrCode ScrollingMenu::AttachToMenuCommand(HMENU parentMenu, UINT command) {
    if (!parentMenu || !menu_) return -1;
    char text[128] = {};
    GetMenuStringA(parentMenu, command, text, sizeof text, MF_BYCOMMAND);
    if (!ModifyMenuA(parentMenu, command, MF_BYCOMMAND | MF_POPUP, reinterpret_cast<UINT_PTR>(menu_), text))
        return -1;
    parentMenu_ = parentMenu;
    ownedByParent_ = true;
    return kNoErr;
}

HMENU ScrollingMenu::FindSubMenuWithCommand(HMENU menu, UINT command) {
    if (!menu) return nullptr;
    const int count = GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position) {
        if (HMENU submenu = GetSubMenu(menu, position)) {
            if (HMENU found = FindSubMenuWithCommand(submenu, command)) return found;
        } else if (GetMenuItemID(menu, position) == command) {
            return menu;
        }
    }
    return nullptr;
}
