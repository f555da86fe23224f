#pragma once
// A question page: one entry of the current question list grown into a live object. It reads its
// page record ('FQS2' of the topic; none for a page built without one, which then shows only an
// empty title), lays out a title, wrapped texts and answer controls in the window's page area,
// draws its static parts, reacts to its controls and writes the answers into the story (the
// storyform, keyed records of the story, characters and scenes through page keywords) and into the
// question status.
//
// The window's items 0 to 13 are the window's; the page's controls follow them in build order:
// radios, edit views, check boxes, the slider, the subclass's own content, popups, push buttons.
// Controls are made hidden and shown together by ShowControls once the page is laid out and
// stretched. Teardown stores the page's values (while it commits on leave) and cuts the item list
// back to the window's own items. Edit views keep no pointer into the story: their records are
// looked up again when the page stores them, so a character or scene deleted meanwhile receives
// nothing.

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "framework/graphics/RGBColor.h"
#include "framework/graphics/ShortRect.h"
#include "platform/gdi/GdiTypes.h"
#include "query/data/FQSPageData.h"

class EditView;
class FKDoc;
class FQSCheckBox;
class FQSInterpretation;
class FQSPopup;
class FQSPushBtn;
class FQSRadioBtn;
class FQSWindow;
class ItemList;
class PText;
class Slider;
class TextWrap;
class TGraphEnv;
class TItem;

class FQSPage : public FQSPageData {
public:
    // The window's own items; a page's controls follow them.
    static constexpr std::int32_t kFirstPageItem = 14;
    // The room from the page area's top to the page's first element.
    static constexpr std::int16_t kTopMargin = 12;
    // What the layout cursor gains after the last element.
    static constexpr std::int16_t kBottomMargin = 15;
    // Capacities.
    static constexpr int kMaxStaticTexts = 15;
    static constexpr int kMaxRadios = 5;
    static constexpr int kMaxEditViews = 5;
    static constexpr int kMaxPopups = 5;
    static constexpr int kMaxButtons = 20;
    static constexpr int kMaxCheckBoxes = 5;
    // Page types ("TY").
    static constexpr std::int32_t kStoryformChoicePage = 1;
    static constexpr std::int32_t kFinderPageType = 100;
    static constexpr std::int32_t kTitleLength = 85;

    struct StaticText {
        std::unique_ptr<TextWrap> wrap;
        ShortRect rect;
        std::int32_t justification = 0;
    };
    struct EditSlot {
        EditView* view = nullptr;
        std::unique_ptr<FQSInterpretation> binding;
        std::int16_t selector = -1;
        std::int16_t label = -1;
        std::string shown;  // the text the view was given, or the text last stored from it
        bool stored = false;
        // The stored text is longer than the page reads: the view shows its start, and the writer
        // is told so at the first change.
        bool cut = false;
        bool toldCut = false;
        // For the main and impact characters' records: the character the view was built for.
        std::int32_t character = -1;
    };

    FQSPage();
    ~FQSPage() override;
    FQSPage(const FQSPage&) = delete;
    FQSPage& operator=(const FQSPage&) = delete;

    // What the writer is told on changing a text of which the page shows the first characters.
    static std::string CutTextMessage(std::size_t shown);

    // Lays the page out in the window's page area for the list row and topic; the record (null when
    // the topic has none) becomes the page's.
    void Setup(FQSWindow& window, std::unique_ptr<PText> record, std::int32_t row, std::int16_t topic);
    // Shares the height down to the bottom among the page's growing parts.
    void Stretch(std::int16_t bottom);
    // Shows the controls (made hidden) and gives the focus to the saved edit view or the first
    // control that takes it.
    void ShowControls();
    // Stores the page's values while it commits on leave, then takes its controls away.
    void Teardown();

    // --- The page's operations, which the page classes change
    virtual void Draw(TGraphEnv& env);
    // A hit of the page's control at the item index; 1 when handled.
    virtual std::int32_t HandleControl(std::int32_t itemIndex);
    virtual void Build() {}
    virtual void Commit() {}
    virtual void Release() {}
    virtual void ShiftContent(std::int32_t /*dy*/) {}
    virtual std::int32_t GetStretchWeight() const { return 0; }
    virtual void GrowContent(std::int32_t /*dh*/) {}
    virtual void RunKeyword(FQSPushBtn& button);
    virtual void ApplyKeywordChoice(FQSPopup& popup);
    virtual void ApplyKeywordCheck(FQSCheckBox& box);

    // --- Answers
    // The radio that is on, written into the storyform (storyform-choice pages) or under the answer
    // key into the answer record, inside one storyform change the window does not listen to.
    void StoreRadioAnswer();
    // The solver constraint of the page's story point follows the radio that is on.
    void StoreSolverConstraint();
    // What Teardown stores; nothing for a page whose scene is gone.
    void CommitAnswers();
    // The texts typed into the page's edit views, stored where they differ from what was stored
    // before (the story is being saved with the page still showing); part of CommitAnswers.
    void StoreTypedAnswers();
    // The buffer size, the NUL included, with which the page stores each typed text.
    std::uint32_t TypedTextSize() const;
    // The most bytes, as stored, the edit view's field takes: what the page stores and what the
    // story keeps of the text it is bound to, whichever is less.
    std::uint32_t StoredTextLimit(const EditSlot& slot) const;
    // Whether the text under the binding is longer than the read that gave `read`.
    bool IsReadCut(const FQSInterpretation* binding, PText* record, const char* read) const;
    // Tells the writer, once per showing of the page, that the edit view of the index shows only
    // the start of its text.
    void TellCutText(std::int32_t index);
    // The writer changed the text of the edit view of the index: the story is changed (so that
    // Save and autosave write it), and a text shown cut is told of.
    void TextChanged(std::int32_t index);
    // The page belongs to a scene that no longer exists.
    bool HasLostScene() const;

    // --- Values bound to the story
    std::int16_t ReadChoice(const FQSInterpretation* binding, PText* record) const;
    void ReadText(const FQSInterpretation* binding, char* buffer, std::int32_t size, PText* record) const;
    void WriteText(const FQSInterpretation* binding, const char* text, PText* record) const;
    // 0 the story's responses, 1 its information record, 2 its storytelling record, 3 and 4 the
    // records of its main and impact characters; null for any other selector or a missing record.
    PText* RecordForSelector(std::int16_t selector) const;
    // The character whose record the selector names (3 and 4), else -1.
    std::int32_t CharacterForSelector(std::int16_t selector) const;

    // --- Edit focus
    void SaveEditFocus();
    bool RestoreEditFocus();
    void SaveOrRestoreEditFocus(std::int32_t restore);

    void GetThroughlineColor(RGBColor& color) const;
    // Whether the page asks the writer to choose among answers (for the help's prompts).
    bool IsChoiceQuestion() const;
    // A page with a multi-line edit view or a share of the extra height grows into the room above
    // the help pane.
    bool CanGrow() const { return tallEdit_ || GetStretchWeight() > 0; }

    FKDoc* GetDocument() const { return document_; }
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
    const char* GetTitle() const { return title_.c_str(); }
    const std::string& GetAnswerKey() const { return answerKey_; }
    std::int32_t GetFocusItem() const { return focusItem_; }
    std::int16_t GetLineHeight() const { return lineHeight_; }

    std::int32_t GetStaticTextCount() const { return staticCount_; }
    const StaticText& GetStaticText(std::int32_t i) const { return statics_[static_cast<std::size_t>(i)]; }
    std::int32_t GetFixedTextIndex() const { return fixedText_; }
    std::int32_t GetRadioCount() const { return radioCount_; }
    FQSRadioBtn* GetRadio(std::int32_t i) const { return radios_[static_cast<std::size_t>(i)]; }
    std::int32_t GetEditViewCount() const { return editCount_; }
    const EditSlot& GetEditSlot(std::int32_t i) const { return edits_[static_cast<std::size_t>(i)]; }
    std::int32_t GetPopupCount() const { return popupCount_; }
    FQSPopup* GetPopup(std::int32_t i) const { return popups_[static_cast<std::size_t>(i)]; }
    std::int32_t GetButtonCount() const { return buttonCount_; }
    FQSPushBtn* GetButton(std::int32_t i) const { return buttons_[static_cast<std::size_t>(i)]; }
    std::int32_t GetCheckBoxCount() const { return checkCount_; }
    FQSCheckBox* GetCheckBox(std::int32_t i) const { return checks_[static_cast<std::size_t>(i)]; }
    Slider* GetSlider() const { return slider_; }
    std::int16_t GetSliderFlag() const { return sliderFlag_; }

    bool IsChanged() const { return changed_ != 0; }
    void SetChanged(bool changed) { changed_ = changed ? 1 : 0; }
    bool CommitsOnLeave() const { return commitOnLeave_ != 0; }
    void SetCommitOnLeave(bool commit) { commitOnLeave_ = commit ? 1 : 0; }
    // Whether the window hears storyform changes while the page shows (not while the page writes its
    // own answer).
    bool IsListening() const { return listening_ != 0; }
    void SetListening(bool listening) { listening_ = listening ? 1 : 0; }

protected:
    // --- Builders, called by Setup in this order
    void CheckIllustration();
    void BuildRadios();
    void DisableImpossibleChoices();
    void BuildEditViews();
    void BuildCheckBoxes();
    void BuildSlider();
    void BuildPopups();
    void BuildButtons();
    void StoreSliders();

    // The key's text interpreted for the page (empty when missing), cut to the limit.
    std::string Interpreted(const char* key, std::int32_t limit) const;
    // The key's text interpreted and its macros expanded.
    std::string Expanded(const char* key, std::int32_t limit) const;
    // Expanded, without its style codes: for the titles of controls and the page's title line, which
    // show no styles.
    std::string PlainExpanded(const char* key, std::int32_t limit) const;
    std::unique_ptr<FQSInterpretation> Binding(const char* key, std::int32_t limit) const;
    std::int16_t ReadShort(const char* key, std::int16_t fallback) const;
    // A new static text of the text in the rectangle (its bottom becomes the text's); -1 when full.
    std::int32_t AddStaticText(const std::string& text, ShortRect& rect, std::int32_t justification);
    void ReplaceStaticText(std::int32_t index, const std::string& text);
    // Appends the control (made hidden), opens it and answers its index; the first control of the
    // builders that set no focus of their own becomes the focus item.
    std::int32_t AppendControl(TItem* item, bool takesFocus);
    ItemList* Items() const;
    // The width of the text laid out with font (0, 12, 0).
    std::int32_t LabelWidth(const std::string& text) const;
    // Marks the tree row and the question status of the page answered or open.
    void MarkAnswered(bool answered, std::int16_t topic);
    bool IsStoryChoiceTopic() const;
    // The record an edit view's text goes into: none when its character is no longer the one it was
    // built for (deleted, or no longer in that role).
    PText* RecordForEdit(const EditSlot& slot) const;

    FQSWindow* window_ = nullptr;
    FKDoc* document_ = nullptr;
    std::unique_ptr<PText> record_;
    ShortRect pageArea_;
    std::int32_t row_ = 0;
    std::int16_t pageTopic_ = -1;
    std::int16_t changed_ = 0;
    std::int16_t commitOnLeave_ = 1;
    std::int16_t listening_ = 1;
    std::int32_t focusItem_ = -1;
    std::int16_t helpLine_ = 1;
    std::int16_t helpPage_ = 0;
    std::int16_t layoutCursor_ = 0;
    std::int32_t pageType_ = -1;
    std::int16_t topicKind_ = 0;
    std::string title_;
    std::string mainText_;
    win::LOGFONTA textFont_{};
    std::int32_t staticCount_ = 0;
    std::int32_t fixedText_ = -1;
    std::array<StaticText, kMaxStaticTexts> statics_;
    std::int32_t radioCount_ = 0;
    std::array<FQSRadioBtn*, kMaxRadios> radios_{};
    std::array<std::int32_t, kMaxRadios> radioItems_{};
    std::string answerKey_;
    PText* answerRecord_ = nullptr;
    std::int32_t editCount_ = 0;
    std::array<EditSlot, kMaxEditViews> edits_;
    win::LOGFONTA controlFont_{};
    std::int16_t lineHeight_ = 0;
    bool tallEdit_ = false;
    std::int32_t popupCount_ = 0;
    std::array<FQSPopup*, kMaxPopups> popups_{};
    std::int32_t buttonCount_ = 0;
    std::array<FQSPushBtn*, kMaxButtons> buttons_{};
    std::int32_t checkCount_ = 0;
    std::array<FQSCheckBox*, kMaxCheckBoxes> checks_{};
    Slider* slider_ = nullptr;
    ShortRect sliderRect_;
    std::int16_t sliderFlag_ = 0;
    std::int16_t sliderSelector_ = -1;
    std::int32_t sliderItem_ = -1;
    std::int16_t answerValue_ = 0;
    std::int16_t storyPoint_ = 0;
    std::int16_t companion_ = 0;
    std::int16_t throughlineColors_ = 1;

private:
    bool setUp_ = false;
};
