#include "storywindows/StoryWindowTools.h"

#include "app/FKDoc.h"
#include "app/StoryTools.h"
#include "framework/AppEnvironment.h"
#include "storywindows/BrainsWindow.h"
#include "storywindows/CPanelDlog.h"
#include "storywindows/CommentWindow.h"
#include "storywindows/DictionaryWindow.h"
#include "storywindows/PlotViewWindow.h"
#include "storywindows/SInfoDlog.h"
#include "storywindows/SPWindow.h"
#include "storywindows/StoryElementBrowser.h"

void InstallStoryWindowTools(StoryTools& tools) {
    tools.Install(StoryTool::kStoryEngine,
                  [](FKDoc* story, std::int32_t) { return RunStoryEnginePanel(story); });
    tools.Install(StoryTool::kStoryInfo,
                  [](FKDoc* story, std::int32_t) { return RunStoryInfoDialog(story); });
    tools.Install(StoryTool::kComments, [](FKDoc* story, std::int32_t) { return OpenCommentWindow(story); });
    tools.Install(StoryTool::kStoryPoints,
                  [](FKDoc* story, std::int32_t) { return OpenStoryPointsWindow(story); });
    tools.Install(StoryTool::kDictionary,
                  [](FKDoc*, std::int32_t) { return OpenDictionaryWindow(GetAppl()); });
    tools.SetDictionaryTest(
        [](const TWindow& window) { return dynamic_cast<const DictionaryWindow*>(&window) != nullptr; });
    tools.Install(StoryTool::kThemeBrowser,
                  [](FKDoc*, std::int32_t) { return OpenStoryElementBrowser(GetAppl()); });
    tools.SetBrowserFinder([]() -> TWindow* { return FindStoryElementBrowser(GetAppl()); });
    tools.Install(StoryTool::kBrainstorming,
                  [](FKDoc* story, std::int32_t page) { return OpenBrainsWindow(story, page); });
    tools.Install(StoryTool::kPlotProgression,
                  [](FKDoc* story, std::int32_t) { return OpenPlotViewWindow(story); });
}
