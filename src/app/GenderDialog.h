#pragma once
// The pronoun question: a text and three buttons, Female, Male and Neutral, one of which must end
// it. Return answers Female (the default); Escape does nothing, there being no cancel button. A
// text taller than its place grows the dialog, the buttons staying clear below it.

#include <cstdint>

#include "foundation/String.h"
#include "framework/TDialog.h"

class GenderDialog : public TDialog {
public:
    static constexpr std::int32_t kFemaleItem = 0;
    static constexpr std::int32_t kMaleItem = 1;
    static constexpr std::int32_t kNeutralItem = 2;
    static constexpr std::int32_t kTextItem = 3;

    explicit GenderDialog(const char* text);

    // The buttons and the text made in code, the text fitted, the dialog grown to it.
    ErrCode SetUpItems() override;
    // Only the three buttons end it.
    bool IsAccepted() override;

private:
    // Grows the text item and the dialog so that the text fits with room to spare above the
    // buttons, which move down with it.
    void FitText();

    String text_;
};
