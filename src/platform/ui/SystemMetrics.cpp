#include "platform/ui/SystemMetrics.h"

#include <array>

#include "platform/ui/Presenter.h"

namespace win {
namespace {

// Sizes of the layer's own non-client drawing. Frames: a sizing border is 4 pixels, a dialog frame
// 3, a thin border 1; a caption is 20 pixels including the line under it; caption buttons are
// 17-pixel squares inside it.
constexpr int kBorder = 1;
constexpr int kDialogFrame = 3;
constexpr int kSizingFrame = 4;
constexpr int kCaption = 20;
constexpr int kCaptionButton = 17;
constexpr int kScrollBar = 16;
constexpr int kMenuBar = 20;

}  // namespace

int GetSystemMetrics(int index) {
    const SIZE screen = GetScreenSize();
    switch (index) {
        case SM_CXSCREEN:
        case SM_CXFULLSCREEN: return screen.cx;
        case SM_CYSCREEN: return screen.cy;
        case SM_CYFULLSCREEN: return screen.cy - kCaption;
        case SM_CXVSCROLL:
        case SM_CYHSCROLL:
        case SM_CYVSCROLL:
        case SM_CXHSCROLL:
        case SM_CYVTHUMB:
        case SM_CXHTHUMB: return kScrollBar;
        case SM_CYCAPTION: return kCaption;
        case SM_CXBORDER:
        case SM_CYBORDER: return kBorder;
        case SM_CXDLGFRAME:
        case SM_CYDLGFRAME: return kDialogFrame;
        case SM_CXFRAME:
        case SM_CYFRAME: return kSizingFrame;
        case SM_CXICON:
        case SM_CYICON:
        case SM_CXCURSOR:
        case SM_CYCURSOR: return 32;
        case SM_CYMENU: return kMenuBar;
        case SM_SWAPBUTTON: return 0;
        case SM_CXSIZE:
        case SM_CYSIZE: return kCaptionButton;
        case SM_CXMIN:
        case SM_CXMINTRACK: return 3 * kCaptionButton + 2 * kSizingFrame + 40;
        case SM_CYMIN:
        case SM_CYMINTRACK: return kCaption + 2 * kSizingFrame;
        case SM_CXDOUBLECLK:
        case SM_CYDOUBLECLK:
        case SM_CXDRAG:
        case SM_CYDRAG: return 4;
        case SM_CMOUSEBUTTONS: return 3;
        case SM_CXEDGE:
        case SM_CYEDGE: return 2;
        case SM_CXMINIMIZED: return 160;
        case SM_CYMINIMIZED: return kCaption + 2 * kDialogFrame;
        case SM_CXMAXTRACK:
        case SM_CXMAXIMIZED: return screen.cx + 2 * kSizingFrame;
        case SM_CYMAXTRACK:
        case SM_CYMAXIMIZED: return screen.cy + 2 * kSizingFrame;
        default: return 0;
    }
}

}  // namespace win
