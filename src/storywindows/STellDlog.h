#pragma once
// The storytelling dialog: the writer's storytelling text for one story point, under the point's
// name and the value the storyform gives it. OK writes the text into the story's storytelling record
// (through the shared text converter) and marks the story changed when it differs; Cancel changes
// nothing. The text keeps as much as the record holds of one text. The dialog keeps its place in
// the general preferences ("STel").

#include <cstdint>

#include "framework/TDialog.h"
#include "platform/gdi/GdiTypes.h"

class EditView;
class FKDoc;

class STellDlog : public TDialog {
public:
    enum Item : std::int32_t { kTextField, kOkItem, kCancelItem, kHeading };
    static constexpr const char* kPlacementKey = "STel";

    STellDlog(FKDoc* story, int index);

    ErrCode SetUpItems() override;
    // OK: the text into the storytelling record; both keep the dialog's place.
    void BeforeEnd() override;

    EditView* GetField() const;

private:
    FKDoc* story_;
    int index_;
    win::LOGFONTA font_;
};

// Runs the dialog for the story point; true when the writer's text changed.
bool EditStorytelling(FKDoc* story, int index);
