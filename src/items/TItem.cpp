#include "items/TItem.h"

#include <algorithm>

#include "foundation/IFile.h"
#include "framework/AppEnvironment.h"
#include "framework/InputHelpers.h"
#include "framework/TWindow.h"
#include "framework/graphics/CursorRegion.h"
#include "framework/graphics/Cursors.h"
#include "framework/graphics/GraphUser.h"
#include "framework/graphics/Rgn.h"
#include "items/ItemGraphEnv.h"
#include "items/ItemList.h"
#include "items/ItemStream.h"
#include "platform/gdi/Regions.h"
#include "platform/ui/Input.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Messages.h"
#include "platform/ui/Paint.h"
#include "platform/ui/Window.h"

TItem::TItem(ItemList* list, const ShortRect* bounds, std::uint16_t flags, const RGBColor& color)
    : list_(list), color_(color), state_(flags) {
    if (bounds) bounds_ = *bounds;
}

TItem::TItem(ItemList* list, IReadFile& stream, ErrCode* error) : TItem(list, nullptr, 0, RGBColor(0)) {
    if (*error == kNoErr) *error = TItem::ReadFrom(stream);
}

TItem::~TItem() = default;

std::uint32_t TItem::GetDataSize() const {
    return static_cast<std::uint32_t>(linkIndexes_.capacity() * sizeof(std::uint16_t) +
                                      linkedItems_.capacity() * sizeof(TItem*));
}

std::int32_t TItem::GetFlattenedSize() const {
    return kRecordSize + 2 * static_cast<std::int32_t>(linkIndexes_.size());
}

ErrCode TItem::ReadFrom(IReadFile& stream) {
    std::int16_t classId = 0;
    std::uint16_t linkCount = 0;
    ErrCode error = stream.ReadShort(classId);
    if (!error) error = stream.ReadUShort(itemId_);
    if (!error) error = ReadShortRect(stream, bounds_);
    if (!error) error = ReadRGBColor(stream, color_);
    if (!error) error = stream.ReadUShort(state_);
    if (!error) error = stream.ReadUShort(linkCount);
    if (error) return error;
    linkIndexes_.clear();
    linkedItems_.clear();
    for (std::uint16_t i = 0; i < linkCount; ++i) {
        std::uint16_t index = 0;
        if ((error = stream.ReadUShort(index)) != kNoErr) return error;
        linkIndexes_.push_back(index);
    }
    return kNoErr;
}

ErrCode TItem::WriteTo(IWriteFile& stream) {
    ErrCode error = stream.WriteShort(static_cast<std::int16_t>(GetClassId()));
    if (!error) error = stream.WriteShort(static_cast<std::int16_t>(itemId_));
    if (!error) error = WriteShortRect(stream, bounds_);
    if (!error) error = WriteRGBColor(stream, color_);
    if (!error) error = stream.WriteShort(static_cast<std::int16_t>(state_));
    if (!error) error = stream.WriteShort(static_cast<std::int16_t>(linkIndexes_.size()));
    for (std::size_t i = 0; !error && i < linkIndexes_.size(); ++i) {
        error = stream.WriteShort(static_cast<std::int16_t>(linkIndexes_[i]));
    }
    return error;
}

ShortRect& TItem::GetBounds(ShortRect& bounds) const {
    bounds = bounds_;
    return bounds;
}

RGBColor& TItem::GetColor(RGBColor& color) const {
    color = color_;
    return color;
}

// --- Flags and state

void TItem::SetActive(bool active) {
    if (!IsEnabled()) return;
    if (active) {
        ClearFlags(kInactive);
    } else {
        SetFlags(kInactive);
    }
}

void TItem::Enable(bool enable) {
    if (enable) {
        ClearFlags(kDisabled);
        SetActive(true);
    } else {
        SetActive(false);
        SetFlags(kDisabled);
    }
    if (window_) win::EnableWindow(window_, enable);
}

void TItem::Show() {
    if (!(state_ & kHidden)) return;
    ClearFlags(kHidden);
    if (window_) win::ShowWindow(window_, win::SW_SHOW);
}

void TItem::Hide() {
    if (state_ & kHidden) return;
    SetFlags(kHidden);
    if (window_) win::ShowWindow(window_, win::SW_HIDE);
}

void TItem::SetBounds(const ShortRect& rect, bool redraw) {
    if (rect == bounds_) return;
    const bool shown = IsCreated() && !(state_ & kHidden);
    if (redraw && shown) Invalidate();
    if (window_) win::MoveWindow(window_, rect.left, rect.top, rect.Width(), rect.Height(), win::FALSE);
    if (!redraw) {
        if (const win::HWND parent = GetParentHWnd()) {
            Rgn uncovered(rect);
            uncovered.Subtract(Rgn(bounds_));
            win::InvalidateRgn(parent, uncovered.GetHandle(), win::TRUE);
        }
    }
    bounds_ = rect;
    if (redraw && shown) Invalidate();
}

void TItem::InvalidateRect(const ShortRect& rect) const {
    win::HWND target = GetParentHWnd();
    if (window_) {
        const win::HWND parent = win::GetParent(window_);
        if (parent && parent != target) target = parent;
    }
    if (!target) return;
    const win::RECT area = rect.ToRECT();
    win::InvalidateRect(target, &area, win::TRUE);
}

void TItem::Invalidate() { InvalidateRect(bounds_); }

void TItem::Update() {
    if (window_) win::UpdateWindow(window_);
}

void TItem::InvertBounds() {
    if (!graphEnv_) return;
    GraphUser use(*graphEnv_);
    graphEnv_->InvertRect(bounds_);
}

void TItem::CentreOn(const ShortRect& rect) {
    if (!(state_ & kHidden)) Invalidate();
    const int dx = (rect.left + rect.Width() / 2) - (bounds_.left + bounds_.Width() / 2);
    const int dy = (rect.top + rect.Height() / 2) - (bounds_.top + bounds_.Height() / 2);
    bounds_.Offset(dx, dy);
    if (!(state_ & kHidden)) Invalidate();
}

// --- Owners

TWindow* TItem::GetWindow() const { return list_ ? list_->GetWindow() : nullptr; }

TAppl* TItem::GetAppl() const { return ::GetAppl(); }

win::HWND TItem::GetParentHWnd() const { return list_ ? list_->GetHWnd() : nullptr; }

// --- Opening and closing

void TItem::Open(std::int32_t index) {
    if (window_) return;
    const win::HWND window = CreateHWnd(index);
    // A window that could not be made is not attached: the item stays unopened.
    if (!window) return;
    Attach(window);
    if (!(state_ & kHidden)) win::ShowWindow(window_, win::SW_SHOW);
}

void TItem::Close() {
    if (!window_) return;
    if (!linkedItems_.empty()) RebuildLinkIndexes();
    const win::HWND window = window_;
    Detach();
    DestroyHWnd(window);
}

void TItem::Attach(win::HWND window) {
    window_ = window;
    Subclass();
    ApplyCursor();
}

void TItem::Detach() {
    Unsubclass();
    window_ = nullptr;
}

// --- Linked items

std::int32_t TItem::AddLinkedItem(TItem* item) {
    const std::int32_t position = LinkedItemCount();
    return InsertLinkedItem(item, position) == kNoErr ? position : -1;
}

ErrCode TItem::InsertLinkedItem(TItem* item, std::int32_t position) {
    position = std::clamp(position, 0, LinkedItemCount());
    try {
        linkedItems_.insert(linkedItems_.begin() + position, item);
    } catch (const std::bad_alloc&) {
        return -4;
    }
    RebuildLinkIndexes();
    return kNoErr;
}

TItem* TItem::GetLinkedItem(std::int32_t position) const {
    if (position < 0 || position >= LinkedItemCount()) return nullptr;
    return linkedItems_[static_cast<std::size_t>(position)];
}

std::int32_t TItem::LinkedItemCount() const { return static_cast<std::int32_t>(linkedItems_.size()); }

std::int32_t TItem::LinkIndexCount() const { return static_cast<std::int32_t>(linkIndexes_.size()); }

std::uint16_t TItem::GetLinkIndex(std::int32_t position) const {
    return position >= 0 && position < LinkIndexCount() ? linkIndexes_[static_cast<std::size_t>(position)]
                                                        : 0;
}

void TItem::RebuildLinkIndexes() {
    linkIndexes_.clear();
    for (TItem* item : linkedItems_) {
        const std::int32_t index = list_ && item ? list_->IndexOf(item) : -1;
        linkIndexes_.push_back(static_cast<std::uint16_t>(index));
    }
}

ErrCode TItem::ResolveLinkedItems() {
    linkedItems_.clear();
    for (const std::uint16_t index : linkIndexes_) {
        TItem* item = list_ && index < list_->Count() ? list_->ItemAt(index) : nullptr;
        linkedItems_.push_back(item);
    }
    return kNoErr;
}

// --- Focus ring

void TItem::ShowFocusRing() {
    if (state_ & kFocusRingShown) return;
    SetFlags(kFocusRingShown);
    DrawFocusRing();
}

void TItem::HideFocusRing() {
    if (!(state_ & kFocusRingShown)) return;
    ClearFlags(kFocusRingShown);
    DrawFocusRing();
}

void TItem::DrawFocusRing() {
    if (!graphEnv_) return;
    GraphUser use(*graphEnv_);
    ShortRect ring = bounds_;
    ring.left = static_cast<std::int16_t>(ring.left - 1);
    ring.top = static_cast<std::int16_t>(ring.top - 1);
    ring.right = static_cast<std::int16_t>(ring.right + 1);
    ring.bottom = static_cast<std::int16_t>(ring.bottom + 1);
    graphEnv_->DrawFocusRect(ring);
}

// --- Cursors

void TItem::AddCursorRegion(const ShortRect& rect, std::int32_t id) {
    if (!cursorRegions_) cursorRegions_ = std::make_unique<CursorRegion>();
    cursorRegions_->AddRect(rect, id);
    SetFlags(kHasCursorRegions);
}

void TItem::AddCursorRegion(const Rgn& region, std::int32_t id) {
    if (!cursorRegions_) cursorRegions_ = std::make_unique<CursorRegion>();
    cursorRegions_->AddRegion(region, id);
    SetFlags(kHasCursorRegions);
}

void TItem::RemoveCursorRegions() {
    ClearFlags(kHasCursorRegions);
    cursorRegions_.reset();
}

void TItem::ClipCursorRegions(const ShortRect& rect) {
    if (cursorRegions_) cursorRegions_->ClipAllToRect(rect);
}

void TItem::UpdateCursor() {
    if (state_ & kHasCursorRegions) ApplyCursor();
}

bool TItem::ApplyCursor() {
    if ((state_ & kHidden) || !IsEnabled()) return false;
    if (!(state_ & kHasCursorRegions) || !cursorRegions_) {
        if (currentCursor_ == -1 || currentCursor_ == defaultCursor_) {
            if (defaultCursor_ != -1) SetCursorById(defaultCursor_);
            currentCursor_ = defaultCursor_;
        } else {
            SetCursorById(currentCursor_);
        }
        return false;
    }
    ShortPoint mouse;
    GetMousePoint(GetParentHWnd(), mouse);
    if (cursorRegions_->UpdateCursorAt(mouse, &currentCursor_, -1)) return true;
    if (currentCursor_ != defaultCursor_) {
        if (defaultCursor_ != -1) SetCursorById(defaultCursor_);
        currentCursor_ = defaultCursor_;
    }
    return false;
}

void TItem::ShowRegionCursor() {
    if (currentCursor_ != -1) SetCursorById(currentCursor_);
}

// --- Mouse tracking and hits

bool TItem::StillDown(bool* down) {
    if (!window_ || win::GetCapture() != window_) {
        *down = false;
        return false;
    }
    win::MSG message;
    if (win::PeekMessageA(&message, nullptr, win::WM_MOUSEMOVE, win::WM_LBUTTONUP,
                          win::PM_REMOVE | win::PM_NOYIELD)) {
        *down = message.message != win::WM_LBUTTONUP;
    }
    return *down;
}

void TItem::PostHit() {
    TWindow* window = GetWindow();
    if (!window || !list_) return;
    const std::int32_t index = list_->IndexOf(this);
    if (index >= 0) window->PostItemHit(index);
}
