#include "reports/RepWindow.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "app/FKDoc.h"
#include "app/Fablecore.h"
#include "app/PreferencesManager.h"
#include "foundation/pfm/PText.h"
#include "framework/Alerts.h"
#include "framework/BusyCursor.h"
#include "framework/GetTextDlog.h"
#include "framework/TAppl.h"
#include "items/CheckBox.h"
#include "items/ItemList.h"
#include "items/PushBtn.h"
#include "items/printing/PrintErrors.h"
#include "reports/FablecoreReport.h"
#include "reports/OutlineView.h"
#include "reports/ReportCatalogue.h"
#include "reports/ReportTemplates.h"
#include "storymodel/FablecoreStringConverter.h"
#include "storymodel/engine/StoryFormManager.h"

namespace {

constexpr std::int16_t kMargin = 8;
constexpr std::int16_t kButtonHeight = 22;
constexpr std::int16_t kSwitchHeight = 18;
// The top of the report list, below the buttons and switches.
constexpr std::int16_t kChooserTop = 132;
// The view: a vertical bar, no frame.
constexpr std::uint16_t kViewFlags = 0x22;
// The smallest client area: the pane and a strip of the reports.
constexpr std::int16_t kMinWidth = RepWindow::kPaneWidth + 120;
constexpr std::int16_t kMinHeight = kChooserTop + 4 * ReportChooserView::kRowHeight;

const char* const kSwitchKeys[] = {"VocabBtn", "StellBtn", "ShwBlkLn"};
constexpr const char* kNothingToPrint =
    "There is no report to print: choose reports in the list and show them first.";

PreferencesManager* PreferencesOf(TAppl* application) {
    auto* fablecore = dynamic_cast<Fablecore*>(application);
    return fablecore ? fablecore->GetPreferencesManager() : nullptr;
}

// Where the window opens: its saved place, else most of the frame.
ShortRect OpeningPlace(TAppl* application, FKDoc* document) {
    ShortRect place;
    if (document) document->GetDefaultWindowRect(place);
    if (application) {
        const ShortRect frame = application->GetFrameClientRect();
        if (frame.Width() > 160 && frame.Height() > 120)
            place = ShortRect::MakeLTRB(frame.left + 40, frame.top + 30, frame.right - 40, frame.bottom - 30);
    }
    PreferencesManager* preferences = PreferencesOf(application);
    ShortRect saved;
    if (preferences &&
        PreferencesManager::GetPrefRect(preferences->GetReportOptions(), RepWindow::kPlacementKey, saved) &&
        saved.Width() > 0 && saved.Height() > 0)
        place = saved;
    return place;
}

std::int16_t ReadSwitch(PText* record, const char* key, std::int16_t fallback) {
    std::int16_t value = fallback;
    PreferencesManager::GetPrefShort(record, key, value);
    return value;
}

bool SameReports(std::vector<std::int16_t> a, std::vector<std::int16_t> b) {
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    return a == b;
}

}  // namespace

RepWindow::RepWindow(TAppl* application, FKDoc* document, std::unique_ptr<IReportTemplates> templates)
    : TWMWindow(application, document, kChildMode, 0, "Reports"),
      MStoryFormListener(document ? document->GetStoryFormManager() : nullptr),
      story_(document),
      templates_(std::move(templates)) {
    ShortRect place = OpeningPlace(application, document);
    KeepRectInFrame(place);
    Create(place);
    PText* options = GetReportOptions();
    vocabulary_ = ReadSwitch(options, kSwitchKeys[0], 0) != 0;
    storytelling_ = ReadSwitch(options, kSwitchKeys[1], 0) != 0;
    blankLines_ = ReadSwitch(options, kSwitchKeys[2], 1) != 0;
    sets_.Load(options);
    if (story_) story_->SetRepWindow(this);
}

RepWindow::~RepWindow() {
    if (PText* options = GetReportOptions(); options && GetHWnd())
        PreferencesManager::SaveWindowRect(options, *this, kPlacementKey);
    SetBroadcaster(nullptr);
    if (story_ && story_->GetRepWindow() == this) story_->SetRepWindow(nullptr);
}

PText* RepWindow::GetReportOptions() {
    PreferencesManager* preferences = PreferencesOf(GetApplication());
    return preferences ? preferences->GetReportOptions() : nullptr;
}

void RepWindow::BuildContents() {
    FreeItems();
    auto* list = new ItemList(this);
    const ShortRect client = GetClientRect();
    const RGBColor black = GetStandardColor(0);
    const int paneRight = kPaneWidth - kMargin;
    const auto button = [&](const char* title, int left, int top, int right) {
        const ShortRect bounds = ShortRect::MakeLTRB(left, top, right, top + kButtonHeight);
        list->Append(new PushBtn(list, title, 0, &bounds, 0, black, 0, 0, 0, 12, 0, 0));
    };
    const auto checkBox = [&](const char* title, int top, bool on) {
        const ShortRect bounds = ShortRect::MakeLTRB(kMargin, top, paneRight, top + kSwitchHeight);
        auto* box = new CheckBox(list, title, 0, &bounds, 0, black, 0, 0, 0, 12, 0, 0);
        box->SetValue(on ? 1 : 0, false);
        list->Append(box);
    };
    button("Show Reports", kMargin, kMargin, paneRight);
    checkBox("Vocabulary list", 38, vocabulary_);
    checkBox("Storytelling texts", 58, storytelling_);
    checkBox("Blank lines", 78, blankLines_);
    button("Save Set...", kMargin, 102, kPaneWidth / 2 - 2);
    button("Delete Set", kPaneWidth / 2 + 2, 102, paneRight);
    const ShortRect chooserBounds = ShortRect::MakeLTRB(0, kChooserTop, kPaneWidth, client.bottom);
    chooser_ = new ReportChooserView(this, &sets_, list, &chooserBounds);
    chooser_->SetFlags(TItem::kFollowsWindowSize);
    chooser_->SetChosen(pendingChoice_);
    list->Append(chooser_);
    const ShortRect viewBounds = ShortRect::MakeLTRB(kPaneWidth, 0, client.right + 1, client.bottom);
    // The view's colour is its text's (on the white its content is erased to).
    view_ = new OutlineView(this, list, kViewFlags, &viewBounds, TItem::kFollowsWindowSize, black);
    view_->SetReportTemplates(std::move(templates_));
    list->Append(view_);
    SetItemList(list);
    SetUpItems();
    UpdateTitle();
}

void RepWindow::UpdateTitle() {
    if (!story_) return TWMWindow::UpdateTitle();
    char title[256] = "";
    story_->GetTitle("Reports", title, sizeof title);
    SharedStringConverter().DecodeInPlace(title);
    SetTitle(title);
}

ShortPoint RepWindow::GetMinTrackSize() { return ShortPoint{kMinWidth, kMinHeight}; }

void RepWindow::EndModal(std::int32_t itemIndex) {
    const auto switchOn = [this](std::int32_t index) {
        auto* box = dynamic_cast<CheckBox*>(GetItem(index));
        return box && box->GetValue() != 0;
    };
    switch (itemIndex) {
        case kShowItem: BuildReports(); break;
        case kVocabularyItem: SetVocabularyOption(switchOn(itemIndex)); break;
        case kStorytellingItem: SetStorytellingOption(switchOn(itemIndex)); break;
        case kBlankLinesItem: SetBlankLinesOption(switchOn(itemIndex)); break;
        case kSaveSetItem: AskToSaveReportSet(); break;
        case kDeleteSetItem: AskToDeleteReportSet(); break;
        default: break;
    }
}

// --- choosing

void RepWindow::ChooseReports(const std::vector<std::int16_t>& reportIds) {
    pendingChoice_ = reportIds;
    if (chooser_) {
        chooser_->SetChosen(reportIds);
        chooser_->Invalidate();
    }
    stale_ = true;
}

const std::vector<std::int16_t>& RepWindow::GetChosenReports() const {
    return chooser_ ? chooser_->GetChosen() : pendingChoice_;
}

void RepWindow::SetVocabularyOption(bool on) {
    vocabulary_ = on;
    stale_ = true;
    StoreOptions();
}

void RepWindow::SetStorytellingOption(bool on) {
    storytelling_ = on;
    stale_ = true;
    StoreOptions();
}

void RepWindow::SetBlankLinesOption(bool on) {
    blankLines_ = on;
    stale_ = true;
    StoreOptions();
}

void RepWindow::StoreOptions() {
    PText* options = GetReportOptions();
    if (!options) return;
    PreferencesManager::SetPrefShort(options, kSwitchKeys[0], vocabulary_ ? 1 : 0);
    PreferencesManager::SetPrefShort(options, kSwitchKeys[1], storytelling_ ? 1 : 0);
    PreferencesManager::SetPrefShort(options, kSwitchKeys[2], blankLines_ ? 1 : 0);
    options->Save();
    ShowSwitches();
}

void RepWindow::ShowSwitches() {
    const bool values[] = {vocabulary_, storytelling_, blankLines_};
    for (std::int32_t i = 0; i < 3; ++i) {
        auto* box = dynamic_cast<CheckBox*>(GetItem(kVocabularyItem + i));
        if (box && (box->GetValue() != 0) != values[i]) box->SetValue(values[i] ? 1 : 0, true);
    }
}

// --- report sets

bool RepWindow::SaveReportSet(const std::string& name) {
    if (!sets_.Put(name, GetChosenReports())) return false;
    StoreSets();
    return true;
}

bool RepWindow::DeleteReportSet(const std::string& name) {
    if (!sets_.Remove(name)) return false;
    StoreSets();
    return true;
}

void RepWindow::StoreSets() {
    if (PText* options = GetReportOptions()) {
        sets_.Store(options);
        options->Save();
    }
    if (chooser_) chooser_->Rebuild();
}

const ReportSet* RepWindow::ChosenSet() const {
    for (const ReportSet& set : sets_.GetSets())
        if (SameReports(set.reportIds, GetChosenReports())) return &set;
    return nullptr;
}

void RepWindow::AskToSaveReportSet() {
    if (GetChosenReports().empty()) {
        ShowNote("Choose the reports of the set first.");
        return;
    }
    char name[ReportSets::kNameLength + 1] = "";
    if (const ReportSet* set = ChosenSet()) std::snprintf(name, sizeof name, "%s", set->name.c_str());
    if (AskForText(name, sizeof name, "Save Report Set", "Name of the report set:") != 0 || !*name) return;
    if (!SaveReportSet(name)) ShowNote("No more report sets can be saved; delete one first.");
}

void RepWindow::AskToDeleteReportSet() {
    const ReportSet* set = ChosenSet();
    if (!set) {
        ShowNote("Choose a report set in the list first.");
        return;
    }
    const std::string name = set->name;
    const std::string question = "Delete the report set \"" + name + "\"?";
    if (AskYesNoCancel(question.c_str(), 0, true) == kAnswerYes) DeleteReportSet(name);
}

// --- showing

void RepWindow::BuildReports() {
    if (!view_) return;
    const BusyCursor busy;
    const bool collapse = !blankLines_;
    StoreOptions();
    view_->SetShowStorytelling(storytelling_ ? 1 : 0);
    view_->ResetText();
    view_->BeginReport();
    std::vector<std::int16_t> ids;
    for (const std::int16_t id : GetChosenReports()) {
        const ReportCatalogueEntry* entry = FindCatalogueReport(id);
        if (entry && entry->available) ids.push_back(id);
    }
    bool wantsVocabulary = false;
    for (std::size_t i = 0; i < ids.size(); ++i) {
        const auto start = static_cast<std::int32_t>(view_->GetTextLength());
        view_->BuildReportSection(ids[i], ReportTitle(ids[i], story_).c_str());
        wantsVocabulary = wantsVocabulary || FindCatalogueReport(ids[i])->vocabulary != 0;
        const auto end = static_cast<std::int32_t>(view_->GetTextLength());
        if (i + 1 < ids.size()) view_->AppendText("\f");
        view_->FlushReportPage(collapse, start, end);
    }
    view_->ScrollToTop();
    if (wantsVocabulary && vocabulary_) {
        const auto from = static_cast<std::int32_t>(view_->BuildVocabularyList());
        view_->FlushReportPage(collapse, from, -1);
    }
    view_->Relayout(collapse);
    view_->Invalidate();
    stale_ = false;
    shown_ = true;
}

void RepWindow::StoryFormChanged(const Event* /*event*/) {
    stale_ = true;
    if (shown_) BuildReports();
}

void RepWindow::ChooseFont() {
    if (!view_) return;
    win::LOGFONTA font = view_->GetReportFont();
    if (!PreferencesManager::ChooseFont(font)) return;
    if (PText* options = GetReportOptions()) {
        PreferencesManager::SetPrefFont(options, kFontKey, font);
        options->Save();
    }
    view_->SetFont(font);
}

// --- printing

bool RepWindow::CanPrint() { return view_ && view_->CanPrint(); }

bool RepWindow::HasPages() {
    FablecoreReport* report = view_ ? view_->GetReport() : nullptr;
    if (report && report->GetPageCount() > 0) return true;
    ShowNote(kNothingToPrint);
    return false;
}

void RepWindow::Print() {
    if (!HasPages()) return;
    if (const std::int16_t result = view_->PrintOrPreview(OutlineView::kPrint); result != 0)
        ShowPrintError(result, "Print");
}

void RepWindow::PrintPreview() {
    if (!view_) return;
    if (stale_ || !view_->CanPrint()) BuildReports();
    if (HasPages()) view_->PrintOrPreview(OutlineView::kPrintPreview);
}

ErrCode RepWindow::PreparePrinter() {
    if (!view_) return TWMWindow::PreparePrinter();
    const ErrCode error = view_->PageSetup();
    if (error != kNoErr) ShowPrintError(error, "Print Setup");
    return error;
}
