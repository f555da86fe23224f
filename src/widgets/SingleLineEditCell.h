#pragma once
// Text cells edited in place: while the table holds one as its active cell, a native EDIT control
// lies over it and takes the keys the table hands on; whatever ends the activation (the table moving
// on with Tab or the arrows, Return, a click elsewhere, the focus leaving the table) commits the
// EDIT's text to the cell. One in-place editor exists in the whole program at a time; its state is
// shared by every edit cell. The EDIT is hidden when its cell is scrolled partly out of sight, and
// handed to the frame window to be destroyed once its cell is done with it.
//
// LimitEditCell takes only the characters of an allowed text; MaxCharEditCell holds at most a
// number of characters. Both hold pasted text to the same rules.

#include <cstdint>
#include <string>

#include "widgets/TextCell.h"

class SingleLineEditCell : public TextCell {
public:
    // The flags given get kCellActivatable.
    SingleLineEditCell(const char* text, std::int16_t width, std::int16_t height, std::uint16_t flags,
                       const win::LOGFONTA* font, std::int32_t hAlign, std::int32_t vAlign);
    SingleLineEditCell(const SingleLineEditCell& other);
    // A cell being deleted while it is edited commits and lets go of the editor first.
    ~SingleLineEditCell() override;

    ClassId GetClassId() const override { return kEditCellClassId; }
    bool IsKindOf(ClassId id) const override { return id == kEditCellClassId || TextCell::IsKindOf(id); }
    TCell* Clone() const override;
    // Makes the editor (when there is none) over the cell with the cell's text, all of it selected.
    void Activate() override;
    // The commit: the editor's text becomes the cell's, and the editor goes.
    void Deactivate() override;
    // The editor's changes are dropped: it shows the cell's text again.
    void CancelEdit() override;
    // Keys the table hands on; false for those the table acts on (Return, Tab, Escape, the vertical
    // arrows and paging keys, and Left or Right at the end of the text).
    bool HandleKey(KeyEvent& event) override;
    void RestoreEditor() override;
    // Shows the editor over the cell while the cell shows whole in the data area, else hides it.
    void PositionEditor() override;
    void FocusEditor() override;
    win::HWND GetEditWindow() const override;
    void Undo() override;
    void Cut() override;
    void Copy() override;
    void Paste() override;
    void Clear() override;
    void SelectAll() override;
    bool HasSelection() const override;
    bool CanCut() const override;
    bool CanCopy() const override;
    bool CanPaste() const override;
    bool CanClear() const override;
    bool CanUndo() const override;
    bool CanSelectAll() const override { return true; }
    void DrawContent(TGraphEnv& env, std::int32_t column, const ShortRect& rect) override;
    void DrawBackground(TGraphEnv& env, const ShortRect& rect, std::int16_t state) override;
    // The editor shows the new text too while the cell is edited.
    void SetText(const String& text) override;
    void SetText(const char* text) override;

    // Non-zero takes the key (nothing typed).
    virtual std::int16_t FilterKey(KeyEvent& /*event*/) { return 0; }
    // Messages of the editor no other handler takes; true when handled (result set).
    virtual bool OnOtherMessage(win::HWND /*window*/, win::UINT /*message*/, win::WPARAM /*wParam*/,
                                win::LPARAM /*lParam*/, win::LRESULT& result) {
        result = 0;
        return false;
    }
    virtual win::LRESULT OnChar(win::HWND window, win::UINT message, win::WPARAM wParam, win::LPARAM lParam);
    virtual win::LRESULT OnKeyDown(win::HWND window, win::UINT message, win::WPARAM wParam, win::LPARAM lParam);
    virtual win::LRESULT OnGetDlgCode(win::HWND window, win::UINT message, win::WPARAM wParam, win::LPARAM lParam);
    virtual win::LRESULT OnKillFocus(win::HWND window, win::UINT message, win::WPARAM wParam, win::LPARAM lParam);
    virtual win::LRESULT OnSysKeyDown(win::HWND window, win::UINT message, win::WPARAM wParam, win::LPARAM lParam);
    virtual win::LRESULT OnSysKeyUp(win::HWND window, win::UINT message, win::WPARAM wParam, win::LPARAM lParam);
    // What a paste of the text (already one line) leaves in the editor beside the kept characters
    // around it: all of it here; a subclass's rules may ask for less.
    virtual std::string FilterPastedText(const std::string& text, std::size_t /*kept*/) const { return text; }

    // --- The one editor
    // The cell edited now, and the editor's window; null when none.
    static SingleLineEditCell* GetCurrent();
    static win::HWND GetEditorWindow();
    // The cell's text from before the last commit (empty while no edit cell exists).
    static std::string GetSavedText();
    // The editor's whole text, and its selection.
    static std::string EditorText();
    static void GetEditorSelection(std::int32_t& start, std::int32_t& end);

    // After a paste into the editor that held the text before with the selection (start, end): the
    // pasted text folded into one line and held to the cell's rules, the caret after it.
    void FinishPaste(const std::string& before, std::int32_t start, std::int32_t end);
    // Moves the editor's text sideways so that the caret shows (right-aligned and centred cells).
    void ScrollCaretIntoView() const;

protected:
    bool IsEditable() const { return LacksFlags(kCellReadOnly); }

private:
    // The editor's text to the cell and the editor gone; a cell being deleted is not repainted.
    void Commit(bool repaint);
    // The editor's rectangle over the cell's view rectangle.
    bool EditorRect(ShortRect& rect);
    bool ShowsWhole();
    void CreateEditor();
    void SetFormattingRect() const;
};

class LimitEditCell : public SingleLineEditCell {
public:
    LimitEditCell(const char* text, std::int16_t width, std::int16_t height, const char* allowed);
    LimitEditCell(const LimitEditCell& other) = default;

    TCell* Clone() const override;
    // A typed character outside the allowed text is taken (with a beep); keys that type nothing pass.
    std::int16_t FilterKey(KeyEvent& event) override;
    // The allowed characters of the pasted text.
    std::string FilterPastedText(const std::string& text, std::size_t kept) const override;

    const String& GetAllowed() const { return allowed_; }

private:
    String allowed_;
};

class MaxCharEditCell : public SingleLineEditCell {
public:
    MaxCharEditCell(const char* text, std::int16_t width, std::int16_t height, std::uint32_t maxChars);
    MaxCharEditCell(const MaxCharEditCell& other) = default;

    TCell* Clone() const override;
    // A typed character is taken (with a beep) when the limit is 0, or when the text is full and
    // nothing is selected.
    std::int16_t FilterKey(KeyEvent& event) override;
    // The pasted text cut to the room the limit leaves beside the kept characters.
    std::string FilterPastedText(const std::string& text, std::size_t kept) const override;

    std::uint32_t GetMaxChars() const { return maxChars_; }

private:
    std::uint32_t maxChars_;
};

// Whether the key event types nothing: the keys every filter lets through.
bool IsEditingKey(const KeyEvent& event);
