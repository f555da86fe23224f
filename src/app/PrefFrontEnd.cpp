#include "app/PrefFrontEnd.h"

#include "app/FKDoc.h"
#include "app/PrefsWindow.h"
#include "foundation/Debug.h"
#include "framework/TWindow.h"
#include "framework/graphics/RGBColor.h"

const FrontEndEntry kPreferencesChooser[] = {
    {16030, 0, nullptr, nullptr},
    {16033, 1, "General Options", "File Saving and other options."},
    {16008, 1, "Report Options", "Report-specific options."},
    {16001, 1, "Query System", "Query System and Plotpilot options."},
    {16018, 1, "Term Swap", "Toggle between layman's terms and Fablecore terms."},
    {16030, 0, nullptr, nullptr},
    {16030, 0, nullptr, nullptr},
    {16030, 0, nullptr, nullptr},
    {0, 0, nullptr, nullptr},
};

namespace {

// Behind the cells: the window's own background, standard colour 8.
constexpr int kBackground = 8;
// The pages the entries choose.
constexpr std::int32_t kPageCount = 4;

}  // namespace

PrefFrontEnd::PrefFrontEnd(FKDoc* document, const FrontEndEntry* table, ItemList* list,
                           const ShortRect& bounds)
    : FrontEndView(document, table, list, 0, &bounds, kFollowsWindowSize, GetStandardColor(kBackground)) {}

void PrefFrontEnd::WindowResized() {
    TWindow* window = GetWindow();
    if (!window) return;
    ShortRect strip = window->GetClientRect();
    strip.right = kWidth;
    SetBounds(strip, true);
    UpdateScrollBars(1);
    InvalidateEntries();
}

void PrefFrontEnd::EntryChosen(std::int32_t index) {
    auto* window = dynamic_cast<PrefsWindow*>(GetWindow());
    if (index < 0 || index >= kPageCount || !window) {
        Beep();
        return;
    }
    window->SelectArea(static_cast<std::int16_t>(index + 1));
}
