#pragma once
// The preferences window of a story: the chooser of pages on the left, and on the right one page of
// settings (a work area) at a time: general options, report options, query-system options and
// terminology. Choosing a page replaces the page shown; the page being left may refuse (the report
// page checks its margins against the printer), and stores its values when it goes. A page that
// refuses to be left keeps the window open too.
//
// The window exists at most once per story (the story keeps a pointer to it). Its placement is
// kept in the general preferences ("PRFW") when it closes and taken again when it next opens.
//
// The same mechanism serves windows built on it (the brainstorming tools): they use the second
// constructor, which neither takes a saved placement nor registers with the story, and make their
// own pages in MakeWorkArea.

#include <cstdint>
#include <memory>

#include "framework/TWindow.h"

class FKDoc;
class ItemList;
class PrefFrontEnd;
class TWorkArea;

class PrefsWindow : public TWindow {
public:
    // The pages.
    static constexpr std::int16_t kGeneralPage = 1;
    static constexpr std::int16_t kReportPage = 2;
    static constexpr std::int16_t kQuerySystemPage = 3;
    static constexpr std::int16_t kTerminologyPage = 4;
    // Where the window opens when it has no placement of its own.
    static constexpr ShortRect kDefaultRect{22, 1, 341, 511};
    static constexpr const char* kTitle = "Preferences";
    static constexpr const char* kPlacementKey = "PRFW";
    // The window's kind: never maximised, its size fixed.
    static constexpr std::uint16_t kKind = kWindowNoMaximize | kWindowFixedSize;
    // The smallest client size.
    static constexpr ShortPoint kMinSize{510, 325};

    // The preferences window of the story: made at its saved place (else the rectangle, MDI-client
    // coordinates) with the mode and title, registered as the story's preferences window; hidden
    // and without contents until BuildContents and Show.
    PrefsWindow(TAppl* application, FKDoc* document, const ShortRect& rect, std::int32_t mode,
                const char* title);
    // A window built on this one: made at the rectangle, not registered with the story.
    PrefsWindow(TAppl* application, FKDoc* document, const ShortRect& rect, std::int32_t mode,
                std::uint16_t kind, const char* title);
    // When registered keeps the placement; deletes the page (which stores its values); when
    // registered leaves the story's preferences window slot. Windows built on this one keep their
    // placement from their own destructors.
    ~PrefsWindow() override;

    // --- TWindow
    // The document's caption for "Preferences" and the page's name, e.g. "Preferences for My Story -
    // General Options".
    void UpdateTitle() override;
    // The page shown must agree to be left.
    bool AllowClose() override;
    // The item list, the chooser, and the page chosen last.
    void BuildContents() override;
    // A hit on an item goes to the page.
    void EndModal(std::int32_t itemIndex) override;
    // Any change of size but minimising redraws the whole window.
    std::int16_t NotifyItems(std::int16_t code) override;
    // The window, then the page's captions and frames.
    void Draw(win::HDC dc) override;
    ShortPoint GetMinTrackSize() override { return kMinSize; }

    // --- the window's own operations
    // The placement kept from the last time, when there is one.
    virtual bool GetSavedRect(ShortRect& rect);
    // The page of the number, or null (with the warning beep) for a number that is none.
    virtual std::unique_ptr<TWorkArea> MakeWorkArea(std::int16_t page);
    virtual void SavePlacement();
    // Shows the page, unless it shows already or the page shown refuses to be left. Before the
    // window is built only the page is recorded.
    void SelectArea(std::int16_t page);
    void SetAreaBounds(const ShortRect& rect);

    std::int16_t GetCurrentPage() const { return currentPage_; }
    TWorkArea* GetCurrentArea() const { return area_.get(); }
    PrefFrontEnd* GetChooser() const { return chooser_; }
    const ShortRect& GetAreaBounds() const { return areaBounds_; }
    FKDoc* GetStory() const { return story_; }
    bool IsRegistered() const { return registered_ != 0; }

private:
    bool IsBuilt() const { return items_ != nullptr; }

    FKDoc* story_;
    ItemList* items_ = nullptr;
    PrefFrontEnd* chooser_ = nullptr;
    std::unique_ptr<TWorkArea> area_;
    ShortRect areaBounds_;
    std::int16_t currentPage_ = kGeneralPage;
    std::int16_t registered_ = 0;
    bool constructing_ = false;
};

// The Preferences command (page 1) and the report options command (page 2): the front story's
// preferences window at the page, brought to the front when it is open; -1 without a story.
ErrCode OpenPreferencesWindow(FKDoc* story, std::int16_t page);
