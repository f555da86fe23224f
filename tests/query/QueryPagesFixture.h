#pragma once
// The query window over hand-written page records of every page class: list 12 "Pages" holds the
// topics below (code 0, level 1 each), in this order (the row is the index):
//
//   0  10  a general radio page: "PickKey" in the story's responses, three radios
//   1  11  every builder: main text, two edit views (info and storytelling records), two check
//          boxes, the slider ("STRngSlider" in the info record), a popup and three push buttons
//   2  12  a damaged record: counts beyond the capacities, selectors that name no record
//   3  20  a dynamic radio page for Resolve
//   4  161 the structural finder of the overall story's domain
//   5  28  the home page
//   6  29  a main character recap ("TP" 5) without help line
//   7  30  a storyforming recap whose "TX1" does not fit the buffer after it
//   8  32  an illustration page of Resolve without "ALT1"
//   9  33  an illustration page of Resolve with "ALT1"
//  10  2   the story's title, an edit view bound to the info record's "Title"
//  11  14  controls bound through the keyword {PageProbe()}: an edit view, a check box, a popup (and
//          one bound to a plain text), a push button
//  12  34  the structural finder of the overall story's home class, a point the solver does not hold

#include <string>

#include "QueryWindowFixture.h"
#include "query/FQSPage.h"
#include "query/FQSTreeSelectorView.h"
#include "query/FQSWindow.h"

namespace querytest {

inline constexpr std::int16_t kPagesList = 12;
// A list whose only topic (13) has no page record.
inline constexpr std::int16_t kBareList = 11;
// One of the home page's lists (its storyforming plot button), the home page first.
inline constexpr std::int16_t kHomePlotList = 3;

inline void WritePage(PFMFile* store, std::uint16_t topic, std::int16_t pageClass,
                      std::initializer_list<std::pair<const char*, const char*>> texts,
                      std::initializer_list<std::pair<const char*, std::int16_t>> numbers) {
    PText record(store, FourCCOf("FQS2"), topic);
    record.Clear();
    record.SetNumberByName("TY", 's', pageClass);
    for (const auto& [key, text] : texts) record.SetEntry(key, 'c', text);
    for (const auto& [key, number] : numbers) record.SetNumberByName(key, 's', number);
    record.Save();
}

inline void AddPagesContent(PFMFile* store) {
    AddQueryTestContent(store);
    AddList(store, kPagesList, "Pages", "0,10,1,0,11,1,0,12,1,0,20,1,0,161,1,0,28,1,0,29,1,0,30,1,0,32,1,0,33,1,0,2,1,0,14,1,0,34,1,");
    AddList(store, kBareList, "Bare", "0,13,1,");
    AddList(store, kHomePlotList, "Plot", "0,28,1,0,10,1,");
    WritePage(store, 10, 3, {{"QT", "pick one"}, {"T1", "Which one?"}, {"RV", "PickKey"}, {"R1", "First"},
                             {"R2", "Second"}, {"R3", "Third"}},
              {{"RN", 3}});
    WritePage(store, 11, 2,
              {{"QT", "the builders"}, {"T1", "Some words above."}, {"ET1", "Label one"}, {"EV1", "NoteOne"},
               {"ET2", "Beside"}, {"EV2", "NoteTwo"}, {"ED2", "default two"}, {"CT1", "Check one"}, {"CV1", "1"},
               {"CT2", "Check two"}, {"CV2", "0"}, {"PT1", "Pick"}, {"PV1", "5"}, {"PI1", "A\r\nB\nC"},
               {"BT1", "Go"}, {"BT2", "A longer title"}, {"BT3", "X"}, {"SV1", "STRngSlider"}, {"ST1", "How far"},
               {"ST2", "low"}, {"ST3", "middle"}, {"ST4", "high"}},
              {{"EN", 2}, {"ES1", 1}, {"EM1", 2}, {"ES2", 2}, {"EM2", -1}, {"CB", 2}, {"PN", 1}, {"BN", 3},
               {"SL", 1}, {"SP1", 1}, {"S-1", -5}, {"S+1", 5}});
    WritePage(store, 12, 2, {{"QT", "damaged"}, {"R1", "only one"}, {"EV1", "Lost"}, {"BT1", "B"}},
              {{"RN", 40}, {"EN", 9}, {"ES1", 7}, {"CB", -3}, {"PN", 200}, {"BN", 99}});
    WritePage(store, 20, 1, {{"QT", "resolve"}, {"AP", "1000"}, {"RV", "Resolve"}, {"R1", "Change"},
                             {"R2", "Steadfast"}, {"R3", "No choice"}},
              {{"RN", 3}, {"DQ", 0}});
    WritePage(store, 161, 100, {{"QT", "domain"}, {"AP", "12000"}, {"T1", "Which domain?"}}, {});
    WritePage(store, 34, 100, {{"QT", "home class"}, {"AP", "13700"}}, {});
    WritePage(store, 28, 999, {{"QT", "home"}}, {});
    WritePage(store, 29, 75, {{"QT", "recap"}, {"TX1", "Free words."}}, {{"TP", 5}, {"HL", 0}});
    WritePage(store, 30, 75, {{"QT", "long recap"}, {"TX1", std::string(29000, 'w').c_str()}}, {{"TP", 7}});
    WritePage(store, 32, 2, {{"QT", "illustrate"}, {"AP", "1000"}, {"T1", "Illustrate the resolve."}}, {});
    WritePage(store, 33, 2, {{"QT", "illustrate"}, {"AP", "1000"}, {"T1", "Illustrate it."}, {"ALT1", "Choose first."}},
              {});
    WritePage(store, 2, 2, {{"QT", "title"}, {"EV1", "Title"}}, {{"EN", 1}, {"ES1", 1}});
    WritePage(store, 14, 2,
              {{"QT", "keywords"}, {"EV1", "{PageProbe()}"}, {"CT1", "Probe"}, {"CV1", "{PageProbe()}"},
               {"PV1", "{PageProbe()}"}, {"PI1", "a\nb\nc"}, {"PV2", "plain"}, {"PI2", "x\ny"}, {"BT1", "Run"},
               {"BV1", "{PageProbe()}"}},
              {{"EN", 1}, {"CB", 1}, {"PN", 2}, {"BN", 1}});
}

class QueryPagesTest : public QueryWindowTest {
protected:
    void AddContent(PFMFile* store) override { AddPagesContent(store); }
    // The stories the test changed are closed without saving.
    void TearDown() override {
        for (std::int32_t i = 0; application && i < application->GetDocumentCount(); ++i)
            static_cast<FKDoc*>(application->GetDocument(i))->SetClean();
        QueryWindowTest::TearDown();
    }

    // The story's query window on the pages list.
    void OpenPages(FKDoc* document) {
        story = document;
        window = OpenQuery(story);
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(window->SelectQuestionList(kPagesList, false, 0));
        Run();
    }
    FQSPage* ShowRow(std::int32_t row) {
        window->GetTopicTree()->SelectNode(row, true);
        Run();
        return window->GetPage();
    }
    std::int32_t ItemCount() const { return window->GetItemList()->Count(); }

    FKDoc* story = nullptr;
    FQSWindow* window = nullptr;
};

}  // namespace querytest
