#pragma once
// The thin caption a floating palette draws itself, along its top or its left edge: its geometry
// (the strip, the close box at its start, the minimise and maximise boxes at its end, the title
// area between), hit testing, painting, pressing a box, and the close box's menu. Rectangles are in
// the coordinates of the window rectangle (0, 0 at its top-left corner).

#include <cstdint>

#include "platform/gdi/GdiTypes.h"
#include "platform/sys/WinTypes.h"

// Style bits of a palette window: its own caption along the top edge, or along the left edge.
inline constexpr win::DWORD kPaletteCaptionTop = 0x4000;
inline constexpr win::DWORD kPaletteCaptionLeft = 0x8000;
// The bit of a dialog frame look, which the caption strip also keeps clear of.
inline constexpr win::DWORD kPaletteDialogFrame = 0x0080;

// Window properties of a palette window: the caption's thickness in pixels, and 1 while the click
// that closed the close box's menu is still on its way to the palette.
inline constexpr const char* kFloatSizeProperty = "FloatSize";
inline constexpr const char* kFloatFlagProperty = "FloatFlag";

bool HasOwnCaption(win::DWORD style);
// Half a caption and three pixels: the thickness a palette's caption takes when it is made.
int DefaultPaletteCaptionThickness();
// The window's caption thickness ("FloatSize"), or the default one while it has none.
int PaletteCaptionThickness(win::HWND window);
// The width and height of the frame the style gives a palette.
win::SIZE PaletteFrameSize(win::DWORD style);

struct PaletteCaptionLayout {
    bool alongLeft = false;
    int thickness = 0;
    win::RECT strip{};  // empty without an own caption
    win::RECT closeBox{};
    win::RECT minimizeBox{};
    win::RECT maximizeBox{};
    win::RECT title{};
};
PaletteCaptionLayout LayoutPaletteCaption(win::HWND window);

// The caption's part at a screen point: HTSYSMENU (the close box), HTMINBUTTON, HTMAXBUTTON,
// HTCAPTION elsewhere in the strip, HTNOWHERE outside it.
int PaletteCaptionHitTest(win::HWND window, win::POINT screenPoint);

// The title's font for a caption of that thickness: "Arial" two pixels less high, bold from 20
// pixels on, turned upright for a caption along the left edge.
win::LOGFONTA PaletteCaptionFont(int thickness, bool alongLeft);

// Draws the whole caption in the active or inactive look; nothing without an own caption.
void DrawPaletteCaption(win::HWND window, bool active);
// Draws one box (HTSYSMENU, HTMINBUTTON or HTMAXBUTTON) pressed or released.
void DrawPaletteBox(win::HWND window, int hit, bool pressed);
// Shows the minimise or maximise box pressed while the mouse is in it, until the button goes up;
// answers whether it went up inside the box.
bool TrackPaletteBox(win::HWND window, int hit);
// With a close box: shows it pressed, sets the window's system menu entries as its state and style
// allow, shows the menu at the box's corner and then the box released. A command picked from it
// arrives as WM_COMMAND. Answers whether the menu was shown.
bool OpenCloseBoxMenu(win::HWND window);
