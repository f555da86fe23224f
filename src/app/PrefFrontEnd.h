#pragma once
// The chooser on the left of the preferences window: a column of picture buttons, one per page of
// settings (general options, report options, query system, terminology), and cells without a
// button below them. It always fills the window's height and the width of the chooser strip.

#include <cstdint>

#include "app/FrontEndView.h"

class FKDoc;

// The preferences window's entries: the cell picture, the four pages, three empty cells.
extern const FrontEndEntry kPreferencesChooser[];

class PrefFrontEnd : public FrontEndView {
public:
    // The chooser strip's width, from the window's left edge.
    static constexpr std::int16_t kWidth = 200;

    PrefFrontEnd(FKDoc* document, const FrontEndEntry* table, ItemList* list, const ShortRect& bounds);

    // The bounds become the window's client area up to the strip's right edge.
    void WindowResized() override;
    // Entries 0 to 3 choose pages 1 to 4 of the window; any other index beeps.
    void EntryChosen(std::int32_t index) override;
    std::int16_t GetTextGap() const override { return 8; }
    std::int16_t GetTextRightMargin() const override { return 6; }
};
