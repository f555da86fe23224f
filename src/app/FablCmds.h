#pragma once
// The program's one application object: the story application with its menu bar (built in code),
// its command factory, which turns every menu id into a command, its command enabler, which
// greys what cannot run now, the window-group closers, the story documents and the splash screen
// and about box.
//
// Before one of the large story windows opens, the factory closes the windows of the same story
// that would compete with it (through the first command queue, so they close after the new one
// opened); when the wanted window is open already, it comes to the front instead. The windows of
// the query system, reports, character tools and story windows are reached through the
// application's StoryTools, where those parts of the program install them.

#include <cstdint>
#include <memory>

#include "app/Fablecore.h"
#include "app/StoryTools.h"

class FKDoc;
class TCommand;
class TWindow;

class FablCmds : public Fablecore {
public:
    explicit FablCmds(AppEnvironment* environment);
    ~FablCmds() override;

    // --- TAppl

    // The story application's ids (1279-1319), Paste and Print Preview; other ids the framework's.
    bool CommandEnabled(std::int32_t id) override;
    // Queues New on the second queue: a new story once the program runs.
    ErrCode NewAtStartup(std::int16_t flag) override;
    // The story application's about box, unless it (or the splash screen) shows already, or Ctrl
    // and Alt are held down.
    void ShowAboutBox() override;
    // File, Edit, Storyforming, Character, Storytelling, Tools, Window and Help.
    void BuildMenus() override;
    // The command of the id: the story application's, else the framework's; null when none runs.
    std::unique_ptr<TCommand> CreateCommand(std::int32_t id) override;
    // A story document.
    TDoc* CreateDocument() override;
    // A character file goes into the front story (a new one when none is open); true when the file
    // was one.
    bool ImportFile(const FileRef& file) override;

    // --- Fablecore

    void CloseStoryViews() override;
    void CloseStoryViewsAndPlot() override;
    void OnSplashShown(ErrCode /*status*/) override {}
    void CloseQueryAndPlot() override;
    // Shows the splash screen, which goes two seconds after the first drain of the second queue.
    void ShowSplashScreen() override;

    // --- single-window closers: each queues the closing of that window of the front story, when
    // it is open

    void CloseQueryWindow();
    void CloseReportWindow();
    void CloseCharacterListWindow();
    void CloseStoryPointsWindow();
    void CloseBrainstormingWindow();
    void ClosePlotProgressionWindow();

    // The front story document, or null.
    FKDoc* GetFrontStory() const;
    // Where the windows of the other parts of the program are installed.
    StoryTools& GetStoryTools() { return tools_; }
    const StoryTools& GetStoryTools() const { return tools_; }

private:
    // Queues the closing of the window (null: nothing).
    void QueueClose(TWindow* window);
    // Brings the window to the front; false (nothing done) for null.
    bool BringToFront(TWindow* window);
    // Paste: a bitmap on the clipboard becomes the selected character's picture; then the ordinary
    // paste.
    std::unique_ptr<TCommand> CreatePasteCommand();
    // Set Font: the front window that keeps a font of its own asks for it.
    void ChooseFrontWindowFont();
    // The window whose font Set Font chooses, or null.
    TWindow* FontWindow() const;
    // Help Topics: the program's user guide.
    void ShowHelpTopics();

    StoryTools tools_;
};
