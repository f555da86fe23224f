#pragma once
// The comments window (Storytelling > Comments): the writer's free notes on the story, one text kept
// in the story's main record under "Comments" (where the reports read it), shown in a font the
// writer chooses. What the writer types reaches the record as it is typed, marking the story
// changed, and again whenever the story asks its windows for their edits (before every save) and
// when the window closes. The notes keep as much as the record holds of one text. The window keeps
// its place and font in the comments preferences ('CMNT', "CMNT").

#include <cstdint>

#include "app/StoryTools.h"
#include "platform/gdi/GdiTypes.h"
#include "storywindows/StoryWindowSupport.h"

class EditView;

class CommentWindow : public StoryWindow, public IWindowFontChoice {
    TOBJECT_CLASS(CommentWindow, StoryWindow, 2103)

public:
    static constexpr const char* kPreferenceKey = "CMNT";
    static constexpr const char* kCommentsKey = "Comments";
    // The blank the text keeps from the window's left edge, and from its top.
    static constexpr std::int16_t kTextMargin = 4;

    // Made at its saved place, hidden and without contents; takes the story's comments slot.
    CommentWindow(TAppl* application, FKDoc* story);
    // The notes into the record first.
    ~CommentWindow() override;

    // The text field, filling the window but for its margins, with the story's comments.
    void BuildContents() override;
    void LayOut() override;
    // The story asks for the edits in progress (before a save): the notes go into the record.
    void RefocusItem() override;
    void RefocusItemOnClose() override;
    ShortPoint GetMinTrackSize() override { return ShortPoint{160, 100}; }

    // Set Font: the chosen font is kept and the notes shown in it.
    void ChooseWindowFont() override;

    // Writes the notes into the main record when they differ from it; whether they did.
    bool StoreComments();
    EditView* GetField() const { return field_; }
    const win::LOGFONTA& GetFont() const { return font_; }

private:
    // Where the field lies: the client area less the margins at the left and the top.
    ShortRect FieldPlace() const;

    EditView* field_ = nullptr;
    win::LOGFONTA font_;
};

// Brings the story's comments window to the front, or makes and shows it; 0, -1 without a story.
ErrCode OpenCommentWindow(FKDoc* story);
