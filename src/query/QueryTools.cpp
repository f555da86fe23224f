#include "query/QueryTools.h"

#include "app/FKDoc.h"
#include "app/StoryTools.h"
#include "framework/TAppl.h"
#include "query/FQSPageFactory.h"
#include "query/FQSWindow.h"
#include "query/keywords/PageKeywords.h"

ErrCode OpenQueryWindow(FKDoc* story, std::int16_t startList) {
    if (!story) return -1;
    TAppl* application = story->GetApplication();
    if (TWindow* open = story->GetFQSWindow()) {
        application->SelectWindow(open);
        return kNoErr;
    }
    auto* window = new FQSWindow(startList, application, story, kChildMode, FQSWindow::kTitle, &ProgramPageFactory());
    window->BuildContents();
    window->Show();
    return kNoErr;
}

void InstallQueryTools(StoryTools& tools) {
    RegisterPageKeywords();
    tools.Install(StoryTool::kQuery, [](FKDoc* story, std::int32_t startList) {
        return OpenQueryWindow(story, static_cast<std::int16_t>(startList));
    });
    tools.SetQueryPageRefresher([](TWindow& window) {
        if (auto* query = dynamic_cast<FQSWindow*>(&window)) query->RefreshPage();
    });
}
