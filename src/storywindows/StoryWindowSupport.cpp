#include "storywindows/StoryWindowSupport.h"

#include <algorithm>
#include <string>

#include "app/FKDoc.h"
#include "app/Fablecore.h"
#include "foundation/pfm/PText.h"
#include "framework/TAppl.h"
#include "framework/graphics/FontMapping.h"
#include "items/Splitters.h"
#include "storymodel/FablecoreStringConverter.h"

PreferencesManager* PreferencesOf(const TAppl* application) {
    const auto* fablecore = dynamic_cast<const Fablecore*>(application);
    return fablecore ? fablecore->GetPreferencesManager() : nullptr;
}

PText* PreferenceRecordOf(const TAppl* application, PrefRecord record) {
    const PreferencesManager* preferences = PreferencesOf(application);
    return preferences ? preferences->GetRecord(record) : nullptr;
}

ShortRect FrameInset(const TAppl* application, int horizontal, int vertical, const ShortRect& fallback) {
    if (!application) return fallback;
    const ShortRect frame = application->GetFrameClientRect();
    if (frame.Width() <= 2 * horizontal + 200 || frame.Height() <= 2 * vertical + 150) return fallback;
    return ShortRect::MakeLTRB(frame.left + horizontal, frame.top + vertical, frame.right - horizontal,
                               frame.bottom - vertical);
}

ShortRect SavedPlace(PText* record, const char* key, const ShortRect& fallback) {
    ShortRect saved;
    if (record && PreferencesManager::GetPrefRect(record, key, saved) && !saved.IsEmpty()) return saved;
    return fallback;
}

win::LOGFONTA KeptFont(PText* record, const char* key, std::int16_t number, std::int16_t size,
                       std::int32_t style) {
    win::LOGFONTA font;
    MakeLogFont(font, number, size, style);
    if (record) PreferencesManager::GetPrefFont(record, key, font);
    return font;
}

bool ChooseKeptFont(PText* record, const char* key, win::LOGFONTA& font) {
    win::LOGFONTA chosen = font;
    if (!PreferencesManager::ChooseFont(chosen)) return false;
    font = chosen;
    if (record) PreferencesManager::SetPrefFont(record, key, font);
    return true;
}

ShortRect BelowToolbar(const ShortRect& client, int toolbarHeight) {
    return ShortRect::MakeLTRB(0, toolbarHeight, client.right, std::max<int>(client.bottom, toolbarHeight + 1));
}

ShortRect SplitterPlace(bool vertical, const ShortRect& content, int position) {
    const int half = kSplitterThickness / 2;
    if (vertical) {
        const int line = content.bottom - position;
        return ShortRect::MakeLTRB(content.left, line - half, content.right, line + half);
    }
    const int line = content.right - position;
    return ShortRect::MakeLTRB(line - half, content.top, line + half, content.bottom);
}

ShortRect NearPane(bool vertical, const ShortRect& content, const ShortRect& splitter) {
    if (vertical) return ShortRect::MakeLTRB(content.left, content.top, content.right, splitter.top);
    return ShortRect::MakeLTRB(content.left, content.top, splitter.left, content.bottom);
}

ShortRect FarPane(bool vertical, const ShortRect& content, const ShortRect& splitter) {
    if (vertical) return ShortRect::MakeLTRB(content.left, splitter.bottom, content.right, content.bottom);
    return ShortRect::MakeLTRB(splitter.right, content.top, content.right, content.bottom);
}

void PlaceSplitPanes(TSplitter& splitter, bool vertical, const ShortRect& panes, TItem& nearPane,
                     TItem& farPane) {
    splitter.SetBounds(SplitterPlace(vertical, panes, splitter.GetPosition()), true);
    const ShortRect placed = splitter.Bounds();
    nearPane.SetBounds(NearPane(vertical, panes, placed), true);
    farPane.SetBounds(FarPane(vertical, panes, placed), true);
}

ShortRect StoryDefaultPlace(FKDoc* story, const ShortRect& fallback) {
    ShortRect place = fallback;
    if (story) story->GetDefaultWindowRect(place);
    return place;
}

// --- StoryWindow

StoryWindow::StoryWindow(TAppl* application, FKDoc* story, const Kind& kind, const ShortRect& defaultPlace)
    : TWMWindow(application, story, kChildMode, 0, kind.name), story_(story), kind_(kind) {
    ShortRect place = SavedPlace(GetPreferences(), kind_.placementKey, defaultPlace);
    KeepRectInFrame(place);
    Create(place);
    if (story_ && kind_.setter) (story_->*kind_.setter)(this);
}

StoryWindow::~StoryWindow() {
    if (PText* record = GetPreferences(); record && GetHWnd())
        PreferencesManager::SaveWindowRect(record, *this, kind_.placementKey);
    if (story_ && kind_.getter && (story_->*kind_.getter)() == this) (story_->*kind_.setter)(nullptr);
}

PText* StoryWindow::GetPreferences() const { return PreferenceRecordOf(GetApplication(), kind_.preferences); }

void StoryWindow::UpdateTitle() {
    if (!story_) return TWMWindow::UpdateTitle();
    char title[256] = "";
    story_->GetTitle(kind_.name, title, sizeof title);
    SharedStringConverter().DecodeInPlace(title);
    SetTitle(title);
}

std::int16_t StoryWindow::NotifyItems(std::int16_t code) {
    const std::int16_t result = TWMWindow::NotifyItems(code);
    if (code != 1 && GetItemList()) LayOut();
    return result;
}

ErrCode FrontOrOpen(FKDoc* story, StoryWindow::SlotGetter slot,
                    const std::function<TWindow*(TAppl* application, FKDoc* story)>& make) {
    if (!story || !story->HasRecords()) return -1;
    TAppl* application = story->GetApplication();
    if (TWindow* open = (story->*slot)()) {
        application->SelectWindow(open);
        return kNoErr;
    }
    TWindow* window = make(application, story);
    if (!window) return -1;
    window->BuildContents();
    window->Show();
    return kNoErr;
}

// --- ProgramWindow

ProgramWindow::ProgramWindow(TAppl* application, const char* title, PrefRecord preferences,
                             const char* placementKey, const ShortRect& defaultPlace)
    : TAppWindow(application, kChildMode, 0, title), preferences_(preferences), placementKey_(placementKey) {
    ShortRect place = SavedPlace(GetPreferences(), placementKey_, defaultPlace);
    KeepRectInFrame(place);
    Create(place);
}

ProgramWindow::~ProgramWindow() {
    if (PText* record = GetPreferences(); record && GetHWnd())
        PreferencesManager::SaveWindowRect(record, *this, placementKey_);
}

PText* ProgramWindow::GetPreferences() const { return PreferenceRecordOf(GetApplication(), preferences_); }

std::int16_t ProgramWindow::NotifyItems(std::int16_t code) {
    const std::int16_t result = TAppWindow::NotifyItems(code);
    if (code != 1 && GetItemList()) LayOut();
    return result;
}
