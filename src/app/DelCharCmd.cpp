#include "app/DelCharCmd.h"

#include "app/FKDoc.h"
#include "app/FablCmds.h"
#include "characters/CastListView.h"
#include "foundation/Debug.h"
#include "framework/TWindow.h"
#include "query/data/CharacterQuestions.h"
#include "storymodel/CharacterManager.h"
#include "storymodel/SceneManager.h"
#include "storymodel/StoryApplication.h"

namespace {

// The cast list view the story keeps for the character window, by the window's class.
CastListView* CastViewOf(const FKDoc& story, const TWindow& window) {
    return window.IsKindOf(kCLWindowClassId) ? story.GetCharListCastView() : story.GetBuildCastView();
}

}  // namespace

bool DelCharCmd::IsEnabled(const TAppl& application) {
    const TWindow* front = application.GetFrontWindow();
    if (!front) return false;
    const ClassId kind = front->GetClassId();
    if (kind != kCLWindowClassId && kind != kBCWindowClassId) return false;
    const auto* story = dynamic_cast<const FKDoc*>(front->GetDocument());
    const CastListView* view = story ? CastViewOf(*story, *front) : nullptr;
    return view && view->HasSelection();
}

ErrCode DelCharCmd::Do() {
    TWindow* front = application_->GetFrontWindow();
    if (!front || !(front->IsKindOf(kCLWindowClassId) || front->IsKindOf(kBCWindowClassId))) {
        Beep();
        return kNoErr;
    }
    auto* story = dynamic_cast<FKDoc*>(front->GetDocument());
    if (!story) return kNoErr;
    const CastListView* view = CastViewOf(*story, *front);
    CharacterManager* characters = story->GetCharacterManager();
    if (!view || !view->HasSelection() || !characters) {
        Beep();
        return kNoErr;
    }
    const CharID id = view->GetSelectedCharacter();
    if (!characters->ConfirmDeleteCharacter(id)) return kNoErr;
    DeleteStoryCharacter(application_, *story, id);
    return kNoErr;
}

void DeleteStoryCharacter(TAppl* application, FKDoc& story, CharID id) {
    auto* commands = dynamic_cast<FablCmds*>(application);
    if (TWindow* build = story.GetBCWindow(); build && commands)
        commands->GetStoryTools().DropFromQuad(*build, id);
    if (IStoryApplication* owner = GetStoryApplication()) {
        const QueryStory query{&story, story.GetCharacterManager(), story.GetSceneManager(),
                               story.GetResponseRecord(), &story.GetQuestionStatus()};
        ForgetCharacterQuestions(owner->GetDataFile(), query, id);
    }
    if (CharacterManager* characters = story.GetCharacterManager()) characters->DeleteCharacter(id, true);
    if (SceneManager* scenes = story.GetSceneManager()) scenes->RemoveCharacter(id);
}
