#include "platform/gdi/PrinterDC.h"

#include <cairo.h>
#include <algorithm>
#include <memory>

#include "platform/gdi/PageCanvas.h"
#include "platform/gdi/PrinterDevice.h"
#include "platform/gdi/Surface.h"

namespace win {

using gdi::PrinterDevice;
using gdi::PrinterOf;

HDC CreatePrinterDC(const PrinterSetup& setup) {
    if (setup.resolution < 72 || setup.resolution > 2400) return nullptr;
    auto device = std::make_unique<PrinterDevice>(setup, std::string());
    if (!device->IsUsable()) return nullptr;
    return gdi::HandleOf(new gdi::Dc(OBJ_DC, std::move(device)));
}

bool BeginPrinterDocument(HDC dc, const std::string& pdfPath) {
    PrinterDevice* printer = PrinterOf(dc);
    return printer && printer->BeginDocument(pdfPath, std::string());
}

bool BeginPrinterPage(HDC dc) {
    PrinterDevice* printer = PrinterOf(dc);
    return printer && printer->BeginPage();
}

bool EndPrinterPage(HDC dc) {
    PrinterDevice* printer = PrinterOf(dc);
    return printer && printer->EndPage();
}

bool EndPrinterDocument(HDC dc) {
    PrinterDevice* printer = PrinterOf(dc);
    return printer && printer->EndDocument();
}

void AbortPrinterDocument(HDC dc) {
    if (PrinterDevice* printer = PrinterOf(dc)) printer->Abort();
}

int PrinterPageCount(HDC dc) {
    PrinterDevice* printer = PrinterOf(dc);
    return printer ? printer->Pages() : 0;
}

bool RenderPrinterPage(HDC dc, const RECT& area, Surface& target) {
    PrinterDevice* printer = PrinterOf(dc);
    if (!printer || !printer->Page() || IsRectEmpty(area)) return false;
    target.Fill(RGB(255, 255, 255));
    // The page is played back unscaled, a strip at a time, and each strip scaled into the target:
    // played back scaled, clipped drawing can land in the wrong place.
    constexpr LONG kStripRows = 256;
    const LONG width = area.right - area.left;
    cairo_t* out = cairo_create(target.CairoSurface());
    cairo_set_antialias(out, CAIRO_ANTIALIAS_NONE);  // strips meet without a seam
    cairo_scale(out, static_cast<double>(target.Width()) / width,
                static_cast<double>(target.Height()) / (area.bottom - area.top));
    for (LONG top = area.top; top < area.bottom; top += kStripRows) {
        const LONG rows = std::min(kStripRows, area.bottom - top);
        cairo_surface_t* strip = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, rows);
        cairo_t* cr = cairo_create(strip);
        cairo_set_source_rgb(cr, 1, 1, 1);
        cairo_paint(cr);
        cairo_set_source_surface(cr, printer->Page()->Recording(), -area.left, -top);
        cairo_paint(cr);
        cairo_destroy(cr);
        cairo_save(out);
        cairo_rectangle(out, 0, top - area.top, width, rows);
        cairo_clip(out);
        cairo_set_source_surface(out, strip, 0, top - area.top);
        cairo_pattern_set_extend(cairo_get_source(out), CAIRO_EXTEND_PAD);
        cairo_paint(out);
        cairo_restore(out);
        cairo_surface_destroy(strip);
    }
    cairo_destroy(out);
    target.Flush();
    return true;
}

}  // namespace win
