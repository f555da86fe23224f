#pragma once
// The small drawing objects: pens, brushes, palettes and region objects.

#include <array>
#include <optional>
#include <vector>

#include "platform/gdi/GdiObject.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/gdi/Region.h"

namespace win::gdi {

class Pen : public GdiObject {
public:
    explicit Pen(const LOGPEN& record) : GdiObject(OBJ_PEN), record_(record) {}
    const LOGPEN& Record() const { return record_; }
    bool IsNull() const { return record_.lopnStyle == PS_NULL; }

private:
    LOGPEN record_;
};

// An 8 x 8 pattern. A monochrome pattern keeps one bit per pixel (1 = background) and takes the
// device context's text and background colours when it is drawn; a colour pattern keeps colours.
struct BrushPattern {
    bool monochrome = true;
    std::array<COLORREF, 64> colors{};  // row by row; monochrome patterns hold 0 or 1
};

class Brush : public GdiObject {
public:
    explicit Brush(const LOGBRUSH& record) : GdiObject(OBJ_BRUSH), record_(record) {}
    Brush(const BrushPattern& pattern) : GdiObject(OBJ_BRUSH), record_{BS_PATTERN, 0, 0}, pattern_(pattern) {}
    const LOGBRUSH& Record() const { return record_; }
    bool IsNull() const { return record_.lbStyle == BS_NULL; }
    const std::optional<BrushPattern>& Pattern() const { return pattern_; }

private:
    LOGBRUSH record_;
    std::optional<BrushPattern> pattern_;
};

// The brush a brush handle names; a system colour's index + 1 names that colour's brush. Null for
// anything else.
Brush* LookupBrush(HBRUSH handle);

class Palette : public GdiObject {
public:
    explicit Palette(std::vector<PALETTEENTRY> entries) : GdiObject(OBJ_PAL), entries_(std::move(entries)) {}
    std::vector<PALETTEENTRY>& Entries() { return entries_; }
    const std::vector<PALETTEENTRY>& Entries() const { return entries_; }

private:
    std::vector<PALETTEENTRY> entries_;
};

class RgnObject : public GdiObject {
public:
    explicit RgnObject(Region region) : GdiObject(OBJ_REGION), region_(std::move(region)) {}
    Region& Value() { return region_; }

private:
    Region region_;
};

}  // namespace win::gdi
