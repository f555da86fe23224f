#pragma once
// Internal to the window layer: the geometry of non-client areas (borders, caption and its buttons,
// menu bar, scroll bars) and default hit testing. Everything is derived from the system metrics, so
// what is drawn, what is hit and what the metrics say agree.

#include "platform/ui/WindowTree.h"

namespace win::detail {

struct FrameEdges {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// Thickness of the outer frame for a style: sizing frame, dialog frame, thin border or none.
int FrameThickness(DWORD style, DWORD exStyle);
bool HasCaption(DWORD style);
FrameEdges NonClientEdges(DWORD style, DWORD exStyle, bool hasMenuBar);
FrameEdges NonClientEdges(const Window& window);
bool HasMenuBar(const Window& window);
bool IsPresentedFrame(const Window& window);

// Client rectangle for a window rectangle (both in the same coordinates).
RECT ClientFromWindowRect(const Window& window, const RECT& windowRect);

// Parts of the caption, relative to the window rectangle's top-left corner; empty when absent.
struct CaptionLayout {
    RECT bar{};  // the whole caption strip, without the line below it
    RECT systemMenu{};
    RECT minimizeButton{};
    RECT maximizeButton{};
    RECT closeButton{};
};
CaptionLayout LayoutCaption(const Window& window);
RECT MenuBarRect(const Window& window);  // relative to the window rectangle

int DefaultHitTest(const Window& window, POINT screenPoint);

}  // namespace win::detail
