#pragma once
// The pages that answer by radio buttons (the radios are the page's first controls, items 14 and
// on). A dynamic radio page chooses between the two values of a story point (its third radio is
// "no choice"): each click narrows the window's solver, runs the storyform check and writes the
// choice into the storyform, unless the check finds that no storyform is left, in which case the
// answer is put back and not stored. A general radio page keeps the index of the radio that is on
// under its answer key in a record of the story.

#include "query/FQSPage.h"

class FQSDynamicRadioPage : public FQSPage {
public:
    std::int32_t HandleControl(std::int32_t itemIndex) override;
};

class FQSGeneralRadioPage : public FQSPage {
public:
    std::int32_t HandleControl(std::int32_t itemIndex) override;
};
