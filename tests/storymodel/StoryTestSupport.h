#pragma once
// Test support for the story model: a story document over a real store with the records a story
// file has (information, responses, storytelling, locks; characters, scenes, notes), an
// application with its own data file (pronouns, verbs, definitions) and preferences, and prompts
// that record what they are asked and answer from a script.

#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "foundation/pfm/PText.h"
#include "foundation/pfm/StoreTestSupport.h"
#include "storymodel/CharacterManager.h"
#include "storymodel/ListenerMixins.h"
#include "storymodel/SceneManager.h"
#include "storymodel/StoryApplication.h"
#include "storymodel/StoryDocument.h"
#include "storymodel/UserPrompts.h"
#include "storymodel/engine/StoryFormManager.h"

// Answers as the window framework's prompts do, from a script of the buttons pressed (Yes 0, No 2,
// Yes All 4, No All 5); an empty script presses No.
class RecordingPrompts : public IUserPrompts {
public:
    static constexpr int kNoAll = 5;

    int AlertMessage(const char* text, AlertIcon icon) override;
    int AskYesNoCancel(const char* text, int defaultSelector, bool noCancel) override;
    int AskYesYesAllNoNoAll(std::int32_t& answer, const char* text, int defaultItem) override;

    std::vector<std::string> alerts;
    std::vector<std::string> questions;
    std::deque<int> buttons;

private:
    int Press();
};

// The application's data file, made in memory, and its preference records.
class TestApplication : public IStoryApplication {
public:
    TestApplication();
    ~TestApplication() override;

    PFMFile* GetDataFile() override { return data_; }
    PText* GetPronounRecord() override { return pronouns_.get(); }
    PText* GetGeneralRecord() override { return general_.get(); }
    PText* GetFQSRecord() override { return queries_.get(); }
    std::int16_t GetReturnAdvances() override { return returnAdvances; }
    std::int16_t GetPronounGender() override { return pronounGender; }

    // Adds a text segment or a keyed record with one text to the data file.
    void AddDataText(FourCC type, std::uint16_t id, const std::string& text);
    void AddDataRecordText(FourCC type, std::uint16_t id, const char* key, const char* text);

    std::int16_t returnAdvances = 0;
    std::int16_t pronounGender = 1;

private:
    PFMFile* data_;
    std::unique_ptr<PText> pronouns_;
    std::unique_ptr<PText> general_;
    std::unique_ptr<PText> queries_;
};

// A story document as the story application keeps one: opened from a file or new, with its
// records and managers, saved and closed.
class TestStory : public IStoryDocument {
public:
    static constexpr FourCC kInfoType = FourCCOf("SDI4");

    // A new story when the file is null. The characters are loaded (a load error is kept in
    // loadError) after beforeLoad ran; the document starts clean.
    explicit TestStory(const FileRef* file, const std::function<void()>& beforeLoad = {});
    ~TestStory() override;

    // Saves the managers into their records, the records into the store and the store to the file.
    ErrCode SaveAs(const FileRef& file);

    CharacterManager& Characters() { return *characters_; }
    SceneManager& Scenes() { return *scenes_; }
    StoryFormManager& StoryForm() { return *storyForm_; }

    PFMFile* GetStoryFile() override { return store_; }
    void SetDirty() override { dirty = true; }
    void SetClean() override { dirty = false; }
    PText& GetInfoRecord() override { return *info_; }
    PText& GetStorytellingRecord() override { return *storytelling_; }
    CharacterManager* GetCharacterManager() override { return characters_.get(); }
    std::int16_t GetStoryPointValue(int index) override;

    bool dirty = false;
    ErrCode loadError = kNoErr;

private:
    PFMFile* store_;
    std::unique_ptr<PText> info_;
    std::unique_ptr<PText> responses_;
    std::unique_ptr<PText> storytelling_;
    std::unique_ptr<PText> locks_;
    std::unique_ptr<SceneManager> scenes_;
    std::unique_ptr<StoryFormManager> storyForm_;
    std::unique_ptr<CharacterManager> characters_;
};

class StoryTest : public StoreTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // A new story, replacing the open one.
    TestStory& NewStory();
    // Saves the open story to the file and opens it again from there.
    TestStory& Reopen(const std::string& name = "story.fsf");
    // Opens the file as the story, replacing the open one.
    TestStory& Open(const std::string& name, const std::function<void()>& beforeLoad = {});
    // Closes the story and changes one record of its file directly, as another program might.
    void EditStoredRecord(const std::string& name, FourCC type, std::uint16_t id,
                          const std::function<void(PText&)>& edit);

    TestStory& Story() { return *story_; }
    CharacterManager& Characters() { return story_->Characters(); }
    SceneManager& Scenes() { return story_->Scenes(); }

    // The bytes of a segment of the story file (no chain search); "<null>" when it has none.
    std::string StorySegment(FourCC type, std::uint16_t id);

    std::unique_ptr<TestApplication> application_;
    RecordingPrompts prompts_;
    std::unique_ptr<TestStory> story_;
};

// A listener to the character manager that records each event's ids.
class CharacterWatcher : public MCharacterListener {
public:
    explicit CharacterWatcher(CharacterManager& characters) : MCharacterListener(&characters) {}
    void CharactersChanged(const CharacterEvent* event) override;

    std::vector<std::vector<CharID>> events;
};
