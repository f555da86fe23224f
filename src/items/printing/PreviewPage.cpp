#include "items/printing/PreviewPage.h"

#include <algorithm>

#include "framework/graphics/OffscreenEnv.h"
#include "items/printing/PrintErrors.h"
#include "items/printing/PrintRecord.h"
#include "platform/gdi/Mapping.h"

namespace {

// What a page bitmap must be to be drawn into and shown.
bool IsUsablePage(const QRVBitmap& bitmap) {
    return bitmap.IsUsable() && bitmap.Width() >= 2 && bitmap.Height() > 1;
}

}  // namespace

PreviewPage::PreviewPage() = default;

PreviewPage::~PreviewPage() {
    ReleasePageBitmap();
    Close();
}

ErrCode PreviewPage::Open(PrintRecord* record, GarbageGraph*& measuringGraph) {
    record_ = record;
    std::int16_t width = 0, height = 0;
    if (record_) record_->GetPrintableSize(width, height);
    measuringGraph_.Open(width, height);
    measuringGraph = &measuringGraph_;
    return kNoErr;
}

void PreviewPage::Close() {
    record_ = nullptr;
    measuringGraph_.Close();
}

void PreviewPage::SetZoom(std::int16_t zoom) { zoom_ = std::max<std::int16_t>(zoom, 1); }

bool PreviewPage::ScaledPageArea(int& width, int& height) const {
    std::int16_t pointsWide = 0, pointsHigh = 0;
    if (!record_ || record_->GetPageArea(pointsWide, pointsHigh) != kNoErr) return false;
    width = win::MulDiv(pointsWide, zoom_, 100);
    height = win::MulDiv(pointsHigh, zoom_, 100);
    return true;
}

ErrCode PreviewPage::MakePageBitmap(TGraphEnv*& graph) {
    graph = nullptr;
    ReleasePageBitmap();
    pageGraph_ = std::make_unique<PrintGraph>();
    pageBitmap_.reset();
    int width = 0, height = 0;
    if (!ScaledPageArea(width, height)) return kPrintNoMemory;
    pageBitmap_ = std::make_unique<OffscreenEnv>(width, height, 1);
    QRVBitmap& bitmap = pageBitmap_->GetBitmap();
    const win::HDC dc = IsUsablePage(bitmap) ? bitmap.BeginDrawing() : nullptr;
    if (!dc) {
        pageBitmap_.reset();
        return kPrintNoMemory;
    }
    // A point of the page is zoom / 100 pixels of the bitmap, both ways.
    win::SetMapMode(dc, win::MM_ANISOTROPIC);
    win::SetWindowExtEx(dc, 100, 100, nullptr);
    win::SetViewportExtEx(dc, zoom_, zoom_, nullptr);
    pageGraph_->Attach(dc);
    graph = pageGraph_.get();
    return kNoErr;
}

bool PreviewPage::FitsPageArea() const {
    int width = 0, height = 0;
    if (!pageBitmap_ || !ScaledPageArea(width, height)) return false;
    const QRVBitmap& bitmap = pageBitmap_->GetBitmap();
    return bitmap.Width() == width && bitmap.Height() == height;
}

void PreviewPage::ReleasePageBitmap() {
    if (pageGraph_) pageGraph_->Detach();
    if (pageBitmap_) pageBitmap_->GetBitmap().EndDrawing();
}
