#include "platform/gdi/Printers.h"

#include <strings.h>
#include <algorithm>
#include <cerrno>
#include <map>
#include <utility>

#include "platform/gdi/PrintQueues.h"
#include "platform/gdi/PrinterDevice.h"
#include "platform/sys/FileSystem.h"
#include "platform/sys/SysError.h"
#include "platform/sys/UserFolders.h"

namespace win {
namespace {

constexpr int kPrinterResolution = 600;
constexpr double kQueueBorder = 18;  // points: a quarter inch

// Width and height of a sheet in points, portrait.
std::pair<double, double> PaperPoints(short paper) {
    switch (paper) {
        case DMPAPER_A4: return {kA4Paper.paperWidth, kA4Paper.paperHeight};
        case DMPAPER_LEGAL: return {612, 1008};
        default: return {kLetterPaper.paperWidth, kLetterPaper.paperHeight};
    }
}

std::map<std::string, PaperChoice>& SessionPapers() {
    static std::map<std::string, PaperChoice> papers;
    return papers;
}

PrintFileChooser& InstalledChooser() {
    static PrintFileChooser chooser;
    return chooser;
}

bool SameText(LPCSTR a, const char* b) { return a && strcasecmp(a, b) == 0; }

// The home folder with a final '/'; empty when there is none the program can hold.
std::string HomeFolder() {
    std::string folder;
    if (!GetHomeFolder(folder)) return {};
    return folder.back() == '/' ? folder : folder + '/';
}

bool Exists(const std::string& path) {
    PathInfo info;
    return GetPathInfo(path.c_str(), info) != FALSE;
}

}  // namespace

std::vector<PrinterInfo> ListPrinters() {
    std::vector<PrinterInfo> printers{{kPdfFilePrinter, kFilePort}};
    for (std::string& queue : ListPrintQueues()) printers.push_back({std::move(queue), kQueuePort});
    return printers;
}

std::string DeviceEntry(const PrinterInfo& printer) {
    return printer.device + "," + kPrinterDriver + "," + printer.port;
}

PaperChoice GetPrinterPaper(const std::string& device) {
    const auto found = SessionPapers().find(device);
    return found == SessionPapers().end() ? PaperChoice{} : found->second;
}

void SetPrinterPaper(const std::string& device, PaperChoice choice) { SessionPapers()[device] = choice; }

PrinterSetup PrinterSetupFor(const PrinterInfo& printer, PaperChoice choice) {
    auto [width, height] = PaperPoints(choice.paper);
    if (choice.orientation == DMORIENT_LANDSCAPE) std::swap(width, height);
    PrinterSetup setup;
    setup.paperWidth = width;
    setup.paperHeight = height;
    setup.resolution = kPrinterResolution;
    if (strcasecmp(printer.port.c_str(), kFilePort) != 0) {
        setup.borderLeft = setup.borderTop = setup.borderRight = setup.borderBottom = kQueueBorder;
    }
    return setup;
}

HDC CreatePrinterDCA(LPCSTR driver, LPCSTR device, LPCSTR port, const DEVMODEA* mode) {
    if ((driver && !SameText(driver, kPrinterDriver)) || !device || !*device) return nullptr;
    PrinterInfo printer{device, SameText(port, kFilePort) ? kFilePort : kQueuePort};
    std::string queue;
    if (printer.port == kQueuePort) {
        const std::vector<std::string> queues = ListPrintQueues();
        if (std::find(queues.begin(), queues.end(), printer.device) == queues.end()) {
            SetLastError(ENOENT);
            return nullptr;
        }
        queue = printer.device;
    }
    PaperChoice paper = GetPrinterPaper(printer.device);
    if (mode && (mode->dmFields & DM_PAPERSIZE)) paper.paper = mode->dmPaperSize;
    if (mode && (mode->dmFields & DM_ORIENTATION)) paper.orientation = mode->dmOrientation;
    auto printerDevice = std::make_unique<gdi::PrinterDevice>(PrinterSetupFor(printer, paper), queue);
    if (!printerDevice->IsUsable()) return nullptr;
    return gdi::HandleOf(new gdi::Dc(OBJ_DC, std::move(printerDevice)));
}

PrintFileChooser SetPrintFileChooser(PrintFileChooser chooser) {
    return std::exchange(InstalledChooser(), std::move(chooser));
}

std::string SuggestedPrintFile(const std::string& documentName, const std::string& folder) {
    std::string name = documentName.empty() ? "Untitled" : documentName;
    for (char& c : name) {
        if (c == '/' || static_cast<unsigned char>(c) < 0x20) c = '_';
    }
    const std::string place = folder.empty() ? HomeFolder() : folder.back() == '/' ? folder : folder + '/';
    const std::string base = place + name;
    std::string path = base + ".pdf";
    for (int n = 2; Exists(path); ++n) path = base + " (" + std::to_string(n) + ").pdf";
    return path;
}

std::optional<std::string> ChoosePrintFile(const std::string& documentName) {
    const std::string suggested = SuggestedPrintFile(documentName);
    if (!InstalledChooser()) return suggested;
    return InstalledChooser()(suggested);
}

}  // namespace win
