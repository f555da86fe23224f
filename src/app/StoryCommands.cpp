#include "app/StoryCommands.h"

#include <string>

#include "app/FKDoc.h"
#include "app/FablCmds.h"
#include "app/SplashAppearance.h"
#include "characters/CastListView.h"
#include "foundation/FileRef.h"
#include "foundation/TList.h"
#include "framework/Alerts.h"
#include "framework/TWindow.h"
#include "storymodel/BracketedBroadcaster.h"
#include "storymodel/CharacterFiles.h"
#include "storymodel/ExpandedTextWrap.h"
#include "storymodel/engine/StoryFormManager.h"
#include "storymodel/engine/StoryPointTable.h"

namespace {

// The document of the application's front window, when it is a story.
FKDoc* FrontWindowStory(const TAppl& application) {
    const TWindow* window = application.GetFrontWindow();
    return window ? dynamic_cast<FKDoc*>(window->GetDocument()) : nullptr;
}

}  // namespace

FKDoc* FrontStory(const TAppl& application) { return dynamic_cast<FKDoc*>(application.GetFrontDocument()); }

bool IsStoryInFront(const TAppl& application) { return FrontStory(application) != nullptr; }

CastListView* SelectedCastList(const TAppl& application) {
    const FKDoc* story = FrontStory(application);
    CastListView* view = story ? story->GetFrontCastList() : nullptr;
    return view && view->HasSelection() ? view : nullptr;
}

ErrCode AboutCmd::Do() {
    if (!SplashAppearance::Exists()) application_->ShowAboutBox();
    return kNoErr;
}

// The engine data is made when the program is built, so there is nothing to generate.
ErrCode FablaCmd1::Do() {
    FrontStory(*application_);
    return kNoErr;
}

// The story points without value rows lose their choices inside one bracket, so the story's windows
// hear the whole clearing once; the windows that cannot follow it close before.
ErrCode ClearStoryFormCmd::Do() {
    FKDoc* story = FrontWindowStory(*application_);
    if (!story || !story->GetStoryFormManager()) return kNoErr;
    if (AskYesNoCancel(kQuestion, 1, true) != kAnswerYes) return kNoErr;
    StoryFormManager* storyForm = story->GetStoryFormManager();
    {
        const BroadcasterBracket bracket(storyForm);
        static_cast<Fablecore*>(application_)->CloseStoryViews();
        application_->DrainQueue(kFirstQueue);
        const SList noValues;
        for (int index = 0; index < kStoryPointCount; ++index) {
            const StoryPointRecord* row = StoryPointAt(index);
            if (!row || row->kind >= kValueRow) continue;
            storyForm->SetChoiceAt(index, 0);
            storyForm->SetMultipleChoices(index, noValues);
        }
        story->SetStoryformCount(StoryFormManager::kAllStoryforms);
        // The structures no longer belong to a single storyform.
        story->RebuildThroughlines();
    }
    story->SetDirty();
    return kNoErr;
}

ErrCode ClearStorytellingCmd::Do() {
    FKDoc* story = FrontWindowStory(*application_);
    if (!story) return kNoErr;
    const std::string question = ExpandAndDecode(story, kQuestion);
    if (AskYesNoCancel(question.c_str(), 1, true) == kAnswerYes) story->ClearStorytelling();
    return kNoErr;
}

ErrCode CharImportCmd::Do() {
    FKDoc* story = FrontStory(*application_);
    if (!story) return kNoErr;
    FileRef file;
    if (AskCharacterFileToImport(file, false)) ImportCharacterFile(file, *story, kNoCharID);
    return kNoErr;
}

ErrCode CharExportCmd::Do() {
    FKDoc* story = FrontStory(*application_);
    const CastListView* view = SelectedCastList(*application_);
    if (!story || !view) return kNoErr;
    FileRef file;
    if (AskCharacterFileName(file)) ExportCharacterFile(file, view->GetSelectedCharacter(), *story);
    return kNoErr;
}

// --- the commands of other parts' windows

bool ExportCmd::IsEnabled(const TAppl& application) {
    const FKDoc* story = FrontStory(application);
    return story && story->GetRepWindow();
}

ErrCode ExportCmd::Do() { return IsEnabled(*application_) ? StoryToolCmd::Do() : kNoErr; }

StoryToolCmd::StoryToolCmd(TAppl* application, std::int32_t id, StoryTool tool, std::int32_t argument,
                           bool needsStory)
    : TCommand(application, id), tool_(tool), argument_(argument), needsStory_(needsStory) {}

const StoryTools& StoryToolCmd::Tools() const {
    return static_cast<const FablCmds*>(application_)->GetStoryTools();
}

ErrCode StoryToolCmd::Open(FKDoc* story, std::int32_t argument) const {
    return Tools().Open(tool_, story, argument);
}

ErrCode StoryToolCmd::OpenForSelectedCharacter() const {
    FKDoc* story = FrontStory(*application_);
    const CastListView* view = SelectedCastList(*application_);
    if (!story || !view) return kNoErr;
    return Open(story, view->GetSelectedCharacter());
}

ErrCode StoryToolCmd::Do() {
    FKDoc* story = FrontStory(*application_);
    if (needsStory_ && !story) return kNoErr;
    return Open(story, argument_);
}

FQSCmd::FQSCmd(TAppl* application, std::int32_t id, std::int16_t startPage)
    : StoryToolCmd(application, id, StoryTool::kQuery, startPage) {}

// The pronoun question follows the query window's opening, and comes only when there is a query
// window to open.
ErrCode FQSCmd::Do() {
    FKDoc* story = FrontStory(*application_);
    if (!story) return -1;
    const bool opens = Tools().IsInstalled(GetTool());
    const ErrCode result = Open(story, GetArgument());
    if (opens) static_cast<Fablecore*>(application_)->AskPronounGender();
    return result;
}

CharInfoCmd::CharInfoCmd(TAppl* application)
    : StoryToolCmd(application, kNoCommandId, StoryTool::kCharacterInfo) {}

ErrCode CharInfoCmd::Do() { return OpenForSelectedCharacter(); }

PictureCmd::PictureCmd(TAppl* application)
    : StoryToolCmd(application, kCmdCharacterPicture, StoryTool::kCharacterPicture) {}

ErrCode PictureCmd::Do() { return OpenForSelectedCharacter(); }

SpinCmd::SpinCmd(TAppl* application, std::int32_t id, std::int16_t page)
    : StoryToolCmd(application, id, StoryTool::kBrainstorming, page) {}

ErrCode SpinCmd::Do() {
    FKDoc* story = FrontStory(*application_);
    if (!story) return -1;
    return Open(story, GetArgument());
}
