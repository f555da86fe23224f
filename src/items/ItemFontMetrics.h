#pragma once
// Measuring text in a font of an item's own: in the item's drawing environment while it has one
// (the font selected only for the measuring), else on the screen's context, whose fonts measure
// alike.

#include "platform/gdi/GdiTypes.h"

class ItemGraphEnv;

// The font's metrics, and the extent of count bytes of the text (none when the text is null).
void MeasureItemFont(ItemGraphEnv* env, const win::LOGFONTA& font, win::TEXTMETRICA& metrics,
                     const char* text = nullptr, int count = 0, win::SIZE* extent = nullptr);
