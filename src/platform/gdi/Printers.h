#pragma once
// The printers: the "PDF File" printer, which writes PDF files, and every print queue the system
// lists (PrintQueues.h), which gets its documents as PDF through `lp`. The system profile names
// the default printer in its device entry ([windows] device=NAME,pdf,PORT): "PDF File,pdf,FILE:"
// for the file printer, "QUEUE,pdf,LP:" for a queue. CreateDCA("pdf", NAME, PORT, mode) makes a
// printer's context, with the paper and orientation of the device mode given or else those last
// chosen for that printer this session.
//
// Every printer prints at 600 dots per inch on Letter, Legal or A4 paper, portrait or landscape.
// The file printer prints the whole sheet; a queue leaves a quarter inch unprinted on every side,
// as real printers do.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/gdi/GdiTypes.h"
#include "platform/gdi/PrinterDC.h"

namespace win {

// Paper sizes and orientations of a device mode.
inline constexpr short DMPAPER_LETTER = 1;
inline constexpr short DMPAPER_LEGAL = 5;
inline constexpr short DMPAPER_A4 = 9;
inline constexpr short DMORIENT_PORTRAIT = 1;
inline constexpr short DMORIENT_LANDSCAPE = 2;
// Which fields of a device mode are set.
inline constexpr DWORD DM_ORIENTATION = 0x0001;
inline constexpr DWORD DM_PAPERSIZE = 0x0002;

struct DEVMODEA {
    char dmDeviceName[32] = {};
    WORD dmSize = sizeof(DEVMODEA);
    DWORD dmFields = 0;
    short dmOrientation = DMORIENT_PORTRAIT;
    short dmPaperSize = DMPAPER_LETTER;
};

inline constexpr char kPrinterDriver[] = "pdf";
inline constexpr char kPdfFilePrinter[] = "PDF File";
inline constexpr char kFilePort[] = "FILE:";
inline constexpr char kQueuePort[] = "LP:";

struct PrinterInfo {
    std::string device;  // the name shown and kept in the device entry
    std::string port;    // kFilePort, or kQueuePort for a print queue
};

// The file printer, then every print queue.
std::vector<PrinterInfo> ListPrinters();
// "device,pdf,port", as the system profile's device entry holds it.
std::string DeviceEntry(const PrinterInfo& printer);

struct PaperChoice {
    short paper = DMPAPER_LETTER;
    short orientation = DMORIENT_PORTRAIT;
};
// What a printer's contexts print on when no device mode says: the choice made for it this
// session, else Letter portrait.
PaperChoice GetPrinterPaper(const std::string& device);
void SetPrinterPaper(const std::string& device, PaperChoice choice);
// The paper in points with the printer's unprinted border; unknown sizes are Letter.
PrinterSetup PrinterSetupFor(const PrinterInfo& printer, PaperChoice choice);

// The printer part of CreateDCA: a printer's context, or null (a driver other than "pdf", or a
// queue the system does not list).
HDC CreatePrinterDCA(LPCSTR driver, LPCSTR device, LPCSTR port, const DEVMODEA* mode);

// Asked by StartDocA for the file a document of the file printer goes to when DOCINFO names none.
// It gets the path suggested for the document and answers the path chosen, or none when the user
// cancels. Answers the chooser it replaces; with none installed, the suggestion is taken.
using PrintFileChooser = std::function<std::optional<std::string>(const std::string& suggestedPath)>;
PrintFileChooser SetPrintFileChooser(PrintFileChooser chooser);
// A file for a document in the folder (the home folder when none is given): its name (characters
// a file name cannot hold made '_', "Untitled" when empty) and ".pdf", numbered " (2)", " (3)", ...
// past files already there. Paths are program text; when the program cannot hold the home folder's
// path, the name alone.
std::string SuggestedPrintFile(const std::string& documentName, const std::string& folder = {});
// What StartDocA writes to when DOCINFO names no file; none when the user cancelled.
std::optional<std::string> ChoosePrintFile(const std::string& documentName);

}  // namespace win
