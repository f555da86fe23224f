// The program's message loop and its own keyboard shortcuts, matched against the menus.

#include "foundation/Memory.h"
#include "framework/TAppl.h"
#include "framework/TMenu.h"
#include "framework/TMenuItem.h"
#include "platform/ui/Input.h"
#include "platform/ui/Mdi.h"
#include "platform/ui/Menus.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/VirtualKeys.h"
#include "platform/ui/Window.h"

using namespace win;

namespace {

bool IsDown(int key) { return GetKeyState(key) < 0; }

// The punctuation keys stand for the characters shortcuts name.
char ShortcutKey(UINT virtualKey) {
    switch (virtualKey) {
        case VK_OEM_MINUS: return '-';
        case VK_OEM_PLUS: return '=';
        case VK_OEM_3: return '`';
        default: return static_cast<char>(virtualKey);
    }
}

// The first text entry of the menus whose shortcut is the key with the Shift state given.
const MenuTextItem* FindShortcut(const TAppl& application, char key, bool shift) {
    for (std::int32_t m = 0; m < application.GetMenuCount(); ++m) {
        const TMenu* menu = application.GetMenu(m);
        for (std::int32_t i = 0; i < menu->GetItemCount(); ++i) {
            const TMenuItem* item = menu->GetItem(i);
            if (!item->IsKindOf(MenuTextItem::kClassId)) continue;
            const auto* text = static_cast<const MenuTextItem*>(item);
            if (!text->HasShortcut() || text->GetKey() != key) continue;
            if (((text->GetModifier() & kShortcutShift) != 0) == shift) return text;
        }
    }
    return nullptr;
}

}  // namespace

// The key message itself is left as it came, for translation and dispatch when no shortcut took it.
bool TranslateOwnAccelerator(HWND frame, MSG& message) {
    if (message.message != WM_KEYDOWN || !IsDown(VK_CONTROL)) return false;
    const auto virtualKey = static_cast<UINT>(message.wParam);
    if (virtualKey == VK_INSERT) return false;
    const auto* application = reinterpret_cast<const TAppl*>(GetWindowLongA(frame, 0));
    if (!application) return false;
    const MenuTextItem* item = FindShortcut(*application, ShortcutKey(virtualKey), IsDown(VK_SHIFT));
    if (!item) return false;
    if ((item->GetModifier() & kShortcutAlt) != 0 && !IsDown(VK_MENU)) return false;
    if (!item->IsEnabled()) return false;
    const HMENU menu = item->GetMenu()->GetHMenu();
    const auto id = static_cast<UINT>(item->GetCommandId());
    HiliteMenuItem(frame, menu, id, MF_BYCOMMAND | MF_HILITE);
    SendMessageA(frame, WM_COMMAND, id, 0);
    HiliteMenuItem(frame, menu, id, MF_BYCOMMAND | MF_UNHILITE);
    return true;
}

void TAppl::MessageLoop() {
    while (GetMessageA(&message_, nullptr, 0, 0)) {
        if (!TranslateMDISysAccel(GetMDIClient(), &message_) &&
            !TranslateOwnAccelerator(GetFrameWindow(), message_)) {
            TranslateMessage(&message_);
            DispatchMessageA(&message_);
            DrainQueue(kSecondQueue);
            DrainQueue(kFirstQueue);
        }
        RegrowMemoryCushion();
    }
}
