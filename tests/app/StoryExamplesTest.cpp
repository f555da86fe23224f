// Build Story Examples: the story examples file rebuilt from the example stories, one segment per
// story point value with one paragraph per story that chose it; a missing folder, a folder without
// stories, a story that cannot be read and a cancellation each leave the old file as it was.

#include <gmock/gmock.h>

#include <filesystem>
#include <fstream>

#include "CommandFixture.h"
#include "app/CompileCmd.h"
#include "foundation/Memory.h"
#include "foundation/pfm/PFM.h"
#include "platform/sys/FileHandle.h"
#include "platform/ui/VirtualKeys.h"
#include "storymodel/engine/StoryFormManager.h"
#include "storymodel/engine/StoryPointTable.h"

namespace apptest {
namespace {

using ::testing::ElementsAre;

constexpr FourCC kResolveType = FourCCOf("Rslv");
constexpr FourCC kGrowthType = FourCCOf("Dir ");

// The text of a segment, up to its first NUL.
std::string TextOf(const StoreSegments& segments, FourCC type, std::uint16_t id) {
    const auto found = segments.find({type, id});
    return found == segments.end() ? "<missing>" : std::string(found->second.c_str());
}

std::string Paragraph(const std::string& title, const std::string& tail) {
    return "\xC7M(12,36,0)\xC8\xC7"
           "B+\xC8" +
           title +
           "\xC7"
           "B-\xC8" +
           tail;
}

class StoryExamples : public CommandTest {
protected:
    std::string Examples() const { return ProgramFile("examples"); }
    std::string ExamplesFile() const { return ProgramFile("Commands/storyexm.qrv"); }

    // An example story with the title, Resolve chosen and (when given) its storytelling text.
    void WriteExample(const std::string& name, const char* title, std::int16_t resolve, const char* telling,
                      std::int16_t growth = 0) {
        FKDoc* story = NewStory();
        story->GetInfoRecord().SetEntry("Title", 'c', title);
        story->GetStoryFormManager()->SetChoice(1000, resolve);
        if (growth != 0) story->GetStoryFormManager()->SetChoice(1010, growth);
        if (telling) story->GetStorytellingRecord().SetEntry("Resolve", 'c', telling);
        presenter.ScriptPromptAnswer("SaveFile", PromptAnswer{TRUE, Examples() + "/" + name});
        ASSERT_EQ(story->SaveAs(nullptr), kNoErr);
        story->SetClean();
        ASSERT_TRUE(application->CloseWindow(story->GetFrontEndWindow(), true));
    }
    // Runs the command with the front story it needs, answering its question.
    ErrCode Rebuild(int answer = IDYES) {
        if (!application->GetFrontDocument()) NewStory();
        Answer(answer);
        Mark();
        return CompileCmd(application).Do();
    }
    // An examples file made before, with one segment of its own.
    void WriteOldExamples() {
        PFMPushCurrentFile(nullptr);
        PFMFile* store = PFMOpenFile(nullptr);
        void* block = MemAllocFill(4, 'x');
        PFMAddSegment(kResolveType, 999, block, 1, false);
        PFMCheckIn(block);
        const FileRef file(ExamplesFile().c_str(), kAccessCreate);
        ASSERT_EQ(PFMSaveFile(&file), kNoErr);
        PFMCloseFile(store);
        PFMPopCurrentFile();
        ASSERT_NE(App().OpenStoryExamplesFile(), nullptr);
    }
};

TEST(StoryExampleValues, ElementValuesFoldIntoTheFirstClassKeepingTheRemaindersSign) {
    EXPECT_EQ(FoldElementValue(85), 85);
    EXPECT_EQ(FoldElementValue(148), 148);
    EXPECT_EQ(FoldElementValue(149), 85);
    EXPECT_EQ(FoldElementValue(200), 136);
    EXPECT_EQ(FoldElementValue(340), 148);
    EXPECT_EQ(FoldElementValue(1), 65);
    EXPECT_EQ(FoldElementValue(21), 85);
    EXPECT_EQ(FoldElementValue(84), 84);
}

TEST(StoryExampleValues, AParagraphNamesTheStoryAndGivesItsText) {
    EXPECT_EQ(ExampleParagraph("Dune", "Because he must."), Paragraph("Dune", ":  Because he must.\n"));
    EXPECT_EQ(ExampleParagraph("Dune", nullptr), Paragraph("Dune", ". \n"));
    EXPECT_EQ(ExampleParagraph("Dune", ""), Paragraph("Dune", ". \n"));
}

TEST_F(StoryExamples, WithoutAStoryInFrontTheCommandIsGreyedAndDoesNothing) {
    EXPECT_FALSE(application->CommandEnabled(kCmdBuildStoryExamples));
    Mark();
    EXPECT_EQ(CompileCmd(application).Do(), kNoErr);
    EXPECT_TRUE(Asked().empty());
    NewStory();
    EXPECT_TRUE(application->CommandEnabled(kCmdBuildStoryExamples));
}

TEST_F(StoryExamples, TwoStoriesChoosingOneValueShareItsSegmentInListOrder) {
    std::filesystem::create_directory(Examples());
    WriteExample("b-second.fsf", "Second Tale", 1001, nullptr, 1012);
    WriteExample("a-first.fsf", "First Tale", 1001, "She changes at last.");
    WriteExample("c-third.fsf", "Third Tale", 1002, "He holds on.");
    std::ofstream(Examples() + "/notes.txt") << "not a story";
    WriteOldExamples();

    EXPECT_EQ(Rebuild(), kNoErr);
    EXPECT_TRUE(Asked().size() == 1 && Asked()[0].rfind("The Story Examples command rebuilds", 0) == 0);
    const StoreSegments segments = SegmentsOnDisk(ExamplesFile());
    EXPECT_EQ(TextOf(segments, kResolveType, 1001),
              Paragraph("First Tale", ":  She changes at last.\n") + Paragraph("Second Tale", ". \n"));
    EXPECT_EQ(TextOf(segments, kResolveType, 1002), Paragraph("Third Tale", ":  He holds on.\n"));
    EXPECT_EQ(TextOf(segments, kGrowthType, 1012), Paragraph("Second Tale", ". \n"));
    EXPECT_EQ(segments.count({kResolveType, 999}), 0u) << "the old file was replaced";
    EXPECT_NE(App().GetExamplesFile(), nullptr) << "opened again";
}

// A paragraph keeps to the rebuild's text buffer: a longer storytelling text is cut.
TEST_F(StoryExamples, AStorytellingTextTooLongForAParagraphIsCut) {
    std::filesystem::create_directory(Examples());
    const std::string longText(31000, 'w');
    WriteExample("long.fsf", "Long Tale", 1001, longText.c_str());
    EXPECT_EQ(Rebuild(), kNoErr);
    const std::string text = TextOf(SegmentsOnDisk(ExamplesFile()), kResolveType, 1001);
    const std::string start = Paragraph("Long Tale", ":  www");
    EXPECT_EQ(text.substr(0, start.size()), start);
    EXPECT_LT(text.size(), CompileCmd::kTextBufferSize);
    EXPECT_GT(text.size(), CompileCmd::kTextBufferSize - 100) << "cut at the buffer's end, not before";
    EXPECT_EQ(text.back(), '\n');
}

TEST_F(StoryExamples, AMissingFolderOrOneWithoutStoriesIsNamedAndTheOldFileStays) {
    WriteOldExamples();
    const StoreSegments before = SegmentsOnDisk(ExamplesFile());
    EXPECT_NE(Rebuild(), kNoErr);
    EXPECT_EQ(Asked().back(), CompileCmd::kNoFolderText);

    std::filesystem::create_directory(Examples());
    std::ofstream(Examples() + "/notes.txt") << "not a story";
    EXPECT_EQ(Rebuild(), kNoErr);
    EXPECT_EQ(Asked().back(), CompileCmd::kNoStoriesText);
    EXPECT_EQ(SegmentsOnDisk(ExamplesFile()), before);
    EXPECT_NE(App().GetExamplesFile(), nullptr);

    Rebuild(IDNO);
    EXPECT_EQ(Asked().size(), 1u) << "No asks nothing more";
}

TEST_F(StoryExamples, AStoryWithoutItsRecordsEndsTheRebuildAndTheOldFileStays) {
    std::filesystem::create_directory(Examples());
    WriteExample("a-good.fsf", "Good", 1001, nullptr);
    // A store that is no story: no main record, no responses.
    std::filesystem::copy_file(builtFolder + "/Commands/charpix.qrv", Examples() + "/b-bad.fsf");
    WriteOldExamples();
    const StoreSegments before = SegmentsOnDisk(ExamplesFile());
    EXPECT_EQ(Rebuild(), -1);
    EXPECT_EQ(Asked().back(), CompileCmd::kErrorText);
    EXPECT_EQ(SegmentsOnDisk(ExamplesFile()), before);
    EXPECT_NE(App().GetExamplesFile(), nullptr) << "the old file is open as before";
}

TEST_F(StoryExamples, CancelLeavesTheOldFileOpenAsItWas) {
    std::filesystem::create_directory(Examples());
    WriteExample("a.fsf", "One", 1001, nullptr);
    WriteExample("b.fsf", "Two", 1002, nullptr);
    WriteOldExamples();
    const StoreSegments before = SegmentsOnDisk(ExamplesFile());
    NewStory();
    // Escape, waiting when the progress box takes its first messages, presses its Cancel.
    presenter.PressKey(win::VK_ESCAPE);
    EXPECT_EQ(Rebuild(), kNoErr);
    EXPECT_EQ(SegmentsOnDisk(ExamplesFile()), before);
    EXPECT_NE(App().GetExamplesFile(), nullptr);
}

// Chosen from the Storyforming menu with the keyboard: No to its question leaves the examples file
// as it was; Yes rebuilds it from the example stories.
TEST_F(StoryExamples, FromTheMenuNoLeavesTheExamplesAsTheyWereAndYesRebuildsThem) {
    std::filesystem::create_directory(Examples());
    WriteExample("a.fsf", "Only Tale", 1001, "It ends well.");
    WriteOldExamples();
    const StoreSegments before = SegmentsOnDisk(ExamplesFile());
    NewStory();
    Run();
    const auto choose = [&](int answer) {
        Answer(answer);
        Mark();
        presenter.KeyDown(VK_MENU);
        presenter.PressKey('S');
        presenter.KeyUp(VK_MENU);
        presenter.PressKey('B');
        Run();
    };
    choose(IDNO);
    EXPECT_EQ(Asked().size(), 1u) << "the question alone";
    EXPECT_EQ(SegmentsOnDisk(ExamplesFile()), before);

    choose(IDYES);
    ASSERT_FALSE(Asked().empty());
    EXPECT_EQ(Asked()[0].rfind("The Story Examples command rebuilds", 0), 0u);
    const StoreSegments after = SegmentsOnDisk(ExamplesFile());
    EXPECT_EQ(TextOf(after, kResolveType, 1001), Paragraph("Only Tale", ":  It ends well.\n"));
    EXPECT_EQ(after.count({kResolveType, 999}), 0u);
}

TEST_F(StoryExamples, AnExamplesFileThatIsNoStoreIsDeletedWhenAskedFor) {
    const HFILE held = OpenFileHandle(ExamplesFile().c_str(), FileOpenMode::kReadWrite);
    EXPECT_EQ(App().OpenStoryExamplesFile(), nullptr);
    CloseFileHandle(held);
    EXPECT_TRUE(std::filesystem::exists(ExamplesFile())) << "a file another copy holds is not taken for one";
    std::ofstream(ExamplesFile()) << "damaged";
    EXPECT_EQ(App().OpenStoryExamplesFile(), nullptr);
    EXPECT_FALSE(std::filesystem::exists(ExamplesFile()));
    EXPECT_EQ(App().OpenStoryExamplesFile(), nullptr) << "and none there";
}

}  // namespace
}  // namespace apptest
