#include "platform/gdi/PrinterDC.h"

#include <cairo-pdf.h>
#include <cairo.h>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <memory>
#include <system_error>

#include "platform/gdi/Dc.h"
#include "platform/gdi/PageCanvas.h"
#include "platform/gdi/Surface.h"

namespace win {
namespace {

class PrinterDevice : public gdi::Device {
public:
    explicit PrinterDevice(const PrinterSetup& setup) : setup_(setup) {
        printable_ = RECT{0, 0, Pixels(setup.paperWidth - setup.borderLeft - setup.borderRight),
                          Pixels(setup.paperHeight - setup.borderTop - setup.borderBottom)};
    }
    ~PrinterDevice() override { Abort(); }

    bool IsUsable() const { return !IsRectEmpty(printable_); }
    gdi::Canvas* GetCanvas() override { return page_.get(); }
    Region Visible() const override { return Region(printable_); }

    int Caps(int index) const override {
        switch (index) {
            case DRIVERVERSION: return 0x400;
            case TECHNOLOGY: return DT_RASPRINTER;
            case HORZSIZE: return static_cast<int>(std::lround(printable_.right * 25.4 / setup_.resolution));
            case VERTSIZE: return static_cast<int>(std::lround(printable_.bottom * 25.4 / setup_.resolution));
            case HORZRES: return printable_.right;
            case VERTRES: return printable_.bottom;
            case BITSPIXEL: return 24;
            case PLANES: return 1;
            case NUMBRUSHES:
            case NUMPENS:
            case NUMCOLORS: return -1;
            case RASTERCAPS: return RC_BITBLT | RC_DI_BITMAP | RC_STRETCHBLT | RC_STRETCHDIB;
            case ASPECTX:
            case ASPECTY: return setup_.resolution;
            case ASPECTXY: return static_cast<int>(std::lround(setup_.resolution * std::sqrt(2.0)));
            case LOGPIXELSX:
            case LOGPIXELSY: return setup_.resolution;
            case COLORRES: return 24;
            case PHYSICALWIDTH: return Pixels(setup_.paperWidth);
            case PHYSICALHEIGHT: return Pixels(setup_.paperHeight);
            case PHYSICALOFFSETX: return Pixels(setup_.borderLeft);
            case PHYSICALOFFSETY: return Pixels(setup_.borderTop);
            default: return 0;
        }
    }

    bool BeginDocument(const std::string& path) {
        if (pdf_) return false;
        cairo_surface_t* pdf = cairo_pdf_surface_create(path.c_str(), setup_.paperWidth, setup_.paperHeight);
        if (cairo_surface_status(pdf) != CAIRO_STATUS_SUCCESS) {
            cairo_surface_destroy(pdf);
            return false;
        }
        pdf_ = pdf;
        path_ = path;
        pages_ = 0;
        return true;
    }

    bool BeginPage() {
        if (!pdf_ || page_) return false;
        page_ = std::make_unique<gdi::PageCanvas>(printable_);
        return true;
    }

    bool EndPage() {
        if (!pdf_ || !page_) return false;
        cairo_t* cr = cairo_create(pdf_);
        cairo_translate(cr, setup_.borderLeft, setup_.borderTop);
        cairo_scale(cr, 72.0 / setup_.resolution, 72.0 / setup_.resolution);
        cairo_set_source_surface(cr, page_->Recording(), 0, 0);
        cairo_paint(cr);
        cairo_destroy(cr);
        cairo_surface_show_page(pdf_);
        page_.reset();
        ++pages_;
        return cairo_surface_status(pdf_) == CAIRO_STATUS_SUCCESS;
    }

    bool EndDocument() {
        if (!pdf_) return false;
        if (page_) EndPage();
        cairo_surface_finish(pdf_);
        const bool written = cairo_surface_status(pdf_) == CAIRO_STATUS_SUCCESS;
        cairo_surface_destroy(pdf_);
        pdf_ = nullptr;
        if (!written) RemoveFile();
        return written;
    }

    void Abort() {
        if (!pdf_) return;
        page_.reset();
        cairo_surface_finish(pdf_);
        cairo_surface_destroy(pdf_);
        pdf_ = nullptr;
        RemoveFile();
    }

    int Pages() const { return pages_; }
    gdi::PageCanvas* Page() const { return page_.get(); }

private:
    LONG Pixels(double points) const {
        return static_cast<LONG>(std::lround(points * setup_.resolution / 72.0));
    }
    void RemoveFile() {
        std::error_code ignored;
        std::filesystem::remove(path_, ignored);
    }

    PrinterSetup setup_;
    RECT printable_;
    cairo_surface_t* pdf_ = nullptr;
    std::string path_;
    std::unique_ptr<gdi::PageCanvas> page_;
    int pages_ = 0;
};

PrinterDevice* PrinterOf(HDC handle) {
    gdi::Dc* dc = gdi::LookupDc(handle);
    return dc ? dynamic_cast<PrinterDevice*>(&dc->GetDevice()) : nullptr;
}

}  // namespace

HDC CreatePrinterDC(const PrinterSetup& setup) {
    if (setup.resolution < 72 || setup.resolution > 2400) return nullptr;
    auto device = std::make_unique<PrinterDevice>(setup);
    if (!device->IsUsable()) return nullptr;
    return gdi::HandleOf(new gdi::Dc(OBJ_DC, std::move(device)));
}

bool BeginPrinterDocument(HDC dc, const std::string& pdfPath) {
    PrinterDevice* printer = PrinterOf(dc);
    return printer && printer->BeginDocument(pdfPath);
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
