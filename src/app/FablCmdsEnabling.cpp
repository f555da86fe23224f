// The command enabler: which of the story application's commands can run now, by the front window
// and its story. Commands with an enabling test of their own answer by it, as the factory does.

#include "app/DelCharCmd.h"
#include "app/FKDoc.h"
#include "app/FablCmds.h"
#include "app/SplashAppearance.h"
#include "app/StoryCommands.h"
#include "characters/CastListView.h"
#include "framework/QRVClipBoard.h"
#include "framework/TCommand.h"
#include "framework/TWindow.h"
#include "platform/ui/Clipboard.h"

namespace {

// Paste in a story: the Build Characters window and windows without a cast list paste as the
// framework does; a cast list pastes a bitmap onto its selected character.
bool StoryPasteEnabled(FablCmds& application, const FKDoc& story) {
    CastListView* view = story.GetFrontCastList();
    if (application.GetFrontWindow() == story.GetBCWindow() || !view) return application.PasteEnabled();
    const QRVClipBoard* pictures = application.GetPictureClipboard();
    return view->HasSelection() && pictures && pictures->HasData() &&
           pictures->IsFormatAvailable(win::CF_BITMAP);
}

}  // namespace

bool FablCmds::CommandEnabled(std::int32_t id) {
    const FKDoc* story = GetFrontStory();
    const bool storyInFront = story != nullptr;
    switch (id) {
        case kCmdPaste: return story && StoryPasteEnabled(*this, *story);
        case kCmdStoryAbout: return !SplashAppearance::Exists();
        case kCmdPlotpilot:
        case kCmdQuerySystem:
        case kCmdClearStoryform:
        case kCmdBuildStoryExamples:
        case kCmdComments:
        case kCmdClearStorytelling:
        case kCmdSpinTheModel:
        case kCmdExportScenewright:
        case kCmdDesktop:
        case kCmdPlotProgression:
        case kCmdCharacterGenerator: return storyInFront;
        case kCmdStoryEngine: return CPanel::IsAvailable(*this);
        case kCmdGenerateStoryEngine:
        case kCmdHelpTopics:
        case kCmdThemeBrowser:
        case kCmdUnused1306: return true;
        case kCmdCharacterList: return CastListCmd::IsAvailable(*this);
        case kCmdCreateCharacter: return NewCharCmd::IsAvailable(*this);
        case kCmdDeleteCharacter: return DelCharCmd::IsEnabled(*this);
        case kCmdCharacterInfo: return CharInfoCmd::IsEnabled(*this);
        case kCmdCharacterPicture: return PictureCmd::IsEnabled(*this);
        case kCmdBuildCharacters: return BuildChrCmd::IsAvailable(*this);
        case kCmdMainAndImpact: return MainObstCmd::IsAvailable(*this);
        case kCmdCasting: return CastingCmd::IsAvailable(*this);
        case kCmdStoryInfo: return SInfoCmd::IsAvailable(*this);
        case kCmdReports: return OutlineCmd::IsAvailable(*this);
        case kCmdStoryPoints: return StoryPntsCmd::IsAvailable(*this);
        case kCmdDictionary: return DictionaryCmd::IsEnabled(*this);
        case kCmdExport: return ExportCmd::IsEnabled(*this);
        case kCmdPreferences: return PREFCmd::IsEnabled(*this);
        case kCmdSetFont: return FontWindow() != nullptr;
        case kCmdReportOptions: return RepOptionsCmd::IsEnabled(*this);
        case kCmdImportCharacter: return CharImportCmd::IsEnabled(*this);
        case kCmdExportCharacter: return CharExportCmd::IsEnabled(*this);
        case kCmdUnused1283:
        case kCmdUnused1309:
        case kCmdUnused1310:
        case kCmdNotImplemented: return false;
        default: return TAppl::CommandEnabled(id);
    }
}
