#pragma once
// Stand-ins for the story application and its story document, for the tests, fuzz targets and
// benchmarks of the story model: an application with a data file of its own in memory, and a story
// document over a store with the records a story file has (information, responses, storytelling,
// locks) and its scene, storyform and character managers, made as the story document makes them.

#include <cstring>
#include <memory>
#include <string>

#include "foundation/Memory.h"
#include "foundation/pfm/PFM.h"
#include "foundation/pfm/PText.h"
#include "foundation/pfm/PTextTypes.h"
#include "storymodel/CharacterManager.h"
#include "storymodel/SceneManager.h"
#include "storymodel/StoryApplication.h"
#include "storymodel/StoryDocument.h"
#include "storymodel/engine/StoryFormManager.h"
#include "storymodel/engine/StoryPointTable.h"

class StandInApplication : public IStoryApplication {
public:
    // The data file, an untitled store, with an empty pronoun record; the preference records are
    // in it too.
    StandInApplication() : data_(PFMOpenFile(nullptr)) {
        pronouns_ = std::make_unique<PText>(data_, FourCCOf("PPNN"), 1);
        general_ = std::make_unique<PText>(data_, FourCCOf("PRFW"), 1);
        queries_ = std::make_unique<PText>(data_, FourCCOf("FQS "), 1);
    }
    ~StandInApplication() override {
        pronouns_.reset();
        general_.reset();
        queries_.reset();
        PFMCloseFile(data_);
    }
    StandInApplication(const StandInApplication&) = delete;
    StandInApplication& operator=(const StandInApplication&) = delete;

    PFMFile* GetDataFile() override { return data_; }
    PFMFile* GetCharacterPictureFile() override { return characterPictures; }
    PText* GetPronounRecord() override { return pronouns_.get(); }
    PText* GetGeneralRecord() override { return general_.get(); }
    PText* GetFQSRecord() override { return queries_.get(); }
    std::int16_t GetReturnAdvances() override { return returnAdvances; }
    std::int16_t GetPronounGender() override { return pronounGender; }

    // Adds a text segment to the data file.
    void AddDataText(FourCC type, std::uint16_t id, const std::string& text) {
        PFMFileScope scope(data_, false);
        void* block = MemAlloc(static_cast<std::uint32_t>(text.size()));
        if (!text.empty()) std::memcpy(block, text.data(), text.size());
        if (PFMAddSegment(type, id, block, 1, false) == kNoErr) PFMCheckIn(block);
    }
    // Sets a text of a keyed record of the data file (the pronoun record too).
    void AddDataRecordText(FourCC type, std::uint16_t id, const char* key, const char* text) {
        const bool pronoun = type == FourCCOf("PPNN") && id == 1;
        PText record(data_, type, id);
        PText& written = pronoun ? *pronouns_ : record;
        written.SetEntry(key, kPTextText, text);
        written.Save();
    }

    std::int16_t returnAdvances = 0;
    std::int16_t pronounGender = 1;
    // The stock character pictures; none unless the user of the stand-in opens them.
    PFMFile* characterPictures = nullptr;

private:
    PFMFile* data_;
    std::unique_ptr<PText> pronouns_;
    std::unique_ptr<PText> general_;
    std::unique_ptr<PText> queries_;
};

// The stand-in application answering with a data file opened elsewhere (the one the build makes,
// say) and that file's pronoun record; the file stays its opener's.
class BuiltDataApplication : public StandInApplication {
public:
    explicit BuiltDataApplication(PFMFile* data) : data_(data), pronouns_(data, FourCCOf("PPNN"), 1) {}
    PFMFile* GetDataFile() override { return data_; }
    PText* GetPronounRecord() override { return &pronouns_; }

private:
    PFMFile* data_;
    PText pronouns_;
};

class StandInStory : public IStoryDocument {
public:
    static constexpr FourCC kInfoType = FourCCOf("SDI4");

    // Opens the story's records in the store (which the story does not own) and makes its managers;
    // the characters are loaded by LoadCharacters.
    explicit StandInStory(PFMFile* store) : store_(store) {
        info_ = std::make_unique<PText>(store, kInfoType, 0);
        responses_ = std::make_unique<PText>(store, FourCCOf("RESP"), 0);
        storytelling_ = std::make_unique<PText>(store, FourCCOf("STEL"), 0);
        locks_ = std::make_unique<PText>(store, FourCCOf("LOCK"), 0);
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
    }
    ~StandInStory() override {
        characters_.reset();
        storyForm_.reset();
        scenes_.reset();
    }
    StandInStory(const StandInStory&) = delete;
    StandInStory& operator=(const StandInStory&) = delete;

    // With the application's general preferences; then the roles and the pictures as the document
    // checks them.
    ErrCode LoadCharacters() {
        IStoryApplication* application = GetStoryApplication();
        const ErrCode error =
            characters_->LoadCharacters(info_.get(), application ? application->GetGeneralRecord() : nullptr);
        characters_->RecomputeRoleIndexes();
        characters_->ScanCustomPictures();
        return error;
    }
    // Saves the managers into their records and the records into the store.
    ErrCode SaveRecords() {
        ErrCode first = characters_->SaveCharacters();
        const auto keep = [&first](ErrCode error) {
            if (first == kNoErr) first = error;
        };
        keep(scenes_->SaveScenes());
        keep(storyForm_->SaveChoices());
        info_->SetNumberByName("NmStories", kPTextShort, storyForm_->GetStoryformCount());
        for (PText* record : {info_.get(), responses_.get(), storytelling_.get(), locks_.get()})
            keep(record->Save());
        return first;
    }

    CharacterManager& Characters() { return *characters_; }
    SceneManager& Scenes() { return *scenes_; }
    StoryFormManager& StoryForm() { return *storyForm_; }

    PFMFile* GetStoryFile() override { return store_; }
    void SetDirty() override { dirty = true; }
    void SetClean() override { dirty = false; }
    PText& GetInfoRecord() override { return *info_; }
    PText& GetStorytellingRecord() override { return *storytelling_; }
    CharacterManager* GetCharacterManager() override { return characters_.get(); }
    SceneManager* GetSceneManager() const override { return scenes_.get(); }
    std::int16_t GetStoryPointValue(int index) override {
        const StoryPointRecord* row = StoryPointAt(index);
        return row ? storyForm_->GetValue(row->id) : 0;
    }
    std::int16_t GetSettledStoryPointValue(int index) override {
        return storyForm_->GetSettledStoryPoints().ValueAt(index);
    }

    bool dirty = false;

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
