// The tree selector's pictures: its frame, its rows with their connector lines and markers, and
// what lies below the last row.

#include <algorithm>

#include "framework/graphics/BevelFrames.h"
#include "framework/graphics/ClipSaver.h"
#include "framework/graphics/GraphUser.h"
#include "framework/graphics/QRVBitmap.h"
#include "items/ItemGraphEnv.h"
#include "platform/gdi/Bitmaps.h"
#include "widgets/TreeSelectorView.h"

namespace {

// Connector lines are mid grey, so that they show on the white rows.
constexpr int kConnectorColor = 9;

}  // namespace

ShortPoint TreeSelectorView::MeasureNode(TGraphEnv& /*env*/, TreeSelectorNode* node) {
    return node->GetSize();
}

TreeSelectorNode* TreeSelectorView::FindNodeByPrefix(const char* /*text*/) { return nullptr; }

void TreeSelectorView::Draw(win::HDC /*dc*/, const Rgn& /*clip*/) {
    if (!GetGraphEnv()) return;
    DrawFrame();
    DrawRows(true);
}

void TreeSelectorView::DrawFrame() {
    ItemGraphEnv* env = GetGraphEnv();
    if (!env) return;
    {
        GraphAttribUser use(*env);
        const std::int32_t style = kBevelSunken;
        DrawBevelFrame(*env, fullBounds_, &style, 2, GetStandardColor(10), GetStandardColor(1));
    }
    if (TakesFocus() && HasFlags(kFocusRingShown)) DrawFocusRing();
}

void TreeSelectorView::DrawFocusRing() {
    ItemGraphEnv* env = GetGraphEnv();
    if (!env || !TakesFocus()) return;
    GraphUser use(*env);
    env->DrawFocusRect(fullBounds_);
}

void TreeSelectorView::DrawRows(bool all) {
    ItemGraphEnv* env = GetGraphEnv();
    if (!env || !HasWindow()) return;
    GraphAttribUser use(*env);
    const ShortRect content = GetContentRect();
    const ClipSaver clip(*env, content);
    env->SetBackStandardColor(1);
    const std::int32_t originX = content.left - HorzValue();
    std::int32_t top = content.top - VertValue();
    bool fromHere = false;
    for (TreeSelectorNode* row = FirstRow(); row && top < content.bottom; row = NextRow(row)) {
        const std::int32_t bottom = top + RowHeight(row);
        if (row->HasFlags(TreeSelectorNode::kRedrawFromHere)) fromHere = true;
        if ((all || fromHere || row->HasFlags(TreeSelectorNode::kRedraw)) && bottom > content.top) {
            // Each row starts from the same colours, whatever the row above left.
            GraphAttribUser rowUse(*env);
            env->EraseRect(ShortRect::MakeLTRB(content.left, top, content.right, bottom));
            const std::int32_t textStart = originX + GetMarkerWidth() + indent_ * GetDepth(row);
            DrawConnectorsAndMarker(row, ShortRect::MakeLTRB(originX, top, textStart, bottom));
            DrawNodeText(*env, row, ShortRect::MakeLTRB(textStart, top, content.right, bottom));
        }
        row->ClearFlags(TreeSelectorNode::kRedraw | TreeSelectorNode::kRedrawFromHere);
        top = bottom;
    }
    if (!all) return;
    if (top < content.bottom)
        env->EraseRect(ShortRect::MakeLTRB(content.left, top, content.right, content.bottom));
    if (!horzScroller_->HasFlags(kHidden) && !vertScroller_->HasFlags(kHidden)) {
        const ShortRect inner = GetInnerRect();
        env->EraseRect(ShortRect::MakeLTRB(content.right, content.bottom, inner.right, inner.bottom));
    }
}

void TreeSelectorView::DrawConnectorsAndMarker(TreeSelectorNode* node, const ShortRect& rect) {
    ItemGraphEnv* env = GetGraphEnv();
    if (!env) return;
    const std::int16_t markerWidth = GetMarkerWidth();
    const std::int32_t depth = GetDepth(node);
    const int mid = rect.top + (rect.bottom - rect.top) / 2;
    if (ShowConnectors()) {
        GraphAttribUser use(*env);
        env->SetForeStandardColor(kConnectorColor);
        int x = rect.left + indent_ * depth + markerWidth / 2;
        env->MoveTo(x, mid);
        env->LineTo(x + (markerWidth + 1) / 2, mid);
        const bool firstTop = node == GetFirstTopNode();
        for (const QRVTreeNode* level = node; level; level = level->Parent(), x -= indent_) {
            if (firstTop) {
                if (level->NextSibling()) {
                    env->MoveTo(x, mid);
                    env->LineTo(x, rect.bottom);
                }
            } else if (level->NextSibling()) {
                env->MoveTo(x, rect.top);
                env->LineTo(x, rect.bottom);
            } else if (level == node) {
                env->MoveTo(x, rect.top);
                env->LineTo(x, mid);
            }
        }
    }
    if (!node->IsContainer()) return;
    const int left = MarkersAtTextStart() ? rect.left + indent_ * depth : rect.left;
    DrawMarker(node->IsOpen() ? openMarker_ : closedMarker_,
               ShortRect::MakeLTRB(left, rect.top, left + markerWidth, rect.bottom));
}

void TreeSelectorView::DrawMarker(QRVBitmap* picture, const ShortRect& box) {
    ItemGraphEnv* env = GetGraphEnv();
    if (!picture || !picture->IsUsable() || !env) return;
    const int dx = std::max(0, (box.Width() - picture->Width()) / 2);
    const int dy = std::max(0, (box.Height() - picture->Height()) / 2);
    GraphUser use(*env);
    const win::HDC source = picture->BeginDrawing(env->GetHDC());
    win::BitBlt(env->GetHDC(), box.left + dx, box.top + dy, picture->Width(), picture->Height(), source, 0, 0,
                win::SRCCOPY);
    picture->EndDrawing();
}
