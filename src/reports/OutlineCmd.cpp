#include "reports/OutlineCmd.h"

#include "app/FKDoc.h"
#include "framework/TAppl.h"
#include "reports/RepWindow.h"
#include "reports/ReportTemplates.h"

namespace {

FKDoc* FrontStory(TAppl* application) {
    return application ? dynamic_cast<FKDoc*>(application->GetFrontDocument()) : nullptr;
}

}  // namespace

bool OutlineCmd::IsAvailable(TAppl* application) { return FrontStory(application) != nullptr; }

ErrCode OutlineCmd::Do() {
    FKDoc* story = FrontStory(application_);
    if (!story) return kNoErr;
    if (TWindow* open = story->GetRepWindow()) {
        application_->SelectWindow(open);
        return kNoErr;
    }
    auto* window = new RepWindow(application_, story);
    window->BuildContents();
    window->Show();
    return kNoErr;
}
