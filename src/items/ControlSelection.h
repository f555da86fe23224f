#pragma once
// The selection of a native edit or rich edit control, for the items that own one.

#include <cstdint>

#include "platform/sys/WinTypes.h"

// Selects from start to end; nothing without a window.
void SetControlSelection(win::HWND window, std::int32_t start, std::int32_t end);
// The selection's start and end (either may be null); 0 and 0 without a window.
void GetControlSelection(win::HWND window, std::int32_t* start, std::int32_t* end);
