#include "platform/gdi/PrintJobs.h"

#include <unistd.h>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/PrintQueues.h"
#include "platform/gdi/PrinterDevice.h"
#include "platform/gdi/Printers.h"
#include "platform/sys/FileSystem.h"
#include "platform/sys/SysError.h"
#include "platform/sys/SystemNames.h"

namespace win {
namespace {

using gdi::PrinterDevice;

int Fail(DWORD error) {
    SetLastError(error);
    return SP_ERROR;
}

// A new empty file in the temporary folder for a document on its way to a queue.
std::optional<std::string> TemporaryDocument() {
    std::string folder;
    if (!GetTempFolderPath(folder)) {
        errno = static_cast<int>(GetLastError());
        return std::nullopt;
    }
    std::string path = NameForSystem(folder + "/fablecore-print-XXXXXX.pdf");
    const int fd = mkstemps(path.data(), 4);
    if (fd < 0) return std::nullopt;
    close(fd);
    return NameFromSystem(path);  // the folder was program text, and the rest is ASCII
}

// The job is over: its document goes, and the page calls say why.
int Dropped(PrinterDevice& printer) {
    printer.Abort();
    return SP_APPABORT;
}

int NextJobNumber() {
    static int last = 0;
    return ++last;
}

}  // namespace

int StartDocA(HDC dc, const DOCINFOA* info) {
    PrinterDevice* printer = gdi::PrinterOf(dc);
    if (!printer || !info) return Fail(EINVAL);
    if (printer->HasDocument()) return Fail(EBUSY);
    const std::string title = info->lpszDocName ? info->lpszDocName : "";
    std::optional<std::string> path;
    if (!printer->Queue().empty()) {
        path = TemporaryDocument();
        if (!path) return Fail(static_cast<DWORD>(errno));
    } else if (info->lpszOutput && *info->lpszOutput) {
        path = info->lpszOutput;
    } else {
        path = ChoosePrintFile(title);
        if (!path) return Fail(ERROR_CANCELLED);
    }
    if (!printer->BeginDocument(*path, title)) {
        const DWORD error = errno != 0 ? static_cast<DWORD>(errno) : EIO;
        if (!printer->Queue().empty()) RemoveFile(path->c_str());
        return Fail(error);
    }
    return NextJobNumber();
}

int StartPage(HDC dc) {
    PrinterDevice* printer = gdi::PrinterOf(dc);
    if (!printer || !printer->HasDocument() || printer->HasPage()) return Fail(EINVAL);
    if (!printer->Continue()) return Dropped(*printer);
    return printer->BeginPage() ? 1 : Fail(EIO);
}

int EndPage(HDC dc) {
    PrinterDevice* printer = gdi::PrinterOf(dc);
    if (!printer || !printer->HasPage()) return Fail(EINVAL);
    if (!printer->Continue()) return Dropped(*printer);
    return printer->EndPage() ? 1 : Fail(EIO);
}

int EndDoc(HDC dc) {
    PrinterDevice* printer = gdi::PrinterOf(dc);
    if (!printer || !printer->HasDocument()) return Fail(EINVAL);
    if (printer->AbortRequested()) {
        printer->Abort();
        return Fail(ERROR_CANCELLED);
    }
    const std::string path = printer->DocumentPath();
    if (!printer->EndDocument()) return Fail(EIO);
    if (printer->Queue().empty()) return 1;
    const bool handedOver = SubmitToPrintQueue(printer->Queue(), path, printer->Title());
    RemoveFile(path.c_str());
    return handedOver ? 1 : SP_ERROR;
}

int AbortDoc(HDC dc) {
    PrinterDevice* printer = gdi::PrinterOf(dc);
    if (!printer || !printer->HasDocument()) return Fail(EINVAL);
    printer->Abort();
    return 1;
}

int SetAbortProc(HDC dc, ABORTPROC proc) {
    PrinterDevice* printer = gdi::PrinterOf(dc);
    if (!printer) return Fail(EINVAL);
    printer->SetAbortProc(dc, proc);
    return 1;
}

int Escape(HDC dc, int escape, int inputSize, LPCSTR input, LPVOID output) {
    if (!gdi::LookupDc(dc)) return -1;
    const bool printer = gdi::PrinterOf(dc) != nullptr;
    switch (escape) {
        case QUERYESCSUPPORT: {
            if (!input || inputSize < static_cast<int>(sizeof(int))) return -1;
            int asked = 0;
            std::memcpy(&asked, input, sizeof asked);
            const bool pageEscape = asked == GETPHYSPAGESIZE || asked == GETPRINTINGOFFSET;
            return asked == QUERYESCSUPPORT || (printer && pageEscape) ? 1 : 0;
        }
        case GETPHYSPAGESIZE:
        case GETPRINTINGOFFSET: {
            if (!printer) return 0;
            if (!output) return -1;
            const bool size = escape == GETPHYSPAGESIZE;
            *static_cast<POINT*>(output) = POINT{GetDeviceCaps(dc, size ? PHYSICALWIDTH : PHYSICALOFFSETX),
                                                 GetDeviceCaps(dc, size ? PHYSICALHEIGHT : PHYSICALOFFSETY)};
            return 1;
        }
        default: return 0;
    }
}

}  // namespace win
