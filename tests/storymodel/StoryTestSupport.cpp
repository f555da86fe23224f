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

TestApplication::TestApplication() : data_(PFMOpenFile(nullptr)) {
    pronouns_ = std::make_unique<PText>(data_, FourCCOf("PPNN"), 1);
    const char* pronouns[][2] = {
        {"S30su", "he"},  {"S31su", "she"}, {"S32su", "it"},  {"P32su", "they"},
        {"S30ob", "him"}, {"S31ob", "her"}, {"S32ob", "it"},  {"P32ob", "them"},
        {"S30po", "his"}, {"S31po", "her"}, {"S32po", "its"}, {"P32po", "their"},
    };
    for (const auto& [key, pronoun] : pronouns) pronouns_->SetEntry(key, kPTextText, pronoun);
    pronouns_->Save();
    general_ = std::make_unique<PText>(data_, FourCCOf("PRFW"), 1);
    queries_ = std::make_unique<PText>(data_, FourCCOf("FQS "), 1);
}

TestApplication::~TestApplication() {
    pronouns_.reset();
    general_.reset();
    queries_.reset();
    PFMCloseFile(data_);
}

void TestApplication::AddDataText(FourCC type, std::uint16_t id, const std::string& text) {
    PFMFileScope scope(data_, false);
    AddText(type, id, text);
}

void TestApplication::AddDataRecordText(FourCC type, std::uint16_t id, const char* key, const char* text) {
    PText record(data_, type, id);
    record.SetEntry(key, kPTextText, text);
    record.Save();
}

TestStory::TestStory(const FileRef* file, const std::function<void()>& beforeLoad)
    : store_(PFMOpenFile(file)) {
    info_ = std::make_unique<PText>(store_, kInfoType, 0);
    responses_ = std::make_unique<PText>(store_, FourCCOf("RESP"), 0);
    storytelling_ = std::make_unique<PText>(store_, FourCCOf("STEL"), 0);
    locks_ = std::make_unique<PText>(store_, FourCCOf("LOCK"), 0);
    std::int16_t count = 0;
    std::int16_t valid = 0;
    std::int16_t pictureId = -32767;
    info_->GetEntry("NmStories", kPTextShort, &count);
    info_->GetEntry("IsJust", kPTextShort, &valid);
    info_->GetEntry("MaxPictID", kPTextShort, &pictureId);
    scenes_ = std::make_unique<SceneManager>(*this, *storytelling_);
    storyForm_ = std::make_unique<StoryFormManager>(*this, *responses_, static_cast<std::uint16_t>(count),
                                                    static_cast<std::uint16_t>(valid));
    characters_ = std::make_unique<CharacterManager>(*this, static_cast<std::uint16_t>(pictureId));
    IStoryApplication* application = GetStoryApplication();
    if (beforeLoad) beforeLoad();
    loadError =
        characters_->LoadCharacters(info_.get(), application ? application->GetGeneralRecord() : nullptr);
    characters_->RecomputeRoleIndexes();
    SetClean();
}

TestStory::~TestStory() {
    characters_.reset();
    storyForm_.reset();
    scenes_.reset();
    info_.reset();
    responses_.reset();
    storytelling_.reset();
    locks_.reset();
    PFMCloseFile(store_);
}

std::int16_t TestStory::GetStoryPointValue(int index) { return storyForm_->GetValueAt(index); }

ErrCode TestStory::SaveAs(const FileRef& file) {
    EXPECT_EQ(characters_->SaveCharacters(), kNoErr);
    EXPECT_EQ(scenes_->SaveScenes(), kNoErr);
    EXPECT_EQ(storyForm_->SaveChoices(), kNoErr);
    info_->SetNumberByName("NmStories", kPTextShort, storyForm_->GetStoryformCount());
    for (PText* record : {info_.get(), responses_.get(), storytelling_.get(), locks_.get()}) {
        EXPECT_EQ(record->Save(), kNoErr);
    }
    PFMFileScope scope(store_, false);
    return PFMSaveFile(&file);
}

void StoryTest::SetUp() {
    StoreTest::SetUp();
    application_ = std::make_unique<TestApplication>();
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
