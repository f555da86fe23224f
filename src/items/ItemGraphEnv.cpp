#include "items/ItemGraphEnv.h"

#include "items/TItem.h"
#include "platform/ui/Window.h"

ItemGraphEnv::~ItemGraphEnv() {
    if (inPaint_) EndPaint();
    while (IsInUse()) End();
    Detach();
}

void ItemGraphEnv::Attach(IItemGraphEnvClient* client) {
    client_ = client;
    SetDC(client ? client->GetDC() : nullptr);
}

void ItemGraphEnv::Detach() {
    DetachDC();
    client_ = nullptr;
}

void ItemGraphEnv::FetchUpdateRegion(Rgn& region) const {
    const win::HWND window = client_ ? client_->GetHWnd() : nullptr;
    if (!window) {
        region.SetEmpty();
        return;
    }
    win::GetUpdateRgn(window, region.GetHandle(), win::FALSE);
    win::RECT frame;
    win::GetWindowRect(window, &frame);
    win::POINT corner{frame.left, frame.top};
    if (const win::HWND parent = win::GetParent(window)) win::ScreenToClient(parent, &corner);
    region.Offset(corner.x, corner.y);
}

void ItemGraphEnv::BeginPaint() {
    if (!client_ || inPaint_) return;
    FetchUpdateRegion(paintRegion_);
    win::BeginPaint(client_->GetHWnd(), &paint_);
    inPaint_ = 1;
    Begin();
    SaveState();
    RGBColor color;
    SetForeColor(client_->GetColor(color));
}

void ItemGraphEnv::EndPaint() {
    if (!inPaint_) return;
    RestoreState();
    End();
    if (client_) win::EndPaint(client_->GetHWnd(), &paint_);
    paintRegion_.SetEmpty();
    inPaint_ = 0;
}

void ItemGraphEnv::GetClipRegion(Rgn* region) const {
    if (!region) return;
    if (inPaint_) {
        region->CopyFrom(paintRegion_);
    } else {
        FetchUpdateRegion(*region);
    }
}
