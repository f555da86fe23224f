// The story's front end: its entries, and the command each one runs.

#include <cstddef>

#include "app/FEWindow.h"
#include "app/FKDoc.h"
#include "foundation/Debug.h"
#include "framework/StandardCommands.h"
#include "framework/TAppl.h"
#include "framework/TCommand.h"
#include "framework/TWindow.h"
#include "framework/graphics/RGBColor.h"

const FrontEndEntry kStoryFrontEnd[] = {
    {16000, 0, nullptr, nullptr},
    {16004, 1, "Plotpilot",
     "Step-by-step paths to creating your story.  Used with a structure template, it leads you along the "
     "whole path."},
    {16012, 1, "Help", "Need a few tips?  Look here for help, hints, and an online Fablecore theory book."},
    {16003, 1, "Open Story",
     "Opens existing story files such as your own work, example stories, and structure templates."},
    {16005, 1, "Characters", "Several tools that aid in creating and developing characters."},
    {16017, 1, "Plot Progression",
     "A tabular display of your story's four throughlines with Signposts and Journeys."},
    {16010, 1, "Theme Browser",
     "A graphical view of the Fablecore structural model and your story's thematic elements."},
    {16016, 1, "Dictionary", "Long and short definitions of Fablecore terms, synonyms, and more."},
    {16001, 1, "Query System", "Multiple choice and fill-in questions that help you form and tell your story."},
    {16006, 1, "Story Engine", "Direct master controls for creating a storyform.  For experienced users."},
    {16007, 1, "Story Points",
     "The complete list of your storyform's story points, from which your story can be developed."},
    {16008, 1, "Reports", "Several output formats for examining your story's structure."},
    {16011, 1, "Brainstorming",
     "Short of ideas?  We're not!  Give these tools a spin to help shake the gears loose."},
    {0, 0, nullptr, nullptr},
};

namespace {

// The entries' commands, in the order of the entries; Open Story's is queued.
constexpr std::int32_t kEntryCommands[] = {1280, 1301, kCmdOpenReplacing, 1287, 1313, 1304,
                                           1302, 1281, 1282,            1298, 1297, 1303};
constexpr std::int32_t kOpenStoryEntry = 2;

// Standard colour 0 behind the cells.
constexpr int kBackground = 0;

}  // namespace

StoryFrontEndView::StoryFrontEndView(FKDoc* document, ItemList* list, const ShortRect& bounds)
    : FrontEndView(document, kStoryFrontEnd, list, kHorzScrollBar | kVertScrollBar, &bounds, kFollowsWindowSize,
                   GetStandardColor(kBackground)) {}

std::int32_t StoryFrontEndView::CommandOf(std::int32_t index) {
    return index >= 0 && index < static_cast<std::int32_t>(std::size(kEntryCommands))
               ? kEntryCommands[static_cast<std::size_t>(index)]
               : 0;
}

void StoryFrontEndView::EntryChosen(std::int32_t index) {
    const std::int32_t command = CommandOf(index);
    TWindow* window = GetWindow();
    if (command == 0 || !window) return FrontEndView::EntryChosen(index);
    if (index == kOpenStoryEntry) {
        window->PostCommandId(command);
    } else if (TAppl* application = window->GetApplication()) {
        application->HandleCommand(command);
    }
}
