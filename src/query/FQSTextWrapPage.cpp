#include "query/FQSTextWrapPage.h"

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
    const ShortRect rect = ShortRect::MakeLTRB(pageArea_.left + kViewIndent, layoutCursor_ + kViewGap,
                                               pageArea_.right - kViewIndent, pageArea_.bottom - kViewBottomGap);
    view_ = new TextWrapView(MakeRecapWrap, document_, Items(), kViewStyle, &rect, kViewBorder, GetStandardColor(0));
    view_->SetFontSpec(textFont_);
    view_->Open(Items()->Append(view_));
    layoutCursor_ = rect.bottom;

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
