#include "app/FablCmds.h"

#include <memory>
#include <string>

#include "app/AboutBoxDialog.h"
#include "app/FKDoc.h"
#include "app/PrefsWindow.h"
#include "app/SplashAppearance.h"
#include "app/SplashScreen.h"
#include "app/StoryCommands.h"
#include "framework/Alerts.h"
#include "framework/TWindow.h"
#include "platform/ui/Input.h"
#include "platform/ui/VirtualKeys.h"
#include "storymodel/CharacterFiles.h"

namespace {

bool IsPhysicallyDown(int key) { return (win::GetAsyncKeyState(key) & 0x8000) != 0; }

}  // namespace

// The preferences window is the story application's own tool.
FablCmds::FablCmds(AppEnvironment* environment) : Fablecore(environment) {
    tools_.Install(StoryTool::kPreferences, [](FKDoc* story, std::int32_t page) {
        return OpenPreferencesWindow(story, static_cast<std::int16_t>(page));
    });
}

FablCmds::~FablCmds() = default;

ErrCode FablCmds::NewAtStartup(std::int16_t /*flag*/) {
    if (std::unique_ptr<TCommand> command = CreateCommand(kCmdNew))
        PostCommand(std::move(command), kSecondQueue);
    return kNoErr;
}

void FablCmds::ShowAboutBox() {
    if (SplashAppearance::Exists()) return;
    if (IsPhysicallyDown(win::VK_CONTROL) && IsPhysicallyDown(win::VK_MENU)) return;
    if ((new AboutBoxDialog)->DoModal() != -1) return;
    // Without its items (a damaged data file) the box cannot be made: its texts in a note.
    const std::string text = GetAppName() + "\n" + ReadInfoText("Copyright");
    AlertMessage(text.c_str(), kAlertNote, 1);
}

TDoc* FablCmds::CreateDocument() { return new FKDoc(this); }

// Also when no story could be made, or the import failed (it said why), the file was taken.
bool FablCmds::ImportFile(const FileRef& file) {
    if (!IsCharacterFile(file)) return false;
    if (!GetFrontDocument()) NewDocument(false);
    if (FKDoc* story = GetFrontStory()) {
        if (ImportCharacterFile(file, *story, kNoCharID))
            AlertMessage("Fablecore Character File was imported.", kAlertNote, 1);
    }
    return true;
}

void FablCmds::ShowSplashScreen() { BeginSplashScreen(this).Do(); }

FKDoc* FablCmds::GetFrontStory() const { return FrontStory(*this); }

// --- closers

void FablCmds::QueueClose(TWindow* window) {
    if (window) PostCommand(std::make_unique<CmdAppCloseWindow>(this, window, false), kFirstQueue);
}

bool FablCmds::BringToFront(TWindow* window) {
    if (!window) return false;
    SelectWindow(window);
    return true;
}

// The query window keeps what its page shows before it goes.
void FablCmds::CloseQueryWindow() {
    const FKDoc* story = GetFrontStory();
    TWindow* query = story ? story->GetFQSWindow() : nullptr;
    if (!query) return;
    tools_.RefreshQueryPage(*query);
    QueueClose(query);
}

void FablCmds::CloseReportWindow() {
    if (const FKDoc* story = GetFrontStory()) QueueClose(story->GetRepWindow());
}

void FablCmds::CloseCharacterListWindow() {
    if (const FKDoc* story = GetFrontStory()) QueueClose(story->GetCLWindow());
}

void FablCmds::CloseStoryPointsWindow() {
    if (const FKDoc* story = GetFrontStory()) QueueClose(story->GetSPWindow());
}

void FablCmds::CloseBrainstormingWindow() {
    if (const FKDoc* story = GetFrontStory()) QueueClose(story->GetBrainsWindow());
}

void FablCmds::ClosePlotProgressionWindow() {
    if (const FKDoc* story = GetFrontStory()) QueueClose(story->GetPlotViewWindow());
}

void FablCmds::CloseStoryViews() {
    CloseReportWindow();
    CloseStoryPointsWindow();
    CloseBrainstormingWindow();
}

void FablCmds::CloseStoryViewsAndPlot() {
    CloseStoryViews();
    ClosePlotProgressionWindow();
}

void FablCmds::CloseQueryAndPlot() {
    CloseQueryWindow();
    ClosePlotProgressionWindow();
}
