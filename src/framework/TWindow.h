#pragma once
// The window base: the framework object behind an MDI child, a dialog or a floating palette, kept
// in window long 0 of its window. A window owns its window handle, a drawing environment on the
// window's own device context, the items read from the application data file (with the index of
// the one holding the keyboard focus), its title and its cursor regions. Every window message
// reaches one virtual handler, so subclasses change behaviour by overriding, and keys travel one
// road: the application's preview, the window's preview, the focus item, the window's key handler,
// and the application's handler for keys nobody took.

#include <cstdint>
#include <memory>
#include <string>

#include "foundation/TObject.h"
#include "framework/TCommand.h"
#include "framework/graphics/CursorRegion.h"
#include "framework/graphics/ShortRect.h"
#include "framework/graphics/WinGraphEnv.h"
#include "platform/sys/WinTypes.h"
#include "platform/ui/Messages.h"

class KeyEvent;
class QRVBitmap;
class Rgn;
class TAppl;
class TDoc;
class WindowItem;
class WindowItemList;
struct WindowPosRecord;

// Modes.
inline constexpr std::int32_t kDialogMode = -2;
inline constexpr std::int32_t kPaletteMode = 0;
inline constexpr std::int32_t kSizingChildMode = -4;  // an MDI child with a sizing border, no caption
inline constexpr std::int32_t kChildMode = -1;

// Kind flags.
inline constexpr std::uint16_t kWindowNoClose = 1;
inline constexpr std::uint16_t kWindowNoMaximize = 2;
inline constexpr std::uint16_t kWindowFixedSize = 4;
inline constexpr std::uint16_t kWindowRedrawOnWidth = 8;    // dialog class style
inline constexpr std::uint16_t kWindowRedrawOnHeight = 16;  // dialog class style
inline constexpr std::uint16_t kWindowHasCursorRegions = 32;
inline constexpr std::uint16_t kWindowNoMinimize = 64;
inline constexpr std::uint16_t kWindowEatsActivationClick = 128;

// Class ids of the window classes.
inline constexpr ClassId kDialogClassId = 103;
inline constexpr ClassId kPaletteClassId = 110;

// Posted to a window after its activation: the click that activated it has been handled.
inline constexpr win::UINT WM_ACTIVATION_CLICK_DONE = win::WM_USER + 1;

// The smallest size of a window's client area plus its frame.
inline constexpr std::int16_t kMinTrackSize = 62;

class TWindow : public TObject, public IWinGraphEnvClient {
    TOBJECT_CLASS(TWindow, TObject, 102)

public:
    // Makes the MDI child at the rectangle (GetDefaultRect's when null) unless the mode is the
    // dialog's; dialogs and palettes make their windows themselves. Joins the document's window
    // list when there is a document.
    TWindow(TAppl* application, const ShortRect* rect, TDoc* document, std::int32_t mode, std::uint16_t kind,
            const char* title);
    // Leaves the making of the window to the subclass.
    TWindow(TAppl* application, TDoc* document, std::int32_t mode, std::uint16_t kind, const char* title);
    // Lets go of the items, destroys the window, tells the application the front window may have
    // changed and leaves the document's window list.
    ~TWindow() override;

    std::uint32_t GetDataSize() const override;

    // --- IWinGraphEnvClient

    win::HWND GetHWnd() const override { return window_; }
    void GetBackColor(RGBColor& color) const override;
    // What the items' windows will paint over completely (their GetRepaintedArea).
    void GetRepaintedByChildren(Rgn& area) const override;

    // --- virtual operations

    // Stores the title and shows it as the caption (and in the frame's caption while maximised).
    virtual void SetTitle(const char* text);
    // With a document, the title becomes the document's file name.
    virtual void UpdateTitle();
    // The edit questions, answered by the focus item; false without one.
    virtual bool CanSelectAll() const;
    virtual bool HasSelection() const;
    virtual bool CanCut() const;
    virtual bool CanCopy() const;
    virtual bool CanPaste() const;
    virtual bool CanClear() const;
    virtual bool CanUndo() const;
    // On activation the items show active and the focus goes to the window (and so to its focus
    // item); on deactivation the region cursors go back to their defaults and the focus goes.
    virtual void Activate(bool active);
    // Asked before the application closes the window without force.
    virtual bool AllowClose() { return true; }
    // Gives the keyboard focus to the focus item again, when this is the front window.
    virtual void RefocusItem();
    // The document calls it before it deletes a window.
    virtual void RefocusItemOnClose() { RefocusItem(); }
    // Shows the window and makes it the active one.
    virtual void Show();
    // Makes the item the focus item; unless quiet, the keyboard focus goes to it.
    virtual void SetFocusItem(std::int32_t index, bool quiet);
    virtual bool CanPrint() { return false; }
    virtual void Print() {}
    virtual bool CanPageSetup() { return true; }
    // Makes sure the application's print record has the printer's device context (making it when it
    // has none); its answer, and -1 when the application has no print record.
    virtual ErrCode PreparePrinter();
    virtual bool CanPrintPreview() { return false; }
    virtual void PrintPreview() {}
    virtual void BuildContents() {}
    // An item of a modal window ended it (dialogs).
    virtual void EndModal(std::int32_t /*itemIndex*/) {}
    // Queue a command object, or a bare command id, on the application's first queue.
    virtual void PostCommand(std::unique_ptr<TCommand> command);
    virtual void PostCommandId(std::int32_t id);
    // Moves the focus to the next item that takes it (the one before, backward), round the list.
    virtual void ChangeFocusItem(bool backward);
    // Replaces the items by those of the 'ITM#' segment of the id (none for 0): 0, the store's
    // error, or SetUpItems' answer. On failure the window is left without items.
    virtual ErrCode LoadItems(std::int16_t resourceId);
    virtual std::int16_t Paint();
    // Keeps a size change within the window's limits (WM_WINDOWPOSCHANGING).
    virtual std::int16_t ConstrainWindowPos(WindowPosRecord& record);
    // The window was restored (0), minimised (1) or maximised (2).
    virtual std::int16_t NotifyItems(std::int16_t code);
    // Offers the key to each stop of the key road in turn; true when one took it.
    virtual bool DispatchKey(KeyEvent& event);
    virtual bool PreviewKey(KeyEvent& /*event*/) { return false; }
    // Tab moves the focus among the items.
    virtual bool HandleKey(KeyEvent& event);
    // The next place of the cascade within the frame, clamped to the track sizes.
    virtual std::int16_t GetDefaultRect(ShortRect& rect);
    virtual void Draw(win::HDC /*dc*/) {}
    // The largest and smallest client size, as width and height.
    virtual ShortPoint GetMaxTrackSize();
    virtual ShortPoint GetMinTrackSize() { return ShortPoint{kMinTrackSize, kMinTrackSize}; }
    // Opens every item and chooses the focus item; 0 on success.
    virtual ErrCode SetUpItems();
    // The widths of the window's frame on each side, caption included.
    virtual std::int16_t GetFrameMetrics(std::int16_t& left, std::int16_t& top, std::int16_t& right,
                                         std::int16_t& bottom);

    // --- message handlers (TWindowWndProc calls them)

    // Every message without a handler of its own; true when handled (result holds the answer).
    virtual bool HandleMessage(win::HWND window, win::UINT message, win::WPARAM wParam, win::LPARAM lParam,
                               win::LRESULT& result);
    virtual win::LRESULT OnChar(win::HWND window, win::UINT message, win::WPARAM wParam, win::LPARAM lParam);
    virtual win::LRESULT OnClose(win::HWND window, win::UINT message, win::WPARAM wParam, win::LPARAM lParam);
    virtual win::LRESULT OnCreate(win::HWND window, win::UINT message, win::WPARAM wParam,
                                  win::LPARAM lParam);
    virtual win::LRESULT OnCtlColor(win::HWND window, win::UINT message, win::WPARAM wParam,
                                    win::LPARAM lParam);
    virtual win::LRESULT OnDestroy(win::HWND window, win::UINT message, win::WPARAM wParam,
                                   win::LPARAM lParam);
    virtual win::LRESULT OnEraseBkgnd(win::HWND window, win::UINT message, win::WPARAM wParam,
                                      win::LPARAM lParam);
    virtual win::LRESULT OnGetMinMaxInfo(win::HWND window, win::UINT message, win::WPARAM wParam,
                                         win::LPARAM lParam);
    virtual win::LRESULT OnInitMenu(win::HWND window, win::UINT message, win::WPARAM wParam,
                                    win::LPARAM lParam);
    virtual win::LRESULT OnKeyDown(win::HWND window, win::UINT message, win::WPARAM wParam,
                                   win::LPARAM lParam);
    virtual win::LRESULT OnMouseActivate(win::HWND window, win::UINT message, win::WPARAM wParam,
                                         win::LPARAM lParam);
    virtual win::LRESULT OnMouseMove(win::HWND window, win::UINT message, win::WPARAM wParam,
                                     win::LPARAM lParam);
    virtual win::LRESULT OnMDIActivate(win::HWND window, win::UINT message, win::WPARAM wParam,
                                       win::LPARAM lParam);
    virtual win::LRESULT OnPaint(win::HWND window, win::UINT message, win::WPARAM wParam, win::LPARAM lParam);
    virtual win::LRESULT OnSetCursor(win::HWND window, win::UINT message, win::WPARAM wParam,
                                     win::LPARAM lParam);
    virtual win::LRESULT OnSetFocus(win::HWND window, win::UINT message, win::WPARAM wParam,
                                    win::LPARAM lParam);
    virtual win::LRESULT OnSize(win::HWND window, win::UINT message, win::WPARAM wParam, win::LPARAM lParam);
    virtual win::LRESULT OnSysCommand(win::HWND window, win::UINT message, win::WPARAM wParam,
                                      win::LPARAM lParam);
    virtual win::LRESULT OnWindowPosChanged(win::HWND window, win::UINT message, win::WPARAM wParam,
                                            win::LPARAM lParam);
    virtual win::LRESULT OnWindowPosChanging(win::HWND window, win::UINT message, win::WPARAM wParam,
                                             win::LPARAM lParam);

    // Sends the message to its handler (TWindowWndProc's routing).
    win::LRESULT RouteMessage(win::HWND window, win::UINT message, win::WPARAM wParam, win::LPARAM lParam);

    // --- making and placing

    // Makes the MDI child at the rectangle, hidden until Show: 0, or -1 when no window resulted.
    ErrCode Create(const ShortRect& rect);
    // What ends every handler that passes a message on: the palette's default handling, a dialog's
    // "not handled" (0), or the MDI child's default handling.
    win::LRESULT DefaultProc(win::HWND window, win::UINT message, win::WPARAM wParam, win::LPARAM lParam);
    // The window procedure stores the object's window.
    void AttachWindow(win::HWND window) { window_ = window; }

    // The frame rectangle in the MDI client's coordinates.
    ShortRect GetFrameRect() const;
    ShortRect GetClientRect() const;
    // The client rectangle, in the MDI client's coordinates for MDI children and palettes.
    ShortRect GetClientRectInFrame() const;
    // Where the window is when neither minimised nor maximised.
    ShortRect GetRestoredRect() const;
    // The client rectangle, at least the minimum track size less the frame.
    void GetContentRect(ShortRect& rect);
    ShortRect ClientToMDIClient(const ShortRect& rect) const;
    ShortRect MDIClientToClient(const ShortRect& rect) const;
    // Moves and sizes the frame (MDI-client coordinates); dialogs and palettes stay on the desktop.
    void MoveTo(const ShortRect& rect);
    void SetFrameSize(int width, int height);
    void SetClientSize(int width, int height);
    // Brings back a rectangle lying wholly beyond an edge of the frame's client area to touch it.
    void KeepRectInFrame(ShortRect& rect);
    // GetFrameMetrics' four widths.
    struct FrameMargins {
        std::int16_t left = 0;
        std::int16_t top = 0;
        std::int16_t right = 0;
        std::int16_t bottom = 0;
    };
    FrameMargins GetFrameMargins();
    void FrameToClientRect(ShortRect& rect);
    void ClientToFrameRect(ShortRect& rect);
    void Hide();
    void Invalidate();
    void Update();
    // The keyboard focus to the window again (and so to its focus item).
    void RestoreFocus();

    // --- items

    WindowItem* GetItem(std::int32_t index) const;
    WindowItemList* GetItemList() const { return items_; }
    std::int32_t GetFocusItem() const { return focusItem_; }
    // Queues the item's hit, which reaches EndModal through the command queue.
    void PostItemHit(std::int32_t itemIndex);
    // The items keep what their windows hold (once per load, when the window asks for it).
    void StoreItems();
    void SetStoreItems(bool store) { storeItems_ = store; }
    // The edit commands, carried out by the focus item.
    void DoUndo();
    void DoCut();
    void DoCopy();
    void DoPaste();
    void DoClear();
    void DoSelectAll();

    // --- cursors

    void AddCursorRect(const ShortRect& rect, std::int32_t cursorId);
    void AddCursorRegion(const Rgn& region, std::int32_t cursorId);
    void AddCursorRegionHandle(win::HRGN region, std::int32_t cursorId);
    void SubtractCursorRect(const ShortRect& rect, std::int32_t cursorId);
    // The region of the cursor id, locked until ReleaseCursorRegion; null when it has none.
    Rgn* GetCursorRegion(std::int32_t cursorId);
    void ReleaseCursorRegion();
    // The place of the cursor id among the regions; -1 when it has none (or there are none).
    std::int32_t FindCursorRegion(std::int32_t cursorId) const;
    void DeleteCursorRegions();
    void SetDefaultCursor(std::int32_t cursorId) { defaultCursor_ = cursorId; }
    std::int32_t GetDefaultCursor() const { return defaultCursor_; }
    std::int32_t GetCurrentCursor() const { return currentCursor_; }
    // Shows the cursor of the mouse's place; 1 when a region's cursor was shown.
    std::int16_t UpdateCursor();

    // --- the rest

    TAppl* GetApplication() const { return application_; }
    TDoc* GetDocument() const { return document_; }
    std::int32_t GetMode() const { return mode_; }
    std::uint16_t GetKind() const { return kind_; }
    const std::string& GetTitle() const { return title_; }
    bool IsMDIChild() const { return mode_ != kPaletteMode && mode_ != kDialogMode; }
    bool IsPaletteMode() const { return mode_ == kPaletteMode; }
    bool IsFrontWindow() const;
    win::HDC GetHDC() const { return graphEnv_.GetHDC(); }
    WinGraphEnv& GetGraphEnv() { return graphEnv_; }
    void GetUpdateRegion(Rgn& region) const { graphEnv_.GetUpdateRegion(region); }
    // A new bitmap of the client area's picture; the caller owns it.
    QRVBitmap* CaptureClientBitmap();
    // While the window holds the mouse capture, whether the next mouse message is not the button's
    // release; false without the capture.
    void IsMouseStillDown(bool& down);
    // The visibility the window had when all palettes were hidden.
    bool WasVisible() const { return wasVisible_; }
    void SetWasVisible(bool visible) { wasVisible_ = visible; }
    bool HasActivationClick() const { return activationClick_; }

protected:
    // Lets go of the items: a list checked out of the data file is checked in (its items keep
    // their state first when the window asks for it), any other is deleted. No focus item remains.
    void FreeItems();
    // Takes an item list made in code; the window owns it.
    void SetItemList(WindowItemList* items);
    void SetKind(std::uint16_t kind) { kind_ = kind; }
    // The focus item's index, without moving the keyboard focus.
    void SetFocusIndex(std::int32_t index) { focusItem_ = index; }
    void SetCurrentCursor(std::int32_t cursorId) { currentCursor_ = cursorId; }
    // The background the drawing environment starts from: the list's colour, else white.
    void SetUpBackground();

private:
    friend class WindowRef;

    CursorRegion& CursorRegions();

    std::shared_ptr<TWindow*> life_ = std::make_shared<TWindow*>(this);  // null once the window is gone
    TAppl* application_;
    TDoc* document_;
    win::HWND window_ = nullptr;
    WinGraphEnv graphEnv_;
    WindowItemList* items_ = nullptr;
    bool itemsCheckedOut_ = false;  // the list is a segment of the data file, not the window's own
    std::int32_t focusItem_ = -1;
    std::string title_;
    std::int32_t mode_;
    std::uint16_t kind_;
    std::unique_ptr<CursorRegion> cursorRegions_;
    std::int32_t defaultCursor_ = 0;
    std::int32_t currentCursor_ = -1;
    bool storeItems_ = false;
    bool itemsStored_ = false;
    bool wasVisible_ = false;
    bool activationClick_ = false;
};

// The window procedure of MDI children.
win::LRESULT TWindowWndProc(win::HWND window, win::UINT message, win::WPARAM wParam, win::LPARAM lParam);

// An edit control's notification (WM_COMMAND from an "EDIT" window) is sent back to the control,
// whose item handles its own notifications; true when it was.
bool ReflectEditNotification(win::WPARAM wParam, win::LPARAM lParam);
// The application palette realised in the window (in the background or the foreground), and the
// window invalidated (always, or only when entries changed); answers how many entries changed.
win::LRESULT RealizePaletteIn(win::HWND window, bool background, bool invalidateAlways);

// A reference to a window that turns null when the window is deleted: what queued commands hold.
class WindowRef {
public:
    WindowRef() = default;
    explicit WindowRef(const TWindow* window) : life_(window ? window->life_ : nullptr) {}
    TWindow* Get() const { return life_ ? *life_ : nullptr; }

private:
    std::shared_ptr<TWindow*> life_;
};

// A window listed in the frame's Window menu.
class TWMWindow : public TWindow {
    TOBJECT_CLASS(TWMWindow, TWindow, 140)

public:
    using TWindow::TWindow;

    // Copies the whole title into the buffer of the window's Window-menu entry.
    virtual void AppendToWindowMenu(std::string& entry) const { entry = GetTitle(); }
};

// The base of the application's tool windows, which the application keeps in a list.
class TAppWindow : public TWMWindow {
    TOBJECT_CLASS(TAppWindow, TWMWindow, 134)

public:
    TAppWindow(TAppl* application, const ShortRect* rect, std::int32_t mode, std::uint16_t kind,
               const char* title);
    TAppWindow(TAppl* application, std::int32_t mode, std::uint16_t kind, const char* title);
    ~TAppWindow() override;
};

// Closes a window later, from the command queue.
class CmdAppCloseWindow : public TCommand {
public:
    CmdAppCloseWindow(TAppl* application, TWindow* window, bool force)
        : TCommand(application), window_(window), force_(force) {}
    // Closes the window unless it has gone meanwhile.
    ErrCode Do() override;

private:
    WindowRef window_;
    bool force_;
};

// Reports an item's hit to its window later, from the command queue.
class CmdAppWindowItemHit : public TCommand {
public:
    CmdAppWindowItemHit(TAppl* application, TWindow* window, std::int32_t itemIndex)
        : TCommand(application), window_(window), itemIndex_(itemIndex) {}
    // EndModal with the index, unless the window has gone meanwhile.
    ErrCode Do() override;

private:
    WindowRef window_;
    std::int32_t itemIndex_;
};
