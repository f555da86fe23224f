#include "query/FQSTreeSelectorView.h"

#include <algorithm>
#include <unordered_set>

#include "framework/PictureBitmaps.h"
#include "framework/WindowUtilities.h"
#include "framework/graphics/FontMapping.h"
#include "framework/graphics/GraphEnv.h"
#include "items/GraphFontUser.h"
#include "items/Scroller.h"
#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/SystemColors.h"

namespace {

constexpr std::int16_t kIndent = 16;
constexpr std::int16_t kTopicsFontNumber = 3;
constexpr std::int16_t kTopicsFontSize = 10;

// The row index grows to this from its capacity when full.
std::int32_t GrownCapacity(std::int32_t capacity) { return capacity * 2 + 10; }

}  // namespace

FQSTreeSelectorNode::FQSTreeSelectorNode(bool open, const char* caption, std::int16_t row, std::int16_t topic,
                                         std::int16_t scenePosition, std::int16_t sceneId, std::int32_t style,
                                         QRVBitmap* picture)
    : TreeSelectorNode(ShortPoint{0, 0}, open),
      text_(caption ? std::make_unique<std::string>(caption) : nullptr),
      row_(row),
      topic_(topic),
      scenePosition_(scenePosition),
      sceneId_(sceneId),
      style_(style),
      picture_(picture) {}

FQSTreeSelectorView::FQSTreeSelectorView(ItemList* list, const ShortRect* bounds)
    : TreeSelectorView(list, kIndent, bounds, 0, RGBColor(0)) {
    SetStyle(kTakesFocus, true);
    MakeLogFont(font_, kTopicsFontNumber, kTopicsFontSize, 0);
    ShortRect open, closed;
    LoadPictureBitmap(FourCCOf("BITM"), kOpenFolderPicture, &open, openFolder_, true);
    LoadPictureBitmap(FourCCOf("BITM"), kClosedFolderPicture, &closed, closedFolder_, true);
    // Without its pictures the tree shows no markers; its rows still open and close.
    if (!open.IsEmpty()) SetOpenMarker(&openFolder_);
    if (!closed.IsEmpty()) SetClosedMarker(&closedFolder_);
}

FQSTreeSelectorView::~FQSTreeSelectorView() {
    BeginUpdate();
    DeleteAll();
}

// --- The row index

void FQSTreeSelectorView::InsertNode(QRVTreeNode* node, QRVTreeNode* parent, std::int16_t position) {
    auto* topicNode = static_cast<FQSTreeSelectorNode*>(node);
    const std::int32_t row = std::max<std::int32_t>(topicNode->GetRow(), 0);
    if (row >= rowCount_) {
        // A row beyond the count leaves the rows between without nodes, so that every node stays
        // at its own row.
        auto capacity = static_cast<std::int32_t>(rows_.size());
        while (row >= capacity) capacity = GrownCapacity(capacity);
        rows_.resize(static_cast<std::size_t>(capacity), nullptr);
        rowCount_ = row + 1;
    }
    rows_[static_cast<std::size_t>(row)] = topicNode;
    TreeSelectorView::InsertNode(node, parent, position);
}

void FQSTreeSelectorView::RemoveNode(QRVTreeNode* node) {
    const std::int32_t row = static_cast<FQSTreeSelectorNode*>(node)->GetRow();
    if (row >= 0 && row < rowCount_ && rows_[static_cast<std::size_t>(row)] == node)
        rows_[static_cast<std::size_t>(row)] = nullptr;
    TreeSelectorView::RemoveNode(node);
}

void FQSTreeSelectorView::DeleteAll() {
    TreeSelectorView::DeleteAll();
    std::fill(rows_.begin(), rows_.end(), nullptr);
    rowCount_ = 0;
}

FQSTreeSelectorNode* FQSTreeSelectorView::NodeAt(std::int32_t row) const {
    return row >= 0 && row < rowCount_ ? rows_[static_cast<std::size_t>(row)] : nullptr;
}

std::int16_t FQSTreeSelectorView::GetTopicAt(std::int32_t row) const {
    const FQSTreeSelectorNode* node = NodeAt(row);
    return node ? node->GetTopic() : 0;
}

// --- Statuses and selection

void FQSTreeSelectorView::SetNodeStatus(std::int32_t row, std::uint8_t status, bool redraw) {
    FQSTreeSelectorNode* node = NodeAt(row);
    if (!node || node->GetStatus() == status) return;
    node->SetStatus(status);
    MarkNodeForRedraw(node);
    InvalidateRow(node);
    if (redraw && HasWindow() && LacksFlags(kHidden)) Update();
}

void FQSTreeSelectorView::InvalidateRow(const FQSTreeSelectorNode* node) {
    if (!HasWindow()) return;
    const ShortRect content = GetContentRect();
    const Scroller* scroller = GetVertScroller();
    const std::int32_t scrolled = scroller && !scroller->HasFlags(kHidden) ? scroller->GetValue() : 0;
    const std::int32_t top = content.top + RowTop(node) - scrolled;
    const ShortRect row = ShortRect::MakeLTRB(content.left, std::max<std::int32_t>(top, content.top), content.right,
                                              std::min<std::int32_t>(top + RowHeight(node), content.bottom));
    if (row.top < row.bottom) InvalidateShortRect(GetParentHWnd(), row);
}

void FQSTreeSelectorView::SelectNode(std::int32_t row, bool notify) {
    FQSTreeSelectorNode* node = NodeAt(row);
    if (!node) return;
    SelectNode(node, true);
    if (notify) PostHit();
}

FQSTreeSelectorNode* FQSTreeSelectorView::Selected() const {
    return static_cast<FQSTreeSelectorNode*>(FindNext(nullptr, false, &kIsSelected, nullptr));
}

FQSTreeSelectorView::Selection FQSTreeSelectorView::GetSelection() const {
    Selection selection;
    if (const FQSTreeSelectorNode* node = Selected()) {
        selection.row = node->GetRow();
        selection.topic = node->GetTopic();
        selection.doubleClick = WasDoubleClick();
        selection.found = true;
    }
    return selection;
}

void FQSTreeSelectorView::CloseBranchesBetween(std::int32_t rowLeft, std::int32_t rowEntered) {
    const FQSTreeSelectorNode* left = NodeAt(rowLeft);
    const FQSTreeSelectorNode* entered = NodeAt(rowEntered);
    if (!left || !entered) return;
    std::unordered_set<const QRVTreeNode*> aboveEntered;
    for (const QRVTreeNode* above = entered->Parent(); above; above = above->Parent()) aboveEntered.insert(above);
    bool closed = false;
    for (QRVTreeNode* above = left->Parent(); above && !aboveEntered.count(above); above = above->Parent()) {
        auto* node = static_cast<TreeSelectorNode*>(above);
        if (!node->IsOpen()) continue;
        node->SetFlags(TreeSelectorNode::kClosed);
        closed = true;
    }
    if (!closed) return;
    Layout();
    Invalidate();
}

void FQSTreeSelectorView::SetFont(const win::LOGFONTA& font) {
    font_ = font;
    Layout();
    Invalidate();
}

void FQSTreeSelectorView::FoldOrGoUp() {
    FQSTreeSelectorNode* node = Selected();
    if (!node) return;
    if (node->IsContainer() && node->IsOpen()) {
        SetNodeOpen(node, false);
    } else if (auto* parent = static_cast<TreeSelectorNode*>(node->Parent())) {
        SelectNode(parent, true);
    }
}

void FQSTreeSelectorView::UnfoldOrGoDown() {
    FQSTreeSelectorNode* node = Selected();
    if (!node) return;
    if (node->IsContainer() && !node->IsOpen()) {
        SetNodeOpen(node, true);
    } else if (TreeSelectorNode* next = NextRow(node)) {
        SelectNode(next, true);
    }
}

// --- Drawing

ShortPoint FQSTreeSelectorView::MeasureNode(TGraphEnv& env, TreeSelectorNode* treeNode) {
    auto* node = static_cast<FQSTreeSelectorNode*>(treeNode);
    const GraphFontUser use(env, font_);
    win::TEXTMETRICA metrics{};
    env.GetTextMetrics(metrics);
    const int height = GetFontAscent(metrics) + GetFontDescent(metrics) + GetFontLeading(metrics);
    int width = kMarkWidth;
    if (const QRVBitmap* picture = node->GetPicture()) width += picture->Width();
    if (node->GetText()) {
        win::LOGFONTA styled = font_;
        SetLogFontStyle(styled, node->GetStyle());
        const GraphFontUser caption(env, styled);
        width += env.StringWidth(node->GetText());
    }
    const ShortPoint size{static_cast<std::int16_t>(width), static_cast<std::int16_t>(height)};
    node->SetSize(size);
    return size;
}

void FQSTreeSelectorView::DrawNodeText(TGraphEnv& env, TreeSelectorNode* treeNode, const ShortRect& rowRect) {
    auto* node = static_cast<FQSTreeSelectorNode*>(treeNode);
    ShortRect rect = rowRect;
    if (QRVBitmap* picture = node->GetPicture(); picture && picture->IsUsable()) {
        const int dx = std::max(0, (rect.Width() - picture->Width()) / 2);
        const int dy = std::max(0, (rect.Height() - picture->Height()) / 2);
        const win::HDC source = picture->BeginDrawing(env.GetHDC());
        win::BitBlt(env.GetHDC(), rect.left + dx, rect.top + dy, picture->Width(), picture->Height(), source, 0, 0,
                    win::SRCCOPY);
        picture->EndDrawing();
        rect.left = static_cast<std::int16_t>(rect.left + picture->Width());
    }
    const bool selected = node->IsSelected();
    if (selected) {
        const int width = node->GetSize().x - (node->GetPicture() ? node->GetPicture()->Width() : 0);
        env.FillHighlight(ShortRect::MakeLTRB(rect.left, rect.top, rect.left + width, rect.bottom));
        env.UseHighlightTextColor();
    }
    if (const char* caption = node->GetText()) {
        win::LOGFONTA styled = font_;
        SetLogFontStyle(styled, node->GetStyle());
        const GraphFontUser use(env, styled);
        win::TEXTMETRICA metrics{};
        env.GetTextMetrics(metrics);
        const int ascent = GetFontAscent(metrics);
        const int baseline = rect.top + (rect.Height() - (ascent + GetFontDescent(metrics))) / 2 + ascent;
        env.SetTransparent(true);
        env.MoveTo(rect.left + kMarkWidth, baseline);
        env.DrawText(caption, 0, 0);
    }
    DrawStatusMark(env, node->GetStatus(), rect.left + 1, rect.top, selected);
}

void FQSTreeSelectorView::DrawStatusMark(TGraphEnv& env, std::uint8_t status, int x, int y, bool selected) {
    const win::HDC dc = env.GetHDC();
    if (!dc || status == 0 || status > 4) return;
    const win::COLORREF color = selected ? win::GetSysColor(win::COLOR_HIGHLIGHTTEXT) : win::RGB(0, 0, 0);
    const win::HPEN pen = win::CreatePen(win::PS_SOLID, 1, color);
    const win::HGDIOBJ previous = win::SelectObject(dc, pen);
    const auto point = [&](int px, int py) { win::SetPixel(dc, px, py, color); };
    switch (status) {
        case 1:  // a check: answered by the writer
            win::MoveToEx(dc, x + 2, y + 6, nullptr);
            win::LineTo(dc, x + 4, y + 8);
            win::LineTo(dc, x + 8, y + 4);
            break;
        case 2: point(x + 6, y + 7); break;  // a dot: answered by the storyform
        case 3:                              // a dash: no status of its own
            win::MoveToEx(dc, x + 3, y + 7, nullptr);
            win::LineTo(dc, x + 7, y + 7);
            break;
        case 4:  // a double wave: not applicable
            for (const int b : {y + 5, y + 8}) {
                point(x + 3, b);
                point(x + 4, b - 1);
                point(x + 5, b - 1);
                point(x + 6, b);
                point(x + 7, b);
                point(x + 8, b - 1);
            }
            break;
        default: break;
    }
    win::SelectObject(dc, previous);
    win::DeleteObject(pen);
}
