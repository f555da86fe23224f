#pragma once
// The window base as the application object and its commands use it: the framework object behind
// an MDI child, a dialog or a floating palette, kept in window long 0 of its window. It knows its
// application, its document (if any), its mode and its title, and answers the edit, print and
// close questions of the standard commands. A window whose items hold the focus answers through
// them; without a focus item the edit questions answer false and the edit actions do nothing.

#include <cstdint>
#include <string>

#include "foundation/TObject.h"
#include "platform/sys/WinTypes.h"

class TAppl;
class TDoc;

// Modes.
inline constexpr std::int32_t kDialogMode = -2;
inline constexpr std::int32_t kPaletteMode = 0;
inline constexpr std::int32_t kSizingChildMode = -4;  // an MDI child with a sizing border, no caption
inline constexpr std::int32_t kChildMode = -1;

class TWindow : public TObject {
    TOBJECT_CLASS(TWindow, TObject, 102)

public:
    // Joins the document's window list when there is a document. The window itself is made later.
    TWindow(TAppl* application, TDoc* document, std::int32_t mode, std::uint16_t kind, const char* title);
    // Destroys the window, leaves the application's palette and tool-window lists, tells the
    // application the front window may have changed and leaves the document's window list.
    ~TWindow() override;

    // Stores the title and shows it as the caption.
    virtual void SetTitle(const char* text);
    // With a document, the title becomes the document's file name.
    virtual void UpdateTitle();
    virtual bool CanSelectAll() const { return false; }
    virtual bool HasSelection() const { return false; }
    virtual bool CanCut() const { return false; }
    virtual bool CanCopy() const { return false; }
    virtual bool CanPaste() const { return false; }
    virtual bool CanClear() const { return false; }
    virtual bool CanUndo() const { return false; }
    virtual void Activate(bool active);
    // Asked before the application closes the window without force.
    virtual bool AllowClose() { return true; }
    virtual void RefocusItem() {}
    virtual void RefocusItemOnClose() { RefocusItem(); }
    virtual bool CanPrint() { return false; }
    virtual void Print() {}
    virtual bool CanPageSetup() { return true; }
    // Makes sure the printer is ready for the page set-up; its answer.
    virtual ErrCode PreparePrinter() = 0;
    virtual bool CanPrintPreview() { return false; }
    virtual void PrintPreview() {}

    // The edit commands, carried out by the focus item.
    virtual void DoUndo() {}
    virtual void DoCut() {}
    virtual void DoCopy() {}
    virtual void DoPaste() {}
    virtual void DoClear() {}
    virtual void DoSelectAll() {}

    // The window procedure attaches the window it made.
    void AttachWindow(win::HWND window) { window_ = window; }
    win::HWND GetHWnd() const { return window_; }
    TAppl* GetApplication() const { return application_; }
    TDoc* GetDocument() const { return document_; }
    std::int32_t GetMode() const { return mode_; }
    std::uint16_t GetKind() const { return kind_; }
    const std::string& GetTitle() const { return title_; }
    bool IsMDIChild() const { return mode_ != kPaletteMode && mode_ != kDialogMode; }
    bool IsFrontWindow() const;
    // The visibility the window had when all palettes were hidden.
    bool WasVisible() const { return wasVisible_; }
    void SetWasVisible(bool visible) { wasVisible_ = visible; }

private:
    TAppl* application_;
    TDoc* document_;
    win::HWND window_ = nullptr;
    std::string title_;
    std::int32_t mode_;
    std::uint16_t kind_;
    bool wasVisible_ = false;
};
