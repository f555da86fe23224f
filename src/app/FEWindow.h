#pragma once
// The story's front end: the first window of every story, a panel of picture buttons, one per main
// tool of the program. Its title is the story file's name and the story's title; it sizes itself in
// whole cells of its panel, and closing it closes the story.

#include <cstdint>

#include "app/FrontEndView.h"
#include "framework/TWindow.h"

class FKDoc;
class TAppl;

// The story front end's entries: the cell picture, then one entry per tool.
extern const FrontEndEntry kStoryFrontEnd[];

// The story front end's panel: each entry runs its command as if chosen from the menu bar.
class StoryFrontEndView : public FrontEndView {
public:
    StoryFrontEndView(FKDoc* document, ItemList* list, const ShortRect& bounds);
    // The entry's command, run at once; Open Story goes through the window's command queue.
    void EntryChosen(std::int32_t index) override;
    // The command of each entry; 0 for none.
    static std::int32_t CommandOf(std::int32_t index);
};

class FEWindow : public TWMWindow {
    TOBJECT_CLASS(FEWindow, TWMWindow, 162)

public:
    // Made at the rectangle, hidden, without contents.
    FEWindow(TAppl* application, FKDoc* document, const ShortRect& rect, std::int32_t mode, const char* title);

    // The panel, filling the window, and the window sized to the frame's client area.
    void BuildContents() override;
    // "file name - story title".
    void UpdateTitle() override;
    // Sizes snap to whole cells of the panel.
    std::int16_t ConstrainWindowPos(WindowPosRecord& record) override;
    // The window keeps the place it is given.
    std::int16_t GetDefaultRect(ShortRect& /*rect*/) override { return 0; }
    // One cell and the scroll bars.
    ShortPoint GetMinTrackSize() override;

    FrontEndView* GetView() const { return view_; }

private:
    FrontEndView* view_ = nullptr;
};
