#include "items/printing/PrintGraph.h"

#include "framework/graphics/GraphUser.h"
#include "framework/graphics/OffscreenEnv.h"
#include "platform/gdi/Gdi.h"
#include "platform/ui/Paint.h"

using namespace win;

namespace {

// Font records are sized in the screen's pixels; the screen's resolution does not change.
int ScreenResolution() {
    static const int dpi = [] {
        HDC screen = GetDC(nullptr);
        const int value = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
        return value > 0 ? value : 96;
    }();
    return dpi;
}

}  // namespace

PrintGraph::~PrintGraph() {
    while (IsInUse()) End();
    if (HasDC()) DetachDC();
}

void PrintGraph::SetFontIndirect(const LOGFONTA& font) {
    LOGFONTA points = font;
    points.lfHeight = -MulDiv(-font.lfHeight, 72, ScreenResolution());
    TGraphEnv::SetFontIndirect(points);
}

void PrintGraph::Attach(HDC dc) {
    SetDC(dc);
    if (!detachedWithState_) return;
    {
        const GraphUser use(*this);
        TGraphEnv::SetFontIndirect(savedFont_);
        SetBkMode(dc, savedBackMode_);
    }
    detachedWithState_ = false;
}

void PrintGraph::Detach() {
    if (!HasDC()) return;
    {
        const GraphUser use(*this);
        GetLogFont(savedFont_);
        savedBackMode_ = GetBkMode(GetHDC());
    }
    DetachDC();
    detachedWithState_ = true;
}

GarbageGraph::GarbageGraph() = default;

GarbageGraph::~GarbageGraph() { Close(); }

void GarbageGraph::Open(int width, int height) {
    Close();
    offscreen_ = std::make_unique<OffscreenEnv>(width, height, 1);
    if (HDC dc = offscreen_->GetBitmap().BeginDrawing()) {
        Attach(dc);
        Begin();
        begun_ = true;
    }
}

void GarbageGraph::Close() {
    if (!offscreen_) return;
    if (HasDC()) {
        if (begun_) End();
        begun_ = false;
        Detach();
        offscreen_->GetBitmap().EndDrawing();
    }
    offscreen_.reset();
}
