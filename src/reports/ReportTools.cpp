#include "reports/ReportTools.h"

#include "app/FKDoc.h"
#include "app/StoryTools.h"
#include "framework/TAppl.h"
#include "reports/RepWindow.h"
#include "reports/ReportExport.h"
#include "reports/ReportTemplates.h"

ErrCode OpenReportWindow(FKDoc* story) {
    if (!story) return kNoErr;
    TAppl* application = story->GetApplication();
    if (TWindow* open = story->GetRepWindow()) {
        application->SelectWindow(open);
        return kNoErr;
    }
    auto* window = new RepWindow(application, story);
    window->BuildContents();
    window->Show();
    return kNoErr;
}

void InstallReportTools(StoryTools& tools) {
    tools.Install(StoryTool::kReports, [](FKDoc* story, std::int32_t) { return OpenReportWindow(story); });
    tools.Install(StoryTool::kExport, [](FKDoc* story, std::int32_t) { return ExportReport(story); });
    tools.Install(StoryTool::kExportScenewright,
                  [](FKDoc* story, std::int32_t) { return ExportSceneOutline(story); });
}
