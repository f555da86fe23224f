// An open hierarchical popup menu: its window class and loop, its stack of levels, and what it
// reports when it closes.

#include "widgets/ActiveHPMenu.h"

#include <new>

#include "framework/AppEnvironment.h"
#include "platform/gdi/Cursor.h"
#include "platform/gdi/Objects.h"
#include "platform/ui/Input.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Styles.h"
#include "platform/ui/Window.h"

using namespace win;

namespace {

TActiveHPMenu* gCurrent = nullptr;

LRESULT MenuWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (TActiveHPMenu* menu = TActiveHPMenu::Current())
        return menu->WindowProc(window, message, wParam, lParam);
    return DefWindowProcA(window, message, wParam, lParam);
}

HINSTANCE Instance() {
    const AppEnvironment* environment = GetAppEnvironment();
    return environment ? environment->GetInstance() : nullptr;
}

}  // namespace

TActiveHPMenu* TActiveHPMenu::Current() { return gCurrent; }

TActiveHPMenu::TActiveHPMenu(IHMPClient* client, const ShortRect& anchor, HWND owner)
    : client_(client), anchor_(anchor), owner_(owner) {
    gCurrent = this;
}

TActiveHPMenu::~TActiveHPMenu() {
    CloseAbove(-1);
    if (gCurrent == this) gCurrent = nullptr;
}

TActiveHPMenuWindow* TActiveHPMenu::WindowAt(std::int16_t level) const {
    return level >= 0 && level <= depth_ ? stack_[static_cast<std::size_t>(level)] : nullptr;
}

std::int16_t TActiveHPMenu::LevelOf(const TActiveHPMenuWindow* window) const {
    for (std::int16_t level = 0; level <= depth_; ++level) {
        if (stack_[static_cast<std::size_t>(level)] == window) return level;
    }
    return -1;
}

TActiveHPMenuWindow* TActiveHPMenu::FindWindow(HWND window) const {
    for (std::int16_t level = 0; level <= depth_; ++level) {
        if (stack_[static_cast<std::size_t>(level)]->GetHWnd() == window)
            return stack_[static_cast<std::size_t>(level)];
    }
    return nullptr;
}

// --- The loop

void TActiveHPMenu::Run() {
    stack_.fill(nullptr);
    depth_ = -1;
    const HINSTANCE instance = Instance();
    WNDCLASSA existing{};
    // The class left registered by an earlier menu (whose windows outlived it) is used as it is.
    bool registered = GetClassInfoA(instance, kHPMenuWindowClass, &existing) != FALSE;
    bool registeredHere = false;
    if (!registered) {
        WNDCLASSA menuClass{};
        menuClass.style = CS_HREDRAW | CS_VREDRAW;
        menuClass.lpfnWndProc = MenuWindowProc;
        menuClass.hInstance = instance;
        menuClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        menuClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        menuClass.lpszClassName = kHPMenuWindowClass;
        registered = registeredHere = RegisterClassA(&menuClass) != 0;
    }
    if (registered) {
        if (TActiveHPMenuWindow* top = OpenTopLevel(owner_, nullptr)) {
            stack_[0] = top;
            depth_ = 0;
            done_ = 0;
            POINT cursor{};
            GetCursorPos(&cursor);
            openingHit_ = HitTest(cursor);
            MSG message;
            while (!done_) {
                if (!GetMessageA(&message, nullptr, 0, 0)) {
                    PostQuitMessage(static_cast<int>(message.wParam));
                    break;
                }
                TranslateMessage(&message);
                DispatchMessageA(&message);
            }
        }
    }
    CloseAbove(-1);
    if (registeredHere) UnregisterClassA(kHPMenuWindowClass, instance);
}

// --- Levels

TActiveHPMenuWindow* TActiveHPMenu::OpenTopLevel(HWND owner, TActiveHPMenuWindow* below) {
    TActiveHPMenuWindow* window = MakeWindow(below);
    if (!window) return nullptr;
    std::int32_t root = -1;
    client_->GetRoot(root);
    if (!window->Open(client_, anchor_, root, owner, 0)) {
        delete window;
        return nullptr;
    }
    return window;
}

TActiveHPMenuWindow* TActiveHPMenu::OpenSubmenu(TActiveHPMenuWindow* parent, std::int16_t row,
                                                TActiveHPMenuWindow* below) {
    if (!parent || !parent->IsValidRow(row)) return nullptr;
    TActiveHPMenuWindow* window = MakeWindow(below);
    if (!window) return nullptr;
    std::int32_t first = -1;
    client_->GetFirstChild(first, parent->Row(row).handle);
    // The row across the parent's whole window, on the screen.
    const ShortRect rowRect = parent->GetRowRect(row);
    POINT corner{0, rowRect.top};
    ClientToScreen(parent->GetHWnd(), &corner);
    const ShortRect& bounds = parent->GetBounds();
    const ShortRect anchor =
        ShortRect::MakeLTRB(bounds.left, corner.y, bounds.right, corner.y + rowRect.Height());
    const HWND measuring = Top() ? Top()->GetHWnd() : owner_;
    if (!window->Open(client_, anchor, first, measuring, parent->GetDirection())) {
        delete window;
        return nullptr;
    }
    return window;
}

void TActiveHPMenu::CloseAbove(std::int16_t level) {
    while (depth_ > level) {
        TActiveHPMenuWindow* window = stack_[static_cast<std::size_t>(depth_)];
        stack_[static_cast<std::size_t>(depth_)] = nullptr;
        --depth_;
        if (hotWindow_ == window) {
            hotWindow_ = nullptr;
            hotRow_ = -1;
        }
        delete window;
        if (depth_ >= 0) stack_[static_cast<std::size_t>(depth_)]->SetOpenRow(-1);
    }
}

bool TActiveHPMenu::OpenRowSubmenu(TActiveHPMenuWindow* window, std::int16_t row) {
    const std::int16_t level = LevelOf(window);
    if (level < 0 || !window->IsValidRow(row) || !window->Row(row).hasChildren) return false;
    if (window->GetOpenRow() == row && depth_ > level) return true;
    // Ten levels at most: a deeper row opens nothing.
    if (level + 1 >= kMaxLevels) return false;
    CloseAbove(level);
    window->SetOpenRow(row);
    TActiveHPMenuWindow* submenu = OpenSubmenu(window, row, window);
    if (!submenu) {
        window->SetOpenRow(-1);
        return false;
    }
    stack_[static_cast<std::size_t>(++depth_)] = submenu;
    return true;
}

void TActiveHPMenu::HighlightPath(TActiveHPMenuWindow* window, std::int16_t row) {
    bool below = false;
    for (std::int16_t level = depth_; level >= 0; --level) {
        TActiveHPMenuWindow* each = stack_[static_cast<std::size_t>(level)];
        if (each == window) {
            each->SetHighlight(row);
            below = true;
        } else if (below) {
            each->SetHighlight(each->GetOpenRow());
        }
    }
}

// --- Reports

void ActiveHMPMenu::Commit() {
    if (IsCancelled()) return;
    if (turnedOn_.Count() > 0 || turnedOff_.Count() > 0) GetClient()->ApplyChanges(turnedOn_, turnedOff_);
}

TActiveHPMenuWindow* ActiveHMPMenu::MakeWindow(TActiveHPMenuWindow* parent) {
    return new (std::nothrow) ActiveHMPMenuWindow(parent, &turnedOn_, &turnedOff_);
}

void ActiveHSPMenu::Commit() {
    if (IsCancelled() || *current_ == original_) return;
    HMPItemList turnedOn;
    HMPItemList turnedOff;
    if (GetClient()->IsValid(*current_)) turnedOn.AddHandle(*current_);
    if (GetClient()->IsValid(original_)) turnedOff.AddHandle(original_);
    GetClient()->ApplyChanges(turnedOn, turnedOff);
}

TActiveHPMenuWindow* ActiveHSPMenu::MakeWindow(TActiveHPMenuWindow* parent) {
    return new (std::nothrow) ActiveHSPMenuWindow(parent, current_);
}
