// Saving a story when the disk fails: every file call that saving makes (writing, flushing,
// syncing, renaming) fails in turn, in place, as another file, as a copy and while closing with the
// question about the changes. Each time the file on disk is the old story or the new one, whole;
// the open story keeps its changes and stays changed; the writer is told; and once the disk works
// the same road saves.

#include <gmock/gmock.h>

#include <functional>

#include "StoryAppFixture.h"
#include "platform/sys/EachFileCallFailing.h"

namespace apptest {
namespace {

constexpr FourCC kStoryInfoSegment = FourCCOf("SDI4");

class StorySave : public StoryAppTest {
protected:
    FKDoc* story = nullptr;

    // "story.fsf" titled "old", open and retitled "new".
    void OpenChanged() {
        for (std::int32_t i = 0; i < application->GetDocumentCount(); ++i) application->GetDocument(i)->SetClean();
        application->CloseAll(true);
        for (const auto& entry : std::filesystem::directory_iterator(files.Path()))
            std::filesystem::remove(entry.path());
        FKDoc* made = NewStory();
        made->GetInfoRecord().SetEntry("Title", 'c', "old");
        Choose("story.fsf");
        ASSERT_EQ(made->SaveAs(nullptr), kNoErr);
        story = made;
        story->GetInfoRecord().SetEntry("Title", 'c', "new");
        story->GetCharacterManager()->CreateCharacter("Added", 0, 0, 0, 0, false);
        story->SetDirty();
    }
    std::string OnDisk(const std::string& name) { return TextOnDisk(Path(name), kStoryInfoSegment, "Title"); }

    // The road with each of its file calls failing in turn (`failed` checks what a failure left,
    // `done` what a save that went through left).
    void FailEachCall(const std::function<ErrCode()>& road, const std::function<void(ErrCode)>& failed,
                      const std::function<void()>& done) {
        filefaults::SaveRoadRun run;
        filefaults::FailEachFileCall({[&] { OpenChanged(); }, [&] { Mark(); }, road, failed, done}, run);
        ASSERT_FALSE(run.counts.empty());
        EXPECT_GT(run.counts[0], 0u);
        EXPECT_GT(run.failures, 0);
    }

    void ExpectKept(const std::string& file) {
        ASSERT_NE(story, nullptr);
        EXPECT_TRUE(story->IsDirty());
        EXPECT_EQ(Title(*story), "new");
        EXPECT_EQ(story->GetCharacterManager()->GetCount(), 3);
        const std::string onDisk = OnDisk(file);
        EXPECT_TRUE(onDisk == "old" || onDisk == "new" || onDisk == "<missing>") << onDisk;
        EXPECT_THAT(Asked(), testing::Contains(testing::StartsWith("ERROR: ")));
        for (const auto& entry : std::filesystem::directory_iterator(files.Path()))
            EXPECT_THAT(entry.path().filename().string(), testing::EndsWith(".fsf")) << "no temporary file stays";
    }
};

TEST_F(StorySave, AFailingSaveKeepsAWholeFileAndTheStory) {
    FailEachCall([&] { return story->Save(nullptr); }, [&](ErrCode) { ExpectKept("story.fsf"); },
                 [&] {
                     EXPECT_EQ(OnDisk("story.fsf"), "new");
                     EXPECT_FALSE(story->IsDirty());
                 });
}

TEST_F(StorySave, AFailingSaveAsLeavesTheStoryOnItsOwnFile) {
    FailEachCall(
        [&] {
            const bool replacing = std::filesystem::exists(Path("renamed.fsf"));
            Choose("renamed.fsf");
            if (replacing) Answer(IDYES);
            return story->SaveAs(nullptr);
        },
        [&](ErrCode) {
            ExpectKept("renamed.fsf");
            EXPECT_EQ(story->GetFileName(), "story.fsf");
            EXPECT_EQ(OnDisk("story.fsf"), "old");
        },
        [&] {
            EXPECT_EQ(OnDisk("renamed.fsf"), "new");
            EXPECT_EQ(OnDisk("story.fsf"), "old");
            EXPECT_EQ(story->GetFileName(), "renamed.fsf");
            EXPECT_EQ(story->GetFrontEndWindow()->GetTitle(), "renamed.fsf - new");
        });
}

TEST_F(StorySave, AFailingSaveACopyLeavesTheStoryAsItWas) {
    FailEachCall(
        [&] {
            const bool replacing = std::filesystem::exists(Path("copy.fsf"));
            Choose("copy.fsf");
            if (replacing) Answer(IDYES);
            return story->SaveACopy(nullptr);
        },
        [&](ErrCode) {
            ExpectKept("copy.fsf");
            EXPECT_EQ(OnDisk("story.fsf"), "old");
        },
        [&] {
            EXPECT_EQ(OnDisk("copy.fsf"), "new");
            EXPECT_EQ(OnDisk("story.fsf"), "old");
            EXPECT_EQ(story->GetFileName(), "story.fsf");
            EXPECT_TRUE(story->IsDirty()) << "a copy does not save the story";
        });
}

// Closing asks about the changes; a failed save asks again, and the story stays open until it is
// saved or the writer lets the changes go.
TEST_F(StorySave, ClosingWithChangesNeverDropsThemWhenTheSaveFails) {
    OpenChanged();
    win::FailFileCall(win::FileCall::kRename, 1, EIO, true);
    Answer(IDYES);
    Answer(IDCANCEL);
    Mark();
    EXPECT_FALSE(story->Close(false, false));
    win::ResetFileCalls();
    EXPECT_EQ(application->GetDocumentCount(), 1);
    EXPECT_TRUE(story->IsDirty());
    EXPECT_EQ(Title(*story), "new");
    EXPECT_EQ(OnDisk("story.fsf"), "old");
    ASSERT_GE(Asked().size(), 3u);
    EXPECT_EQ(Asked().front(), "Save changes to \"story.fsf\"?");
    EXPECT_THAT(Asked(), testing::Contains(testing::StartsWith("ERROR: ")));
    EXPECT_EQ(Asked().back(), "Save changes to \"story.fsf\"?") << "asked again after the failure";

    Answer(IDYES);
    EXPECT_TRUE(story->Close(false, true));
    EXPECT_EQ(application->GetDocumentCount(), 0);
    EXPECT_EQ(OnDisk("story.fsf"), "new");
}

// While the program quits, a cancelled chooser asks again: the changes go only when the writer says
// No.
TEST_F(StorySave, QuittingWithAnUntitledStoryAsksUntilTheWriterDecides) {
    FKDoc* untitled = NewStory();
    untitled->GetInfoRecord().SetEntry("Title", 'c', "unsaved");
    untitled->SetDirty();
    Answer(IDYES);
    presenter.ScriptPromptAnswer("SaveFile", PromptAnswer{FALSE, {}});
    Answer(IDYES);
    Choose("kept.fsf");
    EXPECT_TRUE(application->CloseAll(true));
    EXPECT_EQ(TextOnDisk(Path("kept.fsf"), kStoryInfoSegment, "Title"), "unsaved");
}

}  // namespace
}  // namespace apptest
