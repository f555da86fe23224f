#pragma once
// Question lists, pages and help texts for the query window's tests, added to a copy of the
// application data file the build makes (which holds none yet):
//
//   list 0 "Getting Started"   0 Home Window, 1 Introduction and 5 Using the Query System under it,
//                              9 Getting Started, 20 MC Resolve (with its illustration 32 under it)
//   list 1 "Storyforming"      6 About Storyforming, 20 MC Resolve, 23 Story Driver, 161 OS Domain
//   list 13 "Plotpilot"        9 Getting Started, 10 and 11 under it
//
// Every listed topic has a page ('FQS2'); 20 is a storyform choice (class 1), 161 a structural
// finder (100). Explain texts ('FQQE') exist for topics 0, 1 and 20, a theory text ('FQBG') for 20.
// Page 20 works on the story point "AP" 1000; page 6 has the help page ('FQSH') 3, and page 9 no
// help ("HL" 0).

#include <cstring>
#include <string>

#include "foundation/Memory.h"
#include "foundation/pfm/PFM.h"
#include "foundation/pfm/PText.h"

namespace querytest {

inline constexpr std::int16_t kGettingStartedList = 0;
inline constexpr std::int16_t kStoryformingList = 1;

// A text segment: the text and its NUL.
inline void AddText(PFMFile* store, FourCC type, std::uint16_t id, const std::string& text) {
    const PFMFileScope scope(store, false);
    void* block = MemAlloc(static_cast<std::uint32_t>(text.size() + 1));
    std::memcpy(block, text.c_str(), text.size() + 1);
    PFMPutSegment(type, id, block, 1, false);
    PFMCheckIn(block);
}

inline void AddList(PFMFile* store, std::uint16_t id, const char* name, const char* order) {
    PText record(store, FourCCOf("QLST"), id);
    record.SetEntry("NA", 'c', name);
    record.SetEntry("OR", 'c', order);
    record.Save();
}

inline void AddPage(PFMFile* store, std::uint16_t topic, std::int16_t pageClass = -1) {
    PText record(store, FourCCOf("FQS2"), topic);
    record.SetEntry("QT", 'c', "A page");
    if (pageClass >= 0) record.SetNumberByName("TY", 's', pageClass);
    record.Save();
}

inline void AddQueryTestContent(PFMFile* store) {
    AddList(store, kGettingStartedList, "Getting Started", "0,0,1,0,1,2,0,5,2,0,9,1,0,20,1,0,32,2,");
    AddList(store, kStoryformingList, "Storyforming", "0,6,1,0,20,1,0,23,1,0,161,1,");
    AddList(store, 13, "Plotpilot", "0,9,1,0,10,2,0,11,2,");
    for (const std::uint16_t topic : {0, 1, 5, 6, 9, 10, 11, 23, 32}) AddPage(store, topic);
    AddPage(store, 20, 1);
    AddPage(store, 161, 100);
    {
        PText resolve(store, FourCCOf("FQS2"), 20);
        resolve.SetEntry("AP", 'c', "1000");
        resolve.Save();
        PText about(store, FourCCOf("FQS2"), 6);
        about.SetNumberByName("HP", 's', 3);
        about.Save();
        PText started(store, FourCCOf("FQS2"), 9);
        started.SetNumberByName("HL", 's', 0);
        started.Save();
    }
    AddText(store, FourCCOf("FQSH"), 3, "How the storyforming questions work.");
    AddText(store, FourCCOf("FQQE"), 0, "The home window leads to every part of the query system.");
    AddText(store, FourCCOf("FQQE"), 1, "An \xC7" "B+\xC8introduction\xC7" "B-\xC8 to the query system.");
    AddText(store, FourCCOf("FQQE"), 20, "Does the Main Character change or remain steadfast?");
    AddText(store, FourCCOf("FQBG"), 20, "Resolve is the Main Character's final state.");
}

}  // namespace querytest
