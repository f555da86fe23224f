#pragma once
// The base of the query window: a story window (listed in the Window menu) of kind 0x100 that shows
// question pages, one at a time, by list row and topic.

#include <cstdint>

#include "framework/TWindow.h"

class TFablecoreQuestionWindow : public TWMWindow {
public:
    static constexpr std::uint16_t kQuestionWindowKind = 0x100;

    // The window object only; the subclass makes its window.
    TFablecoreQuestionWindow(TAppl* application, TDoc* document, std::int32_t mode, const char* title)
        : TWMWindow(application, document, mode, kQuestionWindowKind, title) {}

    // Shows the page of the row and topic; the two further values are the caller's own.
    virtual void ShowPage(std::int32_t row, std::int16_t topic, std::int16_t first, std::int16_t second) = 0;
    // Stores what the page shown holds and shows it again.
    virtual void RefreshPage() = 0;
};
