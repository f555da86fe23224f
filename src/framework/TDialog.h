#pragma once
// The dialog base: a window made from one shared, empty dialog template, whose contents are the
// items of the 'ITM#' segment numbered by its resource id (or items made in code). It sizes itself
// to its items, centres itself, finds its default and cancel buttons, and takes item hits through
// the application's first command queue: Return and keypad Enter press the default button, Escape
// the cancel button. DoModal runs it modally and deletes it; CreateModeless opens it and leaves it
// to its owner, who deletes it.

#include <cstdint>

#include "framework/TWindow.h"

// Posted to a dialog after a command is queued, so that a message follows every queued command.
inline constexpr const char* kNullMessageName = "QRV_win_Null_Message";

class TDialog : public TWindow {
    TOBJECT_CLASS(TDialog, TWindow, 103)

public:
    // A dialog of the items of the resource id (none for 0), with its default and cancel items (-1:
    // chosen when the items are set up).
    TDialog(std::int16_t resourceId, std::int32_t defaultItem, std::int32_t cancelItem);
    TDialog(std::int32_t mode, std::uint16_t kind);
    // A dialog deleted while its window is open (a modeless one) destroys the window first.
    ~TDialog() override;

    // An item was hit: the dialog ends with its index when IsAccepted agrees.
    void EndModal(std::int32_t itemIndex) override;
    void PostCommand(std::unique_ptr<TCommand> command) override;
    void PostCommandId(std::int32_t id) override;
    // For 0, an empty item list of the dialog's own, set up.
    ErrCode LoadItems(std::int16_t resourceId) override;
    // Escape presses the cancel button.
    bool PreviewKey(KeyEvent& event) override;
    // Return and keypad Enter press the default button.
    bool HandleKey(KeyEvent& event) override;
    // Caption, size and place from the items; the default, cancel and focus items.
    ErrCode SetUpItems() override;

    // Runs before the dialog ends: subclasses read their items' values here.
    virtual void BeforeEnd() {}
    // Whether the result item may end the dialog: the default item, or the cancel item while it is
    // enabled.
    virtual bool IsAccepted();
    // Every message the dialog procedure routes nowhere else.
    using TWindow::HandleMessage;
    virtual win::LRESULT HandleMessage(win::HWND window, win::UINT message, win::WPARAM wParam,
                                       win::LPARAM lParam);
    virtual win::LRESULT OnCommand(win::HWND window, win::UINT message, win::WPARAM wParam,
                                   win::LPARAM lParam);
    virtual win::LRESULT OnInitDialog(win::HWND window, win::UINT message, win::WPARAM wParam,
                                      win::LPARAM lParam);

    // The dialog procedure's handlers of the window's messages.
    win::LRESULT OnChar(win::HWND window, win::UINT message, win::WPARAM wParam, win::LPARAM lParam) override;
    win::LRESULT OnDestroy(win::HWND window, win::UINT message, win::WPARAM wParam,
                           win::LPARAM lParam) override;
    win::LRESULT OnEraseBkgnd(win::HWND window, win::UINT message, win::WPARAM wParam,
                              win::LPARAM lParam) override;
    win::LRESULT OnKeyDown(win::HWND window, win::UINT message, win::WPARAM wParam,
                           win::LPARAM lParam) override;
    win::LRESULT OnMouseMove(win::HWND window, win::UINT message, win::WPARAM wParam,
                             win::LPARAM lParam) override;
    win::LRESULT OnPaint(win::HWND window, win::UINT message, win::WPARAM wParam,
                         win::LPARAM lParam) override;
    win::LRESULT OnSetCursor(win::HWND window, win::UINT message, win::WPARAM wParam,
                             win::LPARAM lParam) override;
    win::LRESULT OnSetFocus(win::HWND window, win::UINT message, win::WPARAM wParam,
                            win::LPARAM lParam) override;

    // Runs the dialog and deletes it, in every case; answers the index of the item that ended it,
    // or -1 when the dialog could not be made.
    std::int32_t DoModal();
    // Opens the dialog, owned by the frame: 0, or -1 when it could not be made.
    ErrCode CreateModeless();
    void EnableItem(std::int32_t index, bool enable);
    // Centres the dialog across the rectangle (screen coordinates; the desktop when null), a third
    // of the free height above it, and keeps it on the desktop.
    void CenterOnScreen(const ShortRect* rect);

    // Sends the message to its handler (the dialog procedure's routing).
    win::LRESULT RouteDialogMessage(win::HWND window, win::UINT message, win::WPARAM wParam,
                                    win::LPARAM lParam);

    std::int32_t GetResultItem() const { return resultItem_; }
    std::int32_t GetDefaultItem() const { return defaultItem_; }
    std::int32_t GetCancelItem() const { return cancelItem_; }
    std::int16_t GetResourceId() const { return resourceId_; }
    bool IsSetUp() const { return (setUpFlags_ & kSetUp) != 0; }
    const ShortRect& GetPlacement() const { return placement_; }
    void SetPlacement(const ShortRect& placement) { placement_ = placement; }

    // The message being handled: its time, and for non-client mouse messages its point.
    win::UINT GetCurrentMessage() const { return message_; }
    win::LONG GetCurrentMessageTime() const { return messageTime_; }
    ShortPoint GetCurrentMousePoint() const { return mousePoint_; }

protected:
    void SetDefaultItem(std::int32_t index) { defaultItem_ = index; }
    void SetCancelItem(std::int32_t index) { cancelItem_ = index; }

private:
    friend win::LONG_PTR DialogProc(win::HWND dialog, win::UINT message, win::WPARAM wParam,
                                    win::LPARAM lParam);

    static constexpr std::uint16_t kSetUp = 1;

    void NoteMessage(win::HWND window, win::UINT message, win::WPARAM wParam, win::LPARAM lParam);
    // The object lets go of its window and destroys it.
    void DestroyOwnWindow();
    // A push button of the dialog that is there to be pressed (enabled, made and shown).
    bool IsPressable(std::int32_t index) const;
    void Press(std::int32_t index);

    win::HWND messageWindow_ = nullptr;
    win::UINT message_ = 0;
    win::WPARAM wParam_ = 0;
    win::LPARAM lParam_ = 0;
    win::LONG messageTime_ = 0;
    ShortPoint mousePoint_;
    std::int32_t resultItem_ = -1;
    std::int32_t defaultItem_ = -1;
    std::int32_t cancelItem_ = -1;
    std::int16_t resourceId_ = 0;
    std::uint16_t setUpFlags_ = 0;
    bool itemsMissing_ = false;
    ShortRect placement_;
};

// The dialog procedure of every dialog: finds the dialog object (given with WM_INITDIALOG, then
// through the application environment's dialog lists), routes the message, and runs the commands
// queued on the application's first queue meanwhile, so that item hits take effect while a modal
// dialog runs.
win::LONG_PTR DialogProc(win::HWND dialog, win::UINT message, win::WPARAM wParam, win::LPARAM lParam);
