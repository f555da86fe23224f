#pragma once
// The progress box of converting an old story file's texts: a message, a bar and the buttons Later
// (the default: the rest of the texts stay as they are) and Cancel (the story does not open). It
// appears only when the conversion takes a while: not before a quarter of a second, and not once
// the conversion is half done. While it exists the frame is disabled, and the conversion lets it
// take its messages between texts.

#include <cstdint>

#include "framework/TDialog.h"

class FileConversionDialog : public TDialog {
    TOBJECT_CLASS(FileConversionDialog, TDialog, 179)

public:
    static constexpr std::int32_t kLaterItem = 0;
    static constexpr std::int32_t kCancelItem = 1;
    static constexpr std::int32_t kTextItem = 2;
    static constexpr std::int32_t kBarItem = 3;
    // Ticks (sixtieths of a second) before the box may appear.
    static constexpr std::uint64_t kShowDelay = 15;

    // Made hidden, with the frame disabled and both buttons' flags cleared.
    FileConversionDialog();
    // The frame is enabled again.
    ~FileConversionDialog() override;

    // Shows the box when it is due, takes its messages and moves the bar (-1: only the messages).
    // 0 to go on, -3 after Later, -5 after Cancel.
    ErrCode Update(std::int32_t percent);
    void SetPercent(std::int32_t percent);
    ErrCode SetUpItems() override;
    void EndModal(std::int32_t itemIndex) override;
    // Later and Cancel end it.
    bool IsAccepted() override;

    bool IsShown() const { return shown_; }
    // Takes the waiting messages until a button is pressed; true while neither was.
    static bool PumpMessages();

    // The buttons pressed, and the one box that exists (null when none).
    static bool laterPressed;
    static bool cancelPressed;
    static FileConversionDialog* current;

private:
    std::uint64_t started_;
    bool shown_ = false;
};
