#pragma once
// The story model's fuzz targets share the stand-in application, made once with a few texts in its
// data file, and stand-in stories over stores of their own.

#include "FuzzStores.h"
#include "storymodel/StoryStandIn.h"

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
