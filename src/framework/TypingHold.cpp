#include "framework/TypingHold.h"

#include <cstdint>
#include <utility>

#include "platform/ui/DialogCodes.h"
#include "platform/ui/EditControl.h"
#include "platform/ui/Input.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Timer.h"
#include "platform/ui/VirtualKeys.h"
#include "platform/ui/Window.h"

using namespace win;

bool WriterHasPaused(HWND window, UINT_PTR timer) {
    LASTINPUTINFO input;
    GetLastInputInfo(&input);
    const DWORD quiet = GetTickCount() - input.dwTime;
    if (quiet >= kTypingPause) return true;
    SetTimer(window, timer, kTypingPause - quiet, nullptr);
    return false;
}

namespace {

bool IsModifier(std::size_t key) {
    return key == VK_SHIFT || key == VK_CONTROL || key == VK_MENU || (key >= VK_LSHIFT && key <= VK_RMENU);
}

// Alt+F4 and Ctrl+F4, which close a window.
bool Closes(const MSG& message) {
    if ((message.wParam & 0xFF) != VK_F4) return false;
    return message.message == WM_SYSKEYDOWN || (message.message == WM_KEYDOWN && GetKeyState(VK_CONTROL) < 0);
}

// Alt+Space and Alt+'-', which open a window's menu of Close and the like; the key after them picks
// from it.
bool OpensWindowMenu(const MSG& message) {
    const std::size_t key = message.wParam & 0xFF;
    return message.message == WM_SYSKEYDOWN && (key == VK_SPACE || key == VK_OEM_MINUS || key == VK_SUBTRACT);
}

bool IsKeyDown(const MSG& message) { return message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN; }
bool IsKeyUp(const MSG& message) { return message.message == WM_KEYUP || message.message == WM_SYSKEYUP; }

// Whether a key kept goes back where it lands, asked of the keys in the order they are given back
// (`tabbed`: a Tab among them has moved the focus): Return only into a text that takes it as a line
// break, and once the focus has moved, Space only into a text, never onto a button it would press.
bool GoesBackTo(const MSG& message, bool& tabbed) {
    const std::size_t key = message.wParam & 0xFF;
    if (key == VK_TAB && IsKeyDown(message)) tabbed = true;
    if (key != VK_RETURN && key != VK_SPACE) return true;
    const bool text = (SendMessageA(message.hwnd, WM_GETDLGCODE, 0, 0) & DLGC_WANTCHARS) != 0;
    if (key == VK_SPACE) return text || !tabbed;
    constexpr DWORD kLineBreaks = ES_MULTILINE | ES_WANTRETURN;
    return text && (static_cast<DWORD>(GetWindowLongA(message.hwnd, GWL_STYLE)) & kLineBreaks) == kLineBreaks;
}

}  // namespace

TypingHold::TypingHold(std::string_view buttonLetters)
    : window_(GetFocus()),
      lastKept_(GetTickCount()),
      buttonLetters_(buttonLetters),
      hold_([this](const MSG& message) { return Choose(message); },
            [tabbed = false](const MSG& message) mutable { return GoesBackTo(message, tabbed); }) {
    field_ = window_ != nullptr && (SendMessageA(window_, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) != 0;
    if (field_)
        SendMessageA(window_, EM_GETSEL, reinterpret_cast<WPARAM>(&start_), reinterpret_cast<LPARAM>(&end_));
}

TypingHold::~TypingHold() {
    if (field_ && GetFocus() == window_) SendMessageA(window_, EM_SETSEL, start_, end_);
}

bool TypingHold::Answers(const MSG& message) const {
    const std::size_t key = message.wParam & 0xFF;
    if (message.message == WM_KEYDOWN) return key == VK_RETURN || key == VK_ESCAPE;
    return message.message == WM_SYSKEYDOWN && buttonLetters_.find(static_cast<char>(key)) != std::string::npos;
}

InputHold::Choice TypingHold::Choose(const MSG& message) {
    const std::size_t key = message.wParam & 0xFF;
    const bool keyDown = IsKeyDown(message);
    if ((keyDown || IsKeyUp(message)) && IsModifier(key)) return InputHold::Choice::Pass;
    // How much later than the last key held the message came (earlier, as keys given back by an
    // earlier hold did: less than 0).
    const auto later = static_cast<std::int32_t>(message.time - lastKept_);
    InputHold::Choice choice = InputHold::Choice::Keep;
    if (IsKeyUp(message)) {
        if (answering_[key]) {
            answering_[key] = false;
            return InputHold::Choice::Pass;
        }
    } else if (!keyDown) {
        // A character typed on its own (from an input method) is typing, whatever its code, which
        // may be a key's.
    } else if (Answers(message)) {
        picksFromMenu_ = false;
        if (later >= static_cast<std::int32_t>(kTypingPause)) {
            answering_[key] = true;
            return InputHold::Choice::Answer;
        }
        // A Return typed into a text that takes it as a line break goes back there (GoesBackTo).
        if (key != VK_RETURN) choice = InputHold::Choice::Drop;
    } else if (Closes(message) || std::exchange(picksFromMenu_, false)) {
        choice = InputHold::Choice::Drop;
    } else if (OpensWindowMenu(message)) {
        choice = InputHold::Choice::Drop;
        picksFromMenu_ = true;
    }
    if (later > 0) lastKept_ = message.time;
    return choice;
}
