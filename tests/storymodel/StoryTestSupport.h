#pragma once
// Test support for the story model: a story document over a real store, opened, saved and opened
// again from a file of the test's folder; the stand-in application with pronouns in its data file;
// and prompts that record what they are asked and answer from a script.

#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "foundation/pfm/PText.h"
#include "foundation/pfm/PictRecord.h"
#include "foundation/pfm/StoreTestSupport.h"
#include "storymodel/ListenerMixins.h"
#include "storymodel/StoryStandIn.h"
#include "storymodel/UserPrompts.h"

// Answers as the window framework's prompts do, from a script of the buttons pressed (Yes 0, No 2,
// Yes All 4, No All 5); an empty script presses No.
class RecordingPrompts : public IUserPrompts {
public:
    static constexpr int kNoAll = 5;

    int AlertMessage(const char* text, AlertIcon icon) override;
    int AskYesNoCancel(const char* text, int defaultSelector, bool noCancel) override;
    int AskYesYesAllNoNoAll(std::int32_t& answer, const char* text, int defaultItem) override;
    void Beep() override { ++beeps; }
    void BeginBusy() override { ++busy; }
    void EndBusy() override { --busy; }
    // Chooses the next file of the script, and records the title; an empty script cancels.
    int ChooseOpenFile(std::span<const FileKind> kinds, const char* title, FileRef& file) override;
    int AskSaveFile(std::span<const FileKind> kinds, FourCC defaultType, const char* title,
                    const char* reason, FileRef& file) override;

    std::vector<std::string> alerts;
    std::vector<std::string> questions;
    std::deque<int> buttons;
    int beeps = 0;
    int busy = 0;
    std::deque<FileRef> files;
    std::vector<std::string> choosers;

private:
    int Press();
    int Choose(const char* title, FileRef& file);
};

// Owns the store of a story opened from a file, or made new; closes it after the story.
struct StoryStore {
    explicit StoryStore(const FileRef* file) : store(PFMOpenFile(file)) {}
    ~StoryStore() { PFMCloseFile(store); }
    PFMFile* store;
};

// A story document as the story application keeps one: opened from a file or new, with its
// records and managers, saved and closed.
class TestStory : private StoryStore, public StandInStory {
public:
    // A new story when the file is null. The characters are loaded (a load error is kept in
    // loadError) after beforeLoad ran; the document starts clean.
    explicit TestStory(const FileRef* file, const std::function<void()>& beforeLoad = {});

    // Saves the managers into their records, the records into the store and the store to the file.
    ErrCode SaveAs(const FileRef& file);

    ErrCode loadError = kNoErr;
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
    // Every segment of the story file, by key.
    std::map<std::pair<FourCC, std::uint16_t>, std::string> StorySegments();

    std::unique_ptr<StandInApplication> application_;
    RecordingPrompts prompts_;
    std::unique_ptr<TestStory> story_;
};

// A picture of the size and depth whose bytes (pixels, and the colours of an indexed one) follow
// from the seed.
PictRecord PatternPicture(int width, int height, int depth, std::uint32_t seed, std::uint16_t id = 0,
                          FourCC type = FourCCOf("CPIX"));

// A listener to the character manager that records each event's ids.
class CharacterWatcher : public MCharacterListener {
public:
    explicit CharacterWatcher(CharacterManager& characters) : MCharacterListener(&characters) {}
    void CharactersChanged(const CharacterEvent* event) override;

    std::vector<std::vector<CharID>> events;
};
