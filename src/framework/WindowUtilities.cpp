#include "framework/WindowUtilities.h"

#include <cstdint>
#include <string_view>

#include "framework/AppEnvironment.h"
#include "framework/TAppl.h"
#include "framework/TWindow.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/DragDrop.h"
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

}  // namespace

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
