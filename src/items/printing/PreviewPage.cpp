#include "items/printing/PreviewPage.h"

#include "framework/graphics/OffscreenEnv.h"
#include "items/printing/PrintErrors.h"
#include "items/printing/PrintRecord.h"

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

ErrCode PreviewPage::MakePageBitmap(TGraphEnv*& graph) {
    graph = nullptr;
    ReleasePageBitmap();
    pageGraph_ = std::make_unique<PrintGraph>();
    pageBitmap_.reset();
    std::int16_t width = 0, height = 0;
    if (!record_ || record_->GetPageArea(width, height) != kNoErr) return kPrintNoMemory;
    pageBitmap_ = std::make_unique<OffscreenEnv>(width, height, 1);
    QRVBitmap& bitmap = pageBitmap_->GetBitmap();
    const win::HDC dc = IsUsablePage(bitmap) ? bitmap.BeginDrawing() : nullptr;
    if (!dc) {
        pageBitmap_.reset();
        return kPrintNoMemory;
    }
    pageGraph_->Attach(dc);
    graph = pageGraph_.get();
    return kNoErr;
}

bool PreviewPage::FitsPageArea() const {
    std::int16_t width = 0, height = 0;
    if (!pageBitmap_ || !record_ || record_->GetPageArea(width, height) != kNoErr) return false;
    const QRVBitmap& bitmap = pageBitmap_->GetBitmap();
    return bitmap.Width() == width && bitmap.Height() == height;
}

void PreviewPage::ReleasePageBitmap() {
    if (pageGraph_) pageGraph_->Detach();
    if (pageBitmap_) pageBitmap_->GetBitmap().EndDrawing();
}
