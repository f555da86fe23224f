#pragma once
// The story element browser (Theory > Theme Browser): the theory's structure as a tree - classes,
// types, variations and elements - beside the chosen item's entry, its dictionary definition and the
// story points of the story that have it. With "Story Choices" ticked each item the story's storyform
// chose is marked with those story points (bold, and in its throughline's colour with "Colours");
// "All Story Points" counts every story point, "Signposts" the acts' types too, else only the
// domains, concerns, issues and problems count. The program has one browser; it shows the story in
// front when it was opened (or last chosen again), follows that story's storyform and lets go of the
// story when it closes.
//
// The browser keeps its place ("BWSE"), its font ("FontPref"), the selected item ("Selection"), the
// class it shows (none: all, "Root"), its switches ("Color", "AlStCh", "ShAcTy", "BrTarg") and the
// width of the entry pane ("Splitter") in the browser preferences ('BWSE').

#include <cstdint>

#include "app/StoryTools.h"
#include "items/Splitters.h"
#include "platform/gdi/GdiTypes.h"
#include "storymodel/ListenerMixins.h"
#include "storywindows/ElementStructure.h"
#include "storywindows/StoryWindowSupport.h"
#include "storywindows/TheoryTexts.h"

class CheckBox;
class ElementTreeView;
class FKDoc;
class RichTextView;

class StoryElementBrowser : public ProgramWindow,
                            public IWindowFontChoice,
                            public ISplitterClient,
                            public MFKDocListener,
                            public MStoryFormListener {
    TOBJECT_CLASS(StoryElementBrowser, ProgramWindow, 2109)

public:
    enum Item : std::int32_t {
        kRootItem,
        kTargetItem,
        kAllItem,
        kActItem,
        kColorItem,
        kSplitterItem,
        kTextItem,
        kTreeItem
    };
    static constexpr const char* kPlacementKey = "BWSE";
    static constexpr const char* kFontKey = "FontPref";
    static constexpr const char* kSelectionKey = "Selection";
    static constexpr const char* kRootKey = "Root";
    static constexpr const char* kColorKey = "Color";
    static constexpr const char* kSplitKey = "Splitter";
    static constexpr const char* kAllKey = "AlStCh";
    static constexpr const char* kActKey = "ShAcTy";
    static constexpr const char* kTargetKey = "BrTarg";
    static constexpr std::int16_t kDefaultSplit = 260;
    static constexpr std::int16_t kToolbarHeight = 56;

    // Made at its saved place, hidden and without contents, showing the story's choices (none: only
    // the structure). The texts are the application data file's unless others are given.
    StoryElementBrowser(TAppl* application, FKDoc* story, TheoryTexts texts = ApplicationTheoryTexts());
    ~StoryElementBrowser() override;

    void BuildContents() override;
    void LayOut() override;
    // The switches', the class popup's and the tree's hits.
    void EndModal(std::int32_t itemIndex) override;
    ShortPoint GetMinTrackSize() override { return ShortPoint{420, 240}; }

    void ChooseWindowFont() override;
    std::int16_t SplitterMoved(TSplitter* splitter) override;
    // The story it shows is closing: it shows none.
    void DocumentChanged(const FKDocEvent* event) override;
    // The marks follow the storyform.
    void StoryFormChanged(const Event* event) override;

    // Shows the story's choices (none: the structure alone).
    void SetStory(FKDoc* story);
    FKDoc* GetStory() const { return story_; }
    // Shows one class (1-4) or all (0), kept.
    void SetRoot(int root);
    int GetRoot() const { return root_; }
    // Sets one of the switches (kTargetItem .. kColorItem), kept.
    void SetSwitch(Item item, bool on);
    bool GetSwitch(Item item) const;
    // Selects the item in the tree (opening its branches) and shows its entry; false when not shown.
    bool SelectItem(int id);
    int GetSelectedItem() const { return selected_; }
    // The marks of every row again.
    void RefreshChoices();
    // The selected item's entry: its name, definition and choices.
    std::string Entry(int id) const;
    ElementTreeView* GetTree() const { return tree_; }
    RichTextView* GetTextView() const { return text_; }
    HorizontalSplitter* GetSplitter() const { return splitter_; }
    const win::LOGFONTA& GetFont() const { return font_; }

private:
    void FillTree();
    ChoiceOptions Options() const;
    CheckBox* Switch(Item item) const;

    TheoryTexts texts_;
    FKDoc* story_ = nullptr;
    ElementTreeView* tree_ = nullptr;
    HorizontalSplitter* splitter_ = nullptr;
    RichTextView* text_ = nullptr;
    win::LOGFONTA font_;
    int root_ = 0;
    int selected_ = 0;
    bool switches_[kColorItem + 1] = {};
    std::int16_t split_ = kDefaultSplit;
};

// The program's one story element browser, or null.
StoryElementBrowser* FindStoryElementBrowser(TAppl* application);
// Brings the browser to the front showing the story in front, or makes and shows it; 0, -1 without an
// application.
ErrCode OpenStoryElementBrowser(TAppl* application);
