#include "platform/gdi/SystemColors.h"

#include <array>

#include "platform/gdi/ObjectKinds.h"
#include "platform/gdi/Objects.h"

namespace win {
namespace {

// Colours as 0x00BBGGRR: the classic grey-and-navy scheme.
constexpr std::array<COLORREF, COLOR_INFOBK + 1> kColors = {
    0xC0C0C0,  // scroll bar
    0x808000,  // desktop (teal)
    0x800000,  // active caption (navy)
    0x808080,  // inactive caption
    0xC0C0C0,  // menu
    0xFFFFFF,  // window
    0x000000,  // window frame
    0x000000,  // menu text
    0x000000,  // window text
    0xFFFFFF,  // caption text
    0xC0C0C0,  // active border
    0xC0C0C0,  // inactive border
    0x808080,  // application workspace
    0x800000,  // highlight
    0xFFFFFF,  // highlighted text
    0xC0C0C0,  // button face
    0x808080,  // button shadow
    0x808080,  // grey text
    0x000000,  // button text
    0xC0C0C0,  // inactive caption text
    0xFFFFFF,  // button highlight
    0x000000,  // 3-D dark shadow
    0xDFDFDF,  // 3-D light
    0x000000,  // tooltip text
    0xE1FFFF,  // tooltip background
};

bool IsColorIndex(int index) { return index >= 0 && index < static_cast<int>(kColors.size()); }

}  // namespace

COLORREF GetSysColor(int index) { return IsColorIndex(index) ? kColors[static_cast<std::size_t>(index)] : 0; }

HBRUSH GetSysColorBrush(int index) {
    static std::array<HBRUSH, kColors.size()> brushes{};
    if (!IsColorIndex(index)) return nullptr;
    HBRUSH& brush = brushes[static_cast<std::size_t>(index)];
    if (brush == nullptr)
        brush = static_cast<HBRUSH>(MakeObjectPermanent(CreateSolidBrush(GetSysColor(index))));
    return brush;
}

namespace gdi {

Brush* LookupBrush(HBRUSH handle) {
    const auto value = reinterpret_cast<ULONG_PTR>(handle);
    if (value >= 1 && value <= kColors.size()) handle = GetSysColorBrush(static_cast<int>(value) - 1);
    return Lookup<Brush>(handle, OBJ_BRUSH);
}

}  // namespace gdi
}  // namespace win
