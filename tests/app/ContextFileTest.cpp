// The context file the build makes: the program opens it at start-up, and it holds a text for every
// value a page about any story point can stand for, which names that value when expanded and
// leaves no macro the expander does not know.

#include <gtest/gtest.h>

#include <cstring>

#include "StoryAppFixture.h"
#include "storymodel/TextMacroExpander.h"
#include "storymodel/engine/ElementTable.h"
#include "storymodel/engine/StoryPointContext.h"
#include "storymodel/engine/StoryPointTable.h"

namespace apptest {
namespace {

using ContextFile = StoryAppTest;

constexpr FourCC kContextText = FourCCOf("CNTX");

// The stored text of the context file's segment, or nothing when there is none.
std::optional<std::string> ContextText(PFMFile* file, std::int16_t id) {
    const PFMFileScope scope(file, false);
    const CheckedOutHdl segment(kContextText, static_cast<std::uint16_t>(id));
    if (!segment.Data()) return std::nullopt;
    const char* bytes = static_cast<const char*>(segment.Data());
    return std::string(bytes, strnlen(bytes, MemSize(segment.Data())));
}

TEST_F(ContextFile, EveryValueOfEveryPointHasATextNamingIt) {
    PFMFile* context = application->GetContextFile();
    ASSERT_NE(context, nullptr) << "Commands/context.qrv";
    FKDoc* story = NewStory();
    int texts = 0;
    for (int index = 0; index < kStoryPointCount; ++index) {
        const StoryPointRecord& row = *StoryPointAt(index);
        for (const std::int16_t value : StoryPointPageValues(index)) {
            const std::int16_t id = ContextTextID(row.id, value);
            const std::optional<std::string> text = ContextText(context, id);
            ASSERT_TRUE(text.has_value()) << row.code << " " << value << ": 'CNTX' " << id;
            TextMacroExpander expander(story, text->c_str());
            const std::string expanded = expander.Expand();
            EXPECT_EQ(expanded.find('{'), std::string::npos) << row.code << " " << value << ": " << expanded;
            const std::string name = value >= 1000 ? StoryPointName(value) : ElementName(value);
            EXPECT_NE(expanded.find(name), std::string::npos) << row.code << " " << value << ": " << expanded;
            ++texts;
        }
    }
    EXPECT_EQ(texts, 2638);
}

TEST_F(ContextFile, HoldsNothingOutsideThePointsValues) {
    PFMFile* context = application->GetContextFile();
    ASSERT_NE(context, nullptr);
    EXPECT_FALSE(ContextText(context, 1000).has_value());
    EXPECT_TRUE(ContextText(context, 1001).has_value());
    // The impact character's resolve shows Resolve's values 5 above them; Growth's start at 1011.
    EXPECT_TRUE(ContextText(context, 1007).has_value());
    EXPECT_FALSE(ContextText(context, 1008).has_value());
    // The last variation of the subjective story's thematic counterpoint ends the file.
    EXPECT_TRUE(ContextText(context, 22884).has_value());
    EXPECT_FALSE(ContextText(context, 22885).has_value());
}

}  // namespace
}  // namespace apptest
