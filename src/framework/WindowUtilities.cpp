#include "framework/WindowUtilities.h"

#include <cstdint>
#include <string_view>

#include <string>

#include "framework/AppEnvironment.h"
#include "framework/TAppl.h"
#include "framework/TWindow.h"
#include "framework/graphics/FontMapping.h"
#include "framework/graphics/Rgn.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/Fonts.h"
#include "platform/sys/Profile.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/DragDrop.h"
#include "platform/ui/Paint.h"
#include "platform/ui/Shell.h"
#include "platform/ui/Styles.h"
#include "platform/ui/SystemMetrics.h"
#include "platform/ui/Window.h"

using namespace win;

namespace {

std::int16_t gModalDepth = 0;
std::int16_t gCascadeIndex = 0;
constexpr std::int16_t kCascadePlaces = 12;

void ActivatePalettes(bool active) {
    TAppl* application = GetAppl();
    if (!application) return;
    for (std::int32_t i = 0; i < application->GetPaletteCount(); ++i)
        application->GetPalette(i)->Activate(active);
}

void AcceptDroppedFiles(bool accept) {
    TAppl* application = GetAppl();
    if (application && application->GetFrameWindow()) DragAcceptFiles(application->GetFrameWindow(), accept);
}

HWND MDIClient() {
    const AppEnvironment* environment = GetAppEnvironment();
    return environment ? environment->GetMDIClient() : nullptr;
}

ShortPoint MapPoint(HWND from, HWND to, ShortPoint point) {
    POINT mapped{point.x, point.y};
    MapWindowPoints(from, to, &mapped, 1);
    return ShortPoint{static_cast<std::int16_t>(mapped.x), static_cast<std::int16_t>(mapped.y)};
}

}  // namespace

void InvalidateShortRect(HWND window, const ShortRect& rect) {
    if (!window) return;
    const RECT r = rect.ToRECT();
    InvalidateRect(window, &r, TRUE);
}

void InvalidateRegion(HWND window, const Rgn& region) {
    if (window) InvalidateRgn(window, region.GetHandle(), TRUE);
}

void ValidateShortRect(HWND window, const ShortRect& rect) {
    const RECT r = rect.ToRECT();
    ValidateRect(window, &r);
}

void ValidateRegion(HWND window, const Rgn& region) { ValidateRgn(window, region.GetHandle()); }

ShortPoint WindowToMDIClientPoint(HWND window, ShortPoint point) {
    return MapPoint(window, MDIClient(), point);
}

ShortPoint MDIClientToWindowPoint(HWND window, ShortPoint point) {
    return MapPoint(MDIClient(), window, point);
}

ShortPoint GetScrollBarSizes() {
    return ShortPoint{static_cast<std::int16_t>(GetSystemMetrics(SM_CXVSCROLL)),
                      static_cast<std::int16_t>(GetSystemMetrics(SM_CYHSCROLL))};
}

void GetDesktopWorkArea(ShortRect& rect) {
    RECT desktop{};
    GetWindowRect(GetDesktopWindow(), &desktop);
    APPBARDATA bar;
    if (SHAppBarMessage(ABM_GETTASKBARPOS, &bar)) {
        const RECT& task = bar.rc;
        if (task.top > desktop.top && task.bottom > desktop.bottom) {
            desktop.bottom = task.top - 1;
        } else if (task.top < desktop.top && task.bottom < desktop.bottom) {
            desktop.top = task.bottom + 1;
        } else if (task.left > desktop.left && task.right > desktop.right) {
            desktop.right = task.left - 1;
        } else if (task.left < desktop.left && task.right < desktop.right) {
            desktop.left = task.right + 1;
        }
    }
    rect = ShortRect::FromRECT(desktop);
}

namespace {

// The next piece of the text from `at`: leading delimiters skipped, up to the next delimiter.
std::string NextPiece(const std::string& text, std::size_t& at, const char* delimiters) {
    const std::size_t start = text.find_first_not_of(delimiters, at);
    if (start == std::string::npos) {
        at = text.size();
        return {};
    }
    const std::size_t end = text.find_first_of(delimiters, start);
    at = end == std::string::npos ? text.size() : end;
    return text.substr(start, at - start);
}

}  // namespace

HDC CreateDefaultPrinterDC() {
    char entry[256] = {};
    GetProfileStringA("WINDOWS", "DEVICE", "", entry, sizeof entry);
    const std::string text = entry;
    std::size_t at = 0;
    const std::string device = NextPiece(text, at, ",");
    const std::string driver = NextPiece(text, at, ", ");
    const std::string port = NextPiece(text, at, ", ");
    if (device.empty() || driver.empty() || port.empty()) return nullptr;
    return CreateDCA(driver.c_str(), device.c_str(), port.c_str(), nullptr);
}

HFONT GetDefaultItemFont() {
    AppEnvironment* environment = GetAppEnvironment();
    if (!environment) return nullptr;
    if (!environment->GetSharedObject()) environment->SetSharedObject(CreateFontByNumber(0, 12, 0));
    return static_cast<HFONT>(environment->GetSharedObject());
}

bool IsFrameOrClient(HWND window) {
    const AppEnvironment* environment = GetAppEnvironment();
    if (!window) return true;
    return environment && (window == environment->GetFrameWindow() || window == environment->GetMDIClient());
}

bool IsDialogWindow(HWND window) {
    const DWORD style = static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE));
    return ((style & WS_POPUP) && (style & WS_DLGFRAME)) || (style & (DS_MODALFRAME | DS_SYSMODAL));
}

// Every window of the window layer is this process's own.
bool BelongsToApplication(HWND window) { return IsWindow(window); }

TWindow* ObjectFromHWnd(HWND window) {
    if (IsFrameOrClient(window) || !BelongsToApplication(window) || IsDialogWindow(window)) return nullptr;
    return reinterpret_cast<TWindow*>(GetWindowLongA(window, 0));
}

HWND FirstTWindowChild() {
    const AppEnvironment* environment = GetAppEnvironment();
    if (!environment || !environment->GetMDIClient()) return nullptr;
    for (HWND child = GetTopWindow(environment->GetMDIClient()); child;
         child = GetWindow(child, GW_HWNDNEXT)) {
        char name[31];
        GetClassNameA(child, name, sizeof name);
        if (std::string_view(name) == kWindowClassName) return child;
    }
    return nullptr;
}

HWND NextSibling(HWND window) {
    const HWND next = GetWindow(window, GW_HWNDNEXT);
    return next && IsFrameOrClient(next) ? nullptr : next;
}

HWND NextVisibleSibling(HWND window) {
    HWND next = NextSibling(window);
    while (next && !IsWindowVisible(next)) next = NextSibling(next);
    return next;
}

TWindow* FindWindowObject(const std::function<bool(TWindow&)>& passOver) {
    for (HWND window = FirstTWindowChild(); window; window = NextVisibleSibling(window)) {
        TWindow* object = ObjectFromHWnd(window);
        if (!object) return nullptr;
        if (!passOver || !passOver(*object)) return object;
    }
    return nullptr;
}

bool IsPaletteWindow(HWND window) {
    const TWindow* object = ObjectFromHWnd(window);
    return object && object->GetMode() >= 0;
}

bool IsWindowShown(HWND window) { return IsWindowVisible(window) != FALSE; }

HWND LastWindowOfFirstPalette() {
    TAppl* application = GetAppl();
    TWindow* palette = application ? application->GetPalette(0) : nullptr;
    return palette ? GetWindow(palette->GetHWnd(), GW_HWNDLAST) : nullptr;
}

void HideAllPalettes() {
    TAppl* application = GetAppl();
    if (!application) return;
    for (std::int32_t i = 0; i < application->GetPaletteCount(); ++i) {
        TWindow* palette = application->GetPalette(i);
        const bool visible = IsWindowVisible(palette->GetHWnd()) != FALSE;
        palette->SetWasVisible(visible);
        if (visible) ShowWindow(palette->GetHWnd(), SW_HIDE);
    }
}

void ShowHiddenPalettes() {
    TAppl* application = GetAppl();
    if (!application) return;
    for (std::int32_t i = 0; i < application->GetPaletteCount(); ++i) {
        TWindow* palette = application->GetPalette(i);
        if (palette->WasVisible()) ShowWindow(palette->GetHWnd(), SW_SHOWNOACTIVATE);
    }
}

void BeginModalState() {
    if (gModalDepth++ > 0) return;
    ActivatePalettes(false);
    AcceptDroppedFiles(false);
}

void EndModalState() {
    if (gModalDepth == 0 || --gModalDepth > 0) return;
    ActivatePalettes(true);
    AcceptDroppedFiles(true);
}

bool IsModalState() { return gModalDepth > 0; }

ShortPoint NextCascadePoint(bool reset, bool keep) {
    if (reset) gCascadeIndex = 0;
    const int n = gCascadeIndex;
    const int cx = GetSystemMetrics(SM_CXFRAME);
    const int cy = GetSystemMetrics(SM_CYCAPTION);
    const ShortPoint point{static_cast<std::int16_t>(cx * ((n % 4) + 8 * (n / 4))),
                           static_cast<std::int16_t>(cy * (n % 4))};
    if (!keep) gCascadeIndex = static_cast<std::int16_t>((n + 1) % kCascadePlaces);
    return point;
}
