#pragma once
// The questions and alerts of the story model. The model shows no window itself: the application
// installs the prompts of its window framework at start-up, and tests install recording ones.
// Until something is installed, alerts go to the debug channel and every question is answered No.

#include <cstdint>

// The answers of questions.
inline constexpr int kAnswerYes = 0;
inline constexpr int kAnswerCancel = 1;
inline constexpr int kAnswerNo = 2;
inline constexpr int kAnswerYesAll = 4;
// An answer holder before its first answer: the question is shown.
inline constexpr std::int32_t kAskAgain = -1;

enum class AlertIcon { kStop = 0, kInformation = 1, kExclamation = 2 };

class IUserPrompts {
public:
    virtual ~IUserPrompts() = default;

    // An alert with one OK button; 0 when it was dismissed with OK.
    virtual int AlertMessage(const char* text, AlertIcon icon) = 0;
    // A question answered Yes (0) or No (2), or Cancel (1) unless noCancel is set. The default
    // selector makes the second (1) or third (2) button the default.
    virtual int AskYesNoCancel(const char* text, int defaultSelector, bool noCancel) = 0;
    // A question of a series, with the buttons Yes, Yes All, No and No All. When the answer holder
    // holds an answer it is returned without asking; otherwise the answer is returned: 0 Yes,
    // 2 No, 4 Yes All (which leaves 0 in the holder) or 2 for No All (which leaves 2 there).
    virtual int AskYesYesAllNoNoAll(std::int32_t& answer, const char* text, int defaultItem) = 0;
};

// Installs the prompts (null: none) and answers the previous ones.
IUserPrompts* SetUserPrompts(IUserPrompts* prompts);
// The installed prompts, or the fallback described above.
IUserPrompts& UserPrompts();
