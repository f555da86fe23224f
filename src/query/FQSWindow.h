#pragma once
// The query window: one per story. On the left, the list chooser, the current question list as a
// topic tree, the Start, Prev, Close and Next buttons and the status area (the storyform count, a
// bar of how far the storyform is narrowed and a bar of the further topics answered); on the
// right, the page of the selected topic with the help pane below it, its eight help buttons and two
// splitters between the parts. The window owns the page shown (made by the page factory), the
// expanded question list and its own storyform solver; it follows storyform, character and scene
// changes, and keeps its layout and settings in the query system's preferences ('FQS ') and its
// place in the story ("DPath30", and "CTR" with each list's id).
//
// Items 0 to 13 are the window's own (0 and 1 are the tree's scrollers); page controls follow.
// Changes heard while the window works are answered once its item hit is done (FQSPendingRequests).

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "items/Splitters.h"
#include "platform/gdi/GdiTypes.h"
#include "query/FQSHelpText.h"
#include "query/FQSPendingRequests.h"
#include "query/FQSWindowLayout.h"
#include "query/StoryformCheck.h"
#include "query/data/QueryNavigation.h"
#include "query/TFablecoreQuestionWindow.h"
#include "query/data/FQSPageDataList.h"
#include "storymodel/ListenerMixins.h"
#include "storymodel/engine/StoryformSolver.h"

class BarGraph;
class FKDoc;
class FQSHelpPane;
class FQSHSplitter;
class FQSPage;
class FQSTreeSelectorView;
class GraphBtn;
class IFQSPageFactory;
class Popup;
class PreferencesManager;
class PText;
class ToggleableVSplitter;

class FQSWindow : public TFablecoreQuestionWindow,
                  public IToggleableVSplitterClient,
                  public MStoryFormListener,
                  public MCharacterListener,
                  public MSceneListener,
                  private IStoryformCheckHost {
    TOBJECT_CLASS(FQSWindow, TWindow, 161)

public:
    // The window's items, by index.
    enum Item : std::int32_t {
        kTreeItem = 2,
        kListChooserItem = 3,
        kStartItem = 4,
        kPrevItem = 5,
        kCloseItem = 6,
        kNextItem = 7,
        kHelpPaneItem = 8,
        kHelpButtonsItem = 9,
        kStoryformingBarItem = 10,
        kTopicBarItem = 11,
        kVerticalSplitterItem = 12,
        kHorizontalSplitterItem = 13,
    };
    static constexpr const char* kTitle = "Fablecore Query System";
    // The least place of a window when none is stored (top, left, bottom, right); the window grows
    // from it to a roomier size as far as the frame allows (DefaultQueryPlace).
    static constexpr ShortRect kDefaultPlace{23, 3, 403, 637};
    static constexpr std::int16_t kMinWidth = 578;
    static constexpr std::int16_t kMinHeight = 382;
    // The pages' shared work buffer.
    static constexpr std::size_t kTextBufferSize = 30720;

    // Preference keys of the 'FQS ' record.
    static constexpr const char* kPlaceKey = "FQS";
    static constexpr const char* kHelpButtonsKey = "HlpBtns";
    static constexpr const char* kHorizontalSplitKey = "FQSHSplt";
    static constexpr const char* kVerticalSplitKey = "FQSVSplt";
    static constexpr const char* kOpenSplitKey = "FQSVSplt2";
    static constexpr const char* kTopicsFontKey = "FQSTp";
    static constexpr const char* kPromptsFontKey = "FQSPr";
    static constexpr const char* kEditFontKey = "FQSEd";
    static constexpr const char* kHelpFontKey = "H";
    static constexpr const char* kClickTogglesKey = "ClkTogHlp";
    static constexpr const char* kAutoCloseKey = "AutoClose";

    // The window for the story, opening on the start list (the Plotpilot list, or any other for
    // the list the story remembers); made at its stored place, hidden, without contents, and
    // registered as the story's query window.
    FQSWindow(std::int16_t startList, TAppl* application, FKDoc* document, std::int32_t mode, const char* title,
              IFQSPageFactory* pageFactory);
    // Keeps the window's layout, the help buttons and the story's place in its lists, releases the
    // page and leaves the story's query window slot.
    ~FQSWindow() override;

    // --- TWindow
    void UpdateTitle() override;
    void Activate(bool active) override;
    void BuildContents() override;
    // Item hits: the window's own below 14, the page's controls from 14; then the pending requests.
    void EndModal(std::int32_t itemIndex) override { HandleItemHit(itemIndex); }
    std::int16_t NotifyItems(std::int16_t code) override;
    bool DispatchKey(KeyEvent& event) override;
    void Draw(win::HDC dc) override;
    ShortPoint GetMinTrackSize() override { return ShortPoint{kMinWidth, kMinHeight}; }
    // The story's save asks the windows to commit: the window keeps its place in the story first.
    void RefocusItem() override;

    // --- TFablecoreQuestionWindow
    void ShowPage(std::int32_t row, std::int16_t topic, std::int16_t first = 0, std::int16_t second = 0) override;
    void RefreshPage() override;

    // --- IToggleableVSplitterClient
    std::int16_t SplitterMoved(TSplitter* splitter) override;
    std::int16_t SplitterToggled(TSplitter* splitter) override;

    // --- Listeners
    void StoryFormChanged(const Event* event) override;
    void CharactersChanged(const CharacterEvent* event) override;
    void ScenesChanged(const Event* event) override;

    // --- Item hits and navigation
    void HandleItemHit(std::int32_t itemIndex);
    // The list's name for the chooser: its "NA" expanded, or "-" when the list is missing.
    std::string GetListName(std::int16_t listId) const;
    // The list of the chooser's row: the chooser shows only the lists that exist, in id order; -1
    // for a row it does not have.
    std::int16_t GetChooserListId(std::int32_t row) const;
    // Makes the list current (keeping the position of the one left with save) and builds its tree;
    // position -1 is the row the story remembers. False when the list could not be read.
    bool SelectQuestionList(std::int16_t listId, bool save, std::int32_t position);
    // Keeps the current row and the tree's open branches of the list in the story.
    void SaveListPosition(std::int16_t listId);
    void Start();
    // Prev and Next: by row (the buttons), or by selectable node (Control with an arrow key).
    void Prev(bool bySelectableNode);
    void Next(bool bySelectableNode);

    // --- What pages and keywords use of the window
    void MarkChanged();
    // Makes a different item the focus item; when the keyboard focus lies in this window or one of
    // its children, it is taken away and given back so that the new focus item's control gets it.
    using TWindow::SetFocusItem;
    void SetFocusItem(std::int32_t index);
    std::int16_t GetCurrentTopicKind() const;
    std::int16_t GetCurrentListId() const { return listId_; }
    std::int32_t GetCurrentRow() const { return row_; }
    std::int16_t GetCurrentTopic() const { return topic_; }
    void RequestList(std::int16_t listId);
    void UpdateRowStatuses();
    void UpdateStoryformingBar();
    void UpdateTopicProgressBar();
    void SetStoryformCount(std::uint16_t count) override;
    // The storyform check; answers the count.
    std::uint16_t CheckStoryforms();
    // After an answer that left no storyform was put back: the window follows changes again.
    void ClearZeroStoryforms() { check_.ClearZeroStoryforms(); }
    // Whether a count found no storyform (and no answer put back since cleared it).
    bool FoundZeroStoryforms() const { return check_.FoundZeroStoryforms(); }
    void UpdateElementHelp();
    void ShowHelpPane();
    void HideHelpPane();
    // The page shown stores nothing when it is left (its character or scene is about to go).
    void DiscardPageAnswers();
    // Moves away from the page of a character, relationship or scene that was deleted.
    void SelectAway();
    // The go-to target's fields, set by keywords; the request runs after the item hit.
    FQSPendingRequests& GetRequests() { return requests_; }
    // Shows the page again from the story once the item hit is done; outside a hit, the window posts
    // one of its own.
    void RequestRefresh();
    // Recounts once the item hit is done, and puts in force what the storyforms left settle (a page
    // asks after its own answer, which the window does not hear); outside a hit, the window posts
    // one of its own.
    void RequestRecount();

    FKDoc* GetStory() const { return story_; }
    // The query system's preferences record ('FQS '), and the manager that keeps it; null without.
    PText* GetPreferences() const { return Preferences(); }
    PreferencesManager* GetPreferencesManager() const;
    FQSPage* GetPage() const { return page_.get(); }
    FQSTreeSelectorView* GetTopicTree() const { return tree_; }
    const FQSPageDataList& GetQuestionList() const { return list_; }
    // The entry of the current question list at the row, or null.
    const FQSPageData* GetListEntry(std::int32_t row) const { return list_.At(row); }
    const ShortRect& GetPageArea() const { return layout_.page; }
    const FQSWindowLayout& GetLayout() const { return layout_; }
    char* GetTextBuffer() { return textBuffer_.get(); }
    StoryformSolver* GetSolver() const { return solver_.get(); }
    const win::LOGFONTA& GetPromptsFont() const { return fonts_[kPromptsFont]; }
    const win::LOGFONTA& GetEditFont() const { return fonts_[kEditFont]; }
    const HelpButtonStates& GetHelpButtonStates() const { return helpButtons_; }
    bool IsHelpShown() const { return helpShown_; }
    bool HelpFits() const { return helpFits_; }
    const StoryformCheck& GetStoryformCheck() const { return check_; }
    bool IsClosing() const { return closing_; }
    // Cuts the item list back to the window's own items.
    void RemovePageItems();

private:
    enum Font { kTopicsFont, kPromptsFont, kEditFont, kHelpFont, kFontCount };

    // --- Construction and layout
    void ReadPreferences();
    PText* Preferences() const;
    std::int16_t ReadPreference(const char* key, std::int16_t fallback) const;
    void Relayout();
    void InvalidateArea(const ShortRect& area);
    void InvalidatePageArea();
    void PlaceHelpPane();
    void ToggleHelp();
    // Keeps the help pane's line ("FQSVSplt") when the window closes.
    void KeepHelpPanePlace();
    void ChooseFonts();
    void ApplyClickMode();

    // --- Lists and pages
    void BuildTree();
    // The chooser shows the list as chosen (no row when it has none for the list).
    void ShowChosenList(std::int16_t listId);
    void ReleasePage();
    void ShowSelectedPage();
    void StepTo(const QueryStep& step, bool bySelectableNode);

    // --- Requests
    void RunPendingRequests();
    void Recount();
    void GoTo();
    std::int32_t FindGoToRow(const FQSGoToTarget& target) const;
    FQSListeningState ListeningState() const;
    void React(FQSPendingRequests::Reaction reaction);

    // --- Help
    void ComposeHelp();

    // --- Status area
    void DrawStatusArea(TGraphEnv& env);

    // --- IStoryformCheckHost
    std::uint16_t GetStoryformCount() override;
    std::int16_t GetSingleStoryform() override;
    std::uint16_t CountStoryforms() override;
    void WarnOfZeroStoryforms() override;
    void ApplySingleStoryform() override;
    void LeaveSingleStoryform() override;
    void UpdateProgress() override;
    void Congratulate() override;

    FKDoc* story_;
    IFQSPageFactory* pageFactory_;
    std::unique_ptr<StoryformSolver> solver_;
    std::unique_ptr<FQSPage> page_;
    FQSPageDataList list_;
    std::unique_ptr<char[]> textBuffer_;
    FQSWindowLayout layout_;
    StoryformCheck check_;
    FQSPendingRequests requests_;
    std::int16_t startList_;
    std::int16_t listId_ = 0;
    std::int32_t row_ = 0;
    std::int16_t topic_ = -1;
    std::uint16_t storyformCount_ = 0;
    bool firstShow_ = true;
    bool closing_ = false;
    bool helpFits_ = false;
    bool helpShown_ = false;
    // Set by Control with an arrow key just before it posts Prev or Next.
    bool stepBySelectableNode_ = false;
    HelpButtonStates helpButtons_{};
    std::array<win::LOGFONTA, kFontCount> fonts_{};

    FQSTreeSelectorView* tree_ = nullptr;
    Popup* listChooser_ = nullptr;
    // The list id of each row of the chooser.
    std::vector<std::int16_t> chooserLists_;
    FQSHelpPane* helpPane_ = nullptr;
    GraphBtn* helpButtonRow_ = nullptr;
    BarGraph* bars_[2] = {};
    ToggleableVSplitter* verticalSplitter_ = nullptr;
    FQSHSplitter* horizontalSplitter_ = nullptr;
};
