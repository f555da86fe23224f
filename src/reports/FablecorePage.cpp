#include "reports/FablecorePage.h"

#include <cstdio>
#include <memory>
#include <string>

#include "app/Fablecore.h"
#include "app/PreferencesManager.h"
#include "framework/AppEnvironment.h"
#include "items/printing/PrintableShapes.h"
#include "items/printing/PrintingEnvironment.h"
#include "reports/FablecoreBanner.h"
#include "reports/FablecoreReport.h"

namespace {

PreferencesManager* Preferences() {
    auto* application = dynamic_cast<Fablecore*>(GetAppl());
    return application ? application->GetPreferencesManager() : nullptr;
}

void CopyPattern(const std::string& pattern, char (&buffer)[ReportPagePatterns::kPatternSize]) {
    std::snprintf(buffer, sizeof buffer, "%s", pattern.c_str());
}

}  // namespace

ReportPagePatterns::ReportPagePatterns() {
    PreferencesManager* preferences = Preferences();
    CopyPattern(preferences ? preferences->GetReportFooter() : PreferencesManager::kDefaultFooter, footer);
    CopyPattern(preferences ? preferences->GetReportHeader() : PreferencesManager::kDefaultHeader, header);
}

FablecorePage::FablecorePage(PrintingEnvironment* environment, PrintablePtr body, IStoryDocument* document,
                             const win::LOGFONTA& font, const char* title)
    : PrintablePage(environment,
                    std::make_unique<FablecoreBanner>(environment, header, font, document, title),
                    std::make_unique<FablecoreBanner>(environment, footer, font, document, title),
                    body ? std::make_unique<PrintableInset>(std::move(body), 0, kBodyInset) : nullptr) {}

ProgressPtr FablecorePage::Print(const LongRect& area, ProgressPtr progress, LongPoint& size,
                                 std::int32_t& placed) {
    if (numbering_ && !progress) {
        if (numberedRun_ != numbering_->run) {
            numberedRun_ = numbering_->run;
            firstNumber_ = GetEnvironment()->GetPageNumber() + 1;
        }
        progress = std::make_unique<PrintPageProgress>(nullptr, nullptr, nullptr, firstNumber_);
    }
    return PrintablePage::Print(area, std::move(progress), size, placed);
}
