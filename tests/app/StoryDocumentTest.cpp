// The story document: a new story's records and defaults, its caption, the announcements of its
// opening and closing, saving and reopening it with every record as it was, the repairs made when
// an earlier version's faults are found, reverting, and closing its windows.

#include <gmock/gmock.h>

#include "StoryAppFixture.h"
#include "app/PreferencesManager.h"
#include "storymodel/CharacterFiles.h"
#include "storymodel/CharacterManager.h"
#include "storymodel/ListenerMixins.h"
#include "storymodel/SceneManager.h"
#include "storymodel/engine/StoryFormManager.h"
#include "storymodel/engine/StoryformSolver.h"
#include "platform/ui/VirtualKeys.h"
#include "query/data/QuestionStatus.h"
#include "query/data/TopicTable.h"
#include "query/data/QuestionContext.h"
#include "app/DelCharCmd.h"

namespace apptest {
namespace {

using ::testing::ElementsAre;

constexpr FourCC kInfo = FourCCOf("SDI4");

class DocumentEvents : public MFKDocListener {
public:
    explicit DocumentEvents(Broadcaster* application) : MFKDocListener(application) {}
    void DocumentChanged(const FKDocEvent* event) override {
        codes.push_back(event ? event->GetCode() : 0);
        hadRecords.push_back(event && event->GetDocument()->HasRecords());
    }
    std::vector<std::uint32_t> codes;
    std::vector<bool> hadRecords;
};

// A window of a story that notes its closing.
class DocumentToolWindow : public TWMWindow {
public:
    DocumentToolWindow(TAppl* application, TDoc* document, const char* title,
                       std::vector<std::string>& closed)
        : TWMWindow(application, &kPlace, document, kChildMode, 0, title), closed_(closed) {}
    ~DocumentToolWindow() override { closed_.push_back(GetTitle()); }
    static constexpr ShortRect kPlace{10, 10, 100, 100};

private:
    std::vector<std::string>& closed_;
};

class StoryDocument : public StoryAppTest {
protected:
    // A story with a title, a third character, a scene, a choice and an answered question, saved as
    // the file.
    FKDoc* WrittenStory(const std::string& name) {
        FKDoc* story = NewStory();
        story->GetInfoRecord().SetEntry("Title", 'c', "The Long Road");
        story->GetCharacterManager()->CreateCharacter("Mara", 1, 0, 0, 0, false);
        const std::int32_t scene = story->GetSceneManager()->InsertScene(-1);
        story->GetSceneManager()->SceneAt(scene)->SetTitle("The crossing");
        story->GetStoryFormManager()->SetChoice(1000, 1001);
        story->GetQuestionStatus().SetStatus(1, 42, 7);
        story->GetStorytellingRecord().SetEntry("STDom", 'c', "Trouble at the ford");
        Choose(name);
        EXPECT_EQ(story->SaveAs(nullptr), kNoErr);
        return story;
    }
};

TEST_F(StoryDocument, ANewStoryHasItsDefaultRecordsAndOpensClean) {
    DocumentEvents events(application);
    FKDoc* story = NewStory();
    ASSERT_NE(story, nullptr);
    EXPECT_EQ(story->GetClassId(), 143);
    EXPECT_TRUE(story->IsKindOf(101));
    EXPECT_FALSE(story->IsDirty());
    PText& info = story->GetInfoRecord();
    char text[64] = "";
    info.GetEntry("OSName", 'c', text, sizeof text);
    EXPECT_STREQ(text, "The {NObje} Story");
    info.GetEntry("SSName", 'c', text, sizeof text);
    EXPECT_STREQ(text, "The {NSubj} Story");
    EXPECT_EQ(Title(*story), "Your Story");
    for (PText* record : {story->GetResponseRecord(), &story->GetStorytellingRecord(), story->GetLockRecord()}) {
        std::int32_t cursor = 0;
        PTextEntry entry;
        EXPECT_LT(record->FirstEntry(cursor, entry), 0) << "empty";
    }
    std::int16_t version = -1;
    info.GetEntry("MajVer", 's', &version);
    EXPECT_EQ(version, application->GetMajorVersion());
    CharacterManager& characters = *story->GetCharacterManager();
    EXPECT_EQ(characters.GetCount(), 2) << "the Main and impact characters a new story starts with";
    EXPECT_EQ(characters.GetNextCustomPictureID(), 0x8001u) << "custom pictures start after the stock ones";
    EXPECT_EQ(story->GetStoryformCount(), StoryFormManager::kAllStoryforms);
    EXPECT_EQ(story->GetSceneManager()->GetSceneCount(), 0);
    ASSERT_NE(story->GetFrontEndWindow(), nullptr);
    EXPECT_EQ(story->GetWindow(0), story->GetFrontEndWindow()) << "the front end is the first window";
    EXPECT_EQ(story->GetFrontEndWindow()->GetTitle(), story->GetFileName() + " - Your Story");
    EXPECT_THAT(events.codes, ElementsAre(FKDocEvent::kOpened));

    application->CloseAll(true);
    EXPECT_THAT(events.codes, ElementsAre(FKDocEvent::kOpened, FKDocEvent::kClosing));
    EXPECT_THAT(events.hadRecords, ElementsAre(true, true)) << "closing is announced while the story is whole";
}

TEST_F(StoryDocument, TheCaptionIsTheNameForTheTitle) {
    FKDoc* story = NewStory();
    char caption[64];
    story->GetTitle("Draft1", caption, sizeof caption);
    EXPECT_STREQ(caption, "Draft1 for Your Story");
    story->GetTitle("", caption, sizeof caption);
    EXPECT_STREQ(caption, "Your Story");
    story->GetInfoRecord().SetEntry("Title", 'c', "");
    story->GetTitle("Draft1", caption, sizeof caption);
    EXPECT_STREQ(caption, "Draft1");
    story->UpdateWindowTitles();
    EXPECT_EQ(story->GetFrontEndWindow()->GetTitle(), story->GetFileName() + " - ");
    story->GetTitle("Draft1", caption, 4);
    EXPECT_STREQ(caption, "Dra");
}

TEST_F(StoryDocument, ASavedStoryOpensAgainWithEveryRecordAsItWas) {
    FKDoc* story = WrittenStory("story.fsf");
    EXPECT_FALSE(story->IsDirty());
    // The story file checked in for the program's own test is made here.
    if (std::getenv("FABLECORE_WRITE_REFERENCE"))
        std::filesystem::copy_file(Path("story.fsf"), std::string(APP_TEST_DATA) + "/checked-in.fsf",
                                   std::filesystem::copy_options::overwrite_existing);
    const StoreSegments saved = SegmentsOnDisk(Path("story.fsf"));
    EXPECT_TRUE(saved.count({FourCCOf("QST3"), 0})) << "the question status is saved with the story";
    EXPECT_EQ(TextOnDisk(Path("story.fsf"), FourCCOf("QST3"), "QState"), "42,7,1,1,");
    Stop();
    Start();

    FKDoc* reopened = OpenStory("story.fsf");
    ASSERT_NE(reopened, nullptr);
    EXPECT_FALSE(reopened->IsDirty());
    EXPECT_EQ(Title(*reopened), "The Long Road");
    EXPECT_EQ(reopened->GetCharacterManager()->GetCount(), 3);
    ASSERT_EQ(reopened->GetSceneManager()->GetSceneCount(), 1);
    char title[32] = "";
    reopened->GetSceneManager()->SceneAt(0)->GetTitle(title, sizeof title);
    EXPECT_STREQ(title, "The crossing");
    EXPECT_EQ(reopened->GetStoryFormManager()->GetChoice(1000), 1001);
    EXPECT_EQ(reopened->GetQuestionStatus().GetStatus(42, 7), 1);
    EXPECT_EQ(reopened->GetFrontEndWindow()->GetTitle(), "story.fsf - The Long Road");

    // Opening recounts the storyforms and reads every record in; from then on a story saved and
    // opened again holds the same records byte for byte.
    Choose("first.fsf");
    ASSERT_EQ(reopened->SaveACopy(nullptr), kNoErr);
    const StoreSegments first = SegmentsOnDisk(Path("first.fsf"));
    EXPECT_EQ(first.size(), saved.size());
    FKDoc* copy = OpenStory("first.fsf");
    ASSERT_NE(copy, nullptr);
    Choose("again.fsf");
    ASSERT_EQ(copy->SaveACopy(nullptr), kNoErr);
    EXPECT_EQ(SegmentsOnDisk(Path("again.fsf")), first);
}

// 3,000 answered marks, as a large cast with relationships and many scenes gives, need more text
// than one value of a record holds: every one of them comes back after a save, and the text that
// earlier versions read alone holds whole marks.
TEST_F(StoryDocument, EveryAnsweredMarkOfALongListComesBackAfterASave) {
    FKDoc* story = NewStory();
    for (int i = 0; i < 3000; ++i)
        story->GetQuestionStatus().SetStatus(1, static_cast<std::int16_t>(i % 750),
                                             static_cast<std::int16_t>(1000 + i / 750));
    Choose("marks.fsf");
    ASSERT_EQ(story->SaveAs(nullptr), kNoErr);
    const StoreSegments saved = SegmentsOnDisk(Path("marks.fsf"));
    const auto record = saved.find({QuestionStatus::kRecordType, 0});
    ASSERT_NE(record, saved.end());
    KeyedText onDisk;
    ASSERT_EQ(onDisk.Parse(record->second.data(), record->second.size()), kNoErr);
    std::vector<char> first(QuestionStatus::kTextLimit, '\0');
    ASSERT_GE(
        onDisk.GetEntry(QuestionStatus::kKey, 'c', first.data(), static_cast<std::int32_t>(first.size())), 0);
    QuestionStatus earlier;
    earlier.AddFromText(first.data());
    EXPECT_GT(earlier.Entries().size(), 2000u);
    for (const QuestionState& entry : earlier.Entries()) EXPECT_EQ(entry.status, 1) << entry.topic;
    Stop();
    Start();

    FKDoc* reopened = OpenStory("marks.fsf");
    ASSERT_NE(reopened, nullptr);
    const QuestionStatus& marks = reopened->GetQuestionStatus();
    EXPECT_EQ(marks.Entries().size(), 3000u);
    EXPECT_EQ(marks.GetStatus(749, 1003), 1) << "the highest topic of the last context";
    EXPECT_FALSE(reopened->IsDirty());
}

TEST_F(StoryDocument, TwoMainCharactersAreRepairedAndTheStoryOpensChanged) {
    FKDoc* story = WrittenStory("roles.fsf");
    (void)story;
    Stop();
    {
        // An earlier version's fault: the impact character marked Main too.
        PFMPushCurrentFile(nullptr);
        const FileRef file(Path("roles.fsf").c_str(), kAccessReadWrite);
        PFMFile* store = PFMOpenFile(&file);
        ASSERT_NE(store, nullptr);
        {
            PText impact(store, FourCCOf("CHAR"), 2);
            impact.SetNumberByName("Subj", 's', 1);
            ASSERT_EQ(impact.Save(), kNoErr);
        }
        ASSERT_EQ(PFMSaveFile(nullptr), kNoErr);
        PFMCloseFile(store);
        PFMPopCurrentFile();
        std::filesystem::copy_file(Path("roles.fsf"), Path("roles2.fsf"));
    }
    Start();
    Mark();
    FKDoc* repaired = OpenStory("roles.fsf");
    ASSERT_NE(repaired, nullptr);
    ASSERT_EQ(Asked().size(), 2u);
    EXPECT_EQ(Asked()[0].rfind("Multiple Main/", 0), 0u);
    EXPECT_EQ(Asked()[0].find("{NObst}"), std::string::npos) << "the template is expanded";
    EXPECT_EQ(Asked()[1].rfind("Problem corrected.", 0), 0u);
    EXPECT_TRUE(repaired->IsDirty());
    CharacterManager& characters = *repaired->GetCharacterManager();
    EXPECT_TRUE(characters.ValidateSubjectiveRoles(false));
    EXPECT_EQ(characters.GetMainIndex(), 0);
    EXPECT_EQ(characters.GetImpactIndex(), 1);

    // Alt held while the first message goes: nothing is changed.
    repaired->SetClean();
    Mark();
    presenter.KeyDown(VK_MENU);
    FKDoc* kept = OpenStory("roles2.fsf");
    presenter.KeyUp(VK_MENU);
    ASSERT_NE(kept, nullptr);
    EXPECT_EQ(Asked().size(), 1u);
    EXPECT_FALSE(kept->IsDirty());
    EXPECT_FALSE(kept->GetCharacterManager()->ValidateSubjectiveRoles(false));
}

TEST_F(StoryDocument, RevertTakesTheStoryBackToItsFile) {
    FKDoc* story = WrittenStory("revert.fsf");
    DocumentEvents events(application);
    story->GetInfoRecord().SetEntry("Title", 'c', "Changed");
    story->GetCharacterManager()->CreateCharacter("Extra", 0, 0, 0, 0, false);
    story->GetQuestionStatus().SetStatus(1, 99, 0);
    ASSERT_TRUE(story->IsDirty());
    ASSERT_EQ(story->Revert(), kNoErr);
    EXPECT_FALSE(story->IsDirty());
    EXPECT_EQ(Title(*story), "The Long Road");
    EXPECT_EQ(story->GetCharacterManager()->GetCount(), 3);
    EXPECT_EQ(story->GetQuestionStatus().GetStatus(99, 0), 0);
    EXPECT_EQ(story->GetQuestionStatus().GetStatus(42, 7), 1);
    EXPECT_THAT(events.codes, ElementsAre(FKDocEvent::kClosing, FKDocEvent::kOpened))
        << "windows that follow the managers hear of the new ones";
}

// A story that was never saved has no file to go back to: reverting it leaves everything the writer
// typed, and closing it still asks.
TEST_F(StoryDocument, RevertingAStoryThatNeverHadAFileLeavesItAsItWas) {
    FKDoc* story = NewStory();
    story->GetInfoRecord().SetEntry("Title", 'c', "Typed Before Any Save");
    story->GetCharacterManager()->CreateCharacter("Newcomer", 0, 0, 0, 0, false);
    story->SetDirty();
    EXPECT_NE(story->Revert(), kNoErr);
    EXPECT_TRUE(story->IsDirty());
    EXPECT_EQ(Title(*story), "Typed Before Any Save");
    EXPECT_EQ(story->GetCharacterManager()->GetCount(), 3);

    Mark();
    Answer(IDYES);
    Choose("kept.fsf");
    ASSERT_TRUE(story->Close(false, true));
    EXPECT_THAT(Asked(), testing::Contains(testing::StartsWith("Save changes to")));
    EXPECT_EQ(TextOnDisk(Path("kept.fsf"), kInfo, "Title"), "Typed Before Any Save");
    FKDoc* reopened = OpenStory("kept.fsf");
    ASSERT_NE(reopened, nullptr);
    EXPECT_EQ(reopened->GetCharacterManager()->GetCount(), 3);
}

// When the file can no longer be read back (here another program emptied it), the revert fails
// and the story is neither the writer's nor the file's: it stays changed, so closing asks.
TEST_F(StoryDocument, ARevertThatFailsLeavesTheStoryChanged) {
    ASSERT_TRUE(WrittenStory("emptied.fsf")->Close(false, true));
    FKDoc* story = OpenStory("emptied.fsf");
    ASSERT_NE(story, nullptr);
    story->GetInfoRecord().SetEntry("Title", 'c', "Changed");
    story->SetDirty();
    std::filesystem::resize_file(Path("emptied.fsf"), 0);
    EXPECT_NE(story->Revert(), kNoErr);
    EXPECT_TRUE(story->IsDirty());

    Mark();
    Answer(IDNO);
    ASSERT_TRUE(story->Close(false, true));
    EXPECT_THAT(Asked(), ElementsAre("Save changes to \"emptied.fsf\"?"));
}

TEST_F(StoryDocument, ClosingTheFrontEndClosesTheOtherWindowsLastOpenedFirst) {
    FKDoc* story = NewStory();
    std::vector<std::string> closed;
    new DocumentToolWindow(application, story, "query", closed);
    new DocumentToolWindow(application, story, "report", closed);
    ASSERT_EQ(story->GetWindowCount(), 3);
    EXPECT_TRUE(story->CloseWindow(story->GetFrontEndWindow(), false, true));
    EXPECT_THAT(closed, ElementsAre("report", "query"));
    EXPECT_EQ(application->GetDocumentCount(), 0);
}

TEST_F(StoryDocument, ClearStorytellingEmptiesTheStorysTellingAndReopensItsQuestions) {
    FKDoc* story = WrittenStory("tell.fsf");
    story->GetInfoRecord().SetEntry("Synopsis", 'c', "All of it");
    story->GetQuestionStatus().SetStatus(1, 13, 0);
    story->ClearStorytelling();
    EXPECT_FALSE(story->GetStorytellingRecord().HasKey("STDom"));
    EXPECT_FALSE(story->GetInfoRecord().HasKey("Synopsis"));
    EXPECT_EQ(story->GetQuestionStatus().GetStatus(13, 0), 0);
    EXPECT_EQ(story->GetSceneManager()->GetSceneCount(), 0);
    EXPECT_EQ(Title(*story), "The Long Road") << "the title is no storytelling";
}

// The first topic of the kind in the topic table.
std::int16_t FirstTopicOfKind(std::int16_t kind) {
    for (const TopicRecord& topic : kTopicTable) {
        if (topic.kind == kind) return topic.id;
    }
    return -1;
}

// Clear Storytelling reopens the questions about characters, further story points, illustrations
// and scenes in every context, and leaves the storyforming questions and the story's information
// answered.
TEST_F(StoryDocument, ClearStorytellingReopensTheStorytellingTopicsInEveryContext) {
    FKDoc* story = WrittenStory("topics.fsf");
    QuestionStatus& status = story->GetQuestionStatus();
    const std::int16_t reopened[] = {kCharacterTopic, kFurtherStoryPointTopic, kIllustrationTopic, kSceneTopic};
    const std::int16_t kept[] = {kStoryPointTopic, kStoryInformationTopic};
    for (const std::int16_t kind : reopened) {
        const std::int16_t topic = FirstTopicOfKind(kind);
        ASSERT_GE(topic, 0) << "a topic of kind " << kind;
        status.SetStatus(1, topic, 3);
        status.SetStatus(2, topic, 7);
    }
    for (const std::int16_t kind : kept) {
        const std::int16_t topic = FirstTopicOfKind(kind);
        ASSERT_GE(topic, 0) << "a topic of kind " << kind;
        status.SetStatus(1, topic, 3);
    }
    story->ClearStorytelling();
    for (const std::int16_t kind : reopened) {
        const std::int16_t topic = FirstTopicOfKind(kind);
        EXPECT_EQ(status.GetStatus(topic, 3), kQuestionOpen) << "topic " << topic;
        EXPECT_EQ(status.GetStatus(topic, 7), kQuestionOpen) << "topic " << topic;
    }
    for (const std::int16_t kind : kept) {
        const std::int16_t topic = FirstTopicOfKind(kind);
        EXPECT_EQ(status.GetStatus(topic, 3), 1) << "topic " << topic << " is no storytelling";
    }
}

TEST_F(StoryDocument, ToolWindowSlotsHoldWhatTheWindowsStore) {
    FKDoc* story = NewStory();
    auto* window = reinterpret_cast<TWindow*>(story->GetFrontEndWindow());
    story->SetRepWindow(window);
    EXPECT_EQ(story->GetRepWindow(), window);
    EXPECT_EQ(story->GetFQSWindow(), nullptr);
    EXPECT_EQ(story->GetPlotViewWindow(), nullptr);
    story->SetRepWindow(nullptr);
    EXPECT_EQ(story->GetRepWindow(), nullptr);
    EXPECT_EQ(story->GetFrontCastList(), nullptr) << "the front window is no character window";
    ShortRect rect;
    story->GetDefaultWindowRect(rect);
    EXPECT_EQ(rect, (ShortRect{20, 20, 356, 546}));
}

}  // namespace
}  // namespace apptest

namespace apptest {
namespace {

// The value id of a point's first value, as the solver sees the point.
std::int16_t FirstValue(FKDoc& story, std::int16_t id) {
    StoryformSolver solver(*story.GetStoryFormManager());
    StoryPointIDList ids;
    solver.CollectConstrainedPoints(ids, id);
    solver.SetConstraints(nullptr, ids);
    const SolverConstraint& constraint = solver.GetConstraint(solver.FindConstraint(id));
    EXPECT_EQ(constraint.id, id);
    return ConstraintValueID(constraint, 0);
}

// Two acts of the overall story given the same signpost: no storyform has that.
class ActOrder : public StoryDocument {
protected:
    void WriteConflict(const std::string& name, bool domainsClash) {
        FKDoc* story = NewStory();
        StoryFormManager& storyform = *story->GetStoryFormManager();
        const std::int16_t value = FirstValue(*story, 13100);
        storyform.SetChoice(13100, value);
        storyform.SetChoice(13200, value);
        if (domainsClash) {
            // The overall story and the main character in one domain: no storyform either.
            const std::int16_t domain = FirstValue(*story, 12000);
            storyform.SetChoice(12000, domain);
            storyform.SetChoice(15000, domain);
        }
        Choose(name);
        ASSERT_EQ(story->SaveAs(nullptr), kNoErr);
        application->CloseAll(true);
    }
};

TEST_F(ActOrder, ConflictingActOrderChoicesAreGivenUpWhenThatLeavesStoryforms) {
    WriteConflict("acts.fsf", false);
    Mark();
    FKDoc* story = OpenStory("acts.fsf");
    ASSERT_NE(story, nullptr);
    ASSERT_EQ(Asked().size(), 1u);
    EXPECT_EQ(Asked()[0].rfind("Act Order ", 0), 0u);
    EXPECT_EQ(Asked()[0].find("{NAppr}"), std::string::npos);
    EXPECT_GT(story->GetStoryformCount(), 0);
    const StoryFormManager& storyform = *story->GetStoryFormManager();
    EXPECT_EQ(storyform.GetChoice(13100) == 0 || storyform.GetChoice(13200) == 0, true)
        << "the conflicting choice is gone";
    EXPECT_TRUE(story->IsDirty()) << "so that the story can be saved without the conflict";
}

TEST_F(ActOrder, WhenGivingThemUpLeavesNoStoryformTheChoicesStay) {
    WriteConflict("clash.fsf", true);
    Mark();
    FKDoc* story = OpenStory("clash.fsf");
    ASSERT_NE(story, nullptr);
    EXPECT_TRUE(Asked().empty());
    EXPECT_EQ(story->GetStoryformCount(), 0);
    const StoryFormManager& storyform = *story->GetStoryFormManager();
    EXPECT_NE(storyform.GetChoice(13100), 0);
    EXPECT_NE(storyform.GetChoice(13200), 0);
    EXPECT_FALSE(story->IsDirty());
}

}  // namespace
}  // namespace apptest

namespace apptest {
namespace {

// A character file opened like a story goes into the front story, or into a new one when none is
// open.
TEST_F(StoryDocument, ACharacterFileOpenedGoesIntoTheFrontStory) {
    FKDoc* story = NewStory();
    const CharID walker = story->GetCharacterManager()->CreateCharacter("Walker", 0, 0, 0, 0, false);
    const FileRef characterFile(Path("walker.fcf").c_str(), kAccessCreate);
    ASSERT_TRUE(ExportCharacterFile(characterFile, walker, *story));
    const FileRef opened(Path("walker.fcf").c_str(), kAccessReadWrite);

    Mark();
    EXPECT_EQ(application->OpenDocument(opened, false), kNoErr);
    EXPECT_EQ(application->GetDocumentCount(), 1) << "not opened as a story";
    EXPECT_EQ(story->GetCharacterManager()->GetCount(), 4);
    EXPECT_THAT(Asked(), testing::ElementsAre("Fablecore Character File was imported."));

    story->SetClean();
    application->CloseAll(true);
    EXPECT_EQ(application->OpenDocument(opened, false), kNoErr);
    ASSERT_EQ(application->GetDocumentCount(), 1) << "a new story takes it";
    EXPECT_EQ(Last()->GetCharacterManager()->GetCount(), 3);
    EXPECT_FALSE(application->ImportFile(FileRef(Path("nothing.fsf").c_str())));
}

}  // namespace
}  // namespace apptest

namespace apptest {
namespace {

// The answers of a deleted character's pages are kept by the ids of their contexts; a story opened
// again gives a new character the id of a deleted one that had the highest, and with it the answers.
TEST_F(StoryDocument, ADeletedCharactersAnswersDoNotPassToTheNextCharacterGivenItsId) {
    FKDoc* story = WrittenStory("answers.fsf");
    CharacterManager& characters = *story->GetCharacterManager();
    const CharID mara = characters.GetLastCharacterID();
    const CharID zed = characters.CreateCharacter("Zed", 0, 1, 0, 0, false);
    const std::int16_t topic = FirstTopicOfKind(kCharacterTopic);
    ASSERT_GE(topic, 0);
    const auto pageOf = [](CharID id) {
        QuestionContext context;
        context.SetCharacter(id);
        return context.GetContextKey();
    };
    QuestionStatus& status = story->GetQuestionStatus();
    status.SetStatus(kQuestionAnswered, topic, pageOf(zed));
    status.SetStatus(kQuestionAnswered, topic, pageOf(mara));
    DeleteStoryCharacter(application, *story, zed);
    EXPECT_EQ(status.GetStatus(topic, pageOf(zed)), kQuestionOpen);
    EXPECT_EQ(status.GetStatus(topic, pageOf(mara)), kQuestionAnswered) << "another character's answer stays";
    ASSERT_EQ(story->Save(nullptr), kNoErr);
    Stop();
    Start();

    FKDoc* reopened = OpenStory("answers.fsf");
    ASSERT_NE(reopened, nullptr);
    const CharID yves = reopened->GetCharacterManager()->CreateCharacter("Yves", 0, 1, 0, 0, false);
    ASSERT_EQ(yves, zed) << "the story gives the free id again";
    EXPECT_EQ(reopened->GetQuestionStatus().GetStatus(topic, pageOf(yves)), kQuestionOpen);
    EXPECT_EQ(reopened->GetQuestionStatus().GetStatus(topic, pageOf(mara)), kQuestionAnswered);
}

}  // namespace
}  // namespace apptest
