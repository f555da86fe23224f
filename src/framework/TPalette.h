#pragma once
// A floating palette: a top-level tool window owned by the frame window, so that it stays above
// the MDI area, with a thin caption of its own making (PaletteCaption.h). It never takes the
// activation from the frame: a click brings it to the top without activating it, and Return in it
// sends the keyboard focus back to the frame window. The application keeps every palette in its
// palette list, so that they are hidden, shown, deactivated and activated together.

#include <cstdint>

#include "framework/TWindow.h"

class TPalette : public TWindow {
    TOBJECT_CLASS(TPalette, TWindow, 110)

public:
    // Makes the palette at the rectangle (in the frame window's client coordinates) with a caption
    // along its top; with fillsFrame, over the whole client area of the frame, with neither caption
    // nor border. Joins the application's palette list.
    TPalette(TAppl* application, const ShortRect& rect, const char* title, bool fillsFrame);
    // Leaves the palette list; the window goes with the object.
    ~TPalette() override;

    // Palettes have no document to take a title from.
    void UpdateTitle() override {}
    // Enables or disables the palette and its items, and draws its caption in that look.
    void Activate(bool active) override;
    // Return and keypad Enter give the keyboard focus back to the frame window.
    bool HandleKey(KeyEvent& event) override;
    // The top takes in the own caption; a palette without a border has no frame.
    std::int16_t GetFrameMetrics(std::int16_t& left, std::int16_t& top, std::int16_t& right,
                                 std::int16_t& bottom) override;

    // Makes the window: 0, or -1 when the class cannot be registered or no window results.
    ErrCode Create(const ShortRect& rect);

    bool IsActive() const { return active_ != 0; }
    bool FillsFrame() const { return fillsFrame_ != 0; }

    // Sends the message to its handler (PaletteWndProc's routing).
    win::LRESULT RoutePaletteMessage(win::HWND window, win::UINT message, win::WPARAM wParam,
                                     win::LPARAM lParam);

private:
    friend win::LRESULT PaletteWndProc(win::HWND window, win::UINT message, win::WPARAM wParam,
                                       win::LPARAM lParam);

    // Messages that arrive before WM_CREATE go to the palette being made.
    static TPalette* creating_;

    win::LRESULT OnNcCreate(win::HWND window, win::UINT message, win::WPARAM wParam, win::LPARAM lParam);
    win::LRESULT OnNcCalcSize(win::HWND window, win::UINT message, win::WPARAM wParam, win::LPARAM lParam);
    win::LRESULT OnNcHitTest(win::HWND window, win::UINT message, win::WPARAM wParam, win::LPARAM lParam);
    win::LRESULT OnNcLButtonDown(win::HWND window, win::UINT message, win::WPARAM wParam, win::LPARAM lParam);
    win::LRESULT OnPaletteMinMaxInfo(win::HWND window, win::UINT message, win::WPARAM wParam,
                                     win::LPARAM lParam);
    win::LRESULT OnPaletteSetCursor(win::HWND window, win::UINT message, win::WPARAM wParam,
                                    win::LPARAM lParam);
    win::LRESULT OnPaletteSysCommand(win::HWND window, win::UINT message, win::WPARAM wParam,
                                     win::LPARAM lParam);
    // Keys pass to the default handling as if the palette had no system menu; Alt+Space opens the
    // close box's menu.
    win::LRESULT OnKey(win::HWND window, win::UINT message, win::WPARAM wParam, win::LPARAM lParam);
    // Opens the close box's menu; the press that closes it on the close box is handled as the
    // palette's next click there (a double click closes the palette).
    void RunCloseBoxMenu(win::HWND window);
    // The window to give the focus back to after a move or a size: the focused one when it is the
    // palette's or the frame's (the frame then keeps its caption active), else the frame window.
    win::HWND FocusToKeep(win::HWND window) const;
    win::LRESULT Default(win::HWND window, win::UINT message, win::WPARAM wParam, win::LPARAM lParam);

    std::int16_t active_ = 1;
    std::int16_t fillsFrame_ = 0;
};

// The window procedure of every palette.
win::LRESULT PaletteWndProc(win::HWND window, win::UINT message, win::WPARAM wParam, win::LPARAM lParam);
