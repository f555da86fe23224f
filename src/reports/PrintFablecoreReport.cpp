#include "reports/PrintFablecoreReport.h"

#include "app/FKDoc.h"
#include "app/Fablecore.h"
#include "app/PreferencesManager.h"
#include "foundation/pfm/PText.h"
#include "foundation/pfm/PTextTypes.h"
#include "framework/AppEnvironment.h"
#include "framework/BusyCursor.h"
#include "items/ItemList.h"
#include "reports/OutlineView.h"
#include "reports/ReportCatalogue.h"
#include "storymodel/SceneManager.h"

namespace {

// The hidden view: no frame, a vertical bar; made larger than any page.
constexpr std::uint16_t kHiddenViewFlags = 0x22;
const ShortRect kHiddenViewBounds = ShortRect::MakeLTRB(0, 0, 800, 600);

}  // namespace

PrintFablecoreReport::PrintFablecoreReport(ItemList* ownerList, void* value)
    : ownerList_(ownerList), value_(value) {}

PText* PrintFablecoreReport::GetReportOptions() {
    auto* application = dynamic_cast<Fablecore*>(GetAppl());
    PreferencesManager* preferences = application ? application->GetPreferencesManager() : nullptr;
    return preferences ? preferences->GetReportOptions() : nullptr;
}

void PrintFablecoreReport::Print(std::int16_t reportId) {
    if (!ownerList_) return;
    auto* view =
        new OutlineView(this, ownerList_, kHiddenViewFlags, &kHiddenViewBounds, 0, GetStandardColor(0));
    {
        const BusyCursor busy;
        const std::int32_t index = ownerList_->Append(view);
        view->Open(index);
        view->Hide();
        const std::int16_t showStorytelling = view->IsShowStorytelling();
        FKDoc* document = view->GetDocument();
        SceneManager* scenes = document ? document->GetSceneManager() : nullptr;
        view->SetShowStorytelling(scenes ? scenes->GetStorytellingMode() : 0);
        view->BeginReport();
        std::int16_t showBlankLines = 1;
        if (PText* options = GetReportOptions()) options->GetEntry("ShwBlkLn", kPTextShort, &showBlankLines);
        view->BuildReportSection(reportId, ReportTitle(reportId, document).c_str());
        view->FlushReportPage(showBlankLines == 0, 0, -1);
        view->SetShowStorytelling(showStorytelling);
    }
    status_ = view->PrintOrPreview(OutlineView::kPrint);
    view->Close();
    const std::int32_t at = ownerList_->IndexOf(view);
    if (at >= 0) {
        ownerList_->DeleteAt(at);
    } else {
        delete view;
    }
}
