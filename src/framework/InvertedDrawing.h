#pragma once
// Drawing on a window's own device context that inverts what lies below, through the grey pattern
// with a one-pixel pen: a shape drawn twice is gone again. The rubber-band drag and the zooming
// rectangles draw their outlines with it.

#include "framework/graphics/SimpleGraphEnv.h"
#include "platform/sys/WinTypes.h"

class InvertedDrawing {
public:
    explicit InvertedDrawing(win::HWND window);
    ~InvertedDrawing();
    InvertedDrawing(const InvertedDrawing&) = delete;
    InvertedDrawing& operator=(const InvertedDrawing&) = delete;

    TGraphEnv& Env() { return env_; }

private:
    win::HWND window_;
    win::HDC dc_;
    SimpleGraphEnv env_;
};
