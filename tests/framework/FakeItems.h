#pragma once
// Window items for the framework's tests, standing in for the real item classes: each has a child
// window of its own whose keys travel its window's key road (as the real items' windows do), and
// records what the window asks of it. They take any item class id, and act as push buttons, text
// items and bar graphs. Their stored form: class id, item id, flags and text; a list's: name,
// bounds, colour and its items.

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "foundation/IFile.h"
#include "foundation/ObjectFactory.h"
#include "framework/ItemObjectFactory.h"
#include "framework/MsgEvent.h"
#include "framework/TWindow.h"
#include "framework/WindowItems.h"
#include "platform/ui/Input.h"
#include "platform/ui/Styles.h"
#include "platform/ui/Window.h"

namespace fakes {

using namespace win;

inline constexpr const char* kFakeItemClass = "FakeItemWindow";

class FakeItem : public WindowItem, public IPushButtonItem, public ITextItem, public IBarGraphItem {
public:
    explicit FakeItem(ClassId classId = 502, bool takesFocus = false, std::uint32_t flags = 0)
        : classId_(classId), takesFocus(takesFocus), flags(flags) {}
    ~FakeItem() override { CloseWindow(); }

    ClassId GetClassId() const override { return classId_; }
    bool IsKindOf(ClassId id) const override {
        return id == classId_ || id == kItemClassId || TObject::IsKindOf(id);
    }
    bool HasFlags(std::uint32_t mask) const override { return (flags & mask) == mask; }
    ErrCode ReadFrom(IReadFile& stream) override {
        std::int16_t id = 0;
        std::uint16_t length = 0;
        ErrCode error = stream.ReadShort(id);
        if (!error) error = stream.ReadUShort(itemId);
        if (!error) error = stream.ReadULong(flags);
        if (!error) error = stream.ReadUShort(length);
        text.assign(length, '\0');
        std::uint32_t count = length;
        if (!error && length) error = stream.Read(text.data(), count);
        return error;
    }
    ErrCode WriteTo(IWriteFile& stream) override {
        ErrCode error = stream.WriteShort(static_cast<std::int16_t>(classId_));
        if (!error) error = stream.WriteShort(static_cast<std::int16_t>(itemId));
        if (!error) error = stream.WriteLong(static_cast<std::int32_t>(flags));
        if (!error) error = stream.WriteShort(static_cast<std::int16_t>(text.size()));
        std::uint32_t count = static_cast<std::uint32_t>(text.size());
        if (!error && count) error = stream.Write(text.data(), count);
        return error;
    }

    void Clear() override { ++clears; }
    bool TakesFocus() const override { return takesFocus && !(flags & kItemDisabled); }
    bool CanSelectAll() const override { return canEdit; }
    bool HasSelection() const override { return canEdit; }
    bool CanCut() const override { return canEdit; }
    bool CanCopy() const override { return canEdit; }
    bool CanPaste() const override { return canEdit; }
    bool CanClear() const override { return canEdit; }
    bool CanUndo() const override { return canEdit; }
    bool IsEnabled() const override { return !(flags & kItemDisabled); }
    bool IsCreated() const override { return window_ != nullptr; }
    void SetActive(bool isActive) override { active = isActive; }
    void Enable(bool enable) override {
        flags = enable ? flags & ~kItemDisabled : flags | kItemDisabled;
        if (window_) EnableWindow(window_, enable);
    }
    void Show() override {
        flags &= ~kItemHidden;
        if (window_) ShowWindow(window_, SW_SHOW);
    }
    void Hide() override {
        flags |= kItemHidden;
        if (window_) ShowWindow(window_, SW_HIDE);
    }
    void WindowResized() override { ++resizes; }
    void Undo() override { edits.push_back("undo"); }
    void Cut() override { edits.push_back("cut"); }
    void Copy() override { edits.push_back("copy"); }
    void Paste() override { edits.push_back("paste"); }
    void SelectAll() override { edits.push_back("select all"); }
    void Open(std::int32_t index) override;
    void SaveState() override { ++saves; }
    bool HandleKey(KeyEvent& event) override {
        keysSeen.push_back(event.GetKey());
        for (const std::int32_t key : keysTaken)
            if (key == event.GetKey()) return true;
        return false;
    }
    void HandleScrollMessage(HWND, UINT message, WPARAM, LPARAM) override { scrolls.push_back(message); }
    void ShowRegionCursor() override { ++regionCursorShows; }
    HWND GetHWnd() const override { return window_; }
    ShortRect& GetBounds(ShortRect& rect) const override { return rect = bounds; }
    void SetBounds(const ShortRect& rect, bool) override {
        bounds = rect;
        if (window_) MoveWindow(window_, rect.left, rect.top, rect.Width(), rect.Height(), FALSE);
    }
    std::uint16_t GetItemId() const override { return itemId; }
    void SetItemId(std::uint16_t id) override { itemId = id; }
    void GetRepaintedArea(Rgn& area) const override {
        area.SetEmpty();
        if (!repainted.IsEmpty()) area.Union(Rgn(repainted));
    }

    void FlashPressed() override { ++flashes; }
    void SetDefaultButton(bool isDefault) override { defaultButton = isDefault; }
    void SetText(const char* newText) override { text = newText ? newText : ""; }
    void CopyText(char* buffer, std::size_t size) const override {
        if (size == 0) return;
        const std::size_t length = std::min(text.size(), size - 1);
        std::memcpy(buffer, text.data(), length);
        buffer[length] = '\0';
    }
    // A line of text is kLineHeight pixels high.
    ShortPoint SizeToText() override {
        const auto lines = 1 + std::count(text.begin(), text.end(), '\n');
        return ShortPoint{static_cast<std::int16_t>(bounds.Width()),
                          static_cast<std::int16_t>(lines * kLineHeight)};
    }
    static constexpr int kLineHeight = 16;
    void SetPercent(std::int32_t value, bool) override { percent = std::clamp(value, 0, 100); }
    std::int32_t GetPercent() const override { return percent; }

    void CloseWindow() {
        if (window_ && IsWindow(window_)) DestroyWindow(window_);
        window_ = nullptr;
    }
    TWindow* Owner() const { return owner_; }
    void SetOwner(TWindow* owner) { owner_ = owner; }

    ClassId classId_;
    bool takesFocus;
    std::uint32_t flags;
    bool canEdit = false;
    bool active = true;
    bool defaultButton = false;
    std::uint16_t itemId = 0;
    std::string text;
    std::int32_t percent = 0;
    ShortRect bounds = ShortRect::MakeLTRB(0, 0, 60, 20);
    ShortRect repainted;  // what the item says its own paint will cover
    std::vector<std::int32_t> keysTaken;
    std::vector<std::int32_t> keysSeen;
    std::vector<std::string> edits;
    std::vector<UINT> scrolls;
    int opens = 0;
    int resizes = 0;
    int saves = 0;
    int clears = 0;
    int flashes = 0;
    int regionCursorShows = 0;

private:
    HWND window_ = nullptr;
    TWindow* owner_ = nullptr;
};

class FakeItemList : public WindowItemList {
public:
    FakeItem* Item(std::int32_t index) const { return static_cast<FakeItem*>(ItemAt(index)); }
    FakeItem* Add(FakeItem* item) {
        item->SetOwner(window);
        Append(item);
        return item;
    }

    ErrCode ReadFrom(IReadFile& stream) override {
        std::uint16_t length = 0;
        ErrCode error = stream.ReadUShort(length);
        name.assign(length, '\0');
        std::uint32_t count = length;
        if (!error && length) error = stream.Read(name.data(), count);
        std::uint16_t items = 0;
        if (!error) error = stream.ReadUShort(items);
        for (std::uint16_t i = 0; !error && i < items; ++i) {
            std::uint32_t position = 0;
            std::int16_t classId = 0;
            stream.GetPosition(position);
            error = stream.ReadShort(classId);
            stream.SetPosition(position);
            TObject* item = error ? nullptr : MakeObjectByFactory(stream, classId, &error, 0);
            if (!item) return error ? error : ErrCode{-1};
            Append(item);
        }
        return error;
    }
    ErrCode WriteTo(IWriteFile& stream) override {
        ErrCode error = stream.WriteShort(static_cast<std::int16_t>(name.size()));
        std::uint32_t count = static_cast<std::uint32_t>(name.size());
        if (!error && count) error = stream.Write(name.data(), count);
        if (!error) error = stream.WriteShort(static_cast<std::int16_t>(Count()));
        for (std::int32_t i = 0; !error && i < Count(); ++i) error = ItemAt(i)->WriteTo(stream);
        return error;
    }

    TWindow* GetWindow() const override { return window; }
    void SetWindow(TWindow* newWindow) override {
        window = newWindow;
        for (std::int32_t i = 0; i < Count(); ++i) Item(i)->SetOwner(newWindow);
    }
    const char* GetName() const override { return name.c_str(); }
    void SetName(const char* newName) override { name = newName ? newName : ""; }
    ShortRect GetBounds() const override { return bounds; }
    void SetBounds(const ShortRect& rect) override { bounds = rect; }
    bool HasOwnColor() const override { return !(background == RGBColor(0xFFFF, 0xFFFF, 0xFFFF)); }
    RGBColor GetBackColor() const override { return background; }
    void SetBackColor(const RGBColor& color) override { background = color; }
    void OpenItems() override {
        ++openAllCalls;
        for (std::int32_t i = 0; i < Count(); ++i)
            if (!Item(i)->IsCreated()) Item(i)->Open(i);
    }
    void CloseItems() override {
        for (std::int32_t i = Count() - 1; i >= 0; --i) Item(i)->CloseWindow();
    }
    void NotifyResize() override {
        ++resizeNotices;
        for (std::int32_t i = 0; i < Count(); ++i)
            if (Item(i)->HasFlags(kItemFollowsSize)) Item(i)->WindowResized();
    }
    std::int32_t FindFirstTabStop() const override {
        for (std::int32_t i = 0; i < Count(); ++i)
            if (Item(i)->TakesFocus()) return i;
        return -1;
    }
    std::int32_t NextTabStop(std::int32_t from, bool forward) const override {
        const std::int32_t count = Count();
        std::int32_t index = from;
        for (std::int32_t step = 0; step < count; ++step) {
            index = forward ? (index + 1 >= count || index < 0 ? 0 : index + 1)
                            : (index - 1 < 0 ? count - 1 : index - 1);
            if (index == from) return -1;
            if (Item(index)->TakesFocus()) return index;
        }
        return -1;
    }
    void SetAllActive(bool active) override {
        for (std::int32_t i = 0; i < Count(); ++i) Item(i)->SetActive(active);
    }
    void SaveAllStates() override {
        for (std::int32_t i = 0; i < Count(); ++i) Item(i)->SaveState();
    }
    void UpdateAll() override { ++updateAllCalls; }
    WindowItem* FindItemByClassAndId(ClassId classId, std::uint16_t itemId) const override {
        for (std::int32_t i = 0; i < Count(); ++i)
            if (Item(i)->IsKindOf(classId) && Item(i)->itemId == itemId) return Item(i);
        return nullptr;
    }
    std::int32_t IndexOf(const WindowItem* item) const override {
        for (std::int32_t i = 0; i < Count(); ++i)
            if (ItemAt(i) == item) return i;
        return -1;
    }

    TWindow* window = nullptr;
    std::string name;
    ShortRect bounds;
    RGBColor background{0xFFFF, 0xFFFF, 0xFFFF};
    int openAllCalls = 0;
    int resizeNotices = 0;
    int updateAllCalls = 0;
};

// An item window passes its keys on to its window's key road and makes its item the focus item
// when it takes the focus, as the real item windows do.
inline LRESULT FakeItemProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* item = reinterpret_cast<FakeItem*>(GetWindowLongA(window, 0));
    TWindow* owner = item ? item->Owner() : nullptr;
    if (owner && (message == WM_CHAR ||
                  (message == WM_KEYDOWN && !IsCharacterKey(message, static_cast<UINT>(wParam), lParam)))) {
        KeyEvent event(window, message, wParam, lParam);
        if (owner->DispatchKey(event)) return 0;
    }
    if (owner && message == WM_SETFOCUS && item->TakesFocus()) {
        if (auto* list = owner->GetItemList()) owner->SetFocusItem(list->IndexOf(item), true);
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

inline void FakeItem::Open(std::int32_t index) {
    ++opens;
    if (window_ || !owner_ || !owner_->GetHWnd()) return;
    WNDCLASSA itemClass;
    if (!GetClassInfoA(nullptr, kFakeItemClass, &itemClass)) {
        itemClass = WNDCLASSA{};
        itemClass.lpfnWndProc = FakeItemProc;
        itemClass.cbWndExtra = sizeof(LONG_PTR);
        itemClass.lpszClassName = kFakeItemClass;
        RegisterClassA(&itemClass);
    }
    DWORD style =
        WS_CHILD | (flags & kItemHidden ? 0 : WS_VISIBLE) | (flags & kItemDisabled ? WS_DISABLED : 0);
    window_ =
        CreateWindowExA(0, kFakeItemClass, "", style, bounds.left, bounds.top, bounds.Width(),
                        bounds.Height(), owner_->GetHWnd(),
                        reinterpret_cast<HMENU>(static_cast<std::intptr_t>(index + 100)), nullptr, nullptr);
    SetWindowLongA(window_, 0, reinterpret_cast<LONG_PTR>(this));
}

inline TObject* ReadFakeItem(ItemList*, IReadFile& stream, ErrCode* error) {
    auto* item = new FakeItem;
    if (*error == kNoErr) {
        std::uint32_t position = 0;
        std::int16_t classId = 0;
        stream.GetPosition(position);
        stream.ReadShort(classId);
        stream.SetPosition(position);
        item->classId_ = static_cast<ClassId>(classId);
        *error = item->ReadFrom(stream);
    }
    return item;
}

inline WindowItemList* MakeFakeList() { return new FakeItemList; }

// Push buttons and edit fields take the focus; texts do not.
template <ClassId Id>
WindowItem* MakeFakeItem(WindowItemList& list, const ShortRect& bounds, const char* text, const LOGFONTA&) {
    auto* item = new FakeItem(Id, Id != kStatTextClassId);
    item->SetOwner(list.GetWindow());
    item->bounds = bounds;
    item->text = text ? text : "";
    return item;
}

// Installs the fakes as the item classes of the item factory and the framework's item makers.
inline void InstallFakeItems() {
    RegisterObjectFactory(ItemObjectFactory);
    for (const ClassId id :
         {kStatTextClassId, kPushBtnClassId, kBarGraphClassId, kEditViewClassId, kCheckBoxClassId})
        SetItemReader(id, ReadFakeItem);
    SetItemListMaker(MakeFakeList);
    SetItemMaker(kStatTextClassId, MakeFakeItem<kStatTextClassId>);
    SetItemMaker(kPushBtnClassId, MakeFakeItem<kPushBtnClassId>);
    SetItemMaker(kEditViewAltClassId, MakeFakeItem<kEditViewAltClassId>);
}

}  // namespace fakes
