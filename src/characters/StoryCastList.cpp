#include "characters/StoryCastList.h"

#include <algorithm>

#include "app/FKDoc.h"
#include "characters/CharacterPictureImport.h"
#include "characters/ItemDrag.h"
#include "characters/ShownText.h"
#include "framework/MsgEvent.h"
#include "framework/QRVClipBoard.h"
#include "framework/TWindow.h"
#include "framework/graphics/FontMapping.h"
#include "framework/graphics/GraphUser.h"
#include "items/ItemGraphEnv.h"
#include "items/ViewDrawContext.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/Messages.h"
#include "storymodel/Archetypes.h"
#include "storymodel/CharacterManager.h"
#include "storymodel/ExpandedTextWrap.h"

namespace {

constexpr std::int16_t kTextGap = 8;
constexpr int kSelectionColor = 18;
constexpr std::int32_t kBold = 1;
constexpr std::int16_t kDefaultFontSize = 12;

CharacterManager* CharactersOf(FKDoc* story) { return story ? story->GetCharacterManager() : nullptr; }

// The smaller font of the line below the name.
win::LOGFONTA DetailFont(const win::LOGFONTA& font) {
    win::LOGFONTA detail = font;
    detail.lfWeight = 400;
    detail.lfHeight = font.lfHeight < 0 ? font.lfHeight + 2 : std::max<win::LONG>(font.lfHeight - 2, 1);
    return detail;
}

int FontPixels(const win::LOGFONTA& font) {
    const int height = font.lfHeight < 0 ? -font.lfHeight : font.lfHeight;
    return height > 0 ? height + height / 3 : 16;
}

}  // namespace

StoryCastList::StoryCastList(FKDoc* story, Slot slot, ICastListClient* client, ItemList* list,
                             const ShortRect* bounds, bool showArchetypes)
    : CastListView(list, static_cast<std::uint16_t>(kVertScrollBar | kReadOnly), bounds, 0,
                   GetStandardColor(1)),
      MCharacterListener(CharactersOf(story)),
      MCharacteristicListener(CharactersOf(story) ? &CharactersOf(story)->GetCharacteristicBroadcaster()
                                                  : nullptr),
      story_(story),
      slot_(slot),
      client_(client),
      showArchetypes_(showArchetypes) {
    MakeLogFont(font_, 0, kDefaultFontSize, kBold);
    SetVertUnitHeight(rowHeight_);
    SetupScrollBars();
    Rebuild();
    Store(this);
}

StoryCastList::~StoryCastList() {
    MCharacterListener::SetBroadcaster(nullptr);
    MCharacteristicListener::SetBroadcaster(nullptr);
    Store(nullptr);
}

void StoryCastList::Store(StoryCastList* view) {
    if (!story_) return;
    switch (slot_) {
        case Slot::kCharacterList:
            if (!view && story_->GetCharListCastView() != this) return;
            story_->SetCharListCastView(view);
            break;
        case Slot::kBuildCharacters:
            if (!view && story_->GetBuildCastView() != this) return;
            story_->SetBuildCastView(view);
            break;
        case Slot::kCasting:
            if (!view && story_->GetCastingCastView() != this) return;
            story_->SetCastingCastView(view);
            break;
    }
}

// --- the selection

bool StoryCastList::HasSelection() const {
    const CharacterManager* characters = CharactersOf(story_);
    return IsValidCharID(selected_) && characters && characters->HasCharacter(selected_);
}

CharID StoryCastList::GetSelectedCharacter() const { return HasSelection() ? selected_ : kNoCharID; }

void StoryCastList::SelectCharacter(CharID id) { SelectRow(RowOf(id)); }

void StoryCastList::SelectRow(std::int32_t row) {
    const CharID id = row >= 0 && row < static_cast<std::int32_t>(rows_.size())
                          ? rows_[static_cast<std::size_t>(row)]
                          : kNoCharID;
    if (id == selected_) return;
    selected_ = id;
    if (row >= 0) ScrollToRow(row);
    Invalidate();
    if (client_) client_->CastSelectionChanged(id);
}

void StoryCastList::Copy() {
    CharacterManager* characters = CharactersOf(story_);
    const CharInfoRec* character = characters && HasSelection() ? characters->GetCharacter(selected_) : nullptr;
    if (!character) return;
    if (const QRVBitmap* picture = bitmaps_.Get(*characters, character->GetPicture())) {
        QRVClipBoard clipboard(win::CF_BITMAP);
        clipboard.PutBitmap(*picture);
    }
}

void StoryCastList::PastePicture() {
    if (story_ && HasSelection()) PasteCharacterPicture(*story_, selected_);
}

std::int32_t StoryCastList::RowOf(CharID id) const {
    const auto found = std::find(rows_.begin(), rows_.end(), id);
    return found == rows_.end() || !IsValidCharID(id) ? -1 : static_cast<std::int32_t>(found - rows_.begin());
}

CharID StoryCastList::CharacterAt(ShortPoint point) const {
    ShortRect content;
    GetContentRect(content);
    if (!content.Contains(point)) return kNoCharID;
    LongPoint document;
    ViewPointToDoc(point, document);
    if (document.y < 0) return kNoCharID;
    const std::int32_t row = document.y / rowHeight_;
    return row < static_cast<std::int32_t>(rows_.size()) ? rows_[static_cast<std::size_t>(row)] : kNoCharID;
}

std::string StoryCastList::DescribeCharacter(CharID id) const {
    CharacterManager* characters = CharactersOf(story_);
    CharInfoRec* character = characters ? characters->GetCharacter(id) : nullptr;
    if (!character) return {};
    std::string text;
    const auto add = [&text](const std::string& part) {
        if (part.empty()) return;
        if (!text.empty()) text += ", ";
        text += part;
    };
    const std::int16_t role = character->GetSubjectiveRole();
    if (role == kMainRole) add("Main Character");
    if (role == kImpactRole) add(ExpandAndDecode(story_, "{NObst} Character"));
    add(ShownText(character->GetText(CharacterKey::kRole)));
    if (showArchetypes_ || character->GetArchetype() != kUnassignedArchetype)
        add(ArchetypeName(character->GetArchetype()));
    return text;
}

// --- following the story

void StoryCastList::Rebuild() {
    rows_.clear();
    if (CharacterManager* characters = CharactersOf(story_)) {
        for (std::int32_t i = 0; i < characters->GetCount(); ++i) rows_.push_back(characters->IdAt(i));
    }
    if (RowOf(selected_) < 0) {
        selected_ = kNoCharID;
        if (client_) client_->CastSelectionChanged(kNoCharID);
    }
    bitmaps_.Clear();
    UpdateScrollBars(1);
    Invalidate();
}

void StoryCastList::CharactersChanged(const CharacterEvent* /*event*/) { Rebuild(); }

void StoryCastList::CharacteristicsChanged() { Invalidate(); }

void StoryCastList::SetFont(const win::LOGFONTA& font) {
    font_ = font;
    const int lines = FontPixels(font) + FontPixels(DetailFont(font)) + 2 * kRowGap;
    rowHeight_ = static_cast<std::int16_t>(std::max<int>(kPictureSize + 2 * kRowGap, lines));
    SetVertUnitHeight(rowHeight_);
    UpdateScrollBars(1);
    Invalidate();
}

// --- geometry

ShortRect StoryCastList::RowRect(std::int32_t row) const {
    ShortRect content;
    GetContentRect(content);
    const LongRect document{0, row * rowHeight_, content.Width(), (row + 1) * rowHeight_};
    ShortRect rect;
    DocRectToView(document, rect);
    rect.left = content.left;
    rect.right = content.right;
    return rect;
}

void StoryCastList::ScrollToRow(std::int32_t row) {
    const std::int32_t top = GetVertScrollValue();
    const std::int32_t shown = std::max<std::int32_t>(VertUnitsOnPage(), 1);
    if (row < top) {
        ScrollTo(row, 0, 1);
    } else if (row >= top + shown) {
        ScrollTo(row - shown + 1, 0, 1);
    }
}

void StoryCastList::SetBounds(const ShortRect& rect, bool redraw) {
    TView::SetBounds(rect, redraw);
    UpdateScrollBars(1);
}

void StoryCastList::WindowResized() {
    TWindow* window = GetWindow();
    if (!window) return;
    ShortRect content;
    window->GetContentRect(content);
    ShortRect bounds = Bounds();
    bounds.bottom = content.bottom;
    if (bounds.right > content.right || HasFlags(kFollowsWindowSize))
        bounds.right = std::max(content.right, bounds.left);
    SetBounds(bounds, true);
}

// --- input

std::int32_t StoryCastList::HandleMouseDown(const MsgEvent& event) {
    if (TView::HandleMouseDown(event) == 0) return 0;
    const ShortPoint point = event.GetMousePoint(GetParentHWnd());
    const CharID id = CharacterAt(point);
    const std::int32_t row = RowOf(id);
    SelectRow(row);
    if (row < 0) return 1;
    if (event.IsDoubleClick()) {
        if (client_) client_->CastCharacterOpened(id);
    } else if (client_ && client_->CastRowsDrag()) {
        DragRow(row, point);
    }
    return 1;
}

void StoryCastList::DragRow(std::int32_t row, ShortPoint start) {
    const CharID id = rows_[static_cast<std::size_t>(row)];
    if (const std::optional<ShortPoint> drop = DragItemPart(*this, RowRect(row), start))
        client_->CastCharacterDropped(id, *drop);
}

bool StoryCastList::HandleKey(KeyEvent& event) {
    if (event.Message() == win::WM_KEYDOWN) {
        const std::int32_t row = RowOf(selected_);
        const auto count = static_cast<std::int32_t>(rows_.size());
        switch (event.GetKey()) {
            case kKeyUp:
                if (count > 0) SelectRow(row < 0 ? count - 1 : std::max(row - 1, 0));
                return true;
            case kKeyDown:
                if (count > 0) SelectRow(row < 0 ? 0 : std::min(row + 1, count - 1));
                return true;
            default: break;
        }
    }
    if ((event.GetKey() == kKeyReturn || event.GetKey() == kKeyEnter) && HasSelection() && client_) {
        if (event.Message() == win::WM_KEYDOWN) client_->CastCharacterOpened(selected_);
        return true;
    }
    return TView::HandleKey(event);
}

// --- drawing

void StoryCastList::DrawRow(TGraphEnv& env, std::int32_t row, int top, int left, int right) {
    const CharID id = rows_[static_cast<std::size_t>(row)];
    CharacterManager* characters = CharactersOf(story_);
    CharInfoRec* character = characters ? characters->GetCharacter(id) : nullptr;
    if (!character) return;
    const auto y = static_cast<std::int16_t>(top);
    const ShortRect whole =
        ShortRect::MakeLTRB(static_cast<std::int16_t>(left), y, static_cast<std::int16_t>(right),
                            static_cast<std::int16_t>(top + rowHeight_));
    if (id == selected_) {
        env.SetForeStandardColor(kSelectionColor);
        env.FillRect(whole);
    }
    const int pictureTop = top + (rowHeight_ - kPictureSize) / 2;
    const ShortRect picture =
        ShortRect::MakeLTRB(static_cast<std::int16_t>(left + kRowGap), static_cast<std::int16_t>(pictureTop),
                            static_cast<std::int16_t>(left + kRowGap + kPictureSize),
                            static_cast<std::int16_t>(pictureTop + kPictureSize));
    DrawCharacterBitmap(env, bitmaps_.Get(*characters, character->GetPicture()), picture);
    const auto textLeft = static_cast<std::int16_t>(picture.right + kTextGap);
    const int nameHeight = FontPixels(font_);
    const int textTop = top + (rowHeight_ - nameHeight - FontPixels(DetailFont(font_))) / 2;
    env.SetForeStandardColor(0);
    env.SetFontIndirect(font_);
    env.DrawTextBox(
        ShownText(character->Name()).c_str(),
        ShortRect::MakeLTRB(textLeft, static_cast<std::int16_t>(textTop), static_cast<std::int16_t>(right),
                            static_cast<std::int16_t>(textTop + nameHeight)),
        0, 0, 0);
    env.SetFontIndirect(DetailFont(font_));
    env.DrawTextBox(DescribeCharacter(id).c_str(),
                    ShortRect::MakeLTRB(textLeft, static_cast<std::int16_t>(textTop + nameHeight),
                                        static_cast<std::int16_t>(right), whole.bottom),
                    0, 0, 0);
}

void StoryCastList::DrawContent(ViewDrawContext* context) {
    ItemGraphEnv* env = GetGraphEnv();
    if (!env || !context) return;
    ShortRect content;
    GetContentRect(content);
    const GraphAttribUser use(*env);
    for (std::int32_t i = 0; i < static_cast<std::int32_t>(rows_.size()); ++i) {
        const auto top = static_cast<int>(static_cast<std::int64_t>(i) * rowHeight_ - context->origin.y);
        if (top + rowHeight_ <= content.top || top >= content.bottom) continue;
        DrawRow(*env, i, top, static_cast<int>(-context->origin.x), content.right - 1);
    }
}
