#pragma once
// The application palette: one palette shared by the whole program, none until the first image
// that brings a palette defines it, then kept for the run.

#include "platform/gdi/GdiTypes.h"

// Null while no image has defined it.
win::HPALETTE GetAppPalette();
// When there is no application palette yet, a copy of the palette becomes it (up to its first 256
// entries); otherwise nothing changes. Answers whether it was defined now.
bool DefineAppPalette(win::HPALETTE palette);
// A new palette holding the first `limit` entries (at most 256) of the one given; null when it
// cannot be made.
win::HPALETTE CopyPalette(win::HPALETTE palette, unsigned limit = 256);

// True unless the screen shows only two colours; asked once and kept.
bool IsColorDisplay();
