#include "reports/ReportExport.h"

#include "app/FKDoc.h"
#include "app/TextFileExport.h"
#include "foundation/pfm/PText.h"
#include "foundation/pfm/PTextTypes.h"
#include "reports/OutlineView.h"
#include "reports/RepWindow.h"
#include "reports/ReportComposer.h"
#include "reports/ReportText.h"
#include "storymodel/UserPrompts.h"
#include "storymodel/engine/StoryFormManager.h"

namespace {

constexpr const char* kNoReportText =
    "There is no report to export.  Choose the reports to export in the Reports window first.";

// The story's title as the writer typed it (still escaped), else (none, or only spaces) its file
// name.
std::string StoryTitle(FKDoc& story) {
    char title[256] = "";
    if (story.HasRecords()) story.GetInfoRecord().GetEntry("Title", kPTextText, title, sizeof title);
    return IsStoryTitle(title) ? std::string(title) : story.GetFileName();
}

}  // namespace

std::string ReportExportText(RepWindow& window) {
    if (window.IsStale()) window.BuildReports();
    const OutlineView* view = window.GetView();
    if (!view) return {};
    return PlainReportText(window.GetStory(), view->GetText(), !window.GetBlankLinesOption());
}

std::string SceneOutlineText(FKDoc& story) {
    ReportComposer composer(nullptr, &story, story.GetStoryFormManager(), story.GetSceneManager());
    composer.BuildSceneOutline(StoryTitle(story).c_str());
    return PlainReportText(&story, composer.GetText(), false);
}

ErrCode ExportReport(FKDoc* story) {
    auto* window = story ? dynamic_cast<RepWindow*>(story->GetRepWindow()) : nullptr;
    if (!window) return kNoErr;
    const std::string text = ReportExportText(*window);
    if (text.empty()) {
        UserPrompts().AlertMessage(kNoReportText, AlertIcon::kExclamation);
        return kNoErr;
    }
    FileRef file;
    if (AskTextFileToExport("Export Reports", ExportFileName(story->GetFileName(), " Reports"), file))
        WriteTextFile(file, text);
    return kNoErr;
}

ErrCode ExportSceneOutline(FKDoc* story) {
    if (!story) return kNoErr;
    const std::string text = SceneOutlineText(*story);
    FileRef file;
    if (AskTextFileToExport("Export to Scenewright", ExportFileName(story->GetFileName(), " Scenes"), file))
        WriteTextFile(file, text);
    return kNoErr;
}
