#pragma once
// The dictionary window (Theory > Dictionary): every term of the theory in a list on the left and
// the chosen term's entry on the right, from the dictionary's texts in the application data file.
// The terms are sorted alphabetically or in the structure's order, and an entry shows the short
// definition alone, the long one too, or everything with the synonyms, as the two popups above say.
// The program has one dictionary window, open with or without a story.
//
// The window keeps its place ("DICT"), the list's font ("DICTH") and the entries' font ("DICTp"), its
// sorting ("SortPref"), what the entries show ("DispPref") and the width of the entry pane
// ("SplitDist") in the dictionary preferences ('DICT').

#include <cstdint>
#include <vector>

#include "app/StoryTools.h"
#include "items/Splitters.h"
#include "platform/gdi/GdiTypes.h"
#include "storywindows/DictionaryTerms.h"
#include "storywindows/StoryWindowSupport.h"
#include "widgets/TopicListView.h"

class Popup;
class RichTextView;

class DictionaryWindow : public ProgramWindow,
                         public IWindowFontChoice,
                         public ITopicViewClient,
                         public ISplitterClient {
    TOBJECT_CLASS(DictionaryWindow, ProgramWindow, 2108)

public:
    enum Item : std::int32_t { kSortItem, kDisplayItem, kListItem, kSplitterItem, kTextItem };
    static constexpr const char* kPlacementKey = "DICT";
    static constexpr const char* kListFontKey = "DICTH";
    static constexpr const char* kTextFontKey = "DICTp";
    static constexpr const char* kSortKey = "SortPref";
    static constexpr const char* kDisplayKey = "DispPref";
    static constexpr const char* kSplitKey = "SplitDist";
    static constexpr std::int16_t kDefaultSplit = 340;
    static constexpr std::int16_t kToolbarHeight = 32;

    // Made at its saved place, hidden and without contents. The texts are the application data
    // file's unless others are given.
    explicit DictionaryWindow(TAppl* application, TheoryTexts texts = ApplicationTheoryTexts());

    void BuildContents() override;
    void LayOut() override;
    // The popups' picks.
    void EndModal(std::int32_t itemIndex) override;
    ShortPoint GetMinTrackSize() override { return ShortPoint{360, 220}; }

    // Set Font: the list's and the entries' fonts, kept.
    void ChooseWindowFont() override;
    // A term chosen in the list shows its entry.
    std::int16_t TopicChosen(TopicListView* view, std::int32_t row, std::int16_t topicId,
                             std::int16_t doubleClickOrKey, std::int16_t notify) override;
    std::int16_t SplitterMoved(TSplitter* splitter) override;

    // Sorts the list (the shown term stays chosen) and keeps the choice.
    void SetSort(DictionarySort sort);
    DictionarySort GetSort() const { return sort_; }
    // What the entries show, kept.
    void SetDisplay(DictionaryDisplay display);
    DictionaryDisplay GetDisplay() const { return display_; }
    // Chooses the term in the list and shows its entry; false when it is not listed.
    bool ShowTerm(int id);
    int GetShownTerm() const { return shown_; }
    // The terms in the list's order.
    const std::vector<DictionaryTerm>& GetTerms() const { return terms_; }
    TopicListView* GetList() const { return list_; }
    RichTextView* GetTextView() const { return text_; }
    HorizontalSplitter* GetSplitter() const { return splitter_; }
    const win::LOGFONTA& GetListFont() const { return listFont_; }
    const win::LOGFONTA& GetTextFont() const { return textFont_; }

private:
    void FillList();

    TheoryTexts texts_;
    std::vector<DictionaryTerm> terms_;
    TopicListView* list_ = nullptr;
    HorizontalSplitter* splitter_ = nullptr;
    RichTextView* text_ = nullptr;
    win::LOGFONTA listFont_;
    win::LOGFONTA textFont_;
    DictionarySort sort_ = DictionarySort::kAlphabetical;
    DictionaryDisplay display_ = DictionaryDisplay::kLong;
    std::int16_t split_ = kDefaultSplit;
    int shown_ = -1;
};

// The program's dictionary window, or null.
DictionaryWindow* FindDictionaryWindow(TAppl* application);
// Brings the dictionary window to the front, or makes and shows it; 0, -1 without an application.
ErrCode OpenDictionaryWindow(TAppl* application);
