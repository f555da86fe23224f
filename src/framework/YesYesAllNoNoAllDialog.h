#pragma once
// The question asked again and again in one operation: Yes, Yes All, No and No All. An answer "for
// all" is kept in the caller's state and given to every later question of the operation without
// asking.

#include <cstdint>
#include <string>

#include "framework/TDialog.h"

// Items in their list order, and the answers.
inline constexpr std::int32_t kAnswerYesItem = 0;
inline constexpr std::int32_t kAnswerCancelItem = 1;
inline constexpr std::int32_t kAnswerNoItem = 2;
inline constexpr std::int32_t kAnswerTextItem = 3;
inline constexpr std::int32_t kAnswerYesAll = 4;
inline constexpr std::int32_t kAnswerNoAll = 5;
// The state of an operation whose questions are still asked.
inline constexpr std::int16_t kAskEachTime = -1;

class YesYesAllNoNoAllDialog : public TDialog {
public:
    // The Cancel button is there but hidden: the question has no way out but an answer.
    YesYesAllNoNoAllDialog(const char* message, std::int32_t defaultItem);

    // Laid out in code; a message taller than its place pushes the buttons down.
    ErrCode SetUpItems() override;
    // Yes, No, Yes All and No All end it.
    bool IsAccepted() override;

private:
    std::string message_;
};

// With the state still kAskEachTime, asks: 0 Yes, 2 No; Yes All stores 0 in the state and answers
// 4, No All stores 2 and answers 2. Otherwise answers the state. -1 when the dialog could not be
// shown (the state stays).
std::int32_t AskYesYesAllNoNoAll(std::int16_t& state, const char* message, std::int32_t defaultItem);
