#include "items/printing/PrintErrors.h"

#include <array>
#include <cstdio>
#include <utility>

#include "framework/Alerts.h"
#include "platform/ui/CommonDialogs.h"

namespace {

const char* MessageFormat(ErrCode code) {
    switch (code) {
        case kPrintNoMemory:
            return "%s Error: insufficient memory. Try closing documents and windows, or reducing the number "
                   "of "
                   "reports selected. If the Scale in Print Setup is less than 100%%, try increasing it.";
        case kPrintOutOfMemory:
            return "%s Error: Out of memory.\nClose some of your active applications and try again.";
        case kPrintStartDocFailed:
            return "%s Error: Can not send document to printer.\nPlease check to ensure printer is online "
                   "and all "
                   "connections are complete.";
        case kPrintStartPageFailed:
            return "%s Error: Can not send page to printer.\nPlease check to ensure printer is online and "
                   "all "
                   "connections are complete.";
        case kPrintEndPageFailed:
            return "%s Error: Can not finish printing page.\nPlease check printer for errors and try again.";
        case kPrintEndDocFailed:
            return "%s Error: Can not finish printing document.\nPlease check printer for errors and try "
                   "again.";
        case kPrintDriverError:
            return "%s Error: An error has occured in the printer's driver.\nPlease check to ensure a "
                   "printer is "
                   "selected and try again.";
        case kPrintTooNarrow:
            return "%s Error: insufficient width to print. Try reducing the margins, the scaling percentage, "
                   "or "
                   "the number of document columns.";
        case kPrintNoPageInRange:
            return "%s Error: the pages chosen lie past the end of the document, so nothing was printed. "
                   "Choose pages from 1 to its last page and print again.";
        default: return nullptr;
    }
}

}  // namespace

std::string PrintErrorMessage(ErrCode code, const char* label) {
    if (code == 1 || code == 0 || code == -2 || code == kPrintCancelled) return {};
    char text[512];
    if (const char* format = MessageFormat(code)) {
        std::snprintf(text, sizeof text, format, label);
    } else {
        std::snprintf(text, sizeof text, "%s Error %ld. Check printer setup.", label,
                      static_cast<long>(code));
    }
    return text;
}

void ShowPrintError(ErrCode code, const char* label) {
    const std::string message = PrintErrorMessage(code, label);
    if (!message.empty()) AlertMessage(message.c_str(), kAlertStop, 1);
}

ErrCode MapCommDlgError(win::DWORD error) {
    static constexpr std::array<std::pair<win::DWORD, ErrCode>, 23> kCodes{{
        {win::CDERR_STRUCTSIZE, -26},       {win::CDERR_INITIALIZATION, -17},
        {win::CDERR_NOTEMPLATE, -25},       {win::CDERR_NOHINSTANCE, -23},
        {win::CDERR_LOADSTRFAILURE, -19},   {win::CDERR_FINDRESFAILURE, -16},
        {win::CDERR_LOADRESFAILURE, -18},   {win::CDERR_LOCKRESFAILURE, -20},
        {win::CDERR_MEMALLOCFAILURE, -21},  {win::CDERR_MEMLOCKFAILURE, -22},
        {win::CDERR_NOHOOK, -24},           {win::PDERR_SETUPFAILURE, -38},
        {win::PDERR_PARSEFAILURE, -35},     {win::PDERR_RETDEFFAILURE, -37},
        {win::PDERR_LOADDRVFAILURE, -32},   {win::PDERR_GETDEVMODEFAIL, -30},
        {win::PDERR_INITFAILURE, -31},      {win::PDERR_NODEVICES, -34},
        {win::PDERR_NODEFAULTPRN, -33},     {win::PDERR_DNDMMISMATCH, -29},
        {win::PDERR_CREATEICFAILURE, -27},  {win::PDERR_PRINTERNOTFOUND, -36},
        {win::PDERR_DEFAULTDIFFERENT, -28},
    }};
    for (const auto& [extended, code] : kCodes) {
        if (extended == error) return code;
    }
    return kPrintCancelled;
}
