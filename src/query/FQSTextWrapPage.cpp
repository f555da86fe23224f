#include "query/FQSTextWrapPage.h"

#include <algorithm>

#include "app/FKDoc.h"
#include "items/ItemList.h"
#include "items/TView.h"
#include "items/TextWrap.h"
#include "items/TextWrapView.h"
#include "query/FQSRecap.h"
#include "query/FQSWindow.h"
#include "storymodel/ExpandedTextWrap.h"

namespace {

constexpr std::int32_t kBufferSize = static_cast<std::int32_t>(FQSWindow::kTextBufferSize);
constexpr std::int16_t kViewGap = 14;
constexpr std::int16_t kViewIndent = 27;
constexpr std::int16_t kViewBottomGap = 10;
constexpr std::uint16_t kViewStyle = 2;
constexpr std::uint16_t kViewBorder = 1;

std::unique_ptr<TextWrap> MakeRecapWrap(IStoryDocument* context, TGraphEnv& env, ShortRect& rect, const char* text,
                                        const win::LOGFONTA& font) {
    return MakeExpandedTextWrap<TextWrap>(context, env, rect, text, font);
}

}  // namespace

void FQSTextWrapPage::Build() {
    view_ = nullptr;
    recapType_ = ReadShort("TP", 0);
    if (helpLine_ == 0 && window_) window_->HideHelpPane();
    // Without help the view fills the page; with help it starts short and grows down to the help
    // pane's line when the window stretches the page.
    const int top = layoutCursor_ + kViewGap;
    const int fill = pageArea_.bottom - kViewBottomGap;
    viewRect_ = ShortRect::MakeLTRB(pageArea_.left + kViewIndent, top, pageArea_.right - kViewIndent,
                                    helpLine_ == 0 ? fill : std::min(fill, top + kShortestView));
    view_ = new TextWrapView(MakeRecapWrap, document_, Items(), kViewStyle, &viewRect_, kViewBorder,
                             GetStandardColor(0));
    view_->SetFontSpec(textFont_);
    view_->Open(Items()->Append(view_));
    layoutCursor_ = viewRect_.bottom;

    recap_.clear();
    if (RecapTakesFreeText(recapType_)) {
        FKDoc* document = document_;
        recap_ = ComposeRecap(recapType_, [document](int row) { return document ? document->GetStoryPointValue(row) : 0; });
        if (recap_.size() >= static_cast<std::size_t>(kBufferSize)) recap_.resize(kBufferSize - 1);
        const auto room = static_cast<std::int32_t>(kBufferSize - recap_.size());
        recap_ += Interpreted("TX1", room);
    }
    view_->SetText(recap_.c_str());
}

void FQSTextWrapPage::GrowContent(std::int32_t dh) {
    viewRect_.bottom = static_cast<std::int16_t>(viewRect_.bottom + dh);
    if (view_) view_->SetBounds(viewRect_, true);
}

void FQSTextWrapPage::Release() {
    if (recapType_ == 0) return;
    if (view_) {
        view_->Hide();
        view_->Close();
    }
    recapType_ = 0;
    if (window_) window_->ShowHelpPane();
    view_ = nullptr;
}
