#include "framework/graphics/WinGraphEnv.h"

#include "framework/graphics/GraphUser.h"

WinGraphEnv::~WinGraphEnv() {
    while (IsInUse()) End();
    ReleaseWindow();
}

void WinGraphEnv::AttachWindow(IWinGraphEnvClient* client) {
    if (!client) return;
    client_ = client;
    SetDC(win::GetDC(client->GetHWnd()));
    const GraphUser use(*this);
    ResetAttributes();
}

void WinGraphEnv::ReleaseWindow() {
    if (!client_) return;
    const win::HDC dc = GetHDC();
    DetachDC();
    if (dc) win::ReleaseDC(client_->GetHWnd(), dc);
    client_ = nullptr;
}

void WinGraphEnv::StartPaint() {
    if (!client_) return;
    const win::HWND window = client_->GetHWnd();
    win::GetUpdateRgn(window, updateRegion_.GetHandle(), win::FALSE);
    win::BeginPaint(window, &paint_);
    Begin();
    ResetAttributes();
    RGBColor background;
    client_->GetBackColor(background);
    SetBackColor(background);
    if (paint_.fErase && eraseBackground_) EraseForPaint(ShortRect::FromRECT(paint_.rcPaint));
    inPaint_ = 1;
}

void WinGraphEnv::EraseForPaint(const ShortRect& rect) {
    Rgn repainted;
    client_->GetRepaintedByChildren(repainted);
    if (repainted.IsEmpty()) {
        EraseRect(rect);
        return;
    }
    Rgn erased(rect);
    erased.Subtract(repainted);
    if (erased.IsEmpty()) return;
    Rgn kept;
    const bool clipped = GetClip(kept) == 0;
    SetClip(erased);
    EraseRect(rect);
    if (clipped) {
        SetClip(kept);
    } else {
        ClearClip();
    }
}

void WinGraphEnv::FinishPaint() {
    if (!client_ || !inPaint_) return;
    End();
    win::EndPaint(client_->GetHWnd(), &paint_);
    updateRegion_.SetEmpty();
    inPaint_ = 0;
}

void WinGraphEnv::GetUpdateRegion(Rgn& region) const {
    if (inPaint_) {
        region = updateRegion_;
    } else if (client_) {
        win::GetUpdateRgn(client_->GetHWnd(), region.GetHandle(), win::FALSE);
    }
}
