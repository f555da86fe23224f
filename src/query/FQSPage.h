#pragma once
// A question page as the query window sees it: one entry of the current question list grown into
// a live object with its page record ('FQS2' of the topic, or none), laid out in the window's page
// area, drawn, handed its controls' hits (item 14 and up), and torn down - its answers stored -
// before the window shows another page.
//
// This base is the plain page: it keeps the page's place, its record and the values the window
// reads (its help line "HL", help page "HP", companion question "CQ", story point "AP" and current
// answer, its layout cursor and whether it can grow), and shows nothing of its own. The window's
// items 0 to 13 are the window's; tearing a page down cuts the item list back to them.

#include <cstdint>
#include <memory>

#include "framework/graphics/ShortRect.h"
#include "query/data/FQSPageData.h"

class FQSWindow;
class PText;
class TGraphEnv;

class FQSPage : public FQSPageData {
public:
    // The window's own items; a page's controls follow them.
    static constexpr std::int32_t kFirstPageItem = 14;
    // The room from the page area's top to the page's first element.
    static constexpr std::int16_t kTopMargin = 12;
    // What the layout cursor gains after the last element.
    static constexpr std::int16_t kBottomMargin = 15;

    FQSPage();
    ~FQSPage() override;
    FQSPage(const FQSPage&) = delete;
    FQSPage& operator=(const FQSPage&) = delete;

    // Lays the page out in the window's page area for the list row and topic; the record (null when
    // the topic has none) becomes the page's.
    virtual void Setup(FQSWindow& window, std::unique_ptr<PText> record, std::int32_t row, std::int16_t topic);
    // Shares the height down to the bottom among the page's growing parts; the layout cursor moves
    // to the bottom.
    virtual void Stretch(std::int16_t bottom);
    // Shows the controls (made hidden) and gives the focus to the first that takes it.
    virtual void ShowControls() {}
    // Stores the page's values while it commits on leave, then takes its controls away: the window's
    // item list is cut back to its own items.
    virtual void Teardown();
    // The page's static parts.
    virtual void Draw(TGraphEnv& /*env*/) {}
    // A hit of the page's control at the item index; 1 when handled.
    virtual std::int32_t HandleControl(std::int32_t /*itemIndex*/) { return 0; }
    // The page's share in the sharing of extra height.
    virtual std::int16_t GetStretchWeight() const { return 0; }
    // The edit focus kept while the window is not in front.
    virtual void SaveEditFocus() {}
    virtual void RestoreEditFocus() {}

    // Whether the page asks the writer to choose among answers (for the help's prompts): not with
    // edit views, nor without radios unless it is a structural finder page, nor on the general
    // choices 296-305 or on the character pages 136 and 139.
    bool IsChoiceQuestion() const;
    // A page with a multi-line edit view or a share of the extra height grows into the room above
    // the help pane.
    bool CanGrow() const { return tallEdit_ || GetStretchWeight() > 0; }

    FQSWindow* GetWindow() const { return window_; }
    PText* GetRecord() const { return record_.get(); }
    std::int32_t GetListPosition() const { return row_; }
    std::int16_t GetPageTopic() const { return pageTopic_; }
    std::int16_t GetTopicKind() const { return topicKind_; }
    std::int32_t GetPageType() const { return pageType_; }
    std::int16_t GetLayoutCursor() const { return layoutCursor_; }
    std::int16_t GetHelpLine() const { return helpLine_; }
    std::int16_t GetHelpPage() const { return helpPage_; }
    std::int16_t GetCompanionTopic() const { return companion_; }
    std::int16_t GetStoryPointId() const { return storyPoint_; }
    std::int16_t GetAnswerValue() const { return answerValue_; }

    bool IsChanged() const { return changed_; }
    void SetChanged(bool changed) { changed_ = changed; }
    bool CommitsOnLeave() const { return commitOnLeave_; }
    void SetCommitOnLeave(bool commit) { commitOnLeave_ = commit; }
    // Whether the window hears storyform changes while the page shows (not while the page writes its
    // own answer).
    bool IsListening() const { return listening_; }

protected:
    // Stores the page's answers when it is left; the plain page has none.
    virtual void CommitAnswers() {}

    FQSWindow* window_ = nullptr;
    std::unique_ptr<PText> record_;
    ShortRect pageArea_;
    std::int32_t row_ = 0;
    std::int16_t pageTopic_ = -1;
    std::int16_t topicKind_ = -1;
    std::int32_t pageType_ = -1;
    std::int16_t layoutCursor_ = 0;
    std::int16_t helpLine_ = 1;
    std::int16_t helpPage_ = 0;
    std::int16_t companion_ = 0;
    std::int16_t storyPoint_ = 0;
    std::int16_t answerValue_ = 0;
    std::int16_t editViewCount_ = 0;
    std::int16_t radioCount_ = 0;
    bool tallEdit_ = false;
    bool changed_ = false;
    bool commitOnLeave_ = true;
    bool listening_ = true;

private:
    void ReadHelpValues(FQSWindow& window);

    bool setUp_ = false;
};
