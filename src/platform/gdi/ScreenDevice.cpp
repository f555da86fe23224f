#include "platform/gdi/ScreenDevice.h"

#include "platform/gdi/DisplayDC.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/gdi/Surface.h"

namespace win {
namespace {

Surface*& RegisteredScreen() {
    static Surface* screen = nullptr;
    return screen;
}

}  // namespace

void SetScreenSurface(Surface* screen) { RegisteredScreen() = screen; }

namespace gdi {

Surface* ScreenSurface() { return RegisteredScreen(); }

SIZE ScreenSize() {
    if (const Surface* screen = RegisteredScreen()) return SIZE{screen->Width(), screen->Height()};
    return SIZE{1024, 768};
}

int ScreenCaps(int index) {
    constexpr int kDpi = 96;
    const SIZE size = ScreenSize();
    switch (index) {
        case DRIVERVERSION: return 0x400;
        case TECHNOLOGY: return DT_RASDISPLAY;
        case HORZSIZE: return size.cx * 254 / (kDpi * 10);
        case VERTSIZE: return size.cy * 254 / (kDpi * 10);
        case HORZRES: return size.cx;
        case VERTRES: return size.cy;
        case BITSPIXEL: return 32;
        case PLANES: return 1;
        case NUMBRUSHES:
        case NUMPENS:
        case NUMCOLORS: return -1;
        case RASTERCAPS:
            return RC_BITBLT | RC_BITMAP64 | RC_DI_BITMAP | RC_DIBTODEV | RC_STRETCHBLT | RC_STRETCHDIB;
        case ASPECTX:
        case ASPECTY: return 36;
        case ASPECTXY: return 51;
        case LOGPIXELSX:
        case LOGPIXELSY: return kDpi;
        case COLORRES: return 24;
        default: return 0;  // no palette, no paper
    }
}

}  // namespace gdi
}  // namespace win
