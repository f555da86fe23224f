// The command factory: every id the story application answers for becomes its command here, after
// the story windows that would compete with the command's window are queued to close. An id whose
// test fails, whose window only comes to the front, or that acts at once (Help Topics, Set Font,
// Desktop) goes to the framework's factory, which makes nothing for the story application's ids.

#include <memory>
#include <string>

#include "app/CompileCmd.h"
#include "app/DelCharCmd.h"
#include "app/FEWindow.h"
#include "app/FKDoc.h"
#include "app/FablCmds.h"
#include "app/StoryCommands.h"
#include "characters/CastListView.h"
#include "framework/Alerts.h"
#include "framework/QRVClipBoard.h"
#include "framework/StandardCommands.h"
#include "framework/TWindow.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/Shell.h"

std::unique_ptr<TCommand> FablCmds::CreateCommand(std::int32_t id) {
    if (id == kCmdPaste) return CreatePasteCommand();
    if (id < kFirstStoryCommand || id > kLastStoryCommand) return TAppl::CreateCommand(id);
    const FKDoc* story = GetFrontStory();
    switch (id) {
        case kCmdStoryAbout: return std::make_unique<AboutCmd>(this);
        case kCmdPlotpilot:
        case kCmdQuerySystem:
            if (!story) break;
            CloseCharacterListWindow();
            CloseReportWindow();
            CloseStoryPointsWindow();
            CloseBrainstormingWindow();
            if (BringToFront(story->GetFQSWindow())) break;
            return std::make_unique<FQSCmd>(this, id,
                                            id == kCmdPlotpilot ? kPlotpilotStartPage : kQueryStartPage);
        case kCmdStoryEngine:
            if (!CPanel::IsAvailable(*this)) break;
            CloseStoryViews();
            return std::make_unique<CPanel>(this);
        case kCmdClearStoryform:
            if (!story) break;
            return std::make_unique<ClearStoryFormCmd>(this);
        case kCmdBuildStoryExamples: return std::make_unique<CompileCmd>(this);
        case kCmdGenerateStoryEngine:
            if (!story) break;
            CloseStoryViews();
            return std::make_unique<FablaCmd1>(this);
        case kCmdCharacterList:
            if (!CastListCmd::IsAvailable(*this)) break;
            CloseQueryWindow();
            CloseReportWindow();
            CloseStoryPointsWindow();
            if (BringToFront(story->GetCLWindow())) break;
            return std::make_unique<CastListCmd>(this);
        case kCmdCreateCharacter:
            if (!NewCharCmd::IsAvailable(*this)) break;
            return std::make_unique<NewCharCmd>(this);
        case kCmdDeleteCharacter:
            if (!DelCharCmd::IsEnabled(*this)) break;
            return std::make_unique<DelCharCmd>(this);
        case kCmdCharacterInfo:
            if (!CharInfoCmd::IsEnabled(*this)) break;
            return std::make_unique<CharInfoCmd>(this);
        case kCmdCharacterPicture:
            if (!PictureCmd::IsEnabled(*this)) break;
            return std::make_unique<PictureCmd>(this);
        case kCmdBuildCharacters:
            if (!BuildChrCmd::IsAvailable(*this)) break;
            CloseQueryWindow();
            CloseReportWindow();
            CloseStoryPointsWindow();
            if (BringToFront(story->GetBCWindow())) break;
            return std::make_unique<BuildChrCmd>(this);
        case kCmdMainAndImpact:
            if (!MainObstCmd::IsAvailable(*this)) break;
            CloseStoryViews();
            return std::make_unique<MainObstCmd>(this);
        case kCmdCasting:
            if (!CastingCmd::IsAvailable(*this) || BringToFront(story->GetCastingWindow())) break;
            return std::make_unique<CastingCmd>(this);
        case kCmdStoryInfo:
            if (!SInfoCmd::IsAvailable(*this)) break;
            return std::make_unique<SInfoCmd>(this);
        case kCmdComments:
            if (!story || BringToFront(story->GetCommentWindow())) break;
            return std::make_unique<COMMENTCmd>(this);
        case kCmdReports:
            if (!OutlineCmd::IsAvailable(*this)) break;
            CloseCharacterListWindow();
            CloseQueryWindow();
            CloseStoryPointsWindow();
            CloseBrainstormingWindow();
            if (BringToFront(story->GetRepWindow())) break;
            return std::make_unique<OutlineCmd>(this);
        case kCmdStoryPoints:
            if (!StoryPntsCmd::IsAvailable(*this)) break;
            CloseCharacterListWindow();
            CloseQueryWindow();
            CloseReportWindow();
            CloseBrainstormingWindow();
            if (BringToFront(story->GetSPWindow())) break;
            return std::make_unique<StoryPntsCmd>(this);
        case kCmdClearStorytelling:
            if (!story) break;
            return std::make_unique<ClearStorytellingCmd>(this);
        case kCmdHelpTopics: ShowHelpTopics(); break;
        case kCmdDictionary: return std::make_unique<DictionaryCmd>(this);
        case kCmdSpinTheModel:
            CloseQueryWindow();
            CloseReportWindow();
            CloseStoryPointsWindow();
            return std::make_unique<SpinCmd>(this);
        case kCmdThemeBrowser: return std::make_unique<BrowseStructureCmd>(this);
        // The export commands run only as the menu enables them.
        case kCmdExport:
            if (!ExportCmd::IsEnabled(*this)) break;
            return std::make_unique<ExportCmd>(this);
        case kCmdExportScenewright:
            if (!story) break;
            return std::make_unique<ScenewrightExportCmd>(this);
        case kCmdPreferences:
            if (!PREFCmd::IsEnabled(*this)) break;
            return std::make_unique<PREFCmd>(this);
        case kCmdSetFont: ChooseFrontWindowFont(); break;
        case kCmdDesktop:
            if (story) BringToFront(story->GetFrontEndWindow());
            break;
        case kCmdPlotProgression:
            if (!story || BringToFront(story->GetPlotViewWindow())) break;
            return std::make_unique<PlotViewCmd>(this);
        case kCmdCharacterGenerator: return std::make_unique<CharGenCmd>(this);
        case kCmdReportOptions:
            if (!RepOptionsCmd::IsEnabled(*this)) break;
            return std::make_unique<RepOptionsCmd>(this);
        case kCmdImportCharacter: return std::make_unique<CharImportCmd>(this);
        case kCmdExportCharacter: return std::make_unique<CharExportCmd>(this);
        case kCmdNotImplemented: ShowNotImplemented(); break;
        default: break;
    }
    return TAppl::CreateCommand(id);
}

// Outside the Build Characters window, a character selected in the front cast list takes a bitmap
// on the clipboard as its picture; the ordinary paste follows in every case.
std::unique_ptr<TCommand> FablCmds::CreatePasteCommand() {
    const FKDoc* story = GetFrontStory();
    const TWindow* front = GetFrontWindow();
    CastListView* view = story && front != story->GetBCWindow() ? story->GetFrontCastList() : nullptr;
    if (!view) return std::make_unique<EditPaste>(this);
    const QRVClipBoard* pictures = GetPictureClipboard();
    if (view->HasSelection() && pictures && pictures->HasData() &&
        pictures->IsFormatAvailable(win::CF_BITMAP))
        view->PastePicture();
    return TAppl::CreateCommand(kCmdPaste);
}

// The dictionary and the story element browser keep a font of their own, and so do these windows of
// the front story.
TWindow* FablCmds::FontWindow() const {
    TWindow* front = GetFrontWindow();
    if (!front) return nullptr;
    if (tools_.IsDictionary(*front) || front == tools_.GetOpenBrowser()) return front;
    const FKDoc* story = GetFrontStory();
    if (!story) return nullptr;
    for (const TWindow* window : {story->GetFQSWindow(), story->GetRepWindow(), story->GetExploreWindow(),
                                  story->GetCommentWindow(), story->GetBCWindow(), story->GetSPWindow()}) {
        if (window && window == front) return front;
    }
    return nullptr;
}

void FablCmds::ChooseFrontWindowFont() {
    if (auto* window = dynamic_cast<IWindowFontChoice*>(FontWindow())) window->ChooseWindowFont();
}

void FablCmds::ShowHelpTopics() {
    const std::string help = GetProgramVolume() + GetProgramDirectory() + kHelpFileName;
    const std::string guide = win::HelpGuidePath(help.c_str());
    if (guide.empty()) {
        const std::string text = "The user guide cannot be shown: there is no file '" +
                                 help.substr(0, help.rfind('.')) + ".html'.";
        AlertMessage(text.c_str(), kAlertStop, 1);
    } else if (!win::WinHelpA(GetFrameWindow(), help.c_str(), win::HELP_FINDER, 0)) {
        const std::string text = "The user guide '" + guide +
                                 "' cannot be shown: the desktop has no program to open it (xdg-open).";
        AlertMessage(text.c_str(), kAlertStop, 1);
    }
}
