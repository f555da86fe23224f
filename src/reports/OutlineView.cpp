// The report generator view: the printable report made of the composed text, and the text laid
// out for the screen.

#include "reports/OutlineView.h"

#include <algorithm>
#include <string>

#include "app/FKDoc.h"
#include "app/PreferencesManager.h"
#include "foundation/pfm/PText.h"
#include "foundation/pfm/PTextTypes.h"
#include "framework/BusyCursor.h"
#include "framework/TWindow.h"
#include "framework/graphics/FontMapping.h"
#include "framework/graphics/GraphUser.h"
#include "framework/graphics/SimpleGraphEnv.h"
#include "items/ItemGraphEnv.h"
#include "items/ItemList.h"
#include "items/ScrollBar.h"
#include "items/TextWrap.h"
#include "items/ViewDrawContext.h"
#include "items/printing/PrintableCollections.h"
#include "items/printing/PrintableShapes.h"
#include "items/printing/PrintableText.h"
#include "items/printing/PrintingEnvironment.h"
#include "platform/gdi/DeviceContexts.h"
#include "reports/FablecorePage.h"
#include "reports/FablecoreReport.h"
#include "reports/IOutlineWindow.h"
#include "reports/ReportText.h"
#include "storymodel/engine/StoryFormManager.h"

namespace {

constexpr std::int16_t kDefaultFontNumber = 5;
constexpr std::int16_t kDefaultFontSize = 10;
// The vertical scroll unit until the text is laid out.
constexpr std::int16_t kInitialUnit = 10;
// The inset of each column of a report printed in columns.
constexpr std::int32_t kColumnInset = 5;

FKDoc* DocumentOf(const ItemList* list) {
    TWindow* window = list ? list->GetWindow() : nullptr;
    return window ? dynamic_cast<FKDoc*>(window->GetDocument()) : nullptr;
}

IStoryForm* StoryFormOf(FKDoc* document) { return document ? document->GetStoryFormManager() : nullptr; }

SceneManager* ScenesOf(FKDoc* document) { return document ? document->GetSceneManager() : nullptr; }

std::int16_t InfoShort(FKDoc* document, const char* key, std::int16_t fallback) {
    std::int16_t value = fallback;
    if (document && document->HasRecords()) document->GetInfoRecord().GetEntry(key, kPTextShort, &value);
    return value;
}

}  // namespace

OutlineView::OutlineView(IOutlineWindow* owner, ItemList* list, std::uint16_t viewFlags,
                         const ShortRect* bounds, std::uint16_t itemFlags, const RGBColor& color)
    : TView(list, viewFlags, bounds, itemFlags, color),
      ReportComposer(owner, DocumentOf(list), StoryFormOf(DocumentOf(list)), ScenesOf(DocumentOf(list))),
      document_(DocumentOf(list)) {
    MakeLogFont(font_, kDefaultFontNumber, kDefaultFontSize, 0);
    if (owner) PreferencesManager::GetPrefFont(owner->GetReportOptions(), "Rep", font_);
    SetupScrollBars();
}

OutlineView::~OutlineView() {
    ResetText();
    report_.reset();
    pending_.reset();
    printing_.reset();
    layout_.reset();
}

ShortRect OutlineView::LayoutRect() const {
    const ShortRect bounds = Bounds();
    return ShortRect::MakeLTRB(bounds.left, 0, static_cast<std::int16_t>(bounds.right - kLayoutNarrowing), 0);
}

template <typename Use>
void OutlineView::WithLayoutEnvironment(Use use) {
    ItemGraphEnv* own = GetGraphEnv();
    if (own && own->GetHDC()) {
        const GraphUser user(*own);
        own->SetFontIndirect(font_);
        use(static_cast<TGraphEnv&>(*own));
        return;
    }
    const win::HDC dc = win::CreateMeasuringDC();
    SimpleGraphEnv measuring;
    measuring.SetDC(dc);
    {
        const GraphUser user(measuring);
        measuring.SetFontIndirect(font_);
        use(static_cast<TGraphEnv&>(measuring));
    }
    measuring.DetachDC();
    win::DeleteDC(dc);
}

void OutlineView::BeginReport() {
    if (ItemGraphEnv* env = GetGraphEnv(); env && env->GetHDC()) {
        const GraphUser user(*env);
        env->SetFontIndirect(font_);
    }
    report_.reset();
    pending_.reset();
    // The old text's layout goes now rather than when the new text is laid out, so that building
    // the new reports reuses its memory instead of growing the heap past it.
    layout_.reset();
    printing_ = std::make_unique<PrintingEnvironment>(GetGraphEnv());
    report_ = std::make_unique<FablecoreReport>(printing_.get(), LayoutRect());
    GetVocabulary().SetCount(0);
    SetVertUnitHeight(kInitialUnit);
}

void OutlineView::AddPrintable(PrintablePtr printable, const char* text) {
    if (printable) {
        if (!pending_) pending_ = std::make_unique<PrintableVertList>();
        pending_->Add(std::move(printable));
    }
    if (text) AppendText(ExpandReportMacros(document_, text, &GetVocabulary()).c_str());
}

void OutlineView::FlushReportPage(bool collapse, std::int32_t from, std::int32_t to) {
    if (!report_) return;
    if (pending_) {
        report_->AddPage(std::make_unique<FablecorePage>(printing_.get(), std::move(pending_), document_,
                                                         font_, GetReportTitle()));
        return;
    }
    const auto length = static_cast<std::int32_t>(GetTextLength());
    if (to < 0 || to > length) to = length;
    from = std::max(from, 0);
    if (from >= to) return;
    const std::string part(GetText() + from, static_cast<std::size_t>(to - from));
    const std::string text = ExpandReportText(document_, part.c_str(), &GetVocabulary(), collapse);
    if (text.empty()) return;
    PrintablePtr body = std::make_unique<PrintableText>(printing_.get(), text.c_str(), font_);
    if (const std::int16_t columns = GetColumnCount(); columns > 1) {
        body = std::make_unique<PrintableMultiColumnSequence>(
            std::make_unique<PrintableInset>(std::move(body), kColumnInset, 0), columns);
    }
    report_->AddPage(std::make_unique<FablecorePage>(printing_.get(), std::move(body), document_, font_,
                                                     GetReportTitle()));
}

void OutlineView::Relayout(bool collapse) {
    const BusyCursor busy;
    layout_.reset();
    std::string text = ExpandReportText(document_, GetText(), &GetVocabulary(), collapse);
    WithLayoutEnvironment([&](TGraphEnv& env) {
        ShortRect rect = LayoutRect();
        layout_ = std::make_unique<TextWrap>(env, rect, std::move(text), font_);
    });
    if (layout_ && layout_->GetLineHeight() > 0)
        SetVertUnitHeight(
            static_cast<std::int16_t>(std::clamp<std::int32_t>(layout_->GetLineHeight(), 1, 32767)));
    UpdateScrollBars(1);
}

void OutlineView::ScrollToTop() {
    ScrollBar* bar = GetVertScrollBar();
    if (bar && bar->GetValue() != 0) bar->SetValue(0, true);
}

void OutlineView::SetFont(const win::LOGFONTA& font) {
    font_ = font;
    Relayout(false);
    UpdateScrollBars(1);
    Invalidate();
}

void OutlineView::WindowResized() {
    TWindow* window = GetWindow();
    if (!window) return;
    ShortRect content;
    window->GetContentRect(content);
    const ShortRect bounds = Bounds();
    content.top = bounds.top;
    content.left = bounds.left;
    content.right = static_cast<std::int16_t>(content.right + 1);
    SetBounds(content, true);
    Relayout(false);
    UpdateScrollBars(1);
}

std::int32_t OutlineView::VertUnitCount() const {
    return layout_ ? static_cast<std::int32_t>(layout_->GetLineCount()) : 0;
}

void OutlineView::DrawContent(ViewDrawContext* context) {
    ItemGraphEnv* env = GetGraphEnv();
    if (!env || !layout_ || !context) return;
    const auto left = static_cast<int>(kTextLeft - context->origin.x);
    const auto top = static_cast<int>(-context->origin.y);
    layout_->Draw(*env, context, top, left, 0, left + layout_->GetRect().Width(), 0);
}

void OutlineView::GetReportMargins(std::int16_t& left, std::int16_t& top, std::int16_t& right,
                                   std::int16_t& bottom) const {
    left = std::max<std::int16_t>(InfoShort(document_, "RepLtMar", kDefaultMargin), 0);
    top = std::max<std::int16_t>(InfoShort(document_, "RepTopMar", kDefaultMargin), 0);
    right = std::max<std::int16_t>(InfoShort(document_, "RepRtMar", kDefaultMargin), 0);
    bottom = std::max<std::int16_t>(InfoShort(document_, "RepBotMar", kDefaultMargin), 0);
    // Margins that leave less than an inch of the smallest paper (Letter or A4) are no margins.
    constexpr int kSmallestWidth = 595, kSmallestHeight = 792, kLeast = 72;
    if (left + right > kSmallestWidth - kLeast || top + bottom > kSmallestHeight - kLeast)
        left = top = right = bottom = kDefaultMargin;
}

std::int16_t OutlineView::GetColumnCount() const {
    return std::clamp<std::int16_t>(InfoShort(document_, "NumCols", 1), 1, kMostColumns);
}
