// A window a command opens comes to the front and is the active one, whether the window it replaces
// was maximised or not: the query window gives way to the character list (Ctrl+L) and to Build
// Characters (Ctrl+B), and the Window menu checks the new window.

#include <string>

#include "ProgramFixture.h"
#include "app/FKDoc.h"
#include "app/Fablecore.h"
#include "app/PreferencesManager.h"
#include "framework/AppEnvironment.h"
#include "framework/TAppl.h"
#include "framework/TWindow.h"
#include "platform/ui/Input.h"
#include "platform/ui/Mdi.h"
#include "platform/ui/Menus.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/VirtualKeys.h"
#include "platform/ui/Window.h"

namespace apptest {
namespace {

// The text of the Window menu's checked entry; empty when none is checked.
std::string CheckedWindowEntry() {
    const HMENU bar = GetMenu(GetPresentedFrame());
    for (int i = 0; i < GetMenuItemCount(bar); ++i) {
        const HMENU menu = GetSubMenu(bar, i);
        char first[64] = "";
        if (!menu || !GetMenuStringA(menu, 0, first, sizeof first, MF_BYPOSITION) ||
            std::string(first) != "&Tile")
            continue;
        for (int k = 0; k < GetMenuItemCount(menu); ++k) {
            if (!(GetMenuState(menu, static_cast<UINT>(k), MF_BYPOSITION) & MF_CHECKED)) continue;
            char text[256] = "";
            GetMenuStringA(menu, static_cast<UINT>(k), text, sizeof text, MF_BYPOSITION);
            return text;
        }
    }
    return {};
}

class WindowsComeForward : public ProgramTest {
protected:
    // The window is the one the writer sees and works in: the MDI client's active child, on top of
    // the others, the application's front window, and checked in the Window menu.
    void ExpectInFront(TWindow* window, bool maximised, const char* what) {
        ASSERT_NE(window, nullptr) << what;
        const HWND client = GetAppl()->GetMDIClient();
        const HWND handle = window->GetHWnd();
        BOOL zoomed = FALSE;
        EXPECT_EQ(reinterpret_cast<HWND>(
                      SendMessageA(client, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&zoomed))),
                  handle)
            << what << " is active";
        EXPECT_EQ(GetWindow(client, GW_CHILD), handle) << what << " is on top";
        EXPECT_TRUE(IsWindowVisible(handle)) << what;
        EXPECT_EQ(zoomed != FALSE, maximised) << what;
        EXPECT_EQ(GetAppl()->GetFrontWindow(), window) << what;
        EXPECT_EQ(CheckedWindowEntry().find(window->GetTitle()) != std::string::npos, true)
            << what << " is checked in the Window menu, not \"" << CheckedWindowEntry() << "\"";
    }
    FKDoc* story = nullptr;
};

TEST_F(WindowsComeForward, AWindowACommandOpensOverTheQueryWindowComesToTheFront) {
    InstallBuiltDataFiles();
    const auto client = [] { return GetAppl()->GetMDIClient(); };
    Then([] { PostMessageA(GetPresentedFrame(), WM_NULL, 0, 0); });
    Then([&] {
        ASSERT_EQ(GetAppl()->GetDocumentCount(), 1);
        story = static_cast<FKDoc*>(GetAppl()->GetDocument(0));
        // Asked once before: the query system opens at once.
        static_cast<Fablecore*>(GetAppl())->GetPreferencesManager()->SetPronounGender(1);
        Shortcut(presenter, 'U');
    });
    // Maximised, and then not: the query window goes, and the window the shortcut opens comes in
    // front in the query window's state; the query window comes back for the next.
    for (const bool maximised : {true, false}) {
        for (const UINT key : {UINT{'L'}, UINT{'B'}}) {
            Then([&, maximised, key] {
                ASSERT_NE(story->GetFQSWindow(), nullptr);
                SendMessageA(client(), maximised ? WM_MDIMAXIMIZE : WM_MDIRESTORE,
                             reinterpret_cast<WPARAM>(story->GetFQSWindow()->GetHWnd()), 0);
                ExpectInFront(story->GetFQSWindow(), maximised, "the query window");
                Shortcut(presenter, key);
            });
            Then([&, maximised, key] {
                EXPECT_EQ(story->GetFQSWindow(), nullptr) << "the query window closed";
                if (key == 'L')
                    ExpectInFront(story->GetCLWindow(), maximised, "the character list");
                else
                    ExpectInFront(story->GetBCWindow(), maximised, "Build Characters");
                Shortcut(presenter, 'U');
            });
        }
    }
    Then([] { PostMessageA(GetPresentedFrame(), WM_CLOSE, 0, 0); });
    EXPECT_EQ(RunProgram(), 0);
    EXPECT_TRUE(BoxTexts().empty());
}

}  // namespace
}  // namespace apptest
