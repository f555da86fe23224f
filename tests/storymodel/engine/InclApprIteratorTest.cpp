#include "storymodel/engine/InclApprIterator.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace {

const std::map<CharID, std::string> kNames = {{1, "Zed"}, {2, "Amy"}, {3, "Bob"}, {4, "Amy"}, {5, "amy"}};

std::string NameOf(CharID id) {
    const auto found = kNames.find(id);
    return found == kNames.end() ? std::string() : found->second;
}

std::vector<IncludeableAppreciation> Walk(const InclApprList& list) {
    std::vector<IncludeableAppreciation> walked;
    InclApprIterator iterator(list, NameOf);
    for (iterator.First(); !iterator.IsDone(); iterator.Next()) walked.push_back(iterator.CurrentItem());
    return walked;
}

TEST(InclApprIterator, CharactersByNameThenIdWithNoneLast) {
    InclApprList list(nullptr, false);
    for (CharID id : {kNoCharID, CharID{1}, CharID{2}, CharID{3}, CharID{4}, CharID{5}}) {
        list.Insert(IncludeableAppreciation(10, 20, id));
    }
    std::vector<CharID> order;
    for (const IncludeableAppreciation& entry : Walk(list)) order.push_back(entry.GetCharacter1());
    // "Amy" (4 before 2: equal names go by id, larger first), "Bob", "Zed", then "amy" (bytes, so
    // lower case after upper case), and the entry without a character last.
    EXPECT_EQ(order, (std::vector<CharID>{4, 2, 3, 1, 5, kNoCharID}));
}

TEST(InclApprIterator, SecondCharactersThenIds) {
    InclApprList list(nullptr, false);
    list.Insert(IncludeableAppreciation(7, 1, 3, 1));  // Bob with Zed
    list.Insert(IncludeableAppreciation(7, 1, 3, 2));  // Bob with Amy
    list.Insert(IncludeableAppreciation(8, 1, 3));     // Bob alone
    list.Insert(IncludeableAppreciation(6, 2, 3));
    list.Insert(IncludeableAppreciation(6, 1, 3));
    const std::vector<IncludeableAppreciation> walked = Walk(list);
    EXPECT_EQ(walked, (std::vector<IncludeableAppreciation>{
                          IncludeableAppreciation(7, 1, 3, 2), IncludeableAppreciation(7, 1, 3, 1),
                          IncludeableAppreciation(6, 1, 3), IncludeableAppreciation(6, 2, 3),
                          IncludeableAppreciation(8, 1, 3)}));
    // The list itself keeps its own order.
    EXPECT_EQ(list.GetAt(0), IncludeableAppreciation(6, 1, 3));
}

TEST(InclApprIterator, EmptyListIsDoneAtOnce) {
    InclApprList list(nullptr, false);
    InclApprIterator iterator(list, NameOf);
    iterator.First();
    EXPECT_TRUE(iterator.IsDone());
}

}  // namespace
