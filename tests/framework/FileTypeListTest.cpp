// The filter text of a type list at the edge of its buffer: rows that fill it exactly are kept, and
// nothing is written past its end.

#include <gmock/gmock.h>

#include <string>
#include <vector>

#include "framework/FileTypeList.h"

namespace {

using ::testing::ElementsAre;

constexpr char kGuard = '#';

// The filter built into a buffer of the size given, followed by a guard byte that must stay as it is.
class FilterInBuffer {
public:
    FilterInBuffer(const CustomFileList& list, std::size_t size) : bytes_(size + 1, kGuard) {
        list.BuildFilterString(bytes_.data(), size);
    }
    bool GuardKept() const { return bytes_.back() == kGuard; }
    // The texts of the filter: label, patterns, label, ...
    std::vector<std::string> Pieces() const {
        std::vector<std::string> pieces;
        for (const char* piece = bytes_.data(); *piece; piece += pieces.back().size() + 1)
            pieces.emplace_back(piece);
        return pieces;
    }

private:
    std::vector<char> bytes_;
};

// "Story\0*.fsf\0" and the closing NUL: 13 bytes.
CustomFileList StoryList() {
    CustomFileList list;
    list.AddTypeList("Story")->AddType(FourCCOf(".fsf"));
    return list;
}

TEST(FilterString, ARowThatFillsTheBufferExactlyIsKeptAndNothingIsWrittenPastIt) {
    const FilterInBuffer exact(StoryList(), 13);
    EXPECT_THAT(exact.Pieces(), ElementsAre("Story", "*.fsf"));
    EXPECT_TRUE(exact.GuardKept());

    const FilterInBuffer roomy(StoryList(), 14);
    EXPECT_THAT(roomy.Pieces(), ElementsAre("Story", "*.fsf"));
    EXPECT_TRUE(roomy.GuardKept());
}

TEST(FilterString, ARowOneByteTooLongIsLeftOutWithinTheBuffer) {
    const FilterInBuffer tight(StoryList(), 12);
    EXPECT_TRUE(tight.Pieces().empty());
    EXPECT_TRUE(tight.GuardKept());

    const FilterInBuffer single(StoryList(), 1);
    EXPECT_TRUE(single.Pieces().empty());
    EXPECT_TRUE(single.GuardKept());
}

TEST(FilterString, TwoRowsThatFillTheBufferExactlyAreBothKept) {
    CustomFileList list = StoryList();
    list.AddTypeList("Text")->AddType(FourCCOf(".TXT"));
    // 12 bytes for the story row, "Text\0*.TXT\0" 11 more, and the closing NUL.
    const FilterInBuffer exact(list, 24);
    EXPECT_THAT(exact.Pieces(), ElementsAre("Story", "*.fsf", "Text", "*.TXT"));
    EXPECT_TRUE(exact.GuardKept());

    const FilterInBuffer oneShort(list, 23);
    EXPECT_THAT(oneShort.Pieces(), ElementsAre("Story", "*.fsf"));
    EXPECT_TRUE(oneShort.GuardKept());
}

}  // namespace
