// Closing a document: the question about unsaved changes and what each answer does, closing one
// window, and closing them all.

#include <optional>
#include <string>

#include "foundation/pfm/PFM.h"
#include "framework/Alerts.h"
#include "framework/TAppl.h"
#include "framework/TDoc.h"
#include "framework/TypingHold.h"

int TDoc::AskSaveChanges(bool noCancel) {
    const PFMFileScope dataFile(application_ ? application_->GetDataFile() : nullptr, false);
    const std::string question = "Save changes to \"" + GetFileName() + "\"?";
    return AskYesNoCancel(question.c_str(), 0, noCancel);
}

bool TDoc::QuerySave() {
    if (!IsDirty()) return false;
    switch (AskSaveChanges(false)) {
        case kAnswerYes: {
            std::int16_t cancelled = 0;
            return Save(&cancelled) != kNoErr || cancelled != 0;
        }
        case kAnswerNo: SetClean(); return false;
        default: return true;
    }
}

// On the last window of a changed document the question is asked until the changes are saved or
// the user lets them go. A failed save asks again, and the next Yes offers another file. A forced
// close has no Cancel; a chooser cancelled there asks again too, so changes are only dropped when
// the user answers No. So does a chooser cancelled while the program is to end: the quit is called
// off only by Cancel at the question, never by the chooser.
bool TDoc::CloseWindow(TWindow* window, bool force, bool deleteWhenEmpty) {
    if (!CanCloseWindow(window, force)) return false;
    if (GetWindowCount() == 1 && HasWindow(window) && IsDirty()) {
        // Asked for a file a later start handed over, not at the writer's word: the keys the writer
        // types at it go back to the typing, and only what cannot be typing answers.
        std::optional<TypingHold> typing;
        if (application_ && application_->IsOpeningHandOver()) typing.emplace(force ? "YN" : "YNC");
        bool firstSave = true;
        for (;;) {
            const int answer = AskSaveChanges(force);
            if (typing) typing->Stop();
            if (answer == kAnswerNo) {
                SetClean();
                break;
            }
            if (answer != kAnswerYes) return false;
            std::int16_t cancelled = 0;
            const ErrCode result = firstSave ? Save(&cancelled) : SaveAs(&cancelled);
            firstSave = false;
            if (result != kNoErr) continue;
            if (cancelled == 0) break;
            if (!force && !(application_ && application_->IsQuitting())) return false;
        }
        // The question ran a modal loop: the window may have gone meanwhile.
        if (!HasWindow(window)) return false;
    }
    DeleteWindow(window);
    if (application_) application_->OnWindowClosed();
    if (deleteWhenEmpty && GetWindowCount() == 0) delete this;
    return true;
}

bool TDoc::Close(bool force, bool deleteWhenClosed) {
    bool closed = true;
    while (closed && GetWindowCount() > 0) closed = CloseWindow(GetWindow(0), force, false);
    if (closed && deleteWhenClosed) delete this;
    return closed;
}
