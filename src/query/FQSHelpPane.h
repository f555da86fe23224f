#pragma once
// The query window's help pane: a read-only rich text view whose Alt-click is the window's item
// hit (which opens the window's fonts dialog); other clicks act as the view's own.

#include "items/RichTextView.h"

class FQSHelpPane : public RichTextView {
public:
    FQSHelpPane(ItemList* list, const ShortRect* bounds);

    std::int32_t HandleMouseDown(const MsgEvent& event) override;
};
