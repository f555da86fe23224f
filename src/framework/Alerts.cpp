#include "framework/Alerts.h"

#include <cstdarg>
#include <cstdio>
#include <string>

#include "framework/AppEnvironment.h"
#include "framework/TAppl.h"
#include "framework/WindowUtilities.h"
#include "platform/sys/Bell.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Input.h"
#include "platform/ui/MessageBox.h"

using namespace win;

namespace {

std::string ApplicationName() {
    const TAppl* application = GetAppl();
    return application ? application->GetAppName() : std::string();
}

// The box of the active window, or of the whole program when no window is active.
int ShowBox(const char* text, UINT flags) {
    const HWND owner = GetActiveWindow();
    if (!owner) flags |= MB_TASKMODAL;
    const std::string caption = ApplicationName();
    BeginModalState();
    const int answer = MessageBoxA(owner, text, caption.c_str(), flags);
    EndModalState();
    return answer;
}

UINT IconFlag(int iconKind) {
    switch (iconKind) {
        case kAlertNote: return MB_ICONASTERISK;
        case kAlertCaution: return MB_ICONEXCLAMATION;
        default: return MB_ICONHAND;
    }
}

}  // namespace

int AlertMessage(const char* text, int iconKind, int buttonCount) {
    const UINT buttons = buttonCount == 1 ? MB_OK : MB_OKCANCEL;
    return ShowBox(text, IconFlag(iconKind) | buttons) == IDOK ? 0 : 1;
}

int AlertMessageEx(const char* text, long /*ignored*/, int iconKind, int buttonCount) {
    return AlertMessage(text, iconKind, buttonCount);
}

int ShowAlert(const char* text) { return AlertMessage(text, kAlertStop, 1); }

int ShowNote(const char* text) { return AlertMessage(text, kAlertNote, 1); }

int ShowCaution(const char* text) { return AlertMessage(text, kAlertCaution, 1); }

namespace {

std::string MessageText(std::int32_t number) {
    const TAppl* application = GetAppl();
    std::string text = application ? application->GetMessageText(number) : std::string();
    if (text.size() > kMaxMessageText) text.resize(kMaxMessageText);
    return text;
}

}  // namespace

int ShowAlertById(std::int32_t number) { return ShowAlert(MessageText(number).c_str()); }

int ShowNoteById(std::int32_t number) { return ShowNote(MessageText(number).c_str()); }

int ShowCautionById(std::int32_t number) { return ShowCaution(MessageText(number).c_str()); }

int AskYesNoCancel(const char* text, int defaultSelector, bool noCancel) {
    UINT flags = MB_ICONQUESTION | (noCancel ? MB_YESNO : MB_YESNOCANCEL);
    if (defaultSelector == 1) flags |= MB_DEFBUTTON2;
    if (defaultSelector == 2) flags |= noCancel ? MB_DEFBUTTON2 : MB_DEFBUTTON3;
    switch (ShowBox(text, flags)) {
        case IDYES: return kAnswerYes;
        case IDNO: return kAnswerNo;
        default: return kAnswerCancel;
    }
}

void FatalMessage(const char* caption, const char* format, ...) {
    std::va_list arguments;
    va_start(arguments, format);
    std::va_list measuring;
    va_copy(measuring, arguments);
    const int length = std::vsnprintf(nullptr, 0, format, measuring);
    va_end(measuring);
    std::string text(length > 0 ? static_cast<std::size_t>(length) : 0, '\0');
    std::vsnprintf(text.data(), text.size() + 1, format, arguments);
    va_end(arguments);
    text += "\n\n";
    text += kFatalAdvice;
    text += "\n";
    text += kSupportLine;
    MessageBeep(MB_ICONHAND);
    BeginModalState();
    MessageBoxA(nullptr, text.c_str(), caption, MB_TASKMODAL | MB_ICONHAND);
    EndModalState();
}
