#include "platform/gdi/PrinterDevice.h"

#include <cairo-pdf.h>
#include <cairo.h>
#include <cerrno>
#include <cmath>
#include <utility>

#include "platform/gdi/PageCanvas.h"
#include "platform/sys/Cp1252.h"
#include "platform/sys/FileSystem.h"
#include "platform/sys/SysError.h"
#include "platform/sys/SystemNames.h"

namespace win::gdi {
namespace {

// How many drawing calls on a page go by between two calls of the abort procedure.
constexpr int kDrawingCallsPerAbortCheck = 32;

}  // namespace

// The canvas drawing on a page goes through: it gives the abort procedure its turn, then draws on
// the page if the job still has one. It lives as long as the device, so the abort procedure may
// drop the page (AbortDoc) while a drawing call is under way.
class PrinterDevice::JobCanvas : public Canvas {
public:
    explicit JobCanvas(PrinterDevice& device) : device_(device) {}
    bool IsMonochrome() const override { return false; }
    void Fill(const Region& area, const Paint& paint, int rop2) override {
        if (PageCanvas* page = Turn()) page->Fill(area, paint, rop2);
    }
    void Blit(const Region& area, const PixelImage& source, const Paint& pattern, DWORD rop3) override {
        if (PageCanvas* page = Turn()) page->Blit(area, source, pattern, rop3);
    }
    void DrawGlyphs(const GlyphRun& run, const Region& clip) override {
        if (PageCanvas* page = Turn()) page->DrawGlyphs(run, clip);
    }
    bool Read(const RECT&, PixelImage&) const override { return false; }
    RECT ReadableBounds() const override { return RECT{}; }

private:
    PageCanvas* Turn() {
        device_.CountDrawingCall();
        return device_.abortRequested_ ? nullptr : device_.page_.get();
    }
    PrinterDevice& device_;
};

PrinterDevice::PrinterDevice(const PrinterSetup& setup, std::string queue)
    : setup_(setup), queue_(std::move(queue)), jobCanvas_(std::make_unique<JobCanvas>(*this)) {
    printable_ = RECT{0, 0, Pixels(setup.paperWidth - setup.borderLeft - setup.borderRight),
                      Pixels(setup.paperHeight - setup.borderTop - setup.borderBottom)};
}

PrinterDevice::~PrinterDevice() { Abort(); }

Canvas* PrinterDevice::GetCanvas() { return page_ ? jobCanvas_.get() : nullptr; }

int PrinterDevice::Caps(int index) const {
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

bool PrinterDevice::BeginDocument(const std::string& path, const std::string& title) {
    if (pdf_) return false;
    FileReplacement replacement;
    if (!replacement.Begin(path.c_str())) {
        errno = static_cast<int>(GetLastError());
        return false;
    }
    errno = 0;
    cairo_surface_t* pdf = cairo_pdf_surface_create(NameForSystem(replacement.newFile).c_str(),
                                                    setup_.paperWidth, setup_.paperHeight);
    if (cairo_surface_status(pdf) != CAIRO_STATUS_SUCCESS) {
        const int error = errno;
        cairo_surface_destroy(pdf);
        replacement.Discard();
        errno = error;
        return false;
    }
    if (!title.empty()) {
        cairo_pdf_surface_set_metadata(pdf, CAIRO_PDF_METADATA_TITLE, Cp1252ToUtf8(title).c_str());
    }
    pdf_ = pdf;
    path_ = path;
    replacement_ = std::move(replacement);
    title_ = title;
    pages_ = 0;
    abortRequested_ = false;
    drawingCalls_ = 0;
    return true;
}

bool PrinterDevice::BeginPage() {
    if (!pdf_ || page_) return false;
    page_ = std::make_unique<PageCanvas>(printable_);
    return true;
}

bool PrinterDevice::EndPage() {
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

bool PrinterDevice::EndDocument() {
    if (!pdf_) return false;
    if (page_) EndPage();
    cairo_surface_finish(pdf_);
    const bool written = cairo_surface_status(pdf_) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(pdf_);
    pdf_ = nullptr;
    if (!written) {
        DropFiles();
        return false;
    }
    if (replacement_.Commit()) return true;
    DropFiles();
    return false;
}

void PrinterDevice::Abort() {
    if (!pdf_) return;
    page_.reset();
    cairo_surface_finish(pdf_);
    cairo_surface_destroy(pdf_);
    pdf_ = nullptr;
    DropFiles();
}

void PrinterDevice::DropFiles() {
    replacement_.Discard();
    // A queue's document file is the device's own, made empty for it.
    if (!queue_.empty()) RemoveFile(path_.c_str());
}

void PrinterDevice::SetAbortProc(HDC dc, ABORTPROC proc) {
    abortDc_ = dc;
    abortProc_ = proc;
}

bool PrinterDevice::Continue() {
    if (!abortRequested_ && abortProc_ && !abortProc_(abortDc_, 0)) abortRequested_ = true;
    return !abortRequested_;
}

void PrinterDevice::CountDrawingCall() {
    if (++drawingCalls_ % kDrawingCallsPerAbortCheck == 0) Continue();
}

LONG PrinterDevice::Pixels(double points) const {
    return static_cast<LONG>(std::lround(points * setup_.resolution / 72.0));
}

PrinterDevice* PrinterOf(HDC handle) {
    Dc* dc = LookupDc(handle);
    return dc ? dynamic_cast<PrinterDevice*>(&dc->GetDevice()) : nullptr;
}

}  // namespace win::gdi
