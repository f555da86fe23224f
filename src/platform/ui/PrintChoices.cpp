#include "platform/ui/PrintChoices.h"

#include <strings.h>
#include <algorithm>
#include <charconv>
#include <sstream>

#include "platform/gdi/DeviceContexts.h"
#include "platform/sys/Profile.h"
#include "platform/ui/ChooserSupport.h"

namespace win::detail {
namespace {

constexpr int kMostCopies = 999;

std::string& SessionPrinter() {
    static std::string device;
    return device;
}

// The device named first in the system profile's printer entry.
std::string DefaultDevice() {
    char entry[256] = {};
    GetProfileStringA("windows", "device", "", entry, sizeof entry);
    const std::string text = entry;
    return text.substr(0, text.find(','));
}

std::optional<int> Number(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

bool Same(const std::string& a, const char* b) { return strcasecmp(a.c_str(), b) == 0; }

bool TakeChoice(const std::string& name, const std::string& value, PrintChoices& choices) {
    if (name == "printer") {
        const auto found = std::find_if(choices.printers.begin(), choices.printers.end(),
                                        [&](const PrinterInfo& p) { return p.device == value; });
        if (found == choices.printers.end()) return false;
        choices.printer = static_cast<std::size_t>(found - choices.printers.begin());
        return true;
    }
    if (name == "pages") {
        choices.pageRange = !Same(value, "all");
        if (!choices.pageRange) return true;
        const std::size_t dash = value.find('-');
        const auto from = Number(value.substr(0, dash));
        const auto to = dash == std::string::npos ? from : Number(value.substr(dash + 1));
        if (!from || !to) return false;
        choices.fromPage = *from;
        choices.toPage = *to;
        return true;
    }
    if (name == "copies") {
        const auto copies = Number(value);
        if (copies) choices.copies = *copies;
        return copies.has_value();
    }
    if (name == "paper") {
        const short paper = Same(value, "Letter")  ? DMPAPER_LETTER
                            : Same(value, "Legal") ? DMPAPER_LEGAL
                            : Same(value, "A4")    ? DMPAPER_A4
                                                   : 0;
        if (paper != 0) choices.paper.paper = paper;
        return paper != 0;
    }
    if (name == "orientation") {
        const bool portrait = Same(value, "portrait");
        if (!portrait && !Same(value, "landscape")) return false;
        choices.paper.orientation = portrait ? DMORIENT_PORTRAIT : DMORIENT_LANDSCAPE;
        return true;
    }
    return false;
}

}  // namespace

PrintChoices InitialChoices(const PRINTDLGA& print) {
    PrintChoices choices;
    choices.printers = ListPrinters();
    const std::string wanted = SessionPrinter().empty() ? DefaultDevice() : SessionPrinter();
    for (std::size_t i = 0; i < choices.printers.size(); ++i) {
        if (choices.printers[i].device == wanted) choices.printer = i;
    }
    choices.paper = GetPrinterPaper(choices.printers[choices.printer].device);
    choices.pageRange = (print.Flags & PD_PAGENUMS) != 0;
    // 0xFFFF leaves a page field empty.
    choices.fromPage = print.nFromPage == 0xFFFF ? 0 : print.nFromPage;
    choices.toPage = print.nToPage == 0xFFFF ? 0 : print.nToPage;
    choices.copies = std::max<int>(1, print.nCopies);
    return choices;
}

bool TakeScriptedChoices(const std::string& answer, PrintChoices& choices) {
    PrintChoices taken = choices;
    std::istringstream lines(answer);
    for (std::string line; std::getline(lines, line);) {
        if (line.empty()) continue;
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos ||
            !TakeChoice(line.substr(0, equals), line.substr(equals + 1), taken))
            return false;
    }
    choices = std::move(taken);
    return true;
}

std::string ChoiceProblem(const PrintChoices& choices, const PRINTDLGA& print) {
    if (print.Flags & PD_PRINTSETUP) return {};
    const int least = std::max<int>(1, print.nMinPage);
    const int most = print.nMaxPage == 0 ? 0xFFFF : print.nMaxPage;
    if (choices.pageRange) {
        if (choices.fromPage < least || choices.fromPage > most || choices.toPage < least ||
            choices.toPage > most)
            return "Pages must be numbered from " + std::to_string(least) + " to " + std::to_string(most) +
                   ".";
        if (choices.fromPage > choices.toPage) return "The first page must not come after the last one.";
    }
    if (choices.copies < 1 || choices.copies > kMostCopies)
        return "The number of copies must be from 1 to " + std::to_string(kMostCopies) + ".";
    return {};
}

bool Conclude(const PrintChoices& choices, PRINTDLGA& print) {
    const PrinterInfo& printer = choices.printers[choices.printer];
    SessionPrinter() = printer.device;
    SetPrinterPaper(printer.device, choices.paper);
    if (!(print.Flags & PD_PRINTSETUP)) {
        print.Flags = choices.pageRange ? print.Flags | PD_PAGENUMS : print.Flags & ~PD_PAGENUMS;
        if (choices.pageRange) {
            print.nFromPage = static_cast<WORD>(choices.fromPage);
            print.nToPage = static_cast<WORD>(choices.toPage);
        }
        print.nCopies = static_cast<WORD>(choices.copies);
    }
    if (print.Flags & PD_RETURNDC) {
        DEVMODEA mode;
        mode.dmFields = DM_PAPERSIZE | DM_ORIENTATION;
        mode.dmPaperSize = choices.paper.paper;
        mode.dmOrientation = choices.paper.orientation;
        print.hDC = CreateDCA(kPrinterDriver, printer.device.c_str(), printer.port.c_str(), &mode);
        if (print.hDC == nullptr) {
            SetCommDlgExtendedError(PDERR_PRINTERNOTFOUND);
            return false;
        }
    }
    SetCommDlgExtendedError(0);
    return true;
}

}  // namespace win::detail
