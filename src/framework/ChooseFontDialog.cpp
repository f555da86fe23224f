// The font chooser, offering the faces of the screen and of the default printer.

#include <string>

#include "framework/ChooserHooks.h"
#include "framework/FontAndColorChoosers.h"
#include "framework/graphics/FontMapping.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/sys/Profile.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/FontChooser.h"
#include "platform/ui/Input.h"
#include "platform/ui/Styles.h"
#include "platform/ui/Window.h"

using namespace win;

namespace {

// The default printer's context, from the system profile's "device" entry ("device,driver,port");
// null when there is none.
HDC DefaultPrinterContext() {
    char entry[256] = "";
    GetProfileStringA("WINDOWS", "DEVICE", "", entry, sizeof entry);
    const std::string text = entry;
    const std::size_t first = text.find(',');
    const std::size_t second = first == std::string::npos ? std::string::npos : text.find(',', first + 1);
    if (second == std::string::npos) return nullptr;
    const std::string device = text.substr(0, first);
    std::string driver = text.substr(first + 1, second - first - 1);
    std::string port = text.substr(second + 1);
    while (!port.empty() && port.front() == ' ') port.erase(0, 1);
    if (device.empty() || driver.empty() || port.empty()) return nullptr;
    return CreateDCA(driver.c_str(), device.c_str(), port.c_str(), nullptr);
}

// Face and size only: the style label and list are hidden.
UINT_PTR FaceAndSizeHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        ShowWindow(GetDlgItem(window, FONT_STYLE_LABEL_ID), SW_HIDE);
        ShowWindow(GetDlgItem(window, FONT_STYLE_LIST_ID), SW_HIDE);
    }
    return CenterChooserHook(window, message, wParam, lParam);
}

}  // namespace

ErrCode ChooseFontDialog(LOGFONTA& font, int mode, int minimum, int maximum) {
    LOGFONTA offered = font;
    if (mode == kChooseFaceAndSize) SetLogFontStyle(offered, 0);
    CHOOSEFONTA record;
    record.lpLogFont = &offered;
    record.Flags = CF_SCREENFONTS | CF_PRINTERFONTS | CF_ENABLEHOOK | CF_INITTOLOGFONTSTRUCT |
                   CF_FORCEFONTEXIST | CF_NOSCRIPTSEL;
    if (minimum != 0) {
        record.Flags |= CF_LIMITSIZE;
        record.nSizeMin = minimum;
        record.nSizeMax = maximum;
    }
    record.nFontType = SCREEN_FONTTYPE;
    record.lpfnHook = mode == kChooseFaceAndSize ? FaceAndSizeHook : CenterChooserHook;
    record.hDC = DefaultPrinterContext();
    bool chosen = false;
    {
        const ChooserModalPhase modal;
        record.hwndOwner = GetActiveWindow();
        chosen = ChooseFontA(&record) != FALSE;
    }
    if (record.hDC) DeleteDC(record.hDC);
    if (!chosen) return 1;
    font = offered;
    return 0;
}
