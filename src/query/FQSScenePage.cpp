#include "query/FQSScenePage.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "app/FKDoc.h"
#include "foundation/pfm/PText.h"
#include "framework/BusyCursor.h"
#include "framework/TAppl.h"
#include "framework/graphics/FontMapping.h"
#include "items/ItemList.h"
#include "items/RichTextView.h"
#include "items/StyledText.h"
#include "query/FQSPageControls.h"
#include "query/FQSSceneMenu.h"
#include "query/FQSWindow.h"
#include "query/QueryDocument.h"
#include "query/data/AppreciationTables.h"
#include "query/data/FQSInterpretation.h"
#include "query/data/FQSPageDataList.h"
#include "storymodel/FablecoreStringConverter.h"
#include "storymodel/RecordText.h"
#include "storymodel/SceneManager.h"
#include "storymodel/TextMacroExpander.h"
#include "storymodel/engine/InclApprList.h"
#include "storymodel/engine/StoryPointTable.h"
#include "widgets/HPMenu.h"

using scenemenu::HandleLine;
using scenemenu::HandleRow;
using scenemenu::MakeHandle;

namespace {

constexpr std::int16_t kMenuHeight = 22;
constexpr std::int16_t kMenuLeft = 12;
constexpr std::int16_t kMenuRight = 240;
constexpr std::int16_t kMenuFontSize = 12;
constexpr std::int16_t kViewGap = 4;
constexpr std::int16_t kViewInset = 27;
constexpr std::int16_t kBottomRoom = 44;
// The context a row's content is interpreted in, and the room for the text it reads.
constexpr std::int32_t kContentLimit = 40;
constexpr std::int32_t kWorkBufferSize = 32768;
constexpr std::size_t kNameLimit = 1024;
constexpr std::size_t kPlainNameLimit = 120;
// What an item text leaves for the value and the count after the name.
constexpr std::int32_t kItemTextRoom = 30;
constexpr FourCC kAppreciationRecord = FourCCOf("APPR");

std::string Stripped(std::string text) {
    if (text.empty()) return text;
    const std::uint32_t length =
        StripStyleCodes(text.c_str(), text.data(), static_cast<std::uint32_t>(text.size() - 1));
    text.resize(length);
    return text;
}

std::string Cut(std::string text, std::size_t limit) {
    if (text.size() > limit) text.resize(limit);
    return text;
}

std::string ValueSuffix(IStoryDocument* document, std::int16_t value) {
    char text[64];
    std::snprintf(text, sizeof text, " -- {SNF(%hd)}", value);
    return ExpandText(document, text);
}

}  // namespace

FQSScenePage::FQSScenePage() = default;

FQSScenePage::~FQSScenePage() = default;

// --- Building

void FQSScenePage::MakeNodeTree() {
    const std::int16_t kind = ReadShort(kTableKey, -1);
    nodes_ = std::make_unique<FQSPageDataList>(document_ ? QueryStoryOf(*document_) : QueryStory{}, kind);
    describedRow_ = -1;
    description_.clear();
}

void FQSScenePage::Build() {
    const BusyCursor busy;
    MakeNodeTree();
    ItemList* items = Items();
    if (!items || !window_) return;
    // The menu goes below the cursor: above it, it would cover the question's last line (or, on
    // a page without a question, stand above the page area).
    const std::int16_t y = layoutCursor_;
    const ShortRect menuRect{y, static_cast<std::int16_t>(pageArea_.left + kMenuLeft),
                             static_cast<std::int16_t>(y + kMenuHeight),
                             static_cast<std::int16_t>(pageArea_.left + kMenuRight)};
    menu_ = new HMPMenu(this, items, &menuRect, 0, RGBColor(0), 0, kMenuFontSize);
    menu_->Open(items->Append(menu_));
    menu_->SetTitle(kMenuTitle);

    layoutCursor_ = static_cast<std::int16_t>(menuRect.bottom + kViewGap);
    ShortRect viewRect;
    viewRect.top = layoutCursor_;
    viewRect.left = static_cast<std::int16_t>(pageArea_.left + kViewInset);
    viewRect.right = static_cast<std::int16_t>(pageArea_.right - kViewInset);
    viewRect.bottom =
        static_cast<std::int16_t>(viewRect.top + ((pageArea_.bottom - kBottomRoom) - viewRect.top) / 2);
    textView_ = new RichTextView(nullptr, document_, items, 0, &viewRect, 0, RGBColor(0));
    textView_->Open(items->Append(textView_));
    // Shown at once as well: a page whose stretch gives no extra height would leave it hidden.
    textView_->Show();
    layoutCursor_ = viewRect.bottom;
    RefreshTextView();
}

void FQSScenePage::Release() {
    for (TItem* item : {static_cast<TItem*>(menu_), static_cast<TItem*>(textView_)}) {
        if (!item) continue;
        item->Hide();
        item->Close();
    }
    menu_ = nullptr;
    textView_ = nullptr;
}

void FQSScenePage::ShiftContent(std::int32_t dy) {
    auto shift = [dy](TItem* item, bool redraw) {
        if (!item) return;
        ShortRect bounds;
        item->GetBounds(bounds);
        bounds.top = static_cast<std::int16_t>(bounds.top + dy);
        bounds.bottom = static_cast<std::int16_t>(bounds.bottom + dy);
        item->SetBounds(bounds, redraw);
    };
    shift(textView_, true);
    if (textView_) textView_->Show();
    shift(menu_, false);
}

// --- Keywords run with the page as the current scene page

void FQSScenePage::RunKeyword(FQSPushBtn& button) {
    const CurrentScenePageScope current(*this);
    FQSPage::RunKeyword(button);
}

void FQSScenePage::ApplyKeywordCheck(FQSCheckBox& box) {
    const CurrentScenePageScope current(*this);
    FQSPage::ApplyKeywordCheck(box);
}

// --- The scene

Scene* FQSScenePage::FindPageScene() const {
    SceneManager* scenes = document_ ? document_->GetSceneManager() : nullptr;
    return scenes ? scenes->FindScene(GetScene()) : nullptr;
}

std::int16_t FQSScenePage::PointValue(std::int32_t row) const {
    const AppreciationRow* entry = nodes_ ? nodes_->RowOf(row) : nullptr;
    if (!entry || entry->storyPoint == 0 || !document_) return 0;
    const int index = StoryPointIndex(entry->storyPoint);
    return index < 0 ? 0 : document_->GetStoryPointValue(index);
}

std::string FQSScenePage::NodeName(std::int32_t row, std::size_t limit) const {
    std::string name;
    if (nodes_) nodes_->GetItemText(row, name);
    return Cut(Decoded(std::move(name)), limit);
}

bool FQSScenePage::HasKeyContent(std::int32_t row) const {
    const AppreciationRow* entry = nodes_ ? nodes_->RowOf(row) : nullptr;
    return entry && entry->content && entry->content[0] != '\0' && entry->content[0] != '"';
}

std::string FQSScenePage::RowText(std::int32_t row, std::int32_t room) const {
    const AppreciationRow* entry = nodes_ ? nodes_->RowOf(row) : nullptr;
    if (!entry || !entry->content || room <= 1) return {};
    const FQSInterpretation binding(document_, kContentLimit, entry->content, nodes_->At(row), nullptr);
    std::string buffer(static_cast<std::size_t>(room), '\0');
    ReadText(&binding, buffer.data(), room, RecordForSelector(entry->itemClass));
    buffer.resize(std::strlen(buffer.c_str()));
    return Decoded(std::move(buffer));
}

// --- The text view

std::vector<FQSScenePage::TextRun> FQSScenePage::ComposeSceneText() {
    std::vector<TextRun> runs;
    Scene* scene = FindPageScene();
    if (!scene || !nodes_) return runs;
    SceneManager* scenes = document_->GetSceneManager();
    const bool storytelling = scenes->GetStorytellingMode() != 0;
    const InclApprList& appreciations = scene->GetAppreciations();
    for (std::int32_t i = 0; i < appreciations.GetCount(); ++i) {
        const std::int32_t node = nodes_->FindAppreciation(appreciations.GetAt(i));
        if (node < 0) continue;
        std::string heading;
        if (const std::int32_t parent = nodes_->GetParent(node); parent >= 0)
            heading = NodeName(parent, kNameLimit) + ":  ";
        heading += NodeName(node, kNameLimit);
        if (const std::int16_t value = PointValue(node); value > 0)
            heading += Stripped(ValueSuffix(document_, value));
        runs.push_back({true, heading + "\n"});
        if (storytelling) runs.push_back({false, Stripped(RowText(node, kWorkBufferSize)) + "\n\n"});
    }
    return runs;
}

void FQSScenePage::RefreshTextView() {
    const BusyCursor busy;
    const std::vector<TextRun> runs = ComposeSceneText();
    if (!textView_) return;
    textView_->SetStyledText("");
    for (const TextRun& run : runs) {
        textView_->SetBold(run.bold);
        textView_->AppendText(run.text.c_str());
    }
    textView_->SetBold(false);
    textView_->SetSelection(0, 0);
}

// --- The menu's tree

bool FQSScenePage::IsNode(std::int32_t handle) const { return HandleLine(handle) < 0; }

void FQSScenePage::GetRoot(std::int32_t& handle) { handle = MakeHandle(0); }

std::int16_t FQSScenePage::IsValid(std::int32_t handle) {
    if (handle == -1 || !nodes_) return 0;
    const std::int32_t row = HandleRow(handle);
    return row >= 0 && row < nodes_->Count() ? 1 : 0;
}

std::int16_t FQSScenePage::IsPreviewItem(std::int32_t handle) {
    return IsValid(handle) && !IsNode(handle) ? 1 : 0;
}

std::int16_t FQSScenePage::IsDimmed(std::int32_t handle) {
    if (!IsValid(handle) || !IsNode(handle) || HasKeyContent(HandleRow(handle))) return 0;
    std::int32_t child = -1;
    GetFirstChild(child, handle);
    return IsValid(child) ? 0 : 1;
}

std::int16_t FQSScenePage::IsCheckable(std::int32_t handle) {
    return IsValid(handle) && IsNode(handle) && HasKeyContent(HandleRow(handle)) ? 1 : 0;
}

std::int16_t FQSScenePage::IsChecked(std::int32_t handle) {
    if (!IsValid(handle) || !IsNode(handle)) return 0;
    Scene* scene = FindPageScene();
    if (!scene) return 0;
    const IncludeableAppreciation record = nodes_->MakeAppreciation(HandleRow(handle));
    const InclApprList& held = scene->GetAppreciations();
    for (std::int32_t i = 0; i < held.GetCount(); ++i)
        if (held.GetAt(i) == record) return 1;
    return 0;
}

void FQSScenePage::ApplyChanges(const HMPItemList& turnedOn, const HMPItemList& turnedOff) {
    Scene* scene = FindPageScene();
    if (!scene || !nodes_) return;
    bool changed = false;
    for (std::int32_t i = 0; i < turnedOn.Count(); ++i) {
        const std::int32_t handle = turnedOn.GetAt(i);
        if (!IsCheckable(handle) || IsChecked(handle)) continue;
        scene->AddAppreciation(nodes_->MakeAppreciation(HandleRow(handle)));
        changed = true;
    }
    for (std::int32_t i = 0; i < turnedOff.Count(); ++i) {
        const std::int32_t handle = turnedOff.GetAt(i);
        if (!IsChecked(handle)) continue;
        scene->RemoveAppreciation(nodes_->MakeAppreciation(HandleRow(handle)));
        changed = true;
    }
    if (!changed) return;
    if (window_) window_->MarkChanged();
    RefreshTextView();
}

void FQSScenePage::GetFirstChild(std::int32_t& child, std::int32_t handle) {
    child = -1;
    if (!IsValid(handle) || !IsNode(handle)) return;
    const std::int32_t row = HandleRow(handle);
    if (const std::int32_t first = nodes_->GetFirstChild(row); first >= 0) {
        child = MakeHandle(first);
        return;
    }
    const AppreciationRow* entry = nodes_->RowOf(row);
    if (entry && entry->content && !GetDescription(row).empty()) child = MakeHandle(row, 0);
}

void FQSScenePage::GetNextSibling(std::int32_t& sibling, std::int32_t handle) {
    sibling = -1;
    if (!IsValid(handle)) return;
    const std::int32_t row = HandleRow(handle);
    if (IsNode(handle)) {
        if (const std::int32_t next = nodes_->GetNextSibling(row); next >= 0) sibling = MakeHandle(next);
        return;
    }
    const std::int32_t line = HandleLine(handle) + 1;
    if (line < static_cast<std::int32_t>(GetDescription(row).size())) sibling = MakeHandle(row, line);
}

std::int32_t FQSScenePage::GetParentHandle(std::int32_t handle) const {
    if (handle == -1 || !nodes_) return -1;
    const std::int32_t row = HandleRow(handle);
    if (!IsNode(handle)) return MakeHandle(row);
    const std::int32_t parent = nodes_->GetParent(row);
    return parent >= 0 ? MakeHandle(parent) : -1;
}

void FQSScenePage::GetItemText(std::int32_t handle, char* buffer, std::int16_t size) {
    if (!buffer || size <= 0) return;
    buffer[0] = '\0';
    if (!IsValid(handle)) return;
    const std::int32_t row = HandleRow(handle);
    std::string text;
    if (!IsNode(handle)) {
        const std::vector<std::string>& lines = GetDescription(row);
        const auto line = static_cast<std::size_t>(HandleLine(handle));
        if (line < lines.size()) text = lines[line];
    } else {
        // The name leaves room for the value and the count (none in a buffer too small for them).
        text = NodeName(row, static_cast<std::size_t>(std::max(0, size - kItemTextRoom)));
        if (HasKeyContent(row)) {
            if (const std::int16_t value = PointValue(row); value > 0)
                text += Stripped(ValueSuffix(document_, value));
            SceneManager* scenes = document_ ? document_->GetSceneManager() : nullptr;
            const int count = scenes ? scenes->GetUsageCount(nodes_->MakeAppreciation(row)) : 0;
            if (count > 0) text += "  (" + std::to_string(count) + ")";
        }
    }
    const std::size_t length = std::min(text.size(), static_cast<std::size_t>(size - 1));
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
}

void FQSScenePage::GetItemFont(win::LOGFONTA& font, std::int32_t /*handle*/) { MakeLogFont(font, 3, 10, 0); }

// --- Descriptions

std::string FQSScenePage::BuildDescription(std::int32_t row) const {
    const AppreciationRow* entry = nodes_ ? nodes_->RowOf(row) : nullptr;
    if (!entry) return {};
    if (entry->content && entry->content[0] == '"')
        return Cut(Decoded(ExpandText(document_, entry->content + 1)), scenemenu::kDescriptionLength);

    std::string text;
    TAppl* application = window_ ? window_->GetApplication() : nullptr;
    PFMFile* data = application ? application->GetDataFile() : nullptr;
    std::unique_ptr<PText> definition;
    if (data && entry->storyPoint > 0) {
        ErrCode error = kNoErr;
        definition = std::make_unique<PText>(data, kAppreciationRecord,
                                             static_cast<std::uint16_t>(entry->storyPoint), &error);
        if (error != kNoErr) definition.reset();
    }
    if (definition) {
        text = std::string(RecordTextView(*definition, "NM")) + ": " +
               std::string(RecordTextView(*definition, "DF"));
        if (const std::int16_t value = PointValue(row); value > 0) {
            char suffix[96];
            std::snprintf(suffix, sizeof suffix, " -- is \"{SNF(%hd)}\": {SDF(%hd)}", value, value);
            text += suffix;
        }
        text = Stripped(ExpandText(document_, ExpandText(document_, text.c_str()).c_str()));
    } else {
        text = NodeName(row, kPlainNameLimit);
    }
    text += ".\n";
    const auto room = static_cast<std::int32_t>(scenemenu::kDescriptionLength + 1 -
                                                std::min(text.size(), scenemenu::kDescriptionLength));
    text += RowText(row, room);
    return Cut(Decoded(std::move(text)), scenemenu::kDescriptionLength);
}

const std::vector<std::string>& FQSScenePage::GetDescription(std::int32_t row) {
    if (row != describedRow_) {
        describedRow_ = row;
        description_ = scenemenu::SplitDescription(BuildDescription(row));
    }
    return description_;
}
