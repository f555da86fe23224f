#pragma once
// What a view hands the code that draws its document: the device context it draws on, the region
// to draw (the view's content area within the update region, in the window's coordinates) and the
// document point that the view's point (0, 0) shows.

#include "framework/graphics/ShortRect.h"
#include "platform/sys/WinTypes.h"

class Rgn;

struct ViewDrawContext {
    win::HDC dc = nullptr;
    const Rgn* region = nullptr;
    LongPoint origin;
};
