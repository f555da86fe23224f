// Page-data lists: the outline walks (first child, parent, next sibling), the scene pages' menus
// made from the appreciation tables and expanded against the story, their item texts and contents,
// and the appreciation records of their entries found again.

#include "query/data/FQSPageDataList.h"

#include <gtest/gtest.h>

#include <string>

#include "QueryStoryFixture.h"
#include "query/data/AppreciationTables.h"
#include "storymodel/engine/IncludeableAppreciation.h"

namespace {

using FQSPageDataListTest = QueryStoryTest;

FQSPageDataList Outline(const QueryStory& story, std::initializer_list<std::int16_t> levels) {
    FQSPageDataList list(story);
    std::vector<FQSPageData> entries;
    for (std::int16_t level : levels) entries.emplace_back(0, 1, level);
    list.Assign(entries);
    return list;
}

TEST_F(FQSPageDataListTest, OutlineWalks) {
    const FQSPageDataList list = Outline(Story(), {1, 2, 3, 2, 1, 2});
    EXPECT_EQ(list.GetFirstChild(0), 1);
    EXPECT_EQ(list.GetFirstChild(1), 2);
    EXPECT_EQ(list.GetFirstChild(2), -1);
    EXPECT_EQ(list.GetFirstChild(3), -1) << "the next entry is shallower";
    EXPECT_EQ(list.GetFirstChild(5), -1) << "the last entry";
    EXPECT_EQ(list.GetParent(2), 1);
    EXPECT_EQ(list.GetParent(3), 0);
    EXPECT_EQ(list.GetParent(5), 4);
    EXPECT_EQ(list.GetParent(4), -1);
    EXPECT_EQ(list.GetNextSibling(0), 4);
    EXPECT_EQ(list.GetNextSibling(1), 3);
    EXPECT_EQ(list.GetNextSibling(3), -1) << "a shallower entry comes first";
    EXPECT_EQ(list.GetNextSibling(4), -1);
    EXPECT_EQ(list.GetNextSibling(9), -1);

    // The last entry of a subtree has no next sibling, though an entry of its level comes later.
    const FQSPageDataList later = Outline(Story(), {1, 2, 3, 2, 3});
    EXPECT_EQ(later.GetNextSibling(2), -1);
}

TEST_F(FQSPageDataListTest, AMenuGivesOneBlockPerCharacterUnderTheStoryCharacters) {
    const CharID alice = AddCharacter("Alice");
    const FQSPageDataList menu(Story(), 0);
    const auto table = AppreciationTable(0);
    ASSERT_EQ(menu.Count(), static_cast<std::int32_t>(table.size()) + 2)
        << "three characters, one row in the table";

    std::int32_t heading = -1;
    for (std::int32_t i = 0; i < menu.Count(); ++i) {
        std::string name;
        menu.GetItemText(i, name);
        if (name.find("Story Characters") != std::string::npos) heading = i;
    }
    ASSERT_GE(heading, 0);
    EXPECT_EQ(heading, menu.Count() - 4);
    std::vector<CharID> characters;
    for (std::int32_t child = menu.GetFirstChild(heading); child >= 0; child = menu.GetNextSibling(child)) {
        characters.push_back(menu.At(child)->GetCharacter());
        EXPECT_EQ(menu.GetParent(child), heading);
        EXPECT_EQ(table[static_cast<std::size_t>(menu.At(child)->GetTopic())].name, std::string("{NAME(1)}"));
    }
    EXPECT_EQ(characters,
              (std::vector<CharID>{Characters().IdAt(0), Characters().IdAt(1), Characters().IdAt(2)}))
        << "in the characters' order";
    EXPECT_EQ(characters.front(), alice);
}

TEST_F(FQSPageDataListTest, ItemTextsAreExpandedAndContentsLeaveLiteralTexts) {
    const FQSPageDataList menu(Story(), 0);
    std::string text = "> ";
    menu.GetItemText(2, text);
    EXPECT_EQ(text, "> Main Character Throughline") << "appended to the text";
    text.clear();
    menu.GetItemText(13, text);
    EXPECT_EQ(text.find('{'), std::string::npos) << "the macros are expanded: " << text;
    EXPECT_NE(text.find(" Story Throughline"), std::string::npos);

    std::string content;
    menu.GetItemContent(0, content);
    EXPECT_EQ(content, "") << "a literal text is no content";
    menu.GetItemContent(2, content);
    EXPECT_EQ(content, "") << "a heading has none";
    for (std::int32_t i = 0; i < menu.Count(); ++i) {
        const AppreciationRow* row = menu.RowOf(i);
        if (row && row->storyPoint == 15000) menu.GetItemContent(i, content);
    }
    EXPECT_EQ(content, "MCDom");
}

TEST_F(FQSPageDataListTest, AppreciationRecordsAreFoundAgain) {
    AddCharacter("Alice");
    const FQSPageDataList menu(Story(), 1);
    int items = 0;
    for (std::int32_t i = 0; i < menu.Count(); ++i) {
        if (menu.GetAppreciationID(i) < 0) continue;
        ++items;
        const IncludeableAppreciation record = menu.MakeAppreciation(i);
        EXPECT_EQ(record.GetFirstID(), menu.GetAppreciationID(i));
        EXPECT_EQ(menu.FindAppreciation(record), i) << "each item of a menu is one appreciation";
    }
    EXPECT_GT(items, 100);
    // A throughline's item carries its throughline; a character's item its character.
    for (std::int32_t i = 0; i < menu.Count(); ++i) {
        if (menu.GetAppreciationID(i) == 15000) {
            EXPECT_EQ(menu.GetThroughlineOrScene(i), 1);
        }
        if (menu.GetAppreciationID(i) == 21300) {
            EXPECT_EQ(menu.GetThroughlineOrScene(i), 3);
        }
    }
    EXPECT_EQ(menu.FindAppreciation(IncludeableAppreciation(15000, 2)), -1);
}

TEST_F(FQSPageDataListTest, ThroughlineOrScene) {
    FQSPageDataList list(Story());
    FQSPageData scene(0, 1, 1);
    scene.SetScene(7);
    FQSPageData both(0, 1, 1);
    both.SetScene(7);
    both.SetThroughline(2);
    list.Assign({scene, both});
    EXPECT_EQ(list.GetThroughlineOrScene(0), 7);
    EXPECT_EQ(list.GetThroughlineOrScene(1), 2);
    EXPECT_EQ(list.GetAppreciationID(0), -1) << "a question list has no table";
}

TEST_F(FQSPageDataListTest, AnotherKindGivesAnEmptyMenu) {
    EXPECT_EQ(FQSPageDataList(Story(), 3).Count(), 0);
    EXPECT_EQ(FQSPageDataList(Story(), -1).Count(), 0);
    EXPECT_EQ(FQSPageDataList(Story(), 2).Count(), 53 - 1 + 2);
}

}  // namespace
