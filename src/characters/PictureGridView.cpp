#include "characters/PictureGridView.h"

#include <algorithm>

#include "framework/MsgEvent.h"
#include "framework/graphics/GraphUser.h"
#include "items/ItemGraphEnv.h"
#include "items/ViewDrawContext.h"
#include "storymodel/CharacterManager.h"

namespace {

constexpr int kSelectionColor = 18;

}  // namespace

PictureGridView::PictureGridView(CharacterManager* characters, ItemList* list, const ShortRect* bounds,
                                 std::uint16_t chosen, std::function<void()> confirm)
    : TView(list, static_cast<std::uint16_t>(kVertScrollBar | kReadOnly), bounds, 0, GetStandardColor(1)),
      characters_(characters),
      chosen_(chosen),
      confirm_(std::move(confirm)) {
    if (characters_) {
        characters_->ScanCustomPictures();
        pictures_ = characters_->GetPictureIDs();
    }
    SetVertUnitHeight(kCellSize);
    SetupScrollBars();
}

std::int32_t PictureGridView::Columns() const {
    ShortRect content;
    GetContentRect(content);
    return std::max(content.Width() / kCellSize, 1);
}

std::int32_t PictureGridView::VertUnitCount() const {
    const auto count = static_cast<std::int32_t>(pictures_.size());
    return (count + Columns() - 1) / Columns();
}

void PictureGridView::Choose(std::uint16_t picture) {
    if (std::find(pictures_.begin(), pictures_.end(), picture) == pictures_.end()) return;
    chosen_ = picture;
    Invalidate();
}

std::int32_t PictureGridView::PictureAt(ShortPoint point) const {
    ShortRect content;
    GetContentRect(content);
    if (!content.Contains(point)) return -1;
    LongPoint document;
    ViewPointToDoc(point, document);
    if (document.x < 0 || document.y < 0 || document.x >= Columns() * kCellSize) return -1;
    const std::int32_t index = document.y / kCellSize * Columns() + document.x / kCellSize;
    return index < static_cast<std::int32_t>(pictures_.size()) ? index : -1;
}

std::int32_t PictureGridView::HandleMouseDown(const MsgEvent& event) {
    if (TView::HandleMouseDown(event) == 0) return 0;
    const std::int32_t index = PictureAt(event.GetMousePoint(GetParentHWnd()));
    if (index < 0) return 1;
    Choose(pictures_[static_cast<std::size_t>(index)]);
    if (event.IsDoubleClick() && confirm_) confirm_();
    return 1;
}

void PictureGridView::DrawContent(ViewDrawContext* context) {
    ItemGraphEnv* env = GetGraphEnv();
    if (!env || !context || !characters_) return;
    const GraphAttribUser use(*env);
    ShortRect content;
    GetContentRect(content);
    const std::int32_t columns = Columns();
    for (std::size_t i = 0; i < pictures_.size(); ++i) {
        const auto index = static_cast<std::int32_t>(i);
        const int left = index % columns * kCellSize - static_cast<int>(context->origin.x);
        const int top = index / columns * kCellSize - static_cast<int>(context->origin.y);
        if (top + kCellSize <= content.top || top >= content.bottom) continue;
        const ShortRect cell = ShortRect::MakeLTRB(left, top, left + kCellSize, top + kCellSize);
        if (pictures_[i] == chosen_) {
            env->SetForeStandardColor(kSelectionColor);
            env->FillRect(cell);
        }
        const int inset = (kCellSize - kCharacterPictureSize) / 2;
        DrawCharacterBitmap(
            *env, bitmaps_.Get(*characters_, pictures_[i]),
            ShortRect::MakeLTRB(left + inset, top + inset, left + inset + kCharacterPictureSize,
                                top + inset + kCharacterPictureSize));
    }
}
