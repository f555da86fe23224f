#pragma once
// The framework's text field: a view whose content is the native EDIT control, single-line or
// multi-line, with its own font, alignment, optional native scroll bars, and a text filter through
// which all text passes between the stored form and the control. While it has no window it keeps
// its text itself and hands it to the control when the window is made; the control's text comes
// back when the window goes. The field reports changes only through its changed flag.
//
// Record, after the view's: u16 edit flags, the font (i16 number, i16 size, u8 style), i8
// alignment, the text (i16 length, then the bytes and a NUL when the length is above 0).

#include <cstdint>
#include <string>

#include "foundation/String.h"
#include "framework/WindowItems.h"
#include "items/ItemStream.h"
#include "items/TFilteredTextAware.h"
#include "items/TView.h"

// The framework's dialogs read and set it as a text item, as they do their static texts.
class EditView : public TView, public TFilteredTextAware, public ITextItem {
    TOBJECT_CLASS(EditView, TView, 513)

public:
    // Edit flags.
    static constexpr std::uint16_t kNoAutoHScroll = 0x0100;  // a multi-line field wraps its lines
    static constexpr std::uint16_t kMultiLine = 0x0400;
    static constexpr std::uint16_t kTypesTab = 0x0800;
    static constexpr std::uint16_t kLeavesReturn = 0x1000;
    static constexpr std::uint16_t kUpperCase = 0x2000;
    static constexpr std::uint16_t kSelectAllOnFocus = 0x4000;

    // The most characters the control takes from typing.
    static constexpr std::uint32_t kTextLimit = 32000;

    // A null font gives font 0 at size 12, plain; a null text an empty field. The field is made at
    // least as tall as its font needs, and its content shows the I-beam.
    EditView(ItemList* list, const ShortRect* bounds, const win::LOGFONTA* font, std::int32_t alignment,
             std::uint16_t editFlags, std::uint16_t viewFlags, std::uint16_t itemFlags, const RGBColor& color,
             const char* text);
    EditView(ItemList* list, IReadFile& stream, ErrCode* error);
    ~EditView() override;

    // --- The text, through the filter
    std::uint32_t GetTextLength();
    // The encoded text into the buffer; *size comes in as the buffer's size and goes out as the
    // text's length.
    void GetText(char* buffer, std::uint32_t* size);
    std::string GetText();
    // Decodes the text and shows it; the flag is kept as the last set-text flag.
    void SetText(const char* text, std::int16_t flag);

    // --- ITextItem
    // The encoded text, cut to size - 1 characters.
    void CopyText(char* buffer, std::size_t size) const override;
    void SetText(const char* text) override { SetText(text, 0); }
    // A field scrolls its text: it needs no more room than it has.
    ShortPoint SizeToText() override;
    void AppendText(const char* text, std::int16_t flag);
    std::int32_t GetLineCount();
    std::int32_t GetLineLength(std::int32_t line);
    // The line's text (without its line break) into the buffer, ended with a NUL; its length.
    std::int32_t GetLine(std::int32_t line, char* buffer, std::uint32_t size);

    // --- TFilteredTextAware
    void GetRawText(char* buffer, std::uint32_t size) override;
    void SetRawText(const char* text) override;

    // --- Selection
    // Only with a window.
    void SetSelection(std::int32_t start, std::int32_t end);
    // 0 and 0 without a window.
    void GetSelection(std::int32_t* start, std::int32_t* end) const;

    void SetFont(const win::LOGFONTA& font);
    const win::LOGFONTA& GetFont() const { return font_.LogFont(); }
    // 0 left, 1 centred, any other value right.
    void SetAlignment(std::int32_t alignment);
    std::int32_t GetAlignment() const { return alignment_; }
    void SetEditFlags(std::uint16_t bits) { editFlags_ |= bits; }
    void ClearEditFlags(std::uint16_t bits) { editFlags_ &= static_cast<std::uint16_t>(~bits); }
    std::uint16_t GetEditFlags() const { return editFlags_; }
    bool IsChanged() const { return changed_ != 0; }
    bool IsMultiLine() const { return (editFlags_ & kMultiLine) != 0; }
    std::int16_t GetLastSetTextFlag() const { return lastSetTextFlag_; }
    const ShortPoint& GetTextInset() const { return textInset_; }

    // --- TObject and TItem
    std::uint32_t GetDataSize() const override;
    std::int32_t GetFlattenedSize() const override;
    ErrCode ReadFrom(IReadFile& stream) override;
    ErrCode WriteTo(IWriteFile& stream) override;
    void Clear() override;
    void SetBounds(const ShortRect& rect, bool redraw) override;
    bool HandlesTab() const override;
    bool HandlesReturn() const override;
    bool CanSelectAll() const override { return true; }
    bool HasSelection() const override;
    bool CanCut() const override { return IsEditable() && HasSelection(); }
    bool CanClear() const override { return IsEditable() && HasSelection(); }
    bool CanPaste() const override;
    bool CanUndo() const override { return HasWindow() && IsChanged(); }
    // Shows or hides the caret.
    void SetActive(bool active) override;
    void DrawFocusRing() override {}
    void Undo() override;
    void Cut() override;
    void Copy() override;
    void Paste() override;
    void SelectAll() override;
    bool UsesItemClass() const override { return false; }
    void UpdateCursor() override;
    // The key goes to the control, except Return and Tab when the field leaves them to the window.
    bool HandleKey(KeyEvent& event) override;
    // Selects the whole text of a single-line field (or with kSelectAllOnFocus).
    void ShowFocusRing() override;
    void HideFocusRing() override;
    std::int32_t HandleMouseDown(const MsgEvent& /*event*/) override { return 0; }
    win::HWND CreateHWnd(std::int32_t index) override;
    void DestroyHWnd(win::HWND window) override;
    void Subclass() override;
    void Unsubclass() override;
    void SaveWindowState() override { SaveTextFromWindow(); }
    const char* GetClassName() const override { return "EDIT"; }
    win::DWORD WindowStyle() const override;
    bool DefaultMessage(win::HWND window, win::UINT message, win::WPARAM wParam, win::LPARAM lParam,
                        win::LRESULT* result) override;
    win::LRESULT HandleChar(win::HWND window, win::UINT message, win::WPARAM wParam,
                            win::LPARAM lParam) override;
    win::LRESULT HandleLButtonDown(win::HWND window, win::UINT message, win::WPARAM wParam,
                                   win::LPARAM lParam) override;

    // --- TView: the control scrolls and draws itself
    std::int32_t GetVertScrollValue() const override;
    std::int32_t VertUnitCount() const override;
    void ScrollBy(std::int32_t /*dv*/, std::int32_t /*dh*/, std::int16_t /*mode*/) override {}
    void DrawContent(ViewDrawContext* /*context*/) override {}
    void EditableChanged() override { UpdateReadOnly(); }

    // --- New operations
    // Empties the kept text once the window holds it.
    virtual void TextMovedToWindow();
    // Keeps the control's text (all of it) for when the window is gone.
    virtual void SaveTextFromWindow();
    // The control refuses typing while the field is read-only.
    virtual void UpdateReadOnly();
    virtual void MarkChanged() { changed_ = 1; }
    // A chance to take a key before the control; non-zero when taken.
    virtual std::int16_t FilterKey(KeyEvent& /*event*/) { return 0; }

protected:
    // The control's whole text as it stands (line breaks as LF), or the kept text without a window.
    std::string RawText() const;
    // Shows the text as it stands and keeps the flag as the last set-text flag.
    void ShowText(const std::string& raw, std::int16_t flag);

private:
    // The text through the filter's decoding.
    std::string Decoded(const char* text) const;
    // Whether the control holds its lines with CR LF breaks.
    bool HasMultiLineControl() const;
    // The I-beam over the content.
    void ResetCursorRegion();
    void UpdateVertScrollBar();
    // The font's size in points.
    std::int16_t FontSize() const;
    // Makes the field tall enough for its font.
    void FitHeightToFont();
    // Folds the lines of a field that leaves Return to the window into one.
    void FoldLines();
    // Pastes the clipboard's text into a one-line control with its lines folded into one.
    void PasteFolded();
    win::HFONT CreateFontHandle();

    String text_;
    ItemFont font_;
    std::int32_t alignment_ = 0;
    ShortPoint textInset_;
    std::uint16_t editFlags_ = 0;
    std::uint16_t attached_ = 0;
    std::uint16_t changed_ = 0;
    win::HFONT fontHandle_ = nullptr;
    std::int16_t lastSetTextFlag_ = 0;
    // Whether the record the field was read from said it has cursor regions: the I-beam region the
    // field makes for itself is not written back.
    bool storedCursorFlag_ = false;
    // Set while the field puts text into its control itself, which is no change by the user.
    bool settingText_ = false;
};

// A field with the text and font, left-aligned and framed, as the framework's own dialogs make one in
// code; null when the list is not an item list.
WindowItem* MakeEditView(WindowItemList& list, const ShortRect& bounds, const char* text,
                         const win::LOGFONTA& font);

// An edit view that holds at most a number of characters: typing beyond it is refused with a beep,
// and a paste that overflows is cut.
class MaxCharEditView : public EditView {
    TOBJECT_CLASS(MaxCharEditView, EditView, 516)

public:
    MaxCharEditView(ItemList* list, std::uint32_t limit, const ShortRect* bounds, const win::LOGFONTA* font,
                    std::int32_t alignment, std::uint16_t editFlags, std::uint16_t viewFlags,
                    std::uint16_t itemFlags, const RGBColor& color, const char* text);

    void MarkChanged() override;
    std::int16_t FilterKey(KeyEvent& event) override;

    std::uint32_t GetLimit() const { return limit_; }

private:
    std::uint32_t limit_;
};
