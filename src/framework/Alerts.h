#pragma once
// Alert and question boxes on the system message box, and the fatal-error box. Every box is a modal
// phase (WindowUtilities.h) and is captioned with the application's name, except the fatal box,
// which is given its caption.

#include <cstddef>
#include <cstdint>

// Icon kinds.
inline constexpr int kAlertStop = 0;
inline constexpr int kAlertNote = 1;
inline constexpr int kAlertCaution = 2;

// Answers of AskYesNoCancel.
inline constexpr int kAnswerYes = 0;
inline constexpr int kAnswerCancel = 1;
inline constexpr int kAnswerNo = 2;

// One button (OK) or two (OK and Cancel); 0 when OK was pressed, else 1.
int AlertMessage(const char* text, int iconKind, int buttonCount);
int AlertMessageEx(const char* text, long ignored, int iconKind, int buttonCount);
// A stop box, an information box and a caution box, with OK.
int ShowAlert(const char* text);
int ShowNote(const char* text);
int ShowCaution(const char* text);
// The same with the text of the application's numbered message (at most 2048 characters).
int ShowAlertById(std::int32_t number);
int ShowNoteById(std::int32_t number);
int ShowCautionById(std::int32_t number);
inline constexpr std::size_t kMaxMessageText = 2048;

// Yes, No and (unless noCancel) Cancel; the default selector 1 makes the second button the default,
// 2 the third (the second without Cancel). Answers kAnswerYes, kAnswerNo or kAnswerCancel.
int AskYesNoCancel(const char* text, int defaultSelector, bool noCancel);

// A stop box, owned by no window, with the formatted text followed by the advice to quit and a
// support line. Returns; ending the program is the caller's business.
void FatalMessage(const char* caption, const char* format, ...) __attribute__((format(printf, 2, 3)));

inline constexpr const char* kFatalAdvice = "Quit now and fix this problem.";
inline constexpr const char* kSupportLine =
    "If the problem remains, install the program again or ask whoever gave it to you for help.";
