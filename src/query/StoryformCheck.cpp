#include "query/StoryformCheck.h"

const char* const kZeroStoryformsMessage =
    "Ouch!  A potentially nasty error has occurred.\n\n"
    "To prevent corrupting your story data, please close this file WITHOUT saving it.  This will return "
    "the file to the state it was in when it was last saved.\n\n"
    "Please write down what you did and tell the people who support Fablecore for you.  "
    "Tell them you got the rare-but-not-impossible \"Zero Story\" error.  Please make a note of what "
    "question you were answering when this message came up.\n\n"
    "...And last but not least: it's not your fault.  We'll help get everything back to normal.";

const char* const kOneStoryformMessage =
    "Congratulations!  You've answered enough questions to get down to one storyform!\n\n"
    "However, this may NOT be the best storyform for the story you want to tell.  Even experienced "
    "Fablecore users need to compare 2 or 3 different storyforms before settling on one that feels "
    "right.  It's better to take the time to get it right now, than to go ahead and illustrate a story "
    "that you'll probably be dissatisfied with later.\n\n"
    "For this reason, we recommend that you save this storyform, then clear the decisions you made in "
    "the Storyforming section and redo those essential storyforming questions.  Don't worry, you won't "
    "lose any of the writing you did in the Getting Started section.  To do this:\n\n"
    "1.  Under the File menu, select Save, then name the file and save it.\n"
    "2.  Under the Storyforming menu, click on \"Clear Storyform\".\n"
    "3.  In the Plotpilot path, click on the \"Storyforming\" topic.\n"
    "4.  Redo the storyforming questions.  Experiment!\n\n"
    "Save your new (and different?) storyform with a different filename!";

std::uint16_t StoryformCheck::Run(IStoryformCheckHost& host) {
    const std::uint16_t before = host.GetStoryformCount();
    const std::int16_t singleBefore = host.GetSingleStoryform();
    const std::uint16_t count = host.CountStoryforms();
    host.SetStoryformCount(count);
    const std::int16_t single = host.GetSingleStoryform();
    if (count != 1) host.LeaveSingleStoryform();
    if (count == 0) {
        host.WarnOfZeroStoryforms();
        zeroStoryforms_ = true;
    }
    if (count == 1 && !(before == 1 && single == singleBefore)) host.ApplySingleStoryform();
    host.UpdateProgress();
    if (count == 1 && before != 1 && !congratulated_) {
        host.Congratulate();
        congratulated_ = true;
    }
    return count;
}
