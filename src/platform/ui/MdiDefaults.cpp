// The default handling of MDI frames and children, and the keys that move between children.

#include "platform/ui/Activation.h"
#include "platform/ui/Dispatch.h"
#include "platform/ui/Input.h"
#include "platform/ui/MdiClient.h"
#include "platform/ui/MenuTracking.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/NonClient.h"
#include "platform/ui/SystemMetrics.h"
#include "platform/ui/VirtualKeys.h"

namespace win {

using namespace detail;

namespace {

bool IsSystemCommand(UINT id) { return id >= SC_SIZE && id <= SC_TASKLIST && (id & 0x000F) == 0; }

// A maximised child fills the client with its client area: its frame and caption lie outside.
void MaximizedChildLimits(const Window& child, MINMAXINFO& info) {
    const Window& client = *child.parent;
    const FrameEdges edges = NonClientEdges(child);
    info.ptMaxPosition = POINT{-edges.left, -edges.top};
    info.ptMaxSize = POINT{client.client.right - client.client.left + edges.left + edges.right,
                           client.client.bottom - client.client.top + edges.top + edges.bottom};
}

LRESULT OnChildSystemCommand(Window& child, MdiClient& client, WPARAM wParam, LPARAM lParam) {
    const UINT command = static_cast<UINT>(wParam) & 0xFFF0;
    switch (command) {
        case SC_MOVE:
        case SC_SIZE:
            if (child.IsMaximized()) return 0;
            break;
        case SC_NEXTWINDOW:
        case SC_PREVWINDOW: client.ActivateNext(child.handle, command == SC_PREVWINDOW); return 0;
        case SC_KEYMENU:
            // Alt and '-' opens this child's system menu; other menu keys belong to the frame's bar,
            // which also holds the system menu of a maximised child.
            if (lParam == '-' && !child.IsMaximized()) {
                TrackSystemMenu(child);
                return 0;
            }
            if (Window* frame = child.parent->parent; frame != nullptr && frame != &Tree().Desktop())
                return Send(*frame, WM_SYSCOMMAND, wParam, lParam);
            return 0;
        default: break;
    }
    return DefWindowProcA(child.handle, WM_SYSCOMMAND, wParam, lParam);
}

}  // namespace

LRESULT DefFrameProcA(HWND frame, HWND clientHandle, UINT message, WPARAM wParam, LPARAM lParam) {
    MdiClient* client = MdiClientOf(clientHandle);
    if (client == nullptr) return DefWindowProcA(frame, message, wParam, lParam);
    switch (message) {
        case WM_COMMAND: {
            const UINT id = LOWORD(wParam);
            if (client->ChooseFromWindowMenu(id)) return 0;
            // The maximised child's system menu lies on the frame's bar; its choices go to the child.
            if (IsSystemCommand(id)) {
                if (HWND child = client->Maximized(); child != nullptr && client->IsShowingMaximized())
                    return SendMessageA(child, WM_SYSCOMMAND, id, lParam);
            }
            return DefWindowProcA(frame, message, wParam, lParam);
        }
        case WM_NCACTIVATE:
            SendMessageA(clientHandle, WM_NCACTIVATE, wParam, 0);
            return DefWindowProcA(frame, message, wParam, lParam);
        case WM_SETTEXT:
            client->SetFrameTitle(lParam != 0 ? reinterpret_cast<const char*>(lParam) : "");
            return TRUE;
        case WM_SETFOCUS:
            if (IsWindowVisible(clientHandle)) SetFocus(clientHandle);
            return 0;
        case WM_SIZE:
            MoveWindow(clientHandle, 0, 0, LOWORD(static_cast<std::uintptr_t>(lParam)),
                       HIWORD(static_cast<std::uintptr_t>(lParam)), TRUE);
            return 0;
        default: return DefWindowProcA(frame, message, wParam, lParam);
    }
}

LRESULT DefMDIChildProcA(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* child = Tree().Find(handle);
    MdiClient* client = child != nullptr ? MdiClientOfChild(*child) : nullptr;
    if (client == nullptr) return DefWindowProcA(handle, message, wParam, lParam);
    auto hold = Tree().Hold(*child);
    switch (message) {
        case WM_SETTEXT: {
            const LRESULT result = DefWindowProcA(handle, message, wParam, lParam);
            client->ChildTitleChanged(handle);
            return result;
        }
        case WM_SYSCOMMAND: return OnChildSystemCommand(*child, *client, wParam, lParam);
        case WM_CHILDACTIVATE:
            if (!(child->style & WS_DISABLED)) client->ChildActivated(handle);
            return 0;
        case WM_SETFOCUS:
            if (client->Active() != handle) client->Activate(handle);
            return 0;
        case WM_GETMINMAXINFO:
            if (auto* info = reinterpret_cast<MINMAXINFO*>(lParam)) MaximizedChildLimits(*child, *info);
            return 0;
        case WM_SIZE: {
            const LRESULT result = DefWindowProcA(handle, message, wParam, lParam);
            if (MdiClient* still = MdiClientOfChild(*child)) still->ChildSized(handle);
            return result;
        }
        case WM_WINDOWPOSCHANGED: {
            const LRESULT result = DefWindowProcA(handle, message, wParam, lParam);
            const auto* pos = reinterpret_cast<const WINDOWPOS*>(lParam);
            MdiClient* still = MdiClientOfChild(*child);
            if (still == nullptr || pos == nullptr) return result;
            if (pos->flags & (SWP_SHOWWINDOW | SWP_HIDEWINDOW)) {
                still->ChildShownOrHidden(handle);
            } else {
                still->ScheduleScrollBars();
            }
            return result;
        }
        case WM_CLOSE: client->Destroy(handle); return 0;
        case WM_NCDESTROY: {
            const LRESULT result = DefWindowProcA(handle, message, wParam, lParam);
            client->ChildGone(handle);
            return result;
        }
        default: return DefWindowProcA(handle, message, wParam, lParam);
    }
}

BOOL TranslateMDISysAccel(HWND clientHandle, MSG* message) {
    MdiClient* client = MdiClientOf(clientHandle);
    if (client == nullptr || message == nullptr) return FALSE;
    if (message->message != WM_KEYDOWN && message->message != WM_SYSKEYDOWN) return FALSE;
    if (GetKeyState(VK_CONTROL) >= 0 || GetKeyState(VK_MENU) < 0) return FALSE;
    const HWND active = client->Active();
    if (active == nullptr || !IsWindowEnabled(active)) return FALSE;
    UINT command = 0;
    switch (message->wParam) {
        case VK_F4: command = SC_CLOSE; break;
        case VK_F6:
        case VK_TAB: command = GetKeyState(VK_SHIFT) < 0 ? SC_PREVWINDOW : SC_NEXTWINDOW; break;
        default: return FALSE;
    }
    SendMessageA(active, WM_SYSCOMMAND, command, MAKELPARAM(static_cast<WORD>(message->wParam), 0));
    return TRUE;
}

}  // namespace win
