// Finding characters by id while the list changes (created, renamed, deleted, loaded), and the
// story's relationships read in one pass, against what each character answers for each other one.

#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "storymodel/CharacterManager.h"
#include "storymodel/StoryTestSupport.h"

namespace {

using CharacterLookupTest = StoryTest;

// Every character is found by its id at its place in the list, and an id without a character is not.
void ExpectEveryIdFound(CharacterManager& characters, const std::vector<CharID>& gone) {
    for (std::int32_t position = 0; position < characters.GetCount(); ++position) {
        const CharID id = characters.IdAt(position);
        EXPECT_EQ(characters.IndexOf(id), position) << id;
        EXPECT_EQ(characters.GetCharacter(id), characters.RecordAt(position)) << id;
    }
    for (const CharID id : gone) {
        EXPECT_EQ(characters.IndexOf(id), characters.GetCount()) << id;
        EXPECT_FALSE(characters.HasCharacter(id)) << id;
        EXPECT_EQ(characters.GetCharacter(id), nullptr) << id;
    }
}

// The pairs of ids with a relationship, each pair once (lower id first).
using Pairs = std::set<std::pair<CharID, CharID>>;

Pairs ReadInOnePass(CharacterManager& characters) {
    Pairs pairs;
    const std::vector<std::vector<std::int32_t>> related = characters.RelatedPositions();
    EXPECT_EQ(related.size(), std::size_t{characters.GetCount()});
    for (std::size_t position = 0; position < related.size(); ++position) {
        EXPECT_TRUE(std::is_sorted(related[position].begin(), related[position].end())) << position;
        for (const std::int32_t other : related[position]) {
            const CharID a = characters.IdAt(static_cast<std::int32_t>(position)), b = characters.IdAt(other);
            EXPECT_NE(a, b);
            pairs.insert({std::min(a, b), std::max(a, b)});
        }
    }
    return pairs;
}

Pairs AskedPairByPair(CharacterManager& characters) {
    Pairs pairs;
    for (std::int32_t a = 0; a < characters.GetCount(); ++a) {
        for (std::int32_t b = 0; b < characters.GetCount(); ++b) {
            const CharID first = characters.IdAt(a), second = characters.IdAt(b);
            if (a != b && characters.RecordAt(a)->HasRelationship(second))
                pairs.insert({std::min(first, second), std::max(first, second)});
        }
    }
    return pairs;
}

TEST_F(CharacterLookupTest, CharactersAreFoundByIdAfterEveryChangeOfTheList) {
    NewStory();
    ExpectEveryIdFound(Characters(), {2, 400});
    const CharID cy = Characters().CreateCharacter("Cy", 0, 1, 0, kNoRole, false);
    const CharID ann = Characters().CreateCharacter("Ann", 0, 1, 0, kNoRole, false);
    const CharID bo = Characters().CreateCharacter("Bo", 0, 1, 0, kNoRole, false);
    ASSERT_EQ(Characters().IdAt(0), ann);  // each new character went in at its place by name
    ExpectEveryIdFound(Characters(), {5, kNoCharID});

    // A rename moves the character in the list.
    Characters().GetCharacter(cy)->SetName("Aaron");
    ASSERT_EQ(Characters().IdAt(0), cy);
    ExpectEveryIdFound(Characters(), {});

    // Deleting moves the characters after it up.
    Characters().DeleteCharacter(ann, false);
    ASSERT_EQ(Characters().IdAt(1), bo);
    ExpectEveryIdFound(Characters(), {ann});

    // A story opened again finds its characters as they were sorted on loading.
    Reopen();
    ASSERT_EQ(Characters().GetCount(), 4);
    EXPECT_EQ(Characters().IdAt(0), cy);
    ExpectEveryIdFound(Characters(), {ann});

    // Down to none, ids still answer "none".
    for (const CharID id : {cy, bo, CharID{0}, CharID{1}}) Characters().DeleteCharacter(id, false);
    ASSERT_EQ(Characters().GetCount(), 0);
    ExpectEveryIdFound(Characters(), {0, 1, ann, bo, cy});
}

TEST_F(CharacterLookupTest, RelationshipsReadInOnePassAreThoseEachCharacterHas) {
    NewStory();
    // Ann to Ed take ids 2-6, Jo 10 (written "   A" in keys) and Flo 16 ("  10"); ids 7-9 and 11-15
    // were taken and their characters deleted.
    for (const char* name : {"Ann", "Bo", "Cy", "Di", "Ed"}) Characters().CreateCharacter(name, 0, 1, 0, kNoRole, false);
    while (Characters().GetLastCharacterID() < 15) Characters().CreateCharacter("x", 0, 1, 0, kNoRole, false);
    for (CharID id = 7; id <= 15; ++id) {
        if (id != 10) Characters().DeleteCharacter(id, false);
    }
    Characters().GetCharacter(10)->SetName("Jo");
    const CharID flo = Characters().CreateCharacter("Flo", 0, 1, 0, kNoRole, false);
    ASSERT_EQ(flo, 16);
    CharInfoRec& ann = *Characters().GetCharacter(2);
    CharInfoRec& bo = *Characters().GetCharacter(3);
    CharInfoRec& cy = *Characters().GetCharacter(4);
    EXPECT_EQ(ReadInOnePass(Characters()), Pairs{});

    ann.SetRelationship("old friends", 3);
    cy.SetRelationship("", 2);                                     // kept by Ann, with an empty text
    Characters().GetCharacter(0)->SetRelationship("rivals", flo);  // a key of two hex digits
    bo.SetText("Relat   A", "written as the program writes it");  // Bo and Jo
    ann.SetRelationship("herself", 2);                             // with itself: no pair

    // Texts that no two characters answer for: a relationship with a deleted character, one kept by
    // the character with the higher id, keys not written as the program writes them.
    ann.SetText("Relat   F", "with a deleted character");
    cy.SetText("Relat   3", "kept by the wrong one");
    bo.SetText("Relat0005", "zero-padded");
    bo.SetText("Relat 5", "short");
    bo.SetText("Relat   5 ", "trailing blank");
    bo.SetText("Relat  1g", "no hex digit");
    cy.SetText("Relat   a", "lower case");
    cy.SetText("Relat", "no id");

    const Pairs expected{{0, 16}, {2, 3}, {2, 4}, {3, 10}};
    EXPECT_EQ(AskedPairByPair(Characters()), expected);
    EXPECT_EQ(ReadInOnePass(Characters()), expected);

    // The same after the story is saved and opened again, with the records opened as they are read.
    Reopen();
    EXPECT_EQ(ReadInOnePass(Characters()), expected);
    Characters().DeleteCharacter(3, false);
    EXPECT_EQ(ReadInOnePass(Characters()), (Pairs{{0, 16}, {2, 4}}));
    Characters().DeleteCharacter(flo, false);
    EXPECT_EQ(ReadInOnePass(Characters()), (Pairs{{2, 4}}));
}

}  // namespace
