#pragma once
// An item over the native rich edit control ("RICHEDIT"): a multi-line, vertically scrolling text
// with the usual edit commands, and operations that set bold, italic, underline, face, point size
// and paragraph indents at the selection (at an empty selection: for the text put there next).
//
// The control's library is loaded by the first item made and stays loaded. Every operation acts on
// the control and so only while the item has its window; the edit commands that change the text
// (Undo, Cut, Paste, Clear) act only while the item is editable, and then mark it changed.

#include <cstdint>

#include "items/TItem.h"

class RichEdit : public TItem {
    TOBJECT_CLASS(RichEdit, TItem, 520)

public:
    // Selects every character.
    static constexpr std::int32_t kAllText = 0x7FFFFFFF;
    // Twips in a point.
    static constexpr std::int32_t kTwipsPerPoint = 20;

    RichEdit(ItemList* list, const ShortRect* bounds, std::uint16_t itemFlags, const RGBColor& color);
    ~RichEdit() override;

    // --- Selection and formats
    void SetSelection(std::int32_t start, std::int32_t end);
    // 0 and 0 without a window.
    void GetSelection(std::int32_t* start, std::int32_t* end) const;
    void SetBold(bool on);
    void SetItalic(bool on);
    void SetUnderline(bool on);
    // At most 31 characters of the name are kept.
    void SetFaceName(const char* name);
    void SetPointSize(std::int32_t points);
    // The paragraph at the selection starts its first line `first` points from the left and its
    // other lines `left` points, and ends `right` points from the right.
    void SetIndents(std::int32_t first, std::int32_t left, std::int32_t right);
    // Appends the text at the end in the format at the end (the one set there last), and leaves the
    // caret after it.
    void AppendText(const char* text);
    bool IsChanged() const { return changed_ != 0; }

    // --- TItem
    void Clear() override;
    void SetBounds(const ShortRect& rect, bool redraw) override;
    bool TakesFocus() const override { return true; }
    bool CanSelectAll() const override { return true; }
    bool HasSelection() const override;
    bool CanPaste() const override;
    bool CanUndo() const override { return HasWindow() && IsChanged(); }
    void DrawFocusRing() override {}
    void Undo() override;
    void Cut() override;
    void Copy() override;
    void Paste() override;
    void SelectAll() override;
    bool UsesItemClass() const override { return false; }
    const char* GetClassName() const override;
    win::DWORD WindowStyle() const override;
    // A sunken client edge.
    win::DWORD ExtendedWindowStyle() const override;
    // The control shows its own cursor.
    win::LRESULT HandleMouseMove(win::HWND window, win::UINT message, win::WPARAM wParam,
                                 win::LPARAM lParam) override;
    win::LRESULT HandleSetCursor(win::HWND window, win::UINT message, win::WPARAM wParam,
                                 win::LPARAM lParam) override;

    // --- New operations
    // Whether the user may change the text; a control that is not editable is read-only.
    virtual bool IsEditable() const { return true; }

private:
    // Sends a text-changing command to the control, when it has one and may change, and marks the
    // item changed.
    void Change(win::UINT message);
    // Sets the character effect of the mask on or off at the selection.
    void SetEffect(win::DWORD mask, bool on);

    std::int16_t changed_ = 0;
};
