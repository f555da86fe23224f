#include "storywindows/CommentWindow.h"

#include "app/FKDoc.h"
#include "foundation/pfm/PText.h"
#include "framework/TAppl.h"
#include "items/AttachStringConverter.h"
#include "items/EditView.h"
#include "items/ItemList.h"
#include "items/StoredTextField.h"
#include "storymodel/RecordText.h"
#include "storymodel/StoryTextLimits.h"

namespace {

const StoryWindow::Kind kKind{"Comments", PrefRecord::kComments, CommentWindow::kPreferenceKey,
                              &FKDoc::GetCommentWindow, &FKDoc::SetCommentWindow};

}  // namespace

CommentWindow::CommentWindow(TAppl* application, FKDoc* story)
    : StoryWindow(application, story, kKind, StoryDefaultPlace(story, ShortRect::MakeLTRB(60, 40, 480, 340))),
      font_(KeptFont(GetPreferences(), kPreferenceKey, 5, 10)) {}

CommentWindow::~CommentWindow() { StoreComments(); }

void CommentWindow::BuildContents() {
    FreeItems();
    field_ = nullptr;
    auto* list = new ItemList(this);
    const ShortRect bounds = FieldPlace();
    auto* field = new StoredTextField(
        list, kRecordTextLimit, &bounds, &font_, 0, EditView::kMultiLine | EditView::kNoAutoHScroll,
        TView::kVertScrollBar | TView::kNoFrame, 0, GetStandardColor(0), nullptr);
    // What the writer types is in the story at once: Save and autosave see the story changed.
    field->SetChangeAction([this] { StoreComments(); });
    field_ = field;
    list->Append(field_);
    SetItemList(list);
    SetUpItems();
    AttachStringConverter(*this);
    if (FKDoc* story = GetStory(); story && story->HasRecords())
        field_->SetText(RecordText(story->GetInfoRecord(), kCommentsKey).c_str(), 0);
    LayOut();
    UpdateTitle();
}

void CommentWindow::LayOut() {
    if (field_) field_->SetBounds(FieldPlace(), true);
}

ShortRect CommentWindow::FieldPlace() const {
    ShortRect place = GetClientRect();
    place.left = static_cast<std::int16_t>(place.left + kTextMargin);
    place.top = static_cast<std::int16_t>(place.top + kTextMargin);
    return place;
}

bool CommentWindow::StoreComments() {
    FKDoc* story = GetStory();
    if (!field_ || !story || !story->HasRecords()) return false;
    PText& record = story->GetInfoRecord();
    const std::string text = field_->GetText();
    const bool changed = text.empty() ? record.HasKey(kCommentsKey) && record.Remove(kCommentsKey) == kNoErr
                                      : WriteRecordText(record, kCommentsKey, text.c_str()) > 0;
    if (changed) story->SetDirty();
    return changed;
}

void CommentWindow::RefocusItem() {
    StoreComments();
    StoryWindow::RefocusItem();
}

void CommentWindow::RefocusItemOnClose() {
    StoreComments();
    StoryWindow::RefocusItemOnClose();
}

void CommentWindow::ChooseWindowFont() {
    if (!ChooseKeptFont(GetPreferences(), kPreferenceKey, font_)) return;
    if (field_) field_->SetFont(font_);
}

ErrCode OpenCommentWindow(FKDoc* story) {
    return FrontOrOpen(story, &FKDoc::GetCommentWindow, [](TAppl* application, FKDoc* owner) {
        return new CommentWindow(application, owner);
    });
}
