#include "app/FrontEndView.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "foundation/Debug.h"
#include "framework/AppEnvironment.h"
#include "framework/InputHelpers.h"
#include "framework/MsgEvent.h"
#include "framework/PictureCache.h"
#include "framework/TAppl.h"
#include "framework/TWindow.h"
#include "framework/WindowUtilities.h"
#include "framework/graphics/AppPalette.h"
#include "framework/graphics/BevelFrames.h"
#include "framework/graphics/FontMapping.h"
#include "framework/graphics/GraphUser.h"
#include "framework/graphics/QRVBitmap.h"
#include "framework/graphics/Rgn.h"
#include "items/ItemGraphEnv.h"
#include "items/MouseTraps.h"
#include "items/ScrollBar.h"
#include "items/TextWrap.h"
#include "items/ViewDrawContext.h"
#include "platform/gdi/Bitmaps.h"
#include "platform/ui/Timer.h"
#include "storymodel/ExpandedTextWrap.h"

namespace {

constexpr FourCC kPictureType = FourCCOf("BITM");
constexpr int kBevelDark = 10;
constexpr int kBevelLight = 1;
constexpr std::int16_t kBevelWidth = 3;
// The caption's height above the description, and the description's gap from the cell's bottom.
constexpr std::int32_t kCaptionHeight = 16;
constexpr std::int32_t kDescriptionDrop = 15;
constexpr std::int32_t kDescriptionBottom = 12;

LongRect Inset(const LongRect& rect, std::int32_t by) {
    return LongRect{rect.left + by, rect.top + by, rect.right - by, rect.bottom - by};
}

ShortRect ToShort(const LongRect& rect) { return ShortRect::MakeLTRB(rect.left, rect.top, rect.right, rect.bottom); }

void Bevel(TGraphEnv& env, const ShortRect& rect, std::int32_t style) {
    DrawBevelFrame(env, rect, &style, kBevelWidth, GetStandardColor(kBevelDark), GetStandardColor(kBevelLight));
}

// Copies the bitmap, or the part of it, to the rectangle's top-left corner.
void CopyBitmap(TGraphEnv& env, QRVBitmap& bitmap, const ShortRect& to, int sourceX = 0, int sourceY = 0) {
    const win::HDC source = bitmap.BeginDrawing(env.GetHDC());
    if (source) win::BitBlt(env.GetHDC(), to.left, to.top, to.Width(), to.Height(), source, sourceX, sourceY, win::SRCCOPY);
    bitmap.EndDrawing();
}

}  // namespace

FrontEndView::FrontEndView(IStoryDocument* document, const FrontEndEntry* table, ItemList* list,
                           std::uint16_t viewFlags, const ShortRect* bounds, std::uint16_t itemFlags,
                           const RGBColor& color)
    : TView(list, viewFlags, bounds, itemFlags, color), document_(document), table_(table),
      cellPicture_(table ? table[0].picture : 0) {
    while (table_ && table_[entryCount_ + 1].picture != 0) ++entryCount_;
    MakeLogFont(descriptionFont_, 3, 9, 0);
    SetFlags(kHasCursorRegions);
    // The rows scroll; the columns always fit.
    SetupScrollBars();
    if (ScrollBar* bar = GetHorzScrollBar()) bar->Enable(false);
}

FrontEndView::~FrontEndView() { ReleaseLayout(); }

ShortPoint FrontEndView::CellPictureSize() {
    if (!cellBitmap_) cellBitmap_ = SharedPicture(kPictureType, static_cast<std::uint16_t>(cellPicture_));
    return ShortPoint{static_cast<std::int16_t>(cellBitmap_->Width()),
                      static_cast<std::int16_t>(cellBitmap_->Height())};
}

void FrontEndView::GetGrid(std::int32_t width, std::int32_t height) {
    const std::int32_t cellWidth = std::max<std::int32_t>(cellWidth_, 1);
    const std::int32_t cellHeight = std::max<std::int32_t>(cellHeight_, 1);
    const TAppl* application = GetAppl();
    const ShortRect frame = application ? application->GetFrameClientRect() : ShortRect{};
    const ShortPoint bars = GetScrollBarSizes();
    std::int32_t columns = std::max<std::int32_t>(width / cellWidth, 1);
    if (width - columns * cellWidth > cellWidth / 2 && (columns + 1) * cellWidth <= frame.Width() - bars.x)
        ++columns;
    while (columns > 1 && entryCount_ % columns != 0) --columns;
    std::int32_t rows = std::max<std::int32_t>(height / cellHeight, 1);
    if (height - rows * cellHeight > cellHeight / 2 && (rows + 1) * cellHeight <= frame.Height() - bars.y) ++rows;
    rowsNeeded_ = entryCount_ / columns;
    columns_ = columns;
}

ShortPoint FrontEndView::GetPreferredSize(const ShortRect& rect) {
    if (cellWidth_ == 0) {
        const ShortPoint picture = CellPictureSize();
        cellWidth_ = static_cast<std::int16_t>(picture.x + 2 * kCellMargin);
        cellHeight_ = static_cast<std::int16_t>(picture.y + 2 * kCellMargin);
    }
    GetGrid(rect.Width(), rect.Height());
    const std::int32_t rows = std::clamp<std::int32_t>(rect.Height() / cellHeight_, 1, std::max(rowsNeeded_, 1));
    const ShortPoint bars = GetScrollBarSizes();
    return ShortPoint{static_cast<std::int16_t>(columns_ * cellWidth_ + bars.x),
                      static_cast<std::int16_t>(rows * cellHeight_ + bars.y)};
}

ShortPoint FrontEndView::GetMinSize() const {
    const ShortPoint bars = GetScrollBarSizes();
    return ShortPoint{static_cast<std::int16_t>(cellWidth_ + bars.x), static_cast<std::int16_t>(cellHeight_ + bars.y)};
}

void FrontEndView::LayOut(const ShortRect& bounds) {
    const ShortPoint picture = CellPictureSize();
    cellWidth_ = static_cast<std::int16_t>(picture.x + 2 * kCellMargin);
    cellHeight_ = static_cast<std::int16_t>(picture.y + 2 * kCellMargin);
    GetGrid(bounds.Width(), bounds.Height());
    layouts_.clear();
    layouts_.resize(static_cast<std::size_t>(entryCount_));
    ItemGraphEnv* env = GetGraphEnv();
    // One use of the environment for every description's wrap: each wrap sets its own font.
    std::optional<GraphAttribUser> use;
    if (env) use.emplace(*env);
    std::int32_t row = 1;
    std::int32_t column = 1;
    for (std::int32_t k = 0; k < entryCount_; ++k) {
        const FrontEndEntry& entry = table_[k + 1];
        Layout& layout = layouts_[static_cast<std::size_t>(k)];
        layout.picture = entry.picture;
        layout.enabled = entry.enabled;
        layout.title = entry.picture == cellPicture_;
        layout.row = static_cast<std::int16_t>(row);
        layout.column = static_cast<std::int16_t>(column);
        layout.captionText = ExpandAndDecode(document_, entry.caption ? entry.caption : "");
        layout.descriptionText = ExpandAndDecode(document_, entry.description ? entry.description : "");
        const std::int32_t left = (column - 1) * cellWidth_;
        const std::int32_t top = (row - 1) * cellHeight_;
        layout.cell = LongRect{left, top, left + cellWidth_, top + cellHeight_};
        layout.inner = Inset(layout.cell, kCellMargin);
        if (!layout.title) {
            layout.bitmap = SharedPicture(kPictureType, static_cast<std::uint16_t>(entry.picture));
            const std::int32_t buttonLeft = layout.inner.left + spacing_;
            const std::int32_t buttonTop = layout.inner.top + spacing_;
            layout.button = LongRect{buttonLeft, buttonTop, buttonLeft + 6 + layout.bitmap->Width(),
                                     buttonTop + 6 + layout.bitmap->Height()};
            layout.frame = Inset(layout.button, -1);
            layout.image = Inset(layout.button, kBevelWidth);
            layout.descriptionRect =
                LongRect{layout.button.right + GetTextGap(), layout.image.top + kDescriptionDrop,
                         layout.cell.right - GetTextRightMargin(), layout.cell.bottom - kDescriptionBottom};
            layout.captionRect = LongRect{layout.descriptionRect.left, layout.button.top,
                                          layout.descriptionRect.right, layout.button.top + kCaptionHeight};
            if (env) {
                ShortRect wrapRect = ToShort(layout.descriptionRect);
                layout.description =
                    std::make_unique<TextWrap>(*env, wrapRect, layout.descriptionText.c_str(), descriptionFont_);
            }
        }
        if (++column > columns_) {
            column = 1;
            ++row;
        }
    }
    SetVertUnitHeight(cellHeight_);
    SetHorzUnitWidth(cellWidth_);
    laidOut_ = true;
    if (ScrollBar* bar = GetHorzScrollBar()) bar->Enable(false);
    UpdateScrollBars(1);
}

void FrontEndView::ReleaseLayout() {
    layouts_.clear();
    cellBitmap_.reset();
    cellWidth_ = 0;
    cellHeight_ = 0;
    laidOut_ = false;
}

void FrontEndView::WindowResized() {
    TWindow* window = GetWindow();
    if (!window) return;
    const ShortRect client = window->GetClientRect();
    if (laidOut_) ReleaseLayout();
    LayOut(client);
    const ShortPoint size = GetPreferredSize(client);
    SetBounds(ShortRect::MakeLTRB(client.left, client.top, client.left + size.x, client.top + size.y), false);
    UpdateScrollBars(1);
    ScrollTo(0, 0, 1);
    ShortRect content;
    GetContentRect(content);
    GetGrid(content.Width(), content.Height());
    if (ScrollBar* bar = GetVertScrollBar()) bar->Enable(content.Height() / std::max<int>(cellHeight_, 1) < rowsNeeded_);
    window->Invalidate();
    InvalidateEntries();
}

std::int32_t FrontEndView::VertScrollMaximum() const {
    ShortRect content;
    GetContentRect(content);
    const std::int32_t unit = std::max<std::int32_t>(GetUnitSize().y, 1);
    const std::int32_t height = content.Height() - GetVertInset();
    const std::int32_t visible = (height + unit - 1) / unit;
    return std::max<std::int32_t>(rowsNeeded_ - visible, 0);
}

// The entries' cursor region is made of all their rectangles at once.
void FrontEndView::InvalidateEntries() {
    RemoveCursorRegions();
    ShortRect content;
    GetContentRect(content);
    std::vector<ShortRect> entries;
    for (const Layout& layout : layouts_) {
        if (layout.title) break;
        ShortRect inner;
        if (!DocRectToView(layout.inner, inner) || !inner.Intersect(content)) continue;
        entries.push_back(inner);
    }
    if (!entries.empty()) AddCursorRegion(Rgn(entries), kEntryCursor);
}

std::int32_t FrontEndView::HitTest(const LongPoint& point) const {
    for (std::size_t i = 0; i < layouts_.size(); ++i) {
        const Layout& layout = layouts_[i];
        if (layout.title) break;
        const LongRect& inner = layout.inner;
        if (point.x >= inner.left && point.x < inner.right && point.y >= inner.top && point.y < inner.bottom)
            return static_cast<std::int32_t>(i);
    }
    return -1;
}

// --- drawing

void FrontEndView::DrawContent(ViewDrawContext* context) {
    ItemGraphEnv* env = GetGraphEnv();
    if (!env || !laidOut_) return;
    const GraphAttribUser use(*env);
    for (std::int32_t i = 0; i < entryCount_; ++i) DrawEntry(*env, context, i);
}

// Every entry's cell, the title's too, has the cell picture copied over its inside, which is the
// picture's size.
void FrontEndView::GetCoveredContent(Rgn& covered) const {
    if (!laidOut_ || !cellBitmap_) return;
    ShortRect content;
    GetContentRect(content);
    std::vector<ShortRect> cells;
    for (const Layout& layout : layouts_) {
        ShortRect inner;
        if (!DocRectToView(layout.inner, inner) || !inner.Intersect(content)) continue;
        cells.push_back(inner);
    }
    if (!cells.empty()) covered.Union(Rgn(cells));
}

void FrontEndView::DrawEntry(ItemGraphEnv& env, const ViewDrawContext* context, std::int32_t index) {
    if (index < 0 || index >= static_cast<std::int32_t>(layouts_.size())) return;
    const Layout& layout = layouts_[static_cast<std::size_t>(index)];
    ShortRect cell;
    if (!DocRectToView(layout.cell, cell)) return;
    if (context && context->region && !context->region->IntersectsRect(cell)) return;
    ShortRect inner;
    DocRectToView(layout.inner, inner);
    if (cellBitmap_) CopyBitmap(env, *cellBitmap_, inner);
    Bevel(env, cell, kBevelRaised);
    if (layout.title) return;
    // The cell's picture under the button was drawn just now.
    DrawButton(env, layout, false);
    ShortRect caption;
    DocRectToView(layout.captionRect, caption);
    env.SetForeStandardColor(0);
    env.SetTransparent(true);
    env.SetFont(0, 12, 0);
    env.DrawMultilineText(layout.captionText.c_str(), caption, kAlignLeft, 0, 0);
    if (layout.description) {
        ShortRect description;
        DocRectToView(layout.descriptionRect, description);
        layout.description->Draw(env, context, description.top, description.left, description.bottom,
                                 description.right, kAlignLeft);
    }
    env.SetTransparent(false);
}

void FrontEndView::DrawBehindButton(ItemGraphEnv& env, const Layout& layout) {
    if (!cellBitmap_) return;
    ShortRect button, inner;
    DocRectToView(layout.button, button);
    DocRectToView(layout.inner, inner);
    CopyBitmap(env, *cellBitmap_, button, button.left - inner.left, button.top - inner.top);
}

void FrontEndView::DrawButton(ItemGraphEnv& env, const Layout& layout, bool pressed) {
    ShortRect button, frame, image;
    DocRectToView(layout.button, button);
    DocRectToView(layout.frame, frame);
    DocRectToView(layout.image, image);
    if (layout.bitmap) {
        ShortRect shown = image;
        if (pressed) shown.Offset(1, 1);
        CopyBitmap(env, *layout.bitmap, shown);
        if (pressed && !IsColorDisplay()) env.InvertRect(shown);
    }
    ShortRect bevel = button;
    bevel.right = static_cast<std::int16_t>(bevel.right - 1);
    bevel.bottom = static_cast<std::int16_t>(bevel.bottom - 1);
    Bevel(env, bevel, pressed ? kBevelSunken : layout.enabled ? kBevelRaised : kBevelDouble);
    env.SetForeStandardColor(0);
    env.FrameRect(frame);
}

void FrontEndView::DrawEntryNow(std::int32_t index, bool pressed) {
    ItemGraphEnv* env = GetGraphEnv();
    if (!env || index < 0 || index >= static_cast<std::int32_t>(layouts_.size())) return;
    const GraphAttribUser use(*env);
    const Layout& layout = layouts_[static_cast<std::size_t>(index)];
    DrawBehindButton(*env, layout);
    DrawButton(*env, layout, pressed);
}

// --- the click

std::int32_t FrontEndView::HandleMouseDown(const MsgEvent& event) {
    if (TrackScrollBarClick(&event)) return 0;
    const win::HWND parent = GetParentHWnd();
    const auto entryAt = [&](ShortPoint point) {
        LongPoint document;
        ViewPointToDoc(point, document);
        return HitTest(document);
    };
    const std::int32_t index = entryAt(event.GetMousePoint(parent));
    if (index < 0 || !layouts_[static_cast<std::size_t>(index)].enabled) return 1;
    bool chosen = false;
    {
        const ItemMouseTrap trap(*this);
        bool pressed = true;
        DrawEntryNow(index, true);
        const std::uint64_t pressedAt = TickCount();
        bool down = true;
        ShortPoint mouse;
        while (StillDown(&down)) {
            GetMousePoint(parent, mouse);
            const bool inside = entryAt(mouse) == index;
            if (inside != pressed) {
                pressed = inside;
                DrawEntryNow(index, pressed);
            }
        }
        GetMousePoint(parent, mouse);
        chosen = entryAt(mouse) == index;
        if (pressed) {
            while (TickCount() - pressedAt < kPressedTicks) win::Sleep(10);
            DrawEntryNow(index, false);
        }
    }
    if (chosen) EntryChosen(index);
    return 1;
}

void FrontEndView::EntryChosen(std::int32_t /*index*/) {
    Beep();
    Beep();
}
