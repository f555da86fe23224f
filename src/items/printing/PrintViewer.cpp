#include "items/printing/PrintViewer.h"

#include <algorithm>

#include "framework/graphics/GraphUser.h"
#include "framework/graphics/OffscreenEnv.h"
#include "items/ItemGraphEnv.h"
#include "items/ViewDrawContext.h"
#include "items/printing/PreviewPage.h"
#include "items/printing/PrintRecord.h"
#include "items/printing/PrintViewDlog.h"
#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/Objects.h"

namespace {

struct Sides {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// The rectangle less the sides, given in points, at the zoom (each side truncated).
ShortRect InsetAtZoom(const ShortRect& rect, const Sides& sides, double zoom) {
    return ShortRect::MakeLTRB(rect.left + static_cast<int>(sides.left * zoom),
                               rect.top + static_cast<int>(sides.top * zoom),
                               rect.right - static_cast<int>(sides.right * zoom),
                               rect.bottom - static_cast<int>(sides.bottom * zoom));
}

// Shows the page, made at the zoom, from the destination's top-left corner: pixel for pixel, within
// the destination.
void ShowPage(win::HDC target, const ShortRect& destination, QRVBitmap& page) {
    const win::HDC source = page.BeginDrawing();
    if (!source) return;
    win::BitBlt(target, destination.left, destination.top, std::min<int>(page.Width(), destination.Width()),
                std::min<int>(page.Height(), destination.Height()), source, 0, 0, win::SRCCOPY);
    page.EndDrawing();
}

Sides Border(const PrintRecord& record) {
    std::int16_t left, top, right, bottom;
    record.GetUnprintableMargins(left, top, right, bottom);
    return Sides{left, top, right, bottom};
}

}  // namespace

PrintViewer::PrintViewer(ItemList* list, PreviewPage* page, PrintViewDlog* dialog, const ShortRect& bounds)
    : TView(list, kReadOnly, &bounds, 0, RGBColor(0)), page_(page), dialog_(dialog) {}

ShortRect PrintViewer::PrintableRect() const {
    ShortRect content;
    GetContentRect(content);
    const PrintRecord* record = page_ ? page_->GetPrintRecord() : nullptr;
    if (!record) return content;
    return InsetAtZoom(content, Border(*record), dialog_->GetZoom() / 100.0);
}

ShortRect PrintViewer::MarginRect() const {
    ShortRect content;
    GetContentRect(content);
    const PrintRecord* record = page_ ? page_->GetPrintRecord() : nullptr;
    if (!record) return content;
    const Sides border = Border(*record);
    std::uint16_t left, top, right, bottom;
    record->GetMargins(left, top, right, bottom);
    const Sides page{std::max<int>(left, border.left), std::max<int>(top, border.top),
                     std::max<int>(right, border.right), std::max<int>(bottom, border.bottom)};
    return InsetAtZoom(content, page, dialog_->GetZoom() / 100.0);
}

void PrintViewer::DrawContent(ViewDrawContext* context) {
    ItemGraphEnv* env = GetGraphEnv();
    if (!env || !context) return;
    const ShortRect margins = MarginRect();
    if (OffscreenEnv* page = page_ ? page_->GetPageBitmap() : nullptr; page && context->dc)
        ShowPage(context->dc, margins, page->GetBitmap());
    const GraphAttribUser use(*env);
    env->SetForeStandardColor(0);
    env->FrameRect(margins);
    env->FrameRect(PrintableRect());
}
