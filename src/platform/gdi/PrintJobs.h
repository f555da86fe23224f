#pragma once
// Print jobs on a printer context: a document (StartDocA ... EndDoc) of pages (StartPage ...
// EndPage), written as a PDF file. A printer that writes PDF files writes the file DOCINFO names,
// or asks the print-file chooser (Printers.h) for one; a printer that is a print queue writes a
// temporary file and hands it to the queue at EndDoc. AbortDoc drops the document and its file.
//
// The abort procedure is the program's chance to take messages (a Cancel button) while it prints:
// it is called in StartPage, in EndPage and every few drawing calls on a page. Once it answers
// FALSE, drawing is no longer kept and the next StartPage or EndPage drops the document and
// answers SP_APPABORT.

#include "platform/gdi/GdiTypes.h"

namespace win {

struct DOCINFOA {
    int cbSize = sizeof(DOCINFOA);
    LPCSTR lpszDocName = nullptr;  // the job's title
    LPCSTR lpszOutput = nullptr;   // the file to write; null for the printer's own choice
    LPCSTR lpszDatatype = nullptr;
    DWORD fwType = 0;
};

// Failures of the print calls.
inline constexpr int SP_ERROR = -1;
inline constexpr int SP_APPABORT = -2;  // the abort procedure asked to stop
inline constexpr int SP_USERABORT = -3;
inline constexpr int SP_OUTOFDISK = -4;
inline constexpr int SP_OUTOFMEMORY = -5;

// GetLastError after a StartDocA the user cancelled (the print-file chooser): ERROR_CANCELLED.
// These two are the only error numbers of this layer that are not the system's.
inline constexpr DWORD ERROR_PRINT_CANCELLED = 63;
inline constexpr DWORD ERROR_CANCELLED = 1223;

using ABORTPROC = BOOL (*)(HDC dc, int error);

// A positive job number, or SP_ERROR: not a printer, a document already open, or no file could be
// made (GetLastError: the system's error, or ERROR_CANCELLED when the user cancelled the chooser).
int StartDocA(HDC dc, const DOCINFOA* info);
// Positive, SP_ERROR (no document, or a page already open) or SP_APPABORT.
int StartPage(HDC dc);
// Adds the page to the document; positive, SP_ERROR (no page open) or SP_APPABORT. The context
// keeps its drawing state.
int EndPage(HDC dc);
// Finishes the document (an open page is ended first) and, for a print queue, hands it over with
// `lp`. Positive, or SP_ERROR when the file could not be written or the queue refused it.
int EndDoc(HDC dc);
// Positive when a document was dropped, else SP_ERROR.
int AbortDoc(HDC dc);
// Positive, or SP_ERROR for a context that is not a printer's. A null procedure removes it.
int SetAbortProc(HDC dc, ABORTPROC proc);

// Escape codes: which escapes a context supports (the input is the escape's code), the paper size
// and the printable part's offset on the paper (each a POINT out, in device pixels).
inline constexpr int QUERYESCSUPPORT = 8;
inline constexpr int GETPHYSPAGESIZE = 12;
inline constexpr int GETPRINTINGOFFSET = 13;

// Positive when done (or supported), 0 when the escape is not supported, negative on failure.
int Escape(HDC dc, int escape, int inputSize, LPCSTR input, LPVOID output);

}  // namespace win
