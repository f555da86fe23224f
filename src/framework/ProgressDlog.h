#pragma once
// The "Please wait..." box of long work: a modeless dialog with a progress bar and a Cancel button.
// The work calls Step now and then; Step lets the box take its messages (a click on Cancel, a
// repaint) and moves the bar, and tells whether the user has cancelled.

#include <cstdint>

#include "framework/TDialog.h"

inline constexpr std::int16_t kProgressItems = 130;

class ProgressDlog : public TDialog {
    TOBJECT_CLASS(ProgressDlog, TDialog, 203)

public:
    // Opens the box at once.
    ProgressDlog();

    ErrCode SetUpItems() override;
    // Cancel (item 1) cancels; any other item hit cancels nothing.
    void EndModal(std::int32_t itemIndex) override;

    // Takes the box's waiting messages until there are none or the user cancels; then, unless
    // cancelled, shows the percentage (-1: leaves the bar). True when the user has cancelled.
    bool Step(std::int32_t percent);
    bool IsCancelled() const { return cancelled_; }

private:
    bool cancelled_ = false;
};
