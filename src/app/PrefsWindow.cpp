#include "app/PrefsWindow.h"

#include <string>

#include "app/FKDoc.h"
#include "app/FQSPrefArea.h"
#include "app/Fablecore.h"
#include "app/GeneralPrefArea.h"
#include "app/PrefFrontEnd.h"
#include "app/PreferencesManager.h"
#include "app/ReportPrefArea.h"
#include "app/TWorkArea.h"
#include "app/TermPrefArea.h"
#include "foundation/Debug.h"
#include "framework/TAppl.h"
#include "framework/graphics/GraphUser.h"
#include "framework/graphics/RGBColor.h"
#include "items/ItemList.h"
#include "platform/ui/Paint.h"
#include "storymodel/FablecoreStringConverter.h"

namespace {

// The background of the window's items: standard colour 8.
constexpr int kBackground = 8;
// The gap between the chooser's cells.
constexpr std::int16_t kChooserSpacing = 2;

const char* const kPageNames[] = {" - General Options", " - Report Options", " - Query System Options",
                                  " - Terminology Options"};

PText* GeneralRecord(TAppl* application) {
    auto* fablecore = dynamic_cast<Fablecore*>(application);
    PreferencesManager* preferences = fablecore ? fablecore->GetPreferencesManager() : nullptr;
    return preferences ? preferences->GetGeneralRecord() : nullptr;
}

}  // namespace

PrefsWindow::PrefsWindow(TAppl* application, FKDoc* document, const ShortRect& rect, std::int32_t mode,
                         const char* title)
    : TWindow(application, document, mode, kKind, title),
      story_(document),
      registered_(1),
      constructing_(true) {
    ShortRect place = rect;
    ShortRect saved;
    if (GetSavedRect(saved) && saved.Width() > 0 && saved.Height() > 0) place = saved;
    KeepRectInFrame(place);
    Create(place);
    if (story_) story_->SetPrefsWindow(this);
    constructing_ = false;
    UpdateTitle();
}

PrefsWindow::PrefsWindow(TAppl* application, FKDoc* document, const ShortRect& rect, std::int32_t mode,
                         std::uint16_t kind, const char* title)
    : TWindow(application, document, mode, kind, title), story_(document) {
    Create(rect);
}

// A window built on this one keeps its own placement from its own destructor (by then this class's
// SavePlacement is the only one left), so only the preferences window keeps it here.
PrefsWindow::~PrefsWindow() {
    if (registered_) SavePlacement();
    SetFocusIndex(-1);
    area_.reset();
    if (registered_ && story_ && story_->GetPrefsWindow() == this) story_->SetPrefsWindow(nullptr);
}

bool PrefsWindow::GetSavedRect(ShortRect& rect) {
    return PreferencesManager::GetPrefRect(GeneralRecord(GetApplication()), kPlacementKey, rect);
}

void PrefsWindow::SavePlacement() {
    if (PText* record = GeneralRecord(GetApplication()); record && GetHWnd())
        PreferencesManager::SaveWindowRect(record, *this, kPlacementKey);
}

void PrefsWindow::UpdateTitle() {
    if (constructing_) return;
    if (!story_) return TWindow::UpdateTitle();
    char caption[300] = "";
    story_->GetTitle(kTitle, caption, sizeof caption);
    std::string title = caption;
    if (currentPage_ >= kGeneralPage && currentPage_ <= kTerminologyPage)
        title += kPageNames[currentPage_ - 1];
    SharedStringConverter().DecodeInPlace(title.data());
    title.resize(std::char_traits<char>::length(title.c_str()));
    SetTitle(title.c_str());
}

bool PrefsWindow::AllowClose() { return !area_ || area_->CanLeave() != 0; }

void PrefsWindow::BuildContents() {
    area_.reset();
    FreeItems();
    items_ = new ItemList(this);
    SetItemList(items_);
    UpdateTitle();
    const ShortRect client = GetClientRect();
    const ShortRect strip = ShortRect::MakeLTRB(client.left, client.top, PrefFrontEnd::kWidth, client.bottom);
    chooser_ = new PrefFrontEnd(story_, kPreferencesChooser, items_, strip);
    chooser_->SetSpacing(kChooserSpacing);
    items_->Append(chooser_);
    items_->SetBackColor(GetStandardColor(kBackground));
    SetUpItems();
    chooser_->LayOut(strip);
    areaBounds_ = ShortRect::MakeLTRB(PrefFrontEnd::kWidth, client.top, client.right, client.bottom);
    SelectArea(currentPage_);
}

void PrefsWindow::SelectArea(std::int16_t page) {
    if (page == currentPage_ && area_) return;
    const bool built = IsBuilt();
    if (built) {
        if (area_ && area_->CanLeave() == 0) return;
        SetFocusIndex(-1);
        area_.reset();
        area_ = MakeWorkArea(page);
        if (area_) {
            area_->BuildItems();
            area_->LoadValues();
        }
        const win::RECT erased = areaBounds_.ToRECT();
        {
            const GraphUser use(GetGraphEnv());
            GetGraphEnv().SetBackColor(GetStandardColor(kBackground));
            GetGraphEnv().EraseRect(areaBounds_);
        }
        win::InvalidateRect(GetHWnd(), &erased, win::TRUE);
    }
    currentPage_ = page;
    if (!built) return;
    UpdateTitle();
    if (const std::int32_t focus = items_->FindFirstTabStop(); focus >= 0) SetFocusItem(focus, false);
}

std::unique_ptr<TWorkArea> PrefsWindow::MakeWorkArea(std::int16_t page) {
    TAppl* application = GetApplication();
    switch (page) {
        case kGeneralPage: return std::make_unique<GeneralPrefArea>(application, story_, items_, areaBounds_);
        case kReportPage: return std::make_unique<ReportPrefArea>(application, story_, items_, areaBounds_);
        case kQuerySystemPage: return std::make_unique<FQSPrefArea>(application, story_, items_, areaBounds_);
        case kTerminologyPage:
            return std::make_unique<TermPrefArea>(application, story_, items_, areaBounds_);
        default: Beep(); return nullptr;
    }
}

void PrefsWindow::SetAreaBounds(const ShortRect& rect) {
    areaBounds_ = rect;
    if (area_) area_->SetBounds(rect);
}

void PrefsWindow::EndModal(std::int32_t itemIndex) {
    if (area_) area_->ItemHit(itemIndex);
}

std::int16_t PrefsWindow::NotifyItems(std::int16_t code) {
    const std::int16_t result = TWindow::NotifyItems(code);
    if (code != 1) Invalidate();
    return result;
}

void PrefsWindow::Draw(win::HDC dc) {
    TWindow::Draw(dc);
    if (!area_) return;
    TGraphEnv& env = GetGraphEnv();
    const GraphAttribUser use(env);
    env.SetForeStandardColor(0);
    env.SetBackColor(GetStandardColor(kBackground));
    env.SetTransparent(true);
    area_->Draw(env);
}

ErrCode OpenPreferencesWindow(FKDoc* story, std::int16_t page) {
    if (!story) return -1;
    TAppl* application = story->GetApplication();
    if (auto* open = dynamic_cast<PrefsWindow*>(story->GetPrefsWindow())) {
        open->SelectArea(page);
        application->SelectWindow(open);
        return kNoErr;
    }
    auto* window =
        new PrefsWindow(application, story, PrefsWindow::kDefaultRect, kChildMode, PrefsWindow::kTitle);
    window->SelectArea(page);
    window->BuildContents();
    window->Show();
    return kNoErr;
}
