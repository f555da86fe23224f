#include "framework/TMenu.h"

#include <algorithm>

#include "foundation/Memory.h"
#include "foundation/pfm/PFM.h"
#include "framework/TAppl.h"
#include "framework/TWindow.h"
#include "platform/ui/Menus.h"

using namespace win;

namespace {

constexpr std::size_t kPlainRecordSize = 12;
constexpr std::size_t kTextRecordHeader = 16;

// 16-bit values of stored menus are big-endian, as in every store.
std::uint16_t ReadWord(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] << 8 | p[1]); }

// The segment's bytes while checked out of the application data file.
class StoredMenu {
public:
    StoredMenu(TAppl* application, std::int16_t id) {
        if (id == 0 || !application) return;
        PFMFileScope scope(application->GetDataFile(), false);
        data_ =
            static_cast<const std::uint8_t*>(PFMCheckOut(kMenuSegmentType, static_cast<std::uint16_t>(id)));
    }
    ~StoredMenu() {
        if (data_) PFMCheckIn(const_cast<std::uint8_t*>(data_));
    }
    StoredMenu(const StoredMenu&) = delete;
    StoredMenu& operator=(const StoredMenu&) = delete;

    const std::uint8_t* Begin() const { return data_; }
    const std::uint8_t* End() const { return data_ + MemSize(data_); }

private:
    const std::uint8_t* data_ = nullptr;
};

}  // namespace

TMenu::TMenu(TAppl* application, std::int16_t id, const char* /*unused*/)
    : application_(application), menu_(CreateMenu()), id_(id) {}

TMenu::TMenu(TAppl* application, std::int16_t id, bool popup) : application_(application), id_(id) {
    const StoredMenu stored(application, id);
    if (!stored.Begin()) return;
    menu_ = popup ? CreatePopupMenu() : CreateMenu();
    ParseItems(stored.Begin(), stored.End());
}

TMenu::~TMenu() {
    if (menu_ && IsMenu(menu_)) DestroyMenu(menu_);
}

std::uint32_t TMenu::GetDataSize() const {
    std::uint32_t size = TObject::GetDataSize();
    for (const auto& item : items_) size += ObjectTotalSize(*item);
    return size;
}

bool TMenu::IsActive() const {
    const TWindow* front = application_ ? application_->GetFrontWindow() : nullptr;
    return !front || !front->IsKindOf(kDialogClassId);
}

void TMenu::ResolveSubmenus() {
    for (std::int32_t i = 0; i < GetItemCount(); ++i) {
        TMenuItem* item = GetItem(i);
        if (item->IsSubmenu()) item->ResolveSubmenu();
    }
}

void TMenu::UpdateItems() {
    if (!menu_) return;
    for (std::int32_t i = 0; i < GetItemCount(); ++i) {
        TMenuItem* item = GetItem(i);
        const UINT state = item->IsEnabled() ? MF_ENABLED : MF_GRAYED | MF_DISABLED;
        EnableMenuItem(menu_, static_cast<UINT>(i), MF_BYPOSITION | state);
        if (item->IsSubmenu()) item->UpdateSubmenu();
    }
}

ErrCode TMenu::InvokeItem(std::int32_t index) {
    TMenuItem* item = GetItem(index);
    if (!item || !item->IsCommand() || !item->IsEnabled()) return 0;
    return item->Invoke();
}

TMenuItem* TMenu::CreateItem(const std::uint8_t*& record, const std::uint8_t* end) {
    if (end - record < static_cast<std::ptrdiff_t>(kPlainRecordSize)) return nullptr;
    const auto command = static_cast<std::int16_t>(ReadWord(record));
    const RGBColor color(ReadWord(record + 2), ReadWord(record + 4), ReadWord(record + 6));
    const std::uint16_t flags = ReadWord(record + 8);
    const std::uint16_t classId = ReadWord(record + 10);
    if (classId == TMenuItem::kClassId) {
        record += kPlainRecordSize;
        return new TMenuItem(this, command, color, flags);
    }
    if (classId != MenuTextItem::kClassId || end - record < static_cast<std::ptrdiff_t>(kTextRecordHeader)) {
        return nullptr;
    }
    const std::uint8_t titleLength = record[15];
    const std::size_t length = kTextRecordHeader + titleLength;
    if (static_cast<std::size_t>(end - record) < length) return nullptr;
    const std::string title(reinterpret_cast<const char*>(record + kTextRecordHeader), titleLength);
    auto* item = new MenuTextItem(this, command, color, flags, record[12], static_cast<char>(record[13]),
                                  record[14], title.c_str());
    record += length + (length % 2);
    return item;
}

void TMenu::ParseItems(const std::uint8_t* data, const std::uint8_t* end) {
    if (end - data < 1) return;
    std::size_t offset = 1 + data[0];
    offset += offset % 2;
    if (static_cast<std::size_t>(end - data) < offset + 2) return;
    const std::uint16_t count = ReadWord(data + offset);
    const std::uint8_t* record = data + offset + 2;
    // A record that is damaged, or of a class the menu does not know, ends the reading: its length
    // cannot be told.
    for (std::uint16_t i = 0; i < count && record < end; ++i) {
        TMenuItem* item = CreateItem(record, end);
        if (!item) break;
        AppendItem(item);
    }
}

ErrCode TMenu::LoadItems(std::int16_t id) {
    const StoredMenu stored(application_, id);
    if (!stored.Begin()) return 1;
    ParseItems(stored.Begin(), stored.End());
    return kNoErr;
}

void TMenu::InsertItem(TMenuItem* item, std::int32_t position) {
    position = std::clamp(position, 0, GetItemCount());
    items_.insert(items_.begin() + position, std::unique_ptr<TMenuItem>(item));
    if (!menu_) return;
    std::int16_t flag = 0;
    const std::string text = item->GetText(flag);
    if (text == "-") {
        InsertMenuA(menu_, static_cast<UINT>(position), MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
    } else {
        InsertMenuA(menu_, static_cast<UINT>(position), MF_BYPOSITION | MF_STRING,
                    static_cast<UINT_PTR>(item->GetCommandId()), text.c_str());
    }
}

void TMenu::RemoveItems(std::int32_t first, std::int32_t last) {
    first = std::max(first, 0);
    last = std::min(last, GetItemCount() - 1);
    for (std::int32_t i = last; i >= first; --i) {
        if (menu_) RemoveMenu(menu_, static_cast<UINT>(i), MF_BYPOSITION);
        items_.erase(items_.begin() + i);
    }
}

void TMenu::CheckItem(std::int32_t position, bool on) {
    if (menu_)
        CheckMenuItem(menu_, static_cast<UINT>(position), MF_BYPOSITION | (on ? MF_CHECKED : MF_UNCHECKED));
}

void TMenu::EnableItem(std::int32_t position, bool on) {
    if (menu_)
        EnableMenuItem(menu_, static_cast<UINT>(position),
                       MF_BYPOSITION | (on ? MF_ENABLED : MF_GRAYED | MF_DISABLED));
}

void TMenu::SetItemTitleFromText(const char* text, std::int32_t index) {
    if (TMenuItem* item = GetItem(index)) item->SetTitleText(text);
    if (application_ && application_->GetFrameWindow()) DrawMenuBar(application_->GetFrameWindow());
}

void TMenu::SetItemTitle(const String& title, std::int32_t index) {
    if (TMenuItem* item = GetItem(index)) item->SetTitle(title);
    if (application_ && application_->GetFrameWindow()) DrawMenuBar(application_->GetFrameWindow());
}

void TMenu::RefreshItemText(std::int32_t index) {
    TMenuItem* item = GetItem(index);
    if (!item || !menu_) return;
    char title[256];
    item->GetTitleText(title, sizeof title);
    const auto id = static_cast<UINT>(item->GetCommandId());
    ModifyMenuA(menu_, id, MF_BYCOMMAND | MF_STRING, id, title);
}

TMenuItem* TMenu::GetItem(std::int32_t index) const {
    return index >= 0 && index < GetItemCount() ? items_[static_cast<std::size_t>(index)].get() : nullptr;
}

std::int32_t TMenu::IndexOf(const TMenuItem* item) const {
    for (std::int32_t i = 0; i < GetItemCount(); ++i) {
        if (items_[static_cast<std::size_t>(i)].get() == item) return i;
    }
    return -1;
}

void RootMenu::UpdateIfStale() {
    if (GetApplication() && GetApplication()->MenusStale()) UpdateItems();
}

FontMenu::FontMenu(TAppl* application, std::int16_t id, const char* unused)
    : TMenu(application, id, unused), fixedCount_(static_cast<std::int16_t>(GetItemCount())) {}

FontMenu::FontMenu(TAppl* application, std::int16_t id, bool popup)
    : TMenu(application, id, popup), fixedCount_(static_cast<std::int16_t>(GetItemCount())) {}
