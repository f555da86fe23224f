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

// Shows the page in the destination as one bit a pixel, as the page prints on paper: every pixel of
// ink black, however faint, so that shrinking keeps thin strokes (the dropped pixels of a
// monochrome picture shrunk black on white are kept in those shown).
void ShowPage(win::HDC target, const ShortRect& destination, QRVBitmap& page) {
    const win::HDC source = page.BeginDrawing();
    if (!source) return;
    const int width = page.Width(), height = page.Height();
    const win::HDC mono = win::CreateCompatibleDC(source);
    const win::HBITMAP bits = win::CreateBitmap(width, height, 1, 1, nullptr);
    if (mono && bits) {
        const win::HGDIOBJ previous = win::SelectObject(mono, bits);
        win::SetBkColor(source, win::RGB(255, 255, 255));
        win::BitBlt(mono, 0, 0, width, height, source, 0, 0, win::SRCCOPY);
        const win::COLORREF text = win::SetTextColor(target, win::RGB(0, 0, 0));
        const win::COLORREF back = win::SetBkColor(target, win::RGB(255, 255, 255));
        const int mode = win::SetStretchBltMode(target, win::BLACKONWHITE);
        win::StretchBlt(target, destination.left, destination.top, destination.Width(), destination.Height(),
                        mono, 0, 0, width, height, win::SRCCOPY);
        win::SetStretchBltMode(target, mode);
        win::SetBkColor(target, back);
        win::SetTextColor(target, text);
        win::SelectObject(mono, previous);
    }
    if (bits) win::DeleteObject(bits);
    if (mono) win::DeleteDC(mono);
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
