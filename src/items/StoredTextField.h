#pragma once
// A text field that stops at what its record can keep. Its limit counts the text as it is stored,
// through the field's text filter (the shared converter stores each escaped character in two
// bytes), so that whatever the field holds is written whole. A key that would take the stored text
// past the limit is refused with a beep; a paste, drop or undo that would is cut after the last
// character that still fits, and the writer is told how much was kept. Text the program shows in
// the field is not held to the limit.
//
// The field can also tell its owner of every change the writer makes, for a window that keeps what
// is typed as it is typed.

#include <cstdint>
#include <functional>
#include <string_view>

#include "items/EditView.h"

class StoredTextField : public MaxCharEditView {
    TOBJECT_CLASS(StoredTextField, MaxCharEditView, 521)

public:
    // The limit in bytes of the stored text; the other arguments are EditView's.
    StoredTextField(ItemList* list, std::uint32_t limit, const ShortRect* bounds, const win::LOGFONTA* font,
                    std::int32_t alignment, std::uint16_t editFlags, std::uint16_t viewFlags,
                    std::uint16_t itemFlags, const RGBColor& color, const char* text);

    // The length of the text as it is stored.
    std::uint32_t GetStoredLength();
    // Called after each change the writer makes, once the text is within the limit.
    void SetChangeAction(std::function<void()> action) { changeAction_ = std::move(action); }

    // The message that tells the writer how many characters of a text too long were kept.
    static std::string CutMessage(std::size_t kept);

    // --- EditView
    void MarkChanged() override;
    std::int16_t FilterKey(KeyEvent& event) override;
    // The control takes any length: the field's own limit is the one that holds.
    void Subclass() override;

private:
    std::uint32_t StoredSize(std::string_view raw) const;

    std::function<void()> changeAction_;
};
