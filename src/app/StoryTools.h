#pragma once
// The windows and dialogs of the query system, the reports, the character tools and the story
// windows, as the story application's commands reach them. The part of the program that owns a
// window installs here, once at start-up, what opens it; the command then opens it through Open.
// A command whose window nobody installed tells the writer that it is not implemented in this
// version, and does nothing else.
//
// Besides the openers, a few questions the application's commands ask of those windows are
// installed the same way; each has a sound answer while nothing is installed (no browser is open,
// no window is a dictionary, nothing to store or drop).

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>

#include "foundation/Types.h"
#include "storymodel/CharID.h"

class FKDoc;
class TWindow;

enum class StoryTool : int {
    kQuery,             // the query window, at a start page
    kStoryEngine,       // the story engine panel (modal)
    kCharacterList,     // the character list window
    kNewCharacter,      // the new character dialog (modal)
    kCharacterInfo,     // the character dialog of one character, by its id (modal)
    kCharacterPicture,  // a bitmap file as the selected character's picture
    kBuildCharacters,   // the Build Characters window
    kMainAndImpact,     // the main and impact character set-up (modal)
    kCasting,           // the casting window
    kStoryInfo,         // the story information dialog (modal)
    kComments,          // the comments window
    kReports,           // the report window
    kStoryPoints,       // the story points window
    kPlotProgression,   // the plot progression window
    kBrainstorming,     // the brainstorming tools, at a page
    kDictionary,        // the dictionary (the program's own, no story)
    kThemeBrowser,      // the story element browser (the program's own, no story)
    kPreferences,       // the preferences window, at an area
    kExport,            // the open report's text written to a file
    kExportScenewright  // the story's scenes written to a file as an outline
};
inline constexpr std::size_t kStoryToolCount = static_cast<std::size_t>(StoryTool::kExportScenewright) + 1;

// The text that a command of a window not in this version shows.
inline constexpr const char* kNotImplementedText = "Command not yet Implemented in this version.";
// Shows it (stop icon, one button).
void ShowNotImplemented();

// Opens the tool for the story (null for the program's own tools) with the argument (a start page,
// an area or a character id; 0 when the tool takes none); answers the command's status.
using StoryToolOpener = std::function<ErrCode(FKDoc* story, std::int32_t argument)>;

class StoryTools {
public:
    // Installs (or, with an empty opener, removes) what opens the tool.
    void Install(StoryTool tool, StoryToolOpener opener);
    bool IsInstalled(StoryTool tool) const;
    // Runs the tool's opener; without one, ShowNotImplemented and 0.
    ErrCode Open(StoryTool tool, FKDoc* story, std::int32_t argument) const;

    // The query window stores the values of the page it shows, before it is closed.
    void SetQueryPageRefresher(std::function<void(TWindow& queryWindow)> refresher);
    void RefreshQueryPage(TWindow& queryWindow) const;
    // The one open story element browser, or null.
    void SetBrowserFinder(std::function<TWindow*()> finder);
    TWindow* GetOpenBrowser() const;
    // Whether a window is a dictionary window.
    void SetDictionaryTest(std::function<bool(const TWindow&)> test);
    bool IsDictionary(const TWindow& window) const;
    // The Build Characters window drops the character from its quad view (every place holding it
    // is cleared and drawn again).
    void SetQuadDropper(std::function<void(TWindow& buildWindow, CharID id)> dropper);
    void DropFromQuad(TWindow& buildWindow, CharID id) const;

private:
    std::array<StoryToolOpener, kStoryToolCount> openers_;
    std::function<void(TWindow&)> refreshQueryPage_;
    std::function<TWindow*()> findBrowser_;
    std::function<bool(const TWindow&)> isDictionary_;
    std::function<void(TWindow&, CharID)> dropFromQuad_;
};

// A window whose font the writer can choose with Set Font: it asks for the font, keeps it in its
// preferences and shows its text in it.
class IWindowFontChoice {
public:
    virtual ~IWindowFontChoice() = default;
    virtual void ChooseWindowFont() = 0;
};
