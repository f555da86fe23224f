#pragma once
// Internal to the window layer: what the print dialogs offer and keep, and the reading of a
// prompt responder's answer for them.

#include <optional>
#include <string>
#include <vector>

#include "platform/gdi/Printers.h"
#include "platform/ui/PrintDialog.h"

namespace win::detail {

struct PrintChoices {
    std::vector<PrinterInfo> printers;
    std::size_t printer = 0;  // into printers
    PaperChoice paper;
    bool pageRange = false;
    int fromPage = 1;
    int toPage = 1;
    int copies = 1;
};

// The printers, the session's printer (or the profile's default) and its paper, and the record's
// pages and copies.
PrintChoices InitialChoices(const PRINTDLGA& print);
// Takes a responder's "name=value" lines; false, with nothing kept, when one cannot be taken.
bool TakeScriptedChoices(const std::string& answer, PrintChoices& choices);
// Why the choices cannot be taken: an empty text when they can.
std::string ChoiceProblem(const PrintChoices& choices, const PRINTDLGA& print);
// Puts OK'd choices into the record and keeps the printer and paper for the session; false, with
// the extended error set, when the printer's context cannot be made.
bool Conclude(const PrintChoices& choices, PRINTDLGA& print);

}  // namespace win::detail

namespace win::detail {

// Has the file printer ask where a document goes with the save chooser ("Print to File", opened on
// the suggested file, PDF files shown, ".pdf" added to a name without an extension): cancelling it,
// or choosing an empty name, cancels the job. Done once, when the window layer starts.
void InstallPrintFilePrompt();

}  // namespace win::detail
