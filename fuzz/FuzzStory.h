#pragma once
// The story model's fuzz targets share the stand-in application, made once with a few texts in its
// data file, and stand-in stories over stores of their own.

#include "FuzzStores.h"
#include "storymodel/StoryStandIn.h"
#include "storymodel/engine/StoryPointTable.h"

inline StandInApplication& FuzzApplication() {
    static StandInApplication& application = []() -> StandInApplication& {
        StartStores();
        static StandInApplication made;
        for (std::uint16_t id : {85, 99, 1001}) made.AddDataText(FourCCOf("SDEF"), id, "a definition");
        made.AddDataText(FourCCOf("FQQE"), 1, "a question");
        made.AddDataRecordText(FourCCOf("SVRB"), 85, "B", "\xA5 able");
        made.AddDataRecordText(FourCCOf("SVRB"), 96, "B", "consider");
        made.AddDataRecordText(FourCCOf("LVRB"), 1, "I5", "is");
        made.AddDataRecordText(FourCCOf("APPR"), 1, "DF", "an appreciation");
        made.AddDataRecordText(FourCCOf("PPNN"), 1, "S31S1", "she");
        made.AddDataRecordText(FourCCOf("PPNN"), 1, "P32S1", "they");
        made.returnAdvances = 1;
        SetStoryApplication(&made);
        return made;
    }();
    return application;
}

// A story made once: a store with the two characters of a new story and a storyform whose values in
// force are nothing, several values, elements and story point values by turns.
inline StandInStory& FuzzMixedStory() {
    static StandInStory& story = []() -> StandInStory& {
        FuzzApplication();
        PFMFile* store = PFMOpenFile(nullptr);
        FUZZ_CHECK(store != nullptr);
        static StandInStory made(store);
        FUZZ_CHECK(made.LoadCharacters() == kNoErr);
        constexpr std::int16_t kValues[] = {0, -1, 85, 452, 1001};
        for (int index = 0; index < kStoryPointCount; ++index)
            made.StoryForm().SetValueAt(index, kValues[index % 5]);
        return made;
    }();
    return story;
}
