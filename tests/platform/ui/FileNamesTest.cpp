#include <gtest/gtest.h>

#include "platform/ui/FileNames.h"

namespace {

using namespace win::detail;

TEST(FileNames, PatternsMatchLettersOfEitherCaseAndLetStarsTakeAnyRun) {
    EXPECT_TRUE(MatchesPattern("Story.FSF", "*.fsf"));
    EXPECT_TRUE(MatchesPattern("caf\xC9.txt", "CAF\xE9.*")) << "Windows-1252 letters fold too";
    EXPECT_FALSE(MatchesPattern("story.fsfx", "*.fsf"));
    EXPECT_TRUE(MatchesPattern("aXbYbZc", "a*b*c")) << "the first b is not the one that matters";
    EXPECT_FALSE(MatchesPattern("aXbYc", "a*b*bc"));
    EXPECT_TRUE(MatchesPattern("note1.txt", "note?.txt"));
    EXPECT_FALSE(MatchesPattern("note.txt", "note?.txt"));
    EXPECT_TRUE(MatchesPattern("README", "*.*")) << "every name, with or without a dot";
    EXPECT_TRUE(MatchesPattern("", "*"));
    EXPECT_TRUE(MatchesAnyPattern("a.TXT", {"*.doc", "*.txt"}));
    EXPECT_FALSE(MatchesAnyPattern("a.txt", {}));
}

TEST(FileNames, AFilterListIsReadInPairsWithSeveralPatternsToARow) {
    const char list[] = "Stories (*.fsf)\0*.fsf\0Text\0*.TXT; *.txt ;\0All\0\0Never read\0*.x\0";
    const std::vector<FileFilter> filters = ReadFilterList(list);
    ASSERT_EQ(filters.size(), 2u) << "a label without patterns ends the list";
    EXPECT_EQ(filters[0].label, "Stories (*.fsf)");
    EXPECT_EQ(filters[0].patterns, std::vector<std::string>{"*.fsf"});
    EXPECT_EQ(filters[1].patterns, (std::vector<std::string>{"*.TXT", "*.txt"}));
    EXPECT_TRUE(ReadFilterList(nullptr).empty());
    EXPECT_TRUE(ReadFilterList("\0").empty());
}

TEST(FileNames, TheDefaultExtensionGoesOnlyOnANameWithoutOne) {
    EXPECT_EQ(WithDefaultExtension("/a/story", "fsf"), "/a/story.fsf");
    EXPECT_EQ(WithDefaultExtension("/a/story.", "fsf"), "/a/story.fsf") << "not story..fsf";
    EXPECT_EQ(WithDefaultExtension("/a/story.txt", "fsf"), "/a/story.txt");
    EXPECT_EQ(WithDefaultExtension("/a.b/story", ".fsf"), "/a.b/story.fsf")
        << "a dot in a folder is not the name's";
    EXPECT_EQ(WithDefaultExtension("/a/.notes", "fsf"), "/a/.notes.fsf");
    EXPECT_EQ(WithDefaultExtension("/a/story", ""), "/a/story");
}

TEST(FileNames, TypedPathsAreReadAgainstTheFolderShownOrTheHomeFolder) {
    EXPECT_EQ(ResolvePath("/home/ann/stories", "draft.fsf", "/home/ann"), "/home/ann/stories/draft.fsf");
    EXPECT_EQ(ResolvePath("/home/ann/stories", "../notes/./a b", "/home/ann"), "/home/ann/notes/a b");
    EXPECT_EQ(ResolvePath("/home/ann/stories", "/tmp//x/", "/home/ann"), "/tmp/x");
    EXPECT_EQ(ResolvePath("/home/ann/stories", "~/x", "/home/ann"), "/home/ann/x");
    EXPECT_EQ(ResolvePath("/home/ann/stories", "~", "/home/ann"), "/home/ann");
    EXPECT_EQ(ResolvePath("/", "../..", "/home/ann"), "/");
    EXPECT_EQ(ParentFolder("/home/ann"), "/home");
    EXPECT_EQ(ParentFolder("/home"), "/");
    EXPECT_EQ(LastPart("/home/ann/a.fsf"), "a.fsf");
}

}  // namespace
