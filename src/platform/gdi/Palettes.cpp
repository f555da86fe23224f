#include "platform/gdi/Palettes.h"

#include <algorithm>
#include <limits>

#include "platform/gdi/Dc.h"

namespace win {
namespace {

gdi::Palette* LookupPalette(HPALETTE handle) { return gdi::Lookup<gdi::Palette>(handle, OBJ_PAL); }

}  // namespace

HPALETTE CreatePalette(const LOGPALETTE* palette) {
    if (!palette || palette->palVersion != 0x300 || palette->palNumEntries > 256) return nullptr;
    const PALETTEENTRY* first = palette->palPalEntry;
    std::vector<PALETTEENTRY> entries(first, first + palette->palNumEntries);
    return static_cast<HPALETTE>((new gdi::Palette(std::move(entries)))->Handle());
}

HPALETTE SelectPalette(HDC handle, HPALETTE palette, BOOL) {
    gdi::Dc* dc = gdi::LookupDc(handle);
    gdi::Palette* selected = LookupPalette(palette);
    if (!dc || !selected) return nullptr;
    HPALETTE previous = dc->state.palette ? static_cast<HPALETTE>(dc->state.palette->Handle()) : nullptr;
    dc->state.palette = selected;
    return previous;
}

UINT RealizePalette(HDC) { return 0; }

UINT GetPaletteEntries(HPALETTE handle, UINT start, UINT count, PALETTEENTRY* entries) {
    gdi::Palette* palette = LookupPalette(handle);
    if (!palette) return 0;
    const auto& all = palette->Entries();
    if (!entries) return static_cast<UINT>(all.size());
    if (start >= all.size()) return 0;
    const UINT copied = std::min<UINT>(count, static_cast<UINT>(all.size()) - start);
    std::copy_n(all.begin() + start, copied, entries);
    return copied;
}

UINT SetPaletteEntries(HPALETTE handle, UINT start, UINT count, const PALETTEENTRY* entries) {
    gdi::Palette* palette = LookupPalette(handle);
    if (!palette || !entries) return 0;
    auto& all = palette->Entries();
    if (start >= all.size()) return 0;
    const UINT copied = std::min<UINT>(count, static_cast<UINT>(all.size()) - start);
    std::copy_n(entries, copied, all.begin() + start);
    return copied;
}

UINT GetNearestPaletteIndex(HPALETTE handle, COLORREF color) {
    gdi::Palette* palette = LookupPalette(handle);
    if (!palette || palette->Entries().empty()) return CLR_INVALID;
    UINT best = 0;
    long bestDistance = std::numeric_limits<long>::max();
    const auto& entries = palette->Entries();
    for (UINT k = 0; k < entries.size(); ++k) {
        const long dr = entries[k].peRed - GetRValue(color);
        const long dg = entries[k].peGreen - GetGValue(color);
        const long db = entries[k].peBlue - GetBValue(color);
        const long distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) best = k, bestDistance = distance;
    }
    return best;
}

UINT GetSystemPaletteEntries(HDC, UINT, UINT, PALETTEENTRY*) { return 0; }

}  // namespace win
