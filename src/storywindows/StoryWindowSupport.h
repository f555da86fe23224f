#pragma once
// What the story windows share: the preference record each keeps its settings in, where each opens
// (its saved place, or a default that fits the frame), the fonts they keep, and the slot of its story
// that a story window holds while it lives.

#include <cstdint>
#include <functional>
#include <string>

#include "app/PreferencesManager.h"
#include "framework/TAppl.h"
#include "framework/TWindow.h"
#include "framework/graphics/ShortRect.h"
#include "platform/gdi/GdiTypes.h"

class FKDoc;
class PText;
class TAppl;
class TItem;
class TSplitter;

// The application's preferences, or null when the application is no story application.
PreferencesManager* PreferencesOf(const TAppl* application);
// One record of them; null without preferences.
PText* PreferenceRecordOf(const TAppl* application, PrefRecord record);

// A rectangle of the frame's client area, inset by the margins, when the frame is large enough for
// it; else the fallback.
ShortRect FrameInset(const TAppl* application, int horizontal, int vertical, const ShortRect& fallback);
// The place saved under the key when all four of its keys exist and it is not empty; else the
// fallback.
ShortRect SavedPlace(PText* record, const char* key, const ShortRect& fallback);

// The font kept under the key, read over the given font number, size and style.
win::LOGFONTA KeptFont(PText* record, const char* key, std::int16_t number, std::int16_t size,
                       std::int32_t style = 0);
// Set Font: the font chooser over the font; when the writer chose one it is kept under the key, and
// the answer is true.
bool ChooseKeptFont(PText* record, const char* key, win::LOGFONTA& font);

// The part of a window's client area under its toolbar of the height, at least one pixel high.
ShortRect BelowToolbar(const ShortRect& client, int toolbarHeight);

// A splitter's thickness, and its bounds across the content (vertical: a line between panes stacked
// one over the other) with its centre line the position away from the far edge.
inline constexpr int kSplitterThickness = 6;
ShortRect SplitterPlace(bool vertical, const ShortRect& content, int position);
// The panes before (above, or left of) and after the splitter's bounds within the content.
ShortRect NearPane(bool vertical, const ShortRect& content, const ShortRect& splitter);
ShortRect FarPane(bool vertical, const ShortRect& content, const ShortRect& splitter);

// Places the splitter across the panes at its position, and the two panes on either side of it.
void PlaceSplitPanes(TSplitter& splitter, bool vertical, const ShortRect& panes, TItem& nearPane,
                     TItem& farPane);

// Where a story window opens without a place of its own: the story's default, else the fallback.
ShortRect StoryDefaultPlace(FKDoc* story, const ShortRect& fallback);

// The application's window of the class, or null.
template <typename Window>
Window* FindAppWindow(TAppl* application) {
    if (!application) return nullptr;
    for (std::int32_t i = 0; i < application->GetAppWindowCount(); ++i)
        if (auto* window = dynamic_cast<Window*>(application->GetAppWindow(i))) return window;
    return nullptr;
}

// A window of the program rather than of a story, one of its kind at a time: it opens at its saved
// place (or its default) and keeps its place when it goes, and lays its items out again after a
// size change.
class ProgramWindow : public TAppWindow {
public:
    // Made at its saved place, else at the default, hidden and without contents.
    ProgramWindow(TAppl* application, const char* title, PrefRecord preferences, const char* placementKey,
                  const ShortRect& defaultPlace);
    ~ProgramWindow() override;

    std::int16_t NotifyItems(std::int16_t code) override;
    // Places the items in the client area; the base places nothing.
    virtual void LayOut() {}
    PText* GetPreferences() const;

private:
    PrefRecord preferences_;
    const char* placementKey_;
};

// A story window: an MDI child of one story, listed in the Window menu, that holds its slot of the
// story while it lives, opens at its saved place (or its default) and keeps its place when it goes.
// Its title is its name, " for " and the story's title.
class StoryWindow : public TWMWindow {
public:
    using SlotGetter = TWindow* (FKDoc::*)() const;
    using SlotSetter = void (FKDoc::*)(TWindow*);

    // What sets one kind of story window apart.
    struct Kind {
        const char* name;          // the title's first part
        PrefRecord preferences;    // the record of its settings
        const char* placementKey;  // its place in that record
        SlotGetter getter;         // its slot of the story
        SlotSetter setter;
    };

    // Made at its saved place, else at the default, hidden and without contents; takes the slot.
    StoryWindow(TAppl* application, FKDoc* story, const Kind& kind, const ShortRect& defaultPlace);
    // Keeps the place and leaves the slot (when it still holds it).
    ~StoryWindow() override;

    void UpdateTitle() override;
    // After a size change (not to an icon) the items are laid out again.
    std::int16_t NotifyItems(std::int16_t code) override;
    // Places the items in the client area; the base places nothing.
    virtual void LayOut() {}

    FKDoc* GetStory() const { return story_; }
    PText* GetPreferences() const;
    const Kind& GetKind() const { return kind_; }

private:
    FKDoc* story_;
    Kind kind_;
};

// Brings the story's window in the slot to the front; without one, has the maker make it (hidden),
// builds its contents and shows it. 0, or -1 without a story or when no window was made.
ErrCode FrontOrOpen(FKDoc* story, StoryWindow::SlotGetter slot,
                    const std::function<TWindow*(TAppl* application, FKDoc* story)>& make);
