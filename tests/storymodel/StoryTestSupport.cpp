#include "storymodel/StoryTestSupport.h"

#include "foundation/TypedList.h"
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

int RecordingPrompts::Choose(const char* title, FileRef& file) {
    choosers.emplace_back(title);
    if (files.empty()) return kFileCancelled;
    file = files.front();
    files.pop_front();
    return kFileChosen;
}

int RecordingPrompts::ChooseOpenFile(std::span<const FileKind> /*kinds*/, const char* title, FileRef& file) {
    return Choose(title, file);
}

int RecordingPrompts::AskSaveFile(std::span<const FileKind> /*kinds*/, FourCC /*defaultType*/,
                                  const char* title, const char* /*reason*/, FileRef& file) {
    return Choose(title, file);
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

std::map<std::pair<FourCC, std::uint16_t>, std::string> StoryTest::StorySegments() {
    std::map<std::pair<FourCC, std::uint16_t>, std::string> segments;
    LList types;
    {
        PFMFileScope scope(story_->GetStoryFile(), false);
        PFMGetSegmentTypes(types);
    }
    for (std::int32_t t = 0; t < types.Count(); ++t) {
        const auto type = static_cast<FourCC>(types.GetAt(t));
        SList ids;
        {
            PFMFileScope scope(story_->GetStoryFile(), false);
            PFMGetSegmentIds(type, ids);
        }
        for (std::int32_t i = 0; i < ids.Count(); ++i) {
            const auto id = static_cast<std::uint16_t>(ids.GetAt(i));
            segments[{type, id}] = StorySegment(type, id);
        }
    }
    return segments;
}

PictRecord PatternPicture(int width, int height, int depth, std::uint32_t seed, std::uint16_t id,
                          FourCC type) {
    PictRecord picture(id, type);
    picture.SetBounds({0, 0, static_cast<std::int16_t>(height), static_cast<std::int16_t>(width)});
    picture.SetDepth(static_cast<std::uint8_t>(depth));
    std::uint32_t state = seed * 2654435761u + 1;
    const auto next = [&state] {
        state = state * 1664525u + 1013904223u;
        return static_cast<std::uint8_t>(state >> 24);
    };
    if (picture.HasColorTable()) {
        picture.SetColorCount(static_cast<std::uint16_t>(1u << depth));
        for (std::uint32_t i = 0; i < picture.GetColorCount(); ++i)
            picture.ColorTable()[i] = {static_cast<std::uint16_t>(next() << 8),
                                       static_cast<std::uint16_t>(next() << 8),
                                       static_cast<std::uint16_t>(next() << 8)};
    } else {
        picture.SetColorCount(PictRecord::kDeepColorCount);
    }
    picture.Image().resize(static_cast<std::size_t>(picture.RowBytes()) * static_cast<std::size_t>(height));
    for (std::uint8_t& byte : picture.Image()) byte = next();
    return picture;
}

void CharacterWatcher::CharactersChanged(const CharacterEvent* event) {
    std::vector<CharID> ids;
    for (std::int32_t i = 0; event && i < event->GetIDs().Count(); ++i)
        ids.push_back(event->GetIDs().GetAt(i));
    events.push_back(ids);
}
