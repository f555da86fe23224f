#include "framework/graphics/AppPalette.h"

#include <algorithm>
#include <vector>

#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Palettes.h"

namespace {

win::HPALETTE appPalette = nullptr;

}  // namespace

win::HPALETTE GetAppPalette() { return appPalette; }

win::HPALETTE CopyPalette(win::HPALETTE palette, unsigned limit) {
    win::WORD entries = 0;
    if (!palette || !win::GetObjectA(palette, sizeof entries, &entries)) return nullptr;
    const unsigned count = std::min<unsigned>({entries, limit, 256});
    std::vector<win::BYTE> block(sizeof(win::LOGPALETTE) + count * sizeof(win::PALETTEENTRY));
    auto* copy = reinterpret_cast<win::LOGPALETTE*>(block.data());
    copy->palVersion = 0x300;
    copy->palNumEntries = static_cast<win::WORD>(count);
    win::GetPaletteEntries(palette, 0, count, copy->palPalEntry);
    return win::CreatePalette(copy);
}

bool DefineAppPalette(win::HPALETTE palette) {
    if (appPalette) return false;
    appPalette = CopyPalette(palette);
    return appPalette != nullptr;
}

bool IsColorDisplay() {
    static const bool color = [] {
        const win::HDC screen = win::CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
        int colors = screen ? win::GetDeviceCaps(screen, win::SIZEPALETTE) : 0;
        if (colors == 0 && screen) colors = win::GetDeviceCaps(screen, win::NUMCOLORS);
        if (screen) win::DeleteDC(screen);
        return colors != 2;
    }();
    return color;
}
