#include "items/printing/Printing.h"

#include <memory>

#include "framework/AppEnvironment.h"
#include "framework/TAppl.h"
#include "framework/graphics/GraphUser.h"
#include "items/printing/PrintAbortDlog.h"
#include "items/printing/PrintErrors.h"
#include "items/printing/PrintFileOffer.h"
#include "items/printing/PrintGraph.h"
#include "items/printing/PrintRecord.h"
#include "platform/gdi/Gdi.h"
#include "platform/sys/SysError.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/MessageQueue.h"

using namespace win;

namespace {

constexpr std::size_t kMaxDocName = 32;

// The one job of the program.
struct JobRecord {
    std::uint16_t ended = 0;
    HDC dc = nullptr;
    std::uint16_t nesting = 0;
    std::uint16_t state = 0;
    std::uint16_t group = 0;
    PrintRecord* record = nullptr;
    std::unique_ptr<PrintGraph> graph;
    std::unique_ptr<PrintAbortDlog> dialog;
    std::int16_t currentPage = -1;
    std::uint16_t cancelled = 0;
    IPrintAbortClient* abortClient = nullptr;
    PrintAbortDlog* abortDialog = nullptr;
};

JobRecord gJob;

// The system's word that the job was cancelled (the print-to-file chooser, for one).
bool SystemCancelled() {
    const DWORD error = GetLastError();
    return error == ERROR_PRINT_CANCELLED || error == ERROR_CANCELLED;
}

}  // namespace

BOOL PrintAbortProc(HDC /*dc*/, int /*error*/) {
    MSG message;
    while (!gJob.cancelled && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        HWND dialog = gJob.abortDialog ? gJob.abortDialog->GetHWnd() : nullptr;
        if (dialog && IsDialogMessageA(dialog, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return gJob.cancelled ? FALSE : TRUE;
}

std::uint16_t Printing::GetJobState() { return gJob.state; }
TGraphEnv* Printing::GetPrinterGraph() { return gJob.graph.get(); }
PrintAbortDlog* Printing::GetProgressDialog() { return gJob.dialog.get(); }
void Printing::SetCancelFlag(bool cancelled) { gJob.cancelled = cancelled ? 1 : 0; }
bool Printing::IsCancelFlagSet() { return gJob.cancelled != 0; }
void Printing::SetGroup(bool group) { gJob.group = group ? 1 : 0; }

PrintingGroup::~PrintingGroup() {
    SetGroup(false);
    if ((gJob.state & kDocumentStarted) && !(gJob.state & kCancelled) && gJob.dc) EndDoc(gJob.dc);
}

void Printing::RegisterAbortDialog(PrintAbortDlog* dialog, IPrintAbortClient* client) {
    gJob.abortDialog = dialog;
    gJob.abortClient = client;
}

Printing::Printing(bool repaginate) : repaginate_(repaginate ? 1 : 0) {
    if (gJob.nesting == 0) {
        gJob.state = 0;
        gJob.dc = nullptr;
        gJob.ended = 0;
        gJob.record = nullptr;
        gJob.dialog.reset();
        gJob.currentPage = -1;
    }
    ++gJob.nesting;
}

Printing::~Printing() {
    if (--gJob.nesting > 0) return;
    if (gJob.dc) SetAbortProc(gJob.dc, nullptr);
    EndJob();
    gJob.dialog.reset();
    gJob.graph.reset();
}

void Printing::Abort() {
    if (!gJob.ended && gJob.dc) {
        AbortDoc(gJob.dc);
        gJob.ended = 1;
    }
    gJob.state |= kCancelled;
}

HDC Printing::GetPrinterDC() { return gJob.dc; }

ErrCode Printing::FailJob(ErrCode code) {
    EndJob();
    return code;
}

ErrCode Printing::BeginJob(PrintRecord& record) {
    const bool documentStarted = (gJob.state & kDocumentStarted) != 0;
    gJob.state |= kDocumentStarted;
    if (!gJob.graph) gJob.graph = std::make_unique<PrintGraph>();
    docName_ = record.GetDocName().substr(0, kMaxDocName);
    if (docName_.empty()) docName_ = "Untitled";
    if (!record.HasPrinterDC() || !record.GetPrinterDC()) return FailJob(kPrintPrinterNotFound);
    gJob.dc = record.GetPrinterDC();
    gJob.record = &record;
    if (!gJob.dialog) {
        gJob.dialog = std::make_unique<PrintAbortDlog>(this, docName_.c_str(), 0, repaginate_ != 0);
        if (!gJob.dialog->GetHWnd()) return FailJob(kPrintNoMemory);
        if (SetAbortProc(gJob.dc, PrintAbortProc) < 1) return FailJob(kPrintNoMemory);
    } else if (gJob.dialog->Update(docName_.c_str(), 0, 1)) {
        return FailJob(kPrintCancelled);
    }
    if (!repaginate_ && !documentStarted) {
        DOCINFOA info;
        info.lpszDocName = docName_.c_str();
        // Printed to a file, the document goes beside the story in front, named after it.
        const TAppl* application = GetAppl();
        const PrintFileOffer offer(application ? application->GetFrontDocumentOrActive() : nullptr);
        if (StartDocA(gJob.dc, &info) < 0)
            return FailJob(SystemCancelled() ? kPrintCancelled : kPrintStartDocFailed);
    }
    gJob.ended = 0;
    gJob.graph->Attach(gJob.dc);
    if (gJob.dialog->Update(nullptr, 1, 1)) return FailJob(kPrintCancelled);
    return kNoErr;
}

ErrCode Printing::BeginPage(std::int16_t page, std::int16_t /*copy*/, TGraphEnv*& graph) {
    gJob.state |= kPageOpen;
    const int result = StartPage(gJob.dc);
    if (result < 1) {
        graph = nullptr;
        const bool cancelled = result == SP_APPABORT || result == SP_USERABORT || SystemCancelled();
        return FailJob(cancelled ? kPrintCancelled : kPrintStartPageFailed);
    }
    graph = gJob.graph.get();
    gJob.currentPage = page;
    return kNoErr;
}

ErrCode Printing::UpdatePageStatus(std::int16_t page, std::int16_t copy) {
    if (gJob.dialog && gJob.dialog->Update(nullptr, static_cast<std::int16_t>(page + 1), copy))
        return kPrintCancelled;
    return kNoErr;
}

ErrCode Printing::EndPage() {
    ErrCode code = kNoErr;
    if (gJob.state & kCancelled) {
        code = kPrintCancelled;
    } else if (gJob.dialog && gJob.dialog->Update(nullptr, -1, 0)) {
        Abort();
        code = kPrintCancelled;
    } else {
        PrintGraph& graph = *gJob.graph;
        LOGFONTA font;
        graph.GetLogFont(font);
        const int result = ::win::EndPage(gJob.dc);
        // A printer may forget its mapping and font with the page.
        if (gJob.record) gJob.record->ApplyPageMapping();
        {
            const GraphUser use(graph);
            graph.TGraphEnv::SetFontIndirect(font);
        }
        if (result == SP_APPABORT || result == SP_USERABORT) {
            Abort();
            code = kPrintCancelled;
        } else if (result < 0) {
            code = kPrintEndPageFailed;
        }
    }
    if (code != kNoErr) return FailJob(code);
    gJob.state &= static_cast<std::uint16_t>(~kPageOpen);
    return kNoErr;
}

ErrCode Printing::EndDocument() {
    if (gJob.graph && gJob.graph->IsAttached()) gJob.graph->Detach();
    if (gJob.state & kCancelled) return kPrintCancelled;
    // Inside a group the document stays open for the next printable; the group ends it.
    if (gJob.group) return kNoErr;
    ErrCode code = kNoErr;
    if (!repaginate_ && EndDoc(gJob.dc) < 0) code = kPrintEndDocFailed;
    gJob.dc = nullptr;
    gJob.state &= static_cast<std::uint16_t>(~kDocumentStarted);
    return code;
}

void Printing::EndJob() {
    if (gJob.graph && gJob.graph->IsAttached()) gJob.graph->Detach();
    gJob.dc = nullptr;
    gJob.state &= static_cast<std::uint16_t>(~(kPageOpen | 1 | kDocumentStarted | kCancelled));
    gJob.record = nullptr;
    gJob.currentPage = -1;
}
