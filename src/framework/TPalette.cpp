// The palette object: making its window, its place in the application's palette list, activation,
// its keys and its frame.

#include "framework/TPalette.h"

#include "framework/AppEnvironment.h"
#include "framework/MsgEvent.h"
#include "framework/PaletteCaption.h"
#include "framework/TAppl.h"
#include "framework/WindowItems.h"
#include "platform/gdi/SystemColors.h"
#include "platform/ui/Input.h"
#include "platform/ui/Paint.h"
#include "platform/ui/Styles.h"
#include "platform/ui/SystemMetrics.h"
#include "platform/ui/Window.h"

using namespace win;

namespace {

// The palette class, registered by the first palette. (Windows of the layer show no icons.)
bool RegisterPaletteClass(AppEnvironment& environment) {
    if (environment.IsClassRegistered(kPaletteClassName)) return true;
    WNDCLASSA paletteClass;
    paletteClass.style = CS_OWNDC | CS_DBLCLKS;
    paletteClass.lpfnWndProc = PaletteWndProc;
    paletteClass.cbWndExtra = sizeof(LONG_PTR);
    paletteClass.hInstance = environment.GetInstance();
    paletteClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<std::intptr_t>(COLOR_WINDOW + 1));
    paletteClass.lpszClassName = kPaletteClassName;
    if (RegisterClassA(&paletteClass) == 0) return false;
    environment.SetClassRegistered(kPaletteClassName, true);
    return true;
}

}  // namespace

TPalette* TPalette::creating_ = nullptr;

TPalette::TPalette(TAppl* application, const ShortRect& rect, const char* title, bool fillsFrame)
    : TWindow(application, nullptr, kPaletteMode, kWindowNoMaximize, title), fillsFrame_(fillsFrame ? 1 : 0) {
    creating_ = this;
    if (AppEnvironment* environment = GetAppEnvironment()) environment->SetKeepFrameActive(true);
    Create(rect);
    // A window that was not made leaves nothing to hand its messages to.
    if (creating_ == this) creating_ = nullptr;
    if (application) application->AddPalette(this);
}

TPalette::~TPalette() {
    if (creating_ == this) creating_ = nullptr;
    if (TAppl* application = GetApplication()) application->RemovePalette(this);
}

ErrCode TPalette::Create(const ShortRect& rect) {
    AppEnvironment* environment = GetAppEnvironment();
    if (!environment || !RegisterPaletteClass(*environment)) return -1;
    const HWND frame = environment->GetFrameWindow();
    RECT place{};
    DWORD style = 0;
    if (fillsFrame_) {
        win::GetClientRect(frame, &place);
        MapWindowPoints(frame, nullptr, reinterpret_cast<POINT*>(&place), 2);
    } else {
        place = rect.ToRECT();
        MapWindowPoints(frame, nullptr, reinterpret_cast<POINT*>(&place), 2);
        style = WS_SYSMENU | kPaletteCaptionTop | WS_CAPTION;
    }
    const HWND window = CreateWindowExA(0, kPaletteClassName, GetTitle().c_str(), style, place.left,
                                        place.top, place.right - place.left, place.bottom - place.top, frame,
                                        nullptr, environment->GetInstance(), this);
    return window && GetHWnd() == window ? kNoErr : ErrCode{-1};
}

void TPalette::Activate(bool active) {
    active_ = active ? 1 : 0;
    if (WindowItemList* items = GetItemList()) {
        for (std::int32_t i = 0; i < items->Count(); ++i) items->ItemAt(i)->Enable(active);
    }
    const HWND window = GetHWnd();
    if (!window) return;
    EnableWindow(window, active);
    Invalidate();
    Update();
    DrawPaletteCaption(window, active);
}

bool TPalette::HandleKey(KeyEvent& event) {
    if (event.GetKey() == kKeyReturn || event.GetKey() == kKeyEnter) {
        if (const AppEnvironment* environment = GetAppEnvironment()) SetFocus(environment->GetFrameWindow());
        return true;
    }
    return TWindow::HandleKey(event);
}

std::int16_t TPalette::GetFrameMetrics(std::int16_t& left, std::int16_t& top, std::int16_t& right,
                                       std::int16_t& bottom) {
    const DWORD style = static_cast<DWORD>(GetWindowLongA(GetHWnd(), GWL_STYLE));
    const SIZE frame = PaletteFrameSize(style);
    left = right = static_cast<std::int16_t>(frame.cx);
    bottom = static_cast<std::int16_t>(frame.cy);
    // The caption lies inside the frame, thin border or not.
    const int caption = HasOwnCaption(style) ? PaletteCaptionThickness(GetHWnd()) : 0;
    top = static_cast<std::int16_t>(frame.cy + caption);
    return 1;
}
