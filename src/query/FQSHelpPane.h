#pragma once
// The query window's help pane: a read-only rich text view whose Alt-click is the window's item
// hit (which opens the window's fonts dialog); other clicks act as the view's own.

#include <string>

#include "items/RichTextView.h"

class IStoryDocument;

// The composed help as the pane shows it: expanded for the story, then once more, since the theory
// dictionary's texts that the definition macros bring in name the vocabulary's terms with macros
// of their own; and decoded.
std::string ShownHelpText(IStoryDocument* document, const std::string& composed);

class FQSHelpPane : public RichTextView {
public:
    FQSHelpPane(ItemList* list, const ShortRect* bounds);

    std::int32_t HandleMouseDown(const MsgEvent& event) override;
    // Opened again (a page that closes and reopens the window's items), the pane shows the help it
    // showed: its native view starts empty.
    void Open(std::int32_t index) override;
    // Expands the composed help text for the story and shows it; a text that expands as the one shown
    // is not laid out anew.
    void SetHelpText(const std::string& text);

private:
    std::string shown_;
};
