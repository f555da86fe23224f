#pragma once
// Printer contexts. A printer prints the printable part of its paper at a fixed resolution;
// device (0, 0) is that part's top-left corner, as printers report it. Each page is drawn as
// vectors and, when it ends, added to a PDF file; text keeps the faces and advances it is measured
// with everywhere else. Unlike other contexts, a printer's starts in the TRANSPARENT background
// mode: the paper shows through text unless the program asks for opaque text. The print calls of
// the program (documents, pages, cancelling) are built on the document and page calls here.

#include <string>

#include "platform/gdi/GdiTypes.h"

namespace win {

class Surface;

struct PrinterSetup {
    double paperWidth = 612;  // points (1/72 inch): US Letter
    double paperHeight = 792;
    int resolution = 600;  // device pixels per inch, both ways
    // The border the printer cannot print on, in points.
    double borderLeft = 0;
    double borderTop = 0;
    double borderRight = 0;
    double borderBottom = 0;
};

inline constexpr PrinterSetup kLetterPaper{};
inline constexpr PrinterSetup kA4Paper{595.28, 841.89};

// GetDeviceCaps answers LOGPIXELSX/Y (the resolution), HORZRES/VERTRES (the printable part),
// PHYSICALWIDTH/HEIGHT (the paper) and PHYSICALOFFSETX/Y (the border), in device pixels. Null
// for a resolution outside 72..2400 or a printable part that is not there.
HDC CreatePrinterDC(const PrinterSetup& setup);

// Opens the PDF file the pages go to; false when it cannot be made or a document is open.
bool BeginPrinterDocument(HDC dc, const std::string& pdfPath);
// Drawing outside a page is measured but not kept.
bool BeginPrinterPage(HDC dc);
// Adds the page to the file; the context keeps its state.
bool EndPrinterPage(HDC dc);
// Finishes and closes the file; false when it could not be written.
bool EndPrinterDocument(HDC dc);
// Drops the document: the file is removed.
void AbortPrinterDocument(HDC dc);
// Pages added to the open document so far.
int PrinterPageCount(HDC dc);

// Draws the open page's `area` (device pixels) into the whole of `target`, scaled to fit, on white.
// False when no page is open.
bool RenderPrinterPage(HDC dc, const RECT& area, Surface& target);

}  // namespace win
