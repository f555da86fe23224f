#pragma once
// The story information dialog (Storytelling > Story Info): the story's title, author, genre, the
// names of its two stories and its synopses, one synopsis at a time as the popup chooses it. OK
// writes what changed into the story's main record (through the shared text converter, so the
// writer's braces and backslashes stay text) and marks the story changed; Cancel changes nothing.
// The dialog keeps its place in the general preferences ("SInf").

#include <array>
#include <cstdint>
#include <string>

#include "framework/TDialog.h"
#include "platform/gdi/GdiTypes.h"
#include "storywindows/StoryInformation.h"

class EditView;
class FKDoc;
class Popup;

class SInfoDlog : public TDialog {
public:
    // The items, in list order.
    enum Item : std::int32_t {
        kFirstLineField,  // the one-line fields
        kSynopsisPopup = kFirstLineField + static_cast<std::int32_t>(StoryInformation::kLineCount),
        kSynopsisField,
        kOkItem,
        kCancelItem,
        kFirstLineLabel,  // the one-line fields' labels
    };
    static constexpr const char* kPlacementKey = "SInf";

    explicit SInfoDlog(FKDoc* story);

    ErrCode SetUpItems() override;
    // The popup shows another synopsis; OK and Cancel end the dialog.
    void EndModal(std::int32_t itemIndex) override;
    // OK: the fields into the story's main record.
    void BeforeEnd() override;

    // Shows the synopsis (0 .. kSynopsisCount - 1), keeping the one shown before.
    void ShowSynopsis(std::size_t index);
    std::size_t GetShownSynopsis() const { return shownSynopsis_; }
    EditView* LineField(std::size_t i) const;
    EditView* SynopsisField() const;
    Popup* SynopsisPopup() const;
    const StoryInformation& GetInformation() const { return information_; }

private:
    // Shows the stored text as the writer reads it; answers the field's text as it would be stored.
    std::string Show(EditView* field, const std::string& stored) const;
    // The fields' texts into the information, each only when the writer changed it.
    void TakeFields();
    void TakeSynopsis();
    // Keeps the dialog's place in the general preferences.
    void KeepPlace();

    FKDoc* story_;
    StoryInformation information_;
    std::size_t shownSynopsis_ = 0;
    // What each field showed, as it would be stored.
    std::array<std::string, StoryInformation::kLineCount> lineShown_;
    std::string synopsisShown_;
    win::LOGFONTA labelFont_;
    win::LOGFONTA fieldFont_;
};

// Runs the dialog for the story; 0, or -1 without a story.
ErrCode RunStoryInfoDialog(FKDoc* story);
