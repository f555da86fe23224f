#include "items/printing/PrintRecord.h"

#include <algorithm>
#include <cstring>

#include "framework/AppEnvironment.h"
#include "framework/ChooserHooks.h"
#include "framework/TAppl.h"
#include "items/printing/PrintErrors.h"
#include "platform/gdi/Gdi.h"
#include "platform/sys/Profile.h"
#include "platform/ui/Input.h"
#include "platform/ui/Window.h"

using namespace win;

namespace {

std::int32_t gCopies = 1;

// The context of the system's default printer, named by the profile's device entry
// ("device,driver,port"); null when there is none.
HDC DefaultPrinterContext() {
    char entry[256] = {};
    GetProfileStringA("windows", "device", "", entry, sizeof entry);
    const std::string text = entry;
    const std::size_t driverAt = text.find(',');
    const std::size_t portAt = driverAt == std::string::npos ? driverAt : text.find(',', driverAt + 1);
    if (portAt == std::string::npos) return nullptr;
    const std::string device = text.substr(0, driverAt);
    const std::string driver = text.substr(driverAt + 1, portAt - driverAt - 1);
    const std::string port = text.substr(portAt + 1);
    if (device.empty() || driver.empty() || port.empty()) return nullptr;
    return CreateDCA(driver.c_str(), device.c_str(), port.c_str(), nullptr);
}

bool Supports(HDC dc, int escape) {
    return Escape(dc, QUERYESCSUPPORT, sizeof escape, reinterpret_cast<LPCSTR>(&escape), nullptr) > 0;
}

// Device pixels as points, truncated.
int Points(int pixels, int resolution) { return resolution > 0 ? pixels * 72 / resolution : 0; }

ErrCode SizeResult(std::int16_t& width, std::int16_t& height, int w, int h) {
    width = static_cast<std::int16_t>(w);
    height = static_cast<std::int16_t>(h);
    return width < 1 || height < 1 ? ErrCode{-1} : kNoErr;
}

constexpr DWORD kPrintFlags = PD_ENABLEPRINTHOOK | PD_RETURNDC | PD_NOSELECTION;
constexpr DWORD kSetupFlags = PD_ENABLESETUPHOOK | PD_RETURNDC | PD_PRINTSETUP;

}  // namespace

std::int32_t GetPrintCopies() { return gCopies; }
void SetPrintCopies(std::int32_t copies) { gCopies = copies; }

PrintRecord::~PrintRecord() {
    if (printerDC_) DeleteDC(printerDC_);
}

PrintRecord* PrintRecord::OfApplication() {
    TAppl* application = GetAppl();
    return application ? dynamic_cast<PrintRecord*>(application->GetPrintRecord()) : nullptr;
}

ErrCode PrintRecord::CreatePrinterDC() {
    if (printerDC_) DeleteDC(printerDC_);
    printerDC_ = nullptr;
    hasPrinterDC_ = 0;
    HDC dc = DefaultPrinterContext();
    if (!dc) return kPrintNoMemory;
    ReplacePrinterDC(dc);
    SetPageRange(0, -1);
    return kNoErr;
}

void PrintRecord::ReplacePrinterDC(HDC dc) {
    if (printerDC_ && printerDC_ != dc) DeleteDC(printerDC_);
    printerDC_ = dc;
    ApplyPageMapping();
    hasPrinterDC_ = 1;
}

ErrCode PrintRecord::RunDialog(DWORD flags) {
    const ChooserModalPhase phase;
    for (int attempt = 0;; ++attempt) {
        dialog_.lStructSize = sizeof dialog_;
        dialog_.hwndOwner = GetActiveWindow();
        dialog_.hDC = nullptr;
        dialog_.Flags = flags;
        dialog_.nFromPage = dialog_.nToPage = 0xFFFF;
        dialog_.nMinPage = 1;
        dialog_.nMaxPage = 0xFFFF;
        dialog_.nCopies = 1;
        dialog_.lpfnPrintHook = (flags & PD_ENABLEPRINTHOOK) ? CenterChooserHook : nullptr;
        dialog_.lpfnSetupHook = (flags & PD_ENABLESETUPHOOK) ? CenterChooserHook : nullptr;
        if (PrintDlgA(&dialog_)) {
            ReplacePrinterDC(dialog_.hDC);
            dialog_.hDC = nullptr;
            return kNoErr;
        }
        const ErrCode code = MapCommDlgError(CommDlgExtendedError());
        if (code != kPrintDefaultDifferent || attempt > 0) return code;
        // The default printer changed: forget the old printer's choices and ask again.
        dialog_.hDevMode = nullptr;
        dialog_.hDevNames = nullptr;
    }
}

ErrCode PrintRecord::PrintDialog() {
    const ErrCode code = RunDialog(kPrintFlags);
    if (code != kNoErr) return code;
    ReadPageRange(dialog_, firstPage_, lastPage_);
    gCopies = std::max<std::int32_t>(1, dialog_.nCopies);
    return kNoErr;
}

ErrCode PrintRecord::SetupDialog() {
    const ErrCode code = RunDialog(kSetupFlags);
    if (code == kNoErr) SetPageRange(0, -1);
    return code;
}

void PrintRecord::GetMargins(std::uint16_t& left, std::uint16_t& top, std::uint16_t& right,
                             std::uint16_t& bottom) const {
    left = leftMargin_;
    top = topMargin_;
    right = rightMargin_;
    bottom = bottomMargin_;
}

void PrintRecord::SetMargins(std::uint16_t left, std::uint16_t top, std::uint16_t right,
                             std::uint16_t bottom) {
    leftMargin_ = left;
    topMargin_ = top;
    rightMargin_ = right;
    bottomMargin_ = bottom;
    if (printerDC_) ApplyPageMapping();
}

void PrintRecord::GetDocName(char* buffer, std::size_t size) const {
    if (!buffer || size == 0) return;
    const std::size_t count = std::min(size - 1, docName_.size());
    std::memcpy(buffer, docName_.data(), count);
    buffer[count] = '\0';
}

void PrintRecord::GetPageRange(std::int16_t& first, std::int16_t& last) const {
    first = firstPage_;
    last = lastPage_;
}

void PrintRecord::SetPageRange(std::int16_t first, std::int16_t last) {
    firstPage_ = first;
    lastPage_ = last > 999 ? std::int16_t{-1} : last;
}

ErrCode PrintRecord::GetPaperSize(std::int16_t& width, std::int16_t& height) const {
    width = height = -1;
    if (!printerDC_) return -1;
    if (!Supports(printerDC_, GETPHYSPAGESIZE)) return GetPrintableSize(width, height);
    return SizeResult(
        width, height,
        Points(GetDeviceCaps(printerDC_, PHYSICALWIDTH), GetDeviceCaps(printerDC_, LOGPIXELSX)),
        Points(GetDeviceCaps(printerDC_, PHYSICALHEIGHT), GetDeviceCaps(printerDC_, LOGPIXELSY)));
}

ErrCode PrintRecord::GetPrintableSize(std::int16_t& width, std::int16_t& height) const {
    width = height = -1;
    if (!printerDC_) return -1;
    const double dpiX = GetDeviceCaps(printerDC_, LOGPIXELSX);
    const double dpiY = GetDeviceCaps(printerDC_, LOGPIXELSY);
    if (dpiX < 1 || dpiY < 1) return -1;
    return SizeResult(width, height, static_cast<int>(GetDeviceCaps(printerDC_, HORZRES) * 72.0 / dpiX),
                      static_cast<int>(GetDeviceCaps(printerDC_, VERTRES) * 72.0 / dpiY));
}

ErrCode PrintRecord::GetUnprintableMargins(std::int16_t& left, std::int16_t& top, std::int16_t& right,
                                           std::int16_t& bottom) const {
    left = top = right = bottom = 0;
    std::int16_t paperWidth, paperHeight, printableWidth, printableHeight;
    if (const ErrCode code = GetPaperSize(paperWidth, paperHeight)) return code;
    if (const ErrCode code = GetPrintableSize(printableWidth, printableHeight)) return code;
    const int dx = paperWidth - printableWidth;
    const int dy = paperHeight - printableHeight;
    ErrCode result = kNoErr;
    int l, t;
    if (Supports(printerDC_, GETPRINTINGOFFSET)) {
        l = Points(GetDeviceCaps(printerDC_, PHYSICALOFFSETX), GetDeviceCaps(printerDC_, LOGPIXELSX));
        t = Points(GetDeviceCaps(printerDC_, PHYSICALOFFSETY), GetDeviceCaps(printerDC_, LOGPIXELSY));
    } else {
        result = -1;
        l = dx / 2;
        t = dy / 2;
    }
    // What the paper has beyond the printable part and the left and top borders.
    left = static_cast<std::int16_t>(std::max(0, l));
    top = static_cast<std::int16_t>(std::max(0, t));
    right = static_cast<std::int16_t>(std::max(0, dx - l));
    bottom = static_cast<std::int16_t>(std::max(0, dy - t));
    return result;
}

ErrCode PrintRecord::GetPageArea(std::int16_t& width, std::int16_t& height) const {
    width = height = -1;
    std::int16_t paperWidth, paperHeight, left, top, right, bottom;
    if (const ErrCode code = GetPaperSize(paperWidth, paperHeight)) return code;
    GetUnprintableMargins(left, top, right, bottom);
    return SizeResult(width, height,
                      paperWidth - std::max<int>(leftMargin_, left) - std::max<int>(rightMargin_, right),
                      paperHeight - std::max<int>(topMargin_, top) - std::max<int>(bottomMargin_, bottom));
}

ErrCode PrintRecord::GetPageRect(ShortRect& rect) const {
    std::int16_t width, height;
    const ErrCode code = GetPageArea(width, height);
    rect = ShortRect::MakeLTRB(0, 0, code == kNoErr ? width : 0, code == kNoErr ? height : 0);
    return code;
}

ErrCode PrintRecord::ApplyPageMapping() const {
    return SetPageMapping(printerDC_, leftMargin_, topMargin_, rightMargin_, bottomMargin_);
}

ErrCode PrintRecord::SetPageMapping(HDC dc, std::uint16_t left, std::uint16_t top, std::uint16_t /*right*/,
                                    std::uint16_t /*bottom*/) const {
    std::int16_t paperWidth, paperHeight, printableWidth, printableHeight;
    if (const ErrCode code = GetPaperSize(paperWidth, paperHeight)) return code;
    if (const ErrCode code = GetPrintableSize(printableWidth, printableHeight)) return code;
    // The printable part is taken as centred on the paper; a margin inside the border is the border.
    const int hx = (paperWidth - printableWidth) / 2;
    const int hy = (paperHeight - printableHeight) / 2;
    const int originX = left == 0 ? 0 : std::max(0, left - hx);
    const int originY = top == 0 ? 0 : std::max(0, top - hy);
    // One logical unit is one point, exactly, from the corner inside the margins.
    const int dpiX = GetDeviceCaps(dc, LOGPIXELSX);
    const int dpiY = GetDeviceCaps(dc, LOGPIXELSY);
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowExtEx(dc, 72, 72, nullptr);
    SetViewportExtEx(dc, dpiX, dpiY, nullptr);
    SetViewportOrgEx(dc, 0, 0, nullptr);
    SetWindowOrgEx(dc, -originX, -originY, nullptr);
    // Nothing is drawn outside the printable part.
    HRGN clip = CreateRectRgn(0, 0, GetDeviceCaps(dc, HORZRES), GetDeviceCaps(dc, VERTRES));
    SelectClipRgn(dc, clip);
    DeleteObject(clip);
    return kNoErr;
}

void PrintRecord::ReadPageRange(const PRINTDLGA& dialog, std::int16_t& first, std::int16_t& last) {
    if (!(dialog.Flags & PD_PAGENUMS)) {
        first = static_cast<std::int16_t>(dialog.nMinPage - 1);
        last = -1;
        return;
    }
    int from = (dialog.nFromPage == 0xFFFF ? dialog.nMinPage : dialog.nFromPage) - 1;
    if (from < 0 || from > 999) from = 0;
    int to = dialog.nToPage - 1;
    if (to >= 1000) to = 999;
    if (to < from) to = from;
    if (dialog.nToPage == 0xFFFF) to = -1;
    first = static_cast<std::int16_t>(from);
    last = static_cast<std::int16_t>(to);
}
