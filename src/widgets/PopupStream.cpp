// The popup choice control's record: what it adds to the control's, read and written field by
// field, stopping at the first error.

#include <new>

#include "foundation/IFile.h"
#include "widgets/Popup.h"

namespace {

// The fields after the control's: style, value, tri-state and the font.
constexpr std::int32_t kFixedFieldsSize = 2 + 4 + 2 + 5;
// The item count.
constexpr std::int32_t kCountSize = 4;

}  // namespace

std::int32_t Popup::GetFlattenedSize() const {
    std::int32_t size = TControl::GetFlattenedSize() + kFixedFieldsSize;
    if (HasStyle(kTypefaceList)) return size;
    size += kCountSize;
    if (menu_ && HasWindow()) {
        for (std::int32_t i = 0; i < menu_->GetItemCount(); ++i)
            size += String(menu_->GetItemText(i)).GetFlattenedSize();
    } else {
        for (std::int32_t i = 0; i < storedTexts_.Count(); ++i)
            size += storedTexts_.StringAt(i)->GetFlattenedSize();
    }
    return size;
}

ErrCode Popup::ReadFrom(IReadFile& stream) {
    ErrCode error = TControl::ReadFrom(stream);
    if (!error) {
        SetCount(0);
        StoreValue(-1);
        style_ = 0;
        storedTexts_.DeleteAll();
        if (menu_) menu_->RemoveAllItems();
        checked_.DeleteAll();
        storedDisabled_.reset();
    }
    std::int32_t value = -1;
    if (!error) error = stream.ReadUShort(style_);
    if (!error) error = stream.ReadLong(value);
    if (!error) {
        if (value < -1) value = -1;
        // A typeface list read before it has a window has no faces yet, and so no choice; the
        // other lists check the value against the count they read.
        if (HasStyle(kTypefaceList)) {
            FillWithPrinterFonts();
            if (value >= GetItemCount()) value = -1;
        }
        StoreValue(value);
    }
    std::int16_t triState = 0;
    if (!error) error = stream.ReadShort(triState);
    if (!error) triState_ = triState < 0 ? -1 : (triState > 0 ? 1 : 0);
    if (!error) error = font_.Read(stream);
    if (!error && LacksStyle(kTypefaceList)) {
        std::int32_t count = 0;
        error = stream.ReadLong(count);
        if (!error) {
            if (count < 0) count = 0;
            if (GetValue() >= count) StoreValue(-1);
        }
        for (std::int32_t i = 0; !error && i < count; ++i) {
            auto* text = new (std::nothrow) String(stream, &error);
            if (!text) break;
            if (error || text->Length() == 0) {
                delete text;
                continue;
            }
            if (menu_) {
                menu_->AppendItem(text->CStr());
                delete text;
            } else if (storedTexts_.Append(text) < 0) {
                delete text;
                continue;
            }
            SetCount(GetItemCount() + 1);
        }
        // Texts without characters were left out: the value must still name an item.
        if (GetValue() >= GetItemCount()) StoreValue(-1);
        if (!error && menu_ && LacksStyle(kMultiCheck) && GetValue() >= 0) menu_->CheckItem(GetValue());
    }
    if (error) RemoveAllItems();
    ShortRect bounds = Bounds();
    ApplyMinimumHeight(bounds);
    SetBounds(bounds, true);
    return error;
}

ErrCode Popup::WriteTo(IWriteFile& stream) {
    ErrCode error = TControl::WriteTo(stream);
    if (!error) error = stream.WriteShort(static_cast<std::int16_t>(style_));
    if (!error) error = stream.WriteLong(GetValue());
    if (!error) error = stream.WriteShort(static_cast<std::int16_t>(triState_));
    if (!error) error = font_.Write(stream);
    if (error || HasStyle(kTypefaceList)) return error;
    if (menu_ && HasWindow()) {
        error = stream.WriteLong(menu_->GetItemCount());
        for (std::int32_t i = 0; !error && i < menu_->GetItemCount(); ++i) {
            String text(menu_->GetItemText(i));
            error = text.WriteTo(stream);
        }
    } else {
        error = stream.WriteLong(storedTexts_.Count());
        for (std::int32_t i = 0; !error && i < storedTexts_.Count(); ++i)
            error = storedTexts_.StringAt(i)->WriteTo(stream);
    }
    return error;
}
