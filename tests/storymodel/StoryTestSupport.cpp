#include "storymodel/StoryTestSupport.h"

#include "foundation/pfm/PFM.h"
#include "foundation/pfm/PTextTypes.h"

int RecordingPrompts::Press() {
    if (buttons.empty()) return kAnswerNo;
    const int button = buttons.front();
    buttons.pop_front();
    return button;
}

int RecordingPrompts::AlertMessage(const char* text, AlertIcon /*icon*/) {
    alerts.emplace_back(text);
    return 0;
}

int RecordingPrompts::AskYesNoCancel(const char* text, int /*defaultSelector*/, bool /*noCancel*/) {
    questions.emplace_back(text);
    return Press();
}

int RecordingPrompts::AskYesYesAllNoNoAll(std::int32_t& answer, const char* text, int /*defaultItem*/) {
    if (answer != kAskAgain) return answer;
    questions.emplace_back(text);
    const int button = Press();
    if (button == kAnswerYesAll) answer = kAnswerYes;
    if (button == kNoAll) answer = kAnswerNo;
    return button == kNoAll ? kAnswerNo : button;
}

TestStory::TestStory(const FileRef* file, const std::function<void()>& beforeLoad)
    : StoryStore(file), StandInStory(store) {
    if (beforeLoad) beforeLoad();
    loadError = LoadCharacters();
    SetClean();
}

ErrCode TestStory::SaveAs(const FileRef& file) {
    EXPECT_EQ(SaveRecords(), kNoErr);
    PFMFileScope scope(GetStoryFile(), false);
    return PFMSaveFile(&file);
}

void StoryTest::SetUp() {
    StoreTest::SetUp();
    application_ = std::make_unique<StandInApplication>();
    const char* pronouns[][2] = {
        {"S30S1", "he"},  {"S31S1", "she"}, {"S32S1", "it"},  {"P32S1", "they"},
        {"S30O1", "him"}, {"S31O1", "her"}, {"S32O1", "it"},  {"P32O1", "them"},
        {"S30P1", "his"}, {"S31P1", "her"}, {"S32P1", "its"}, {"P32P1", "their"},
    };
    for (const auto& [key, pronoun] : pronouns)
        application_->AddDataRecordText(FourCCOf("PPNN"), 1, key, pronoun);
    SetStoryApplication(application_.get());
    SetUserPrompts(&prompts_);
}

void StoryTest::TearDown() {
    story_.reset();
    SetUserPrompts(nullptr);
    SetStoryApplication(nullptr);
    application_.reset();
    StoreTest::TearDown();
}

TestStory& StoryTest::NewStory() {
    story_.reset();
    PFMSetCurrentFile(application_->GetDataFile());
    story_ = std::make_unique<TestStory>(nullptr);
    return *story_;
}

TestStory& StoryTest::Open(const std::string& name, const std::function<void()>& beforeLoad) {
    story_.reset();
    PFMSetCurrentFile(application_->GetDataFile());
    const FileRef file = Ref(name);
    story_ = std::make_unique<TestStory>(&file, beforeLoad);
    return *story_;
}

TestStory& StoryTest::Reopen(const std::string& name) {
    EXPECT_EQ(story_->SaveAs(Ref(name)), kNoErr);
    return Open(name);
}

void StoryTest::EditStoredRecord(const std::string& name, FourCC type, std::uint16_t id,
                                 const std::function<void(PText&)>& edit) {
    story_.reset();
    PFMSetCurrentFile(application_->GetDataFile());
    const FileRef file = Ref(name);
    PFMFile* store = PFMOpenFile(&file);
    ASSERT_NE(store, nullptr);
    {
        PText record(store, type, id);
        edit(record);
        EXPECT_EQ(record.Save(), kNoErr);
    }
    {
        PFMFileScope scope(store, false);
        EXPECT_EQ(PFMSaveFile(nullptr), kNoErr);
    }
    PFMCloseFile(store);
}

std::string StoryTest::StorySegment(FourCC type, std::uint16_t id) {
    CheckedOutHdl segment(type, id, story_->GetStoryFile());
    return BlockText(segment.Data());
}

void CharacterWatcher::CharactersChanged(const CharacterEvent* event) {
    std::vector<CharID> ids;
    for (std::int32_t i = 0; event && i < event->GetIDs().Count(); ++i)
        ids.push_back(event->GetIDs().GetAt(i));
    events.push_back(ids);
}
