#pragma once
// What the file, font and colour choosers share: the modal phase every chooser runs in, and the
// hooks that place a chooser on the screen when it opens and check the name a save chooser is
// about to end with.

#include "platform/sys/WinTypes.h"

namespace win {
struct OPENFILENAMEA;
}

// A modal phase (WindowUtilities.h) for the life of the scope.
class ChooserModalPhase {
public:
    ChooserModalPhase();
    ~ChooserModalPhase();
    ChooserModalPhase(const ChooserModalPhase&) = delete;
    ChooserModalPhase& operator=(const ChooserModalPhase&) = delete;
};

// Moves the window (keeping its size, Z order and activation) so that it is centred across the
// screen and a third of the free height lies above it; nothing while the frame window is
// minimised.
void CenterChooser(win::HWND window);

// Hooks for the font and colour choosers: the window is the chooser itself.
win::UINT_PTR CenterChooserHook(win::HWND window, win::UINT message, win::WPARAM wParam, win::LPARAM lParam);
// Hooks for the file choosers: the window is an empty child of the chooser. The first only centres
// it; the second also checks the extension of the name chosen (CheckDefaultExtension).
win::UINT_PTR CenterFileChooserHook(win::HWND window, win::UINT message, win::WPARAM wParam,
                                    win::LPARAM lParam);
win::UINT_PTR SaveFileChooserHook(win::HWND window, win::UINT message, win::WPARAM wParam,
                                  win::LPARAM lParam);

// With a default extension that holds no '*' or '?': a name without extension is refused; a name
// that ends in a bare dot gets the default extension when the record's buffer has room; a name
// whose extension is another (compared without regard to case) is refused. A refusal shows "Bad
// Filename Extension!", owned by the chooser. True when the name may be taken.
bool CheckDefaultExtension(win::HWND chooser, win::OPENFILENAMEA& record);
