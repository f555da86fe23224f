#include "query/FQSProgressButton.h"

#include "app/FKDoc.h"
#include "framework/graphics/BevelFrames.h"
#include "framework/graphics/GraphUser.h"
#include "items/BarGraph.h"
#include "items/ItemGraphEnv.h"
#include "items/ItemList.h"
#include "query/FQSProgress.h"
#include "query/data/QuestionStatus.h"
#include "query/data/TopicTable.h"

namespace {

constexpr int kStoryformCodes = 3;
constexpr std::int16_t kBarInset = 2;

}  // namespace

const std::array<std::array<int, 4>, 3> kStoryformBarRows = {{{0, 4, 7, 10}, {13, 16, 19, 22}, {41, 42, 43, 44}}};

std::int32_t ProgressBarPercent(std::int32_t entry, std::int16_t code, const std::function<std::int16_t(int)>& valueAt,
                                const QuestionStatus& status) {
    TopicProgress progress;
    if (entry >= 0 && entry < kStoryformCodes) {
        for (const int row : kStoryformBarRows[static_cast<std::size_t>(entry)]) {
            if (valueAt(row) > 0) ++progress.answered;
            ++progress.counted;
        }
    } else {
        progress = CountGroupProgress(status, kTopicTable, code);
    }
    return TopicProgressPercent(progress);
}

FQSProgressButton::FQSProgressButton(FKDoc* document, ItemList* list, const ShortRect& bounds,
                                     const RGBColor& frameColor, const RGBColor& textColor)
    : GraphBtn(list, &bounds, frameColor, textColor, true, false), document_(document) {}

FQSProgressButton::~FQSProgressButton() = default;

void FQSProgressButton::AddEntry(const ShortRect& buttonRect, const char* label, const win::LOGFONTA& font,
                                 const ShortRect& barRect, std::int16_t code) {
    // A light grey face: the labels are drawn in the button's on and off colours (blue and black),
    // which would not show on a black one.
    AddButton(0, buttonRect, label, &font, 2, 1, 2, GetStandardColor(0), GetStandardColor(8));
    const auto index = static_cast<std::int32_t>(bars_.size());
    ShortRect bounds = ShortRect::MakeLTRB(barRect.left + kBarInset, barRect.top + kBarInset,
                                           barRect.right - kBarInset, barRect.bottom - kBarInset);
    auto* list = static_cast<ItemList*>(GetItemList());
    auto* bar = new BarGraph(list, &bounds, GetStandardColor(1), GetStandardColor(0), 1, 20, 1, 0);
    bars_.push_back(bar);
    if (list) bar->Open(list->Append(bar));
    codes_.push_back(code);
    UpdateBar(index);
}

void FQSProgressButton::UpdateBar(std::int32_t index) {
    if (index < 0 || index >= GetBarCount() || !document_) return;
    const auto at = static_cast<std::size_t>(index);
    FKDoc* document = document_;
    const std::int32_t percent = ProgressBarPercent(
        index, codes_[at], [document](int row) { return document->GetStoryPointValue(row); }, document->GetQuestionStatus());
    bars_[at]->SetPercent(percent, true);
}

void FQSProgressButton::Hide() {
    if (!barsClosed_)
        for (BarGraph* bar : bars_) bar->Hide();
    GraphBtn::Hide();
}

// Once closed, the bars are left alone: the item list that owns them may delete them before it
// closes the button again.
void FQSProgressButton::Close() {
    if (!barsClosed_)
        for (BarGraph* bar : bars_) bar->Close();
    barsClosed_ = true;
    GraphBtn::Close();
}

void FQSProgressButton::Draw(win::HDC dc, const Rgn& clip) {
    GraphBtn::Draw(dc, clip);
    ItemGraphEnv* env = GetGraphEnv();
    if (!env) return;
    const GraphAttribUser use(*env);
    const std::int32_t sunken = kBevelSunken;
    if (barsClosed_) return;
    for (const BarGraph* bar : bars_) {
        ShortRect bounds;
        bar->GetBounds(bounds);
        DrawBevelFrame(*env, ShortRect::MakeLTRB(bounds.left - 2, bounds.top - 2, bounds.right + 2, bounds.bottom + 2),
                       &sunken, 2, GetStandardColor(9), GetStandardColor(1));
    }
}
