#pragma once
// The cast list of the character windows (the character list, Build Characters and casting
// windows): the story's characters, one of which may be selected. The story document keeps the
// cast list view of each of those windows while it lives, and the story application's Character
// and Edit commands act on the selected character of the front one.
//
// What is declared here is what those commands use; the view itself comes with the character
// windows.

#include <cstdint>

#include "items/TView.h"
#include "storymodel/CharID.h"

class CastListView : public TView {
public:
    using TView::TView;

    // Whether a character is selected.
    virtual bool HasSelection() const = 0;
    // The selected character; kNoCharID when none is.
    virtual CharID GetSelectedCharacter() const = 0;
    // The bitmap on the clipboard becomes the selected character's own picture.
    virtual void PastePicture() = 0;
};
