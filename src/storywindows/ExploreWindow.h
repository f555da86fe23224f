#pragma once
// The theory help window ("Explore"): the story's story points in a list above, and below it what
// the theory says of the one chosen - its description, the value the storyform gives it with that
// value's definitions and synonyms from the dictionary, and the writer's storytelling for it. The
// story points window opens it on its selected point. The list follows the storyform.
//
// The window keeps its place and its text font ("EXPL") and the divider between the panes ("SplitY",
// the text pane's height) in the theory help preferences ('EXPL').

#include <cstdint>
#include <string>

#include "app/StoryTools.h"
#include "items/Splitters.h"
#include "platform/gdi/GdiTypes.h"
#include "storymodel/ListenerMixins.h"
#include "storywindows/StoryWindowSupport.h"
#include "storywindows/TheoryTexts.h"
#include "widgets/TopicListView.h"

class RichTextView;

class ExploreWindow : public StoryWindow,
                      public IWindowFontChoice,
                      public ITopicViewClient,
                      public ISplitterClient,
                      public MStoryFormListener {
    TOBJECT_CLASS(ExploreWindow, StoryWindow, 2107)

public:
    enum Item : std::int32_t { kListItem, kSplitterItem, kTextItem };
    static constexpr const char* kPreferenceKey = "EXPL";
    static constexpr const char* kSplitKey = "SplitY";
    static constexpr std::int16_t kDefaultSplit = 200;
    // The topic id of a heading row.
    static constexpr std::int16_t kHeadingTopic = -1;

    // The theory texts are the application data file's unless others are given.
    ExploreWindow(TAppl* application, FKDoc* story, TheoryTexts texts = ApplicationTheoryTexts());
    ~ExploreWindow() override;

    void BuildContents() override;
    void LayOut() override;
    ShortPoint GetMinTrackSize() override { return ShortPoint{260, 200}; }

    // Set Font: the text pane's font, kept.
    void ChooseWindowFont() override;
    // A story point chosen in the list is explained below it.
    std::int16_t TopicChosen(TopicListView* view, std::int32_t row, std::int16_t topicId,
                             std::int16_t doubleClickOrKey, std::int16_t notify) override;
    // The divider moved: the panes follow and its place is kept.
    std::int16_t SplitterMoved(TSplitter* splitter) override;
    // The list's values and the explanation again.
    void StoryFormChanged(const Event* event) override;

    // Selects the story point (0-116) in the list and explains it; false when it is not listed.
    bool ShowStoryPoint(int index);
    int GetShownIndex() const { return shown_; }
    // The styled template that explains the story point.
    std::string Explanation(int index) const;
    TopicListView* GetList() const { return list_; }
    RichTextView* GetTextView() const { return text_; }
    VerticalSplitter* GetSplitter() const { return splitter_; }
    const win::LOGFONTA& GetFont() const { return font_; }

private:
    void FillList();

    TheoryTexts texts_;
    TopicListView* list_ = nullptr;
    VerticalSplitter* splitter_ = nullptr;
    RichTextView* text_ = nullptr;
    win::LOGFONTA font_;
    std::int16_t split_ = kDefaultSplit;
    int shown_ = -1;
};

// Brings the story's theory help window to the front, or makes and shows it, on the story point
// (none for -1); 0, -1 without a story.
ErrCode OpenExploreWindow(FKDoc* story, int index);
