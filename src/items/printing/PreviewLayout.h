#pragma once
// Where the print preview dialog puts its items. The page view keeps the paper's proportions and is
// as large as the desktop allows, never above the printed size; the dialog is the view with its
// margins: the button column at the left of a portrait page, the button row above a landscape one,
// and room for the page-number scroller at the right when pages are counted.

#include <array>
#include <cstdint>

#include "framework/graphics/ShortRect.h"

struct PreviewLayoutInput {
    ShortPoint paper;       // the paper's width and height in points
    ShortPoint workArea;    // the desktop's work area
    ShortPoint frameExtra;  // how much wider and higher the dialog's frame is than its client area
    std::int16_t scrollBarWidth = 16;
    bool counting = false;  // a scroller is shown
};

struct PreviewLayout {
    bool landscape = false;  // the paper is not taller than wide
    std::int16_t zoom = 0;   // percent of the printed size at which the page is shown
    ShortPoint client;       // the dialog's client area
    ShortRect view;          // the page view, its one-pixel frame included
    // Prev Page, Next Page, Print Page, Close.
    std::array<ShortRect, 4> buttons;
    ShortRect zoomText;
    ShortRect pageText;
    ShortRect scroller;  // empty when not counting
};

PreviewLayout LayOutPreview(const PreviewLayoutInput& input);
