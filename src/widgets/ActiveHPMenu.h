#pragma once
// A hierarchical popup menu while it is open: a cascade of menu windows, one per level, over the
// tree its client supplies, run in a message loop of its own until the user picks, presses outside,
// or presses Escape or Tab; then the changes are reported to the client in one call. One active menu
// exists at a time, and automatic saving waits while it does.
//
// The mouse is held by the first window: rows light up under the pointer, a row that keeps the
// pointer for a tick of the 200-millisecond timer opens its submenu (or closes the levels above its
// own), a release on a row picks it. The release of the press that opened the menu is passed over.
// Keys: Left and Right leave and enter levels, Up and Down move among the rows that can be chosen,
// Return and Space pick, Tab ends, Escape ends without reporting anything.

#include <array>
#include <cstdint>
#include <memory>

#include "framework/AutoSaveManager.h"
#include "framework/graphics/ShortRect.h"
#include "platform/sys/WinTypes.h"
#include "widgets/HMPClient.h"
#include "widgets/HPMenuWindow.h"

class KeyEvent;

class TActiveHPMenu {
public:
    static constexpr std::int16_t kMaxLevels = 10;

    // The anchor is the pressed item's bounds on the screen; the owner, the window it lives in.
    TActiveHPMenu(IHMPClient* client, const ShortRect& anchor, win::HWND owner);
    virtual ~TActiveHPMenu();
    TActiveHPMenu(const TActiveHPMenu&) = delete;
    TActiveHPMenu& operator=(const TActiveHPMenu&) = delete;

    // Reports the changes to the client (nothing after Escape).
    virtual void Commit() = 0;
    // The level of the row's children, opened beside the row.
    virtual TActiveHPMenuWindow* OpenSubmenu(TActiveHPMenuWindow* parent, std::int16_t row,
                                             TActiveHPMenuWindow* below);
    // Whether a Shift-pick keeps the menu open.
    virtual bool KeepsOpen() const = 0;
    virtual TActiveHPMenuWindow* OpenTopLevel(win::HWND owner, TActiveHPMenuWindow* below = nullptr);

    // The loop: the window class registered, the top level opened, messages taken until the menu is
    // done, every window deleted.
    void Run();
    win::LRESULT WindowProc(win::HWND window, win::UINT message, win::WPARAM wParam, win::LPARAM lParam);
    // The menu being run, null when none is.
    static TActiveHPMenu* Current();

    // --- State
    std::int16_t GetDepth() const { return depth_; }
    TActiveHPMenuWindow* WindowAt(std::int16_t level) const;
    bool IsDone() const { return done_ != 0; }
    bool IsCancelled() const { return cancelled_ != 0; }
    bool InKeyboardMode() const { return keyboardMode_ != 0; }
    IHMPClient* GetClient() const { return client_; }

protected:
    // A window object for a level above the given one.
    virtual TActiveHPMenuWindow* MakeWindow(TActiveHPMenuWindow* parent) = 0;

private:
    struct Hit {
        TActiveHPMenuWindow* window = nullptr;
        std::int16_t row = -1;
    };

    Hit HitTest(win::POINT screen) const;
    std::int16_t LevelOf(const TActiveHPMenuWindow* window) const;
    TActiveHPMenuWindow* FindWindow(win::HWND window) const;
    TActiveHPMenuWindow* Top() const {
        return depth_ >= 0 ? stack_[static_cast<std::size_t>(depth_)] : nullptr;
    }
    // The window keys act on: the top one, or the one below a preview on top.
    TActiveHPMenuWindow* KeyWindow() const;
    void HighlightPath(TActiveHPMenuWindow* window, std::int16_t row);
    // Deletes the windows above the level, each lower one forgetting its open row.
    void CloseAbove(std::int16_t level);
    // Opens the row's submenu unless it is open already; whether the level on top is it.
    bool OpenRowSubmenu(TActiveHPMenuWindow* window, std::int16_t row);
    void Pick(TActiveHPMenuWindow* window, std::int16_t row, bool shift);
    void MouseMoved(const Hit& hit);
    void OnMouse(win::HWND window, win::UINT message, win::LPARAM lParam);
    void OnTimer();
    void HandleKey(const KeyEvent& event);
    void StepHighlight(TActiveHPMenuWindow* window, std::int16_t step);

    IHMPClient* client_;
    std::array<TActiveHPMenuWindow*, kMaxLevels> stack_{};
    std::int16_t depth_ = -1;
    TActiveHPMenuWindow* hotWindow_ = nullptr;
    std::int16_t hotRow_ = -1;
    std::uint64_t hotTime_ = 0;
    std::int16_t done_ = 0;
    std::int16_t cancelled_ = 0;
    std::int16_t keyboardMode_ = 0;
    std::int16_t firstReleaseSeen_ = 0;
    // Where the pointer was when the menu opened, and whether the button went down in it since: the
    // release of the press that opened the menu may land on the top level, which opens over its
    // button.
    Hit openingHit_;
    bool pressedSinceOpening_ = false;
    ShortRect anchor_;
    win::HWND owner_;
    AutoSaveInhibitor inhibitor_;
};

// A multi-check menu: every pick toggles a tick; the changed handles go to the client as the lists
// of those turned on and those turned off.
class ActiveHMPMenu : public TActiveHPMenu {
public:
    using TActiveHPMenu::TActiveHPMenu;
    void Commit() override;
    bool KeepsOpen() const override { return true; }
    const HMPItemList& TurnedOn() const { return turnedOn_; }
    const HMPItemList& TurnedOff() const { return turnedOff_; }

protected:
    TActiveHPMenuWindow* MakeWindow(TActiveHPMenuWindow* parent) override;

private:
    HMPItemList turnedOn_;
    HMPItemList turnedOff_;
};

// A single-pick menu: a pick becomes the current handle, which the client hears of when it changed.
class ActiveHSPMenu : public TActiveHPMenu {
public:
    ActiveHSPMenu(IHMPClient* client, const ShortRect& anchor, win::HWND owner, std::int32_t* current)
        : TActiveHPMenu(client, anchor, owner), current_(current), original_(*current) {}
    void Commit() override;
    bool KeepsOpen() const override { return false; }

protected:
    TActiveHPMenuWindow* MakeWindow(TActiveHPMenuWindow* parent) override;

private:
    std::int32_t* current_;
    std::int32_t original_;
};
