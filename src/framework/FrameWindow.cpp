// The frame window's procedure: the MDI client's life, closing and ending the session, activation,
// the cursor over the frame, commands, menus about to open, the autosave timer, dropped files,
// palettes, a later start's hand-over and the deferred removal of an in-place editor.

#include <strings.h>

#include <string>

#include "framework/AppEnvironment.h"
#include "framework/AutoSaveManager.h"
#include "framework/CommandLine.h"
#include "framework/TAppl.h"
#include "framework/TMenu.h"
#include "framework/TWindow.h"
#include "framework/WindowUtilities.h"
#include "framework/graphics/AppPalette.h"
#include "framework/graphics/Cursors.h"
#include "platform/gdi/Palettes.h"
#include "platform/sys/Bell.h"
#include "platform/sys/Profile.h"
#include "platform/ui/DragDrop.h"
#include "platform/ui/Input.h"
#include "platform/ui/Mdi.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/ModalDialogs.h"
#include "platform/ui/Paint.h"
#include "platform/ui/Timer.h"
#include "platform/ui/Styles.h"
#include "platform/ui/Window.h"

using namespace win;

namespace {

constexpr DWORD kClientStyle = 0x52300001;  // WS_CHILD, WS_VISIBLE, WS_CLIPCHILDREN, both scroll bars,
                                            // MDIS_ALLCHILDSTYLES
constexpr UINT kFirstChildId = 0x7161;
constexpr UINT WM_REMOVE_EDITOR = WM_USER + 2;
constexpr const char* kFrameSection = "APP_FRAME";

LRESULT Default(HWND frame, UINT message, WPARAM wParam, LPARAM lParam) {
    const AppEnvironment* environment = GetAppEnvironment();
    return DefFrameProcA(frame, environment ? environment->GetMDIClient() : nullptr, message, wParam, lParam);
}

LRESULT OnCreate(TAppl& application, HWND frame) {
    TMenu* windowMenu = application.GetMenu(application.GetWindowMenuIndex());
    CLIENTCREATESTRUCT client;
    client.hWindowMenu = windowMenu ? windowMenu->GetHMenu() : nullptr;
    client.idFirstChild = kFirstChildId;
    const HWND mdiClient = CreateWindowExA(0, "MDICLIENT", nullptr, kClientStyle, 0, 0, 0, 0, frame,
                                           reinterpret_cast<HMENU>(std::uintptr_t{1}),
                                           application.GetEnvironment()->GetInstance(), &client);
    application.GetEnvironment()->SetMDIClient(mdiClient);
    application.MarkMenusStale();
    DragAcceptFiles(frame, TRUE);
    return 0;
}

// The frame's place and state go to the profile, for the next start.
void WritePlacement(const TAppl& application, HWND frame) {
    const std::string& profile = application.GetProfilePath();
    if (profile.empty()) return;
    WINDOWPLACEMENT placement;
    GetWindowPlacement(frame, &placement);
    const RECT& normal = placement.rcNormalPosition;
    const auto write = [&profile](const char* key, long value) {
        WritePrivateProfileStringA(kFrameSection, key, std::to_string(value).c_str(), profile.c_str());
    };
    write("Maxed", IsZoomed(frame) ? 1 : 0);
    write("XPos", normal.left);
    write("YPos", normal.top);
    write("Width", normal.right - normal.left);
    write("Height", normal.bottom - normal.top);
}

LRESULT OnDestroy(TAppl& application, HWND frame) {
    DragAcceptFiles(frame, FALSE);
    WritePlacement(application, frame);
    application.GetEnvironment()->SetMDIClient(nullptr);
    application.GetEnvironment()->SetFrameWindow(nullptr);
    PostQuitMessage(0);
    return 0;
}

LRESULT OnActivateApp(TAppl& application, bool active) {
    if (TWindow* front = application.GetFrontWindow()) front->Activate(active);
    if (active) {
        ShowHiddenPalettes();
        application.GetEnvironment()->SetInBackground(false);
        application.GetAutoSaveManager()->ResumePending();
    } else {
        HideAllPalettes();
        application.GetEnvironment()->SetInBackground(true);
    }
    return 0;
}

// While the busy cursor shows it stays; over the client area the arrow shows.
LRESULT OnSetCursor(HWND frame, WPARAM wParam, LPARAM lParam) {
    if (IsBusyCursorShowing()) return TRUE;
    if (LOWORD(static_cast<std::uintptr_t>(lParam)) == HTCLIENT) {
        SetCursorById(0);
        return TRUE;
    }
    return Default(frame, WM_SETCURSOR, wParam, lParam);
}

LRESULT OnMouseMove(HWND frame, WPARAM wParam, LPARAM lParam) {
    if (IsBusyCursorShowing()) return Default(frame, WM_MOUSEMOVE, wParam, lParam);
    SetCursorById(0);
    return 0;
}

LRESULT OnPaletteQuery(HWND frame) {
    const HPALETTE palette = GetAppPalette();
    if (!palette) return 0;
    const HDC dc = GetDC(frame);
    const HPALETTE previous = SelectPalette(dc, palette, FALSE);
    const UINT changed = RealizePalette(dc);
    SelectPalette(dc, previous, TRUE);
    RealizePalette(dc);
    ReleaseDC(frame, dc);
    InvalidateRect(frame, nullptr, changed > 0);
    return static_cast<LRESULT>(changed);
}

// An in-place editor of a table cell, hidden when its editing ended, goes now.
LRESULT OnRemoveEditor(WPARAM wParam, LPARAM lParam) {
    const auto editor = reinterpret_cast<HWND>(wParam);
    const auto parent = reinterpret_cast<HWND>(lParam);
    if (!IsWindow(editor) || !IsWindow(parent) || !IsChild(parent, editor)) return 0;
    char name[5] = {};
    GetClassNameA(editor, name, sizeof name);
    if (strcasecmp(name, "EDIT") == 0) DestroyWindow(editor);
    return 0;
}

LRESULT FrameMessage(TAppl& application, HWND frame, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE: return OnCreate(application, frame);
        case WM_DESTROY: return OnDestroy(application, frame);
        case WM_CLOSE:
            // While a modal dialog runs (or anything else keeps the frame disabled) a request to
            // close waits for it, then goes through the same questions as Quit.
            if (!IsWindowEnabled(frame) || IsModalDialogUp()) {
                application.SetCloseWaiting(true);
                MessageBeep(0);
                return 0;
            }
            application.SetCloseWaiting(false);
            if (application.CloseAllToQuit()) application.FlushAndQuit();
            application.MarkMenusStale();
            return 0;
        case WM_ENABLE:
            if (wParam != 0 && application.IsCloseWaiting()) PostMessageA(frame, WM_CLOSE, 0, 0);
            return Default(frame, message, wParam, lParam);
        case WM_QUERYENDSESSION: return application.CloseAllToQuit() ? TRUE : FALSE;
        case WM_ENDSESSION:
            if (wParam != 0) application.Quit(false);
            return 0;
        case WM_WININICHANGE:
        case WM_DEVMODECHANGE: application.MarkMenusStale(); return 0;
        case WM_ACTIVATEAPP: return OnActivateApp(application, wParam != 0);
        case WM_SETCURSOR: return OnSetCursor(frame, wParam, lParam);
        case WM_NCACTIVATE:
            if (wParam == 0 && application.GetEnvironment()->KeepsFrameActive()) {
                Default(frame, WM_NCACTIVATE, TRUE, lParam);
                application.GetEnvironment()->SetKeepFrameActive(false);
                return 0;
            }
            return Default(frame, message, wParam, lParam);
        case WM_COMMAND: {
            const ErrCode result = application.HandleCommand(LOWORD(wParam));
            application.MarkMenusStale();
            return result == -1 ? Default(frame, message, wParam, lParam) : 0;
        }
        case WM_SYSCOMMAND: {
            application.MarkMenusStale();
            const LRESULT result = Default(frame, message, wParam, lParam);
            const WPARAM command = wParam & 0xFFF0;
            if (command == SC_RESTORE || command == SC_MAXIMIZE)
                application.GetAutoSaveManager()->ResumePending();
            return result;
        }
        case WM_TIMER:
            if (wParam == kHandOverPauseTimerId) {
                KillTimer(frame, kHandOverPauseTimerId);
                application.OpenHandOvers();
                return 0;
            }
            application.GetAutoSaveManager()->OnTimer(static_cast<std::uint32_t>(wParam));
            return 0;
        case WM_INITMENUPOPUP:
            if (application.MenusStale()) {
                if (TMenu* menu = application.FindMenuByHandle(reinterpret_cast<HMENU>(wParam)))
                    menu->UpdateItems();
            }
            return 0;
        case WM_MOUSEMOVE: return OnMouseMove(frame, wParam, lParam);
        case WM_DROPFILES:
            SetActiveWindow(frame);
            OpenDroppedFiles(application, reinterpret_cast<HDROP>(wParam));
            DragFinish(reinterpret_cast<HDROP>(wParam));
            return 0;
        case WM_PALETTECHANGED: return reinterpret_cast<HWND>(wParam) == frame ? 0 : OnPaletteQuery(frame);
        case WM_QUERYNEWPALETTE: return OnPaletteQuery(frame);
        case WM_USER: return ReceiveHandOver(application, frame, wParam, lParam);
        case WM_REMOVE_EDITOR: return OnRemoveEditor(wParam, lParam);
        default:
            if (message != WM_NCMOUSEMOVE && message != WM_NCHITTEST) application.MarkMenusStale();
            return Default(frame, message, wParam, lParam);
    }
}

}  // namespace

LRESULT FrameWndProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongA(frame, 0, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* application = reinterpret_cast<TAppl*>(GetWindowLongA(frame, 0));
    if (!application) return DefFrameProcA(frame, nullptr, message, wParam, lParam);
    LRESULT result = 0;
    if (application->PreviewFrameMessage(frame, message, wParam, lParam, result)) return result;
    return FrameMessage(*application, frame, message, wParam, lParam);
}
