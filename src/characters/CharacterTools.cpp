#include "characters/CharacterTools.h"

#include "app/FKDoc.h"
#include "app/StoryTools.h"
#include "characters/BCWindow.h"
#include "characters/CLWindow.h"
#include "characters/CastingWindow.h"
#include "characters/CharacterPictureImport.h"
#include "characters/MainObstDlog.h"
#include "characters/NewCharDlog.h"
#include "framework/TAppl.h"

namespace {

template <typename Window>
ErrCode OpenWindow(FKDoc* story, TWindow* open) {
    if (!story) return kNoErr;
    TAppl* application = story->GetApplication();
    if (open) {
        application->SelectWindow(open);
        return kNoErr;
    }
    auto* window = new Window(application, story);
    window->BuildContents();
    window->Show();
    return kNoErr;
}

// A new character is selected in the story's front cast list, so that the commands act on it next.
ErrCode CreateCharacter(FKDoc* story) {
    const CharID id = RunCharacterDialog(story, kNoCharID);
    auto* view = story && id != kNoCharID ? dynamic_cast<StoryCastList*>(story->GetFrontCastList()) : nullptr;
    if (view) view->SelectCharacter(id);
    return kNoErr;
}

}  // namespace

ErrCode OpenCharacterList(FKDoc* story) {
    return OpenWindow<CLWindow>(story, story ? story->GetCLWindow() : nullptr);
}

ErrCode OpenBuildCharacters(FKDoc* story) {
    return OpenWindow<BCWindow>(story, story ? story->GetBCWindow() : nullptr);
}

ErrCode OpenCasting(FKDoc* story) {
    return OpenWindow<CastingWindow>(story, story ? story->GetCastingWindow() : nullptr);
}

void InstallCharacterTools(StoryTools& tools) {
    tools.Install(StoryTool::kCharacterList,
                  [](FKDoc* story, std::int32_t) { return OpenCharacterList(story); });
    tools.Install(StoryTool::kNewCharacter,
                  [](FKDoc* story, std::int32_t) { return CreateCharacter(story); });
    tools.Install(StoryTool::kCharacterInfo, [](FKDoc* story, std::int32_t id) {
        RunCharacterDialog(story, static_cast<CharID>(id));
        return kNoErr;
    });
    tools.Install(StoryTool::kCharacterPicture, [](FKDoc* story, std::int32_t id) {
        return AskCharacterPicture(story, static_cast<CharID>(id));
    });
    tools.Install(StoryTool::kBuildCharacters,
                  [](FKDoc* story, std::int32_t) { return OpenBuildCharacters(story); });
    tools.Install(StoryTool::kMainAndImpact, [](FKDoc* story, std::int32_t) {
        RunMainObstDialog(story);
        return kNoErr;
    });
    tools.Install(StoryTool::kCasting, [](FKDoc* story, std::int32_t) { return OpenCasting(story); });
    tools.SetQuadDropper([](TWindow& window, CharID id) {
        if (auto* build = dynamic_cast<BCWindow*>(&window)) build->DropCharacter(id);
    });
}
