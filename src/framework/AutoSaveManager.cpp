#include "framework/AutoSaveManager.h"

#include <algorithm>
#include <string>
#include <vector>

#include "framework/Alerts.h"
#include "framework/AppEnvironment.h"
#include "framework/InputHelpers.h"
#include "framework/TAppl.h"
#include "framework/TDoc.h"
#include "framework/TypingHold.h"
#include "framework/WindowUtilities.h"
#include "platform/sys/Bell.h"
#include "platform/ui/Input.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Timer.h"
#include "platform/ui/Window.h"

using namespace win;

namespace {

bool StillOpen(const TAppl& application, const TDoc* document) {
    for (std::int32_t i = 0; i < application.GetDocumentCount(); ++i) {
        if (application.GetDocument(i) == document) return true;
    }
    return false;
}

}  // namespace

AutoSaveManager::AutoSaveManager(TAppl* application)
    : application_(application), timer_(std::make_unique<QRVTimer>()) {}

void AutoSaveManager::Configure(bool enabled, std::uint32_t interval) {
    enabled_ = enabled;
    interval_ = interval;
    if (!timer_) return;
    if (enabled_ && inhibitCount_ == 0) {
        timer_->Set(application_->GetFrameWindow(), kAutoSaveTimerId, kAutoSavePeriod);
        timer_->Start();
    } else {
        timer_->Stop();
    }
}

void AutoSaveManager::OnTimer(std::uint32_t id) {
    if (id == kAutoSavePauseTimerId) KillTimer(application_->GetFrameWindow(), id);
    if ((id == kAutoSaveTimerId || id == kAutoSavePauseTimerId) && enabled_) CheckDocuments();
}

void AutoSaveManager::ResumePending() {
    if (pending_) PostMessageA(application_->GetFrameWindow(), WM_TIMER, kAutoSaveTimerId, 0);
}

// The question runs a modal loop in which documents may close: the walk goes over the documents
// open when it began and passes over those that went.
void AutoSaveManager::CheckDocuments() {
    if (!enabled_ || inhibitCount_ != 0 || prompting_) return;
    const auto now = static_cast<std::uint32_t>(TickCount());
    const AppEnvironment* environment = application_->GetEnvironment();
    std::vector<TDoc*> documents;
    for (std::int32_t i = 0; i < application_->GetDocumentCount(); ++i)
        documents.push_back(application_->GetDocument(i));
    bool asked = false;
    for (TDoc* document : documents) {
        if (!StillOpen(*application_, document)) continue;
        if (!document->IsDirty() || now - document->GetChangeTime() < interval_) continue;
        bool skip = false;
        if (environment && environment->IsInBackground()) {
            pending_ = true;
            skip = true;
        } else if (IsModalState()) {
            skip = true;
        }
        if (skip || IsIconic(application_->GetFrameWindow()) || GetCapture() != nullptr) break;
        // The first question waits for the writer to pause in typing (the check comes again then);
        // the others follow it.
        if (!asked && !WriterHasPaused(application_->GetFrameWindow(), kAutoSavePauseTimerId)) break;
        asked = true;
        prompting_ = true;
        MessageBeep(MB_ICONEXCLAMATION);
        const std::string question = "AutoSave document '" + document->GetFileName() + "' now?";
        TypingHold typing("YN");  // the keys typed go to the text once the document is saved
        const int answer = AskYesNoCancel(question.c_str(), 0, true);
        typing.Stop();
        if (StillOpen(*application_, document)) {
            if (answer == kAnswerYes) {
                document->Save(nullptr);
            } else {
                document->StampChangeTime();
            }
        }
        prompting_ = false;
    }
}

AutoSaveInhibitor::AutoSaveInhibitor() {
    if (TAppl* application = GetAppl(); application && application->GetAutoSaveManager()) {
        application->GetAutoSaveManager()->Inhibit();
    }
}

AutoSaveInhibitor::~AutoSaveInhibitor() {
    if (TAppl* application = GetAppl(); application && application->GetAutoSaveManager()) {
        application->GetAutoSaveManager()->Release();
    }
}
