#pragma once
// Internal to the drawing layer: the device of a printer context. It keeps the paper and the
// printable part, the document being written (a PDF file, for a print queue a temporary one), the
// open page, and the abort procedure with the job's abort state.

#include <memory>
#include <string>

#include "platform/gdi/Dc.h"
#include "platform/gdi/PrintJobs.h"
#include "platform/gdi/PrinterDC.h"
#include "platform/sys/SafeWrite.h"

typedef struct _cairo_surface cairo_surface_t;

namespace win::gdi {

class PageCanvas;

class PrinterDevice : public Device {
public:
    PrinterDevice(const PrinterSetup& setup, std::string queue);
    ~PrinterDevice() override;  // drops an open document
    PrinterDevice(const PrinterDevice&) = delete;
    PrinterDevice& operator=(const PrinterDevice&) = delete;

    bool IsUsable() const { return !IsRectEmpty(printable_); }
    // A page's canvas while a page is open; drawing is otherwise measured but not kept.
    Canvas* GetCanvas() override;
    Region Visible() const override { return Region(printable_); }
    int Caps(int index) const override;
    // Paper shows through text: a run of text fills its background only when asked (OPAQUE), so
    // that text drawn over shading or rules leaves them whole, and a page carries no fill per run.
    int InitialBackgroundMode() const override { return TRANSPARENT; }
    const PrinterSetup& Setup() const { return setup_; }
    // The print queue finished documents go to; empty for a printer that writes a PDF file.
    const std::string& Queue() const { return queue_; }

    // Opens the PDF file pages go to (its path program text), titled; false, with errno saying why,
    // when it cannot be made or a document is open. The pages are written to a new file beside it,
    // so that a file of that name stays as it was until the document is finished.
    bool BeginDocument(const std::string& path, const std::string& title);
    bool HasDocument() const { return pdf_ != nullptr; }
    const std::string& DocumentPath() const { return path_; }
    const std::string& Title() const { return title_; }
    bool BeginPage();
    bool EndPage();
    bool HasPage() const { return page_ != nullptr; }
    // Closes the document and puts it in its file's place; false, with nothing left of it, when it
    // could not be written.
    bool EndDocument();
    // Drops the document, leaving its file as it was.
    void Abort();
    int Pages() const { return pages_; }
    PageCanvas* Page() const { return page_.get(); }

    // The abort procedure is called with its context at page calls (Continue) and every few
    // drawing calls on a page; once it answers FALSE the job is to be dropped and later drawing is
    // not kept.
    void SetAbortProc(HDC dc, ABORTPROC proc);
    bool Continue();
    bool AbortRequested() const { return abortRequested_; }

private:
    class JobCanvas;
    LONG Pixels(double points) const;
    // Removes what the document wrote: its new file and, for a queue, its own file.
    void DropFiles();
    void CountDrawingCall();

    PrinterSetup setup_;
    std::string queue_;
    RECT printable_;
    cairo_surface_t* pdf_ = nullptr;
    std::string path_;
    FileReplacement replacement_;
    std::string title_;
    std::unique_ptr<PageCanvas> page_;
    std::unique_ptr<JobCanvas> jobCanvas_;
    int pages_ = 0;
    HDC abortDc_ = nullptr;
    ABORTPROC abortProc_ = nullptr;
    bool abortRequested_ = false;
    int drawingCalls_ = 0;
};

// The printer device behind a context; null for other contexts.
PrinterDevice* PrinterOf(HDC dc);

}  // namespace win::gdi
