#include "platform/gdi/StockObjects.h"

#include <array>
#include <cstring>
#include <memory>

namespace win::gdi {
namespace {

template <typename T>
T* MakeStock(std::unique_ptr<T> object) {
    object->MakeStock();
    return object.release();  // kept for the run
}

LOGFONTA StockFontRecord(LONG height, LONG weight, BYTE charSet, BYTE pitchAndFamily, const char* face) {
    LOGFONTA font;
    font.lfHeight = height;
    font.lfWeight = weight;
    font.lfCharSet = charSet;
    font.lfPitchAndFamily = pitchAndFamily;
    std::strncpy(font.lfFaceName, face, LF_FACESIZE - 1);
    return font;
}

GdiObject* MakeStockObject(int index) {
    auto brush = [](UINT style, COLORREF color) {
        return MakeStock(std::make_unique<Brush>(LOGBRUSH{style, color, 0}));
    };
    auto pen = [](UINT style, COLORREF color) {
        return MakeStock(std::make_unique<Pen>(LOGPEN{style, POINT{0, 0}, color}));
    };
    auto font = [](const LOGFONTA& record) { return MakeStock(std::make_unique<Font>(record)); };
    switch (index) {
        case WHITE_BRUSH: return brush(BS_SOLID, RGB(255, 255, 255));
        case LTGRAY_BRUSH: return brush(BS_SOLID, RGB(192, 192, 192));
        case GRAY_BRUSH: return brush(BS_SOLID, RGB(128, 128, 128));
        case DKGRAY_BRUSH: return brush(BS_SOLID, RGB(64, 64, 64));
        case BLACK_BRUSH: return brush(BS_SOLID, RGB(0, 0, 0));
        case NULL_BRUSH: return brush(BS_NULL, 0);
        case WHITE_PEN: return pen(PS_SOLID, RGB(255, 255, 255));
        case BLACK_PEN: return pen(PS_SOLID, RGB(0, 0, 0));
        case NULL_PEN: return pen(PS_NULL, 0);
        case OEM_FIXED_FONT:
            return font(StockFontRecord(12, FW_NORMAL, OEM_CHARSET, FIXED_PITCH | FF_MODERN, "Terminal"));
        case ANSI_FIXED_FONT:
            return font(StockFontRecord(13, FW_NORMAL, ANSI_CHARSET, FIXED_PITCH | FF_MODERN, "Courier"));
        case ANSI_VAR_FONT:
            return font(
                StockFontRecord(13, FW_NORMAL, ANSI_CHARSET, VARIABLE_PITCH | FF_SWISS, "MS Sans Serif"));
        case SYSTEM_FONT:
        case DEVICE_DEFAULT_FONT:
            return font(StockFontRecord(16, FW_BOLD, ANSI_CHARSET, VARIABLE_PITCH | FF_SWISS, "System"));
        case SYSTEM_FIXED_FONT:
            return font(StockFontRecord(15, FW_NORMAL, ANSI_CHARSET, FIXED_PITCH | FF_MODERN, "Fixedsys"));
        case DEFAULT_GUI_FONT:
            return font(
                StockFontRecord(-11, FW_NORMAL, ANSI_CHARSET, VARIABLE_PITCH | FF_SWISS, "MS Sans Serif"));
        case DEFAULT_PALETTE: {
            // The twenty colours every palette device reserves.
            static constexpr std::array<COLORREF, 20> kColors = {
                RGB(0, 0, 0),       RGB(128, 0, 0),     RGB(0, 128, 0),     RGB(128, 128, 0),
                RGB(0, 0, 128),     RGB(128, 0, 128),   RGB(0, 128, 128),   RGB(192, 192, 192),
                RGB(192, 220, 192), RGB(166, 202, 240), RGB(255, 251, 240), RGB(160, 160, 164),
                RGB(128, 128, 128), RGB(255, 0, 0),     RGB(0, 255, 0),     RGB(255, 255, 0),
                RGB(0, 0, 255),     RGB(255, 0, 255),   RGB(0, 255, 255),   RGB(255, 255, 255)};
            std::vector<PALETTEENTRY> entries;
            for (COLORREF c : kColors) entries.push_back({GetRValue(c), GetGValue(c), GetBValue(c), 0});
            return MakeStock(std::make_unique<Palette>(std::move(entries)));
        }
        default: return nullptr;
    }
}

}  // namespace

GdiObject* StockObject(int index) {
    static std::array<GdiObject*, DEFAULT_GUI_FONT + 1> objects{};
    if (index < 0 || index > DEFAULT_GUI_FONT) return nullptr;
    if (!objects[index]) objects[index] = MakeStockObject(index);
    return objects[index];
}

Pen* StockPen(int index) { return static_cast<Pen*>(StockObject(index)); }
Brush* StockBrush(int index) { return static_cast<Brush*>(StockObject(index)); }
Font* StockFont(int index) { return static_cast<Font*>(StockObject(index)); }
Palette* StockPalette() { return static_cast<Palette*>(StockObject(DEFAULT_PALETTE)); }

Bitmap* StockBitmap() {
    static Bitmap* bitmap =
        MakeStock(std::make_unique<Bitmap>(std::make_unique<Surface>(1, 1, RGB(0, 0, 0)), 1));
    return bitmap;
}

}  // namespace win::gdi
