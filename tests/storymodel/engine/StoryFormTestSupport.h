#pragma once
// Test support for the storyform manager: a story document stand-in over a real store in the
// test's temporary folder, a listener that counts announcements, and helpers to write the stored
// records the manager reads.

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <utility>

#include "foundation/pfm/PText.h"
#include "foundation/pfm/StoreTestSupport.h"
#include "storymodel/ListenerMixins.h"
#include "storymodel/engine/IStoryFormDocument.h"
#include "storymodel/engine/StoryFormManager.h"

inline constexpr FourCC kResponsesType = FourCCOf("RESP");
inline constexpr FourCC kValuesInForceType = FourCCOf("FCAP");

class TestStoryDocument : public IStoryFormDocument {
public:
    explicit TestStoryDocument(PFMFile* store) : store_(store) {}

    PFMFile* GetStoryFile() override { return store_; }
    void SetDirty() override {
        dirty = true;
        ++dirtyMarks;
    }
    void SetClean() override { dirty = false; }

    bool dirty = false;
    int dirtyMarks = 0;

private:
    PFMFile* store_;
};

class StoryFormWatcher : public MStoryFormListener {
public:
    explicit StoryFormWatcher(StoryFormManager& storyForm) : MStoryFormListener(&storyForm) {}

    void StoryFormChanged(const Event* event) override {
        ++heard;
        if (event) ++withPayload;
    }

    int heard = 0;
    int withPayload = 0;
};

using KeyValues = std::initializer_list<std::pair<const char*, std::int16_t>>;

class StoryFormTest : public StoreTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        store_ = PFMOpenFile(nullptr);
        ASSERT_NE(store_, nullptr);
        OpenRecords();
    }
    void TearDown() override {
        manager_.reset();
        responses_.reset();
        StoreTest::TearDown();
    }

    // Opens the story's responses record anew from the store, with its own document.
    void OpenRecords() {
        manager_.reset();
        responses_ = std::make_unique<PText>(store_, kResponsesType, 0);
        document_ = std::make_unique<TestStoryDocument>(store_);
    }

    StoryFormManager& MakeManager(std::uint16_t count = StoryFormManager::kAllStoryforms,
                                  std::uint16_t valid = 0) {
        manager_.reset();
        manager_ = std::make_unique<StoryFormManager>(*document_, *responses_, count, valid);
        return *manager_;
    }

    // Stores 16-bit values in a record of the store (the responses record is the open one).
    void StoreValues(FourCC type, KeyValues values) {
        if (type == kResponsesType) {
            for (const auto& [key, value] : values) responses_->SetNumberByName(key, 's', value);
            ASSERT_EQ(responses_->Save(), kNoErr);
            return;
        }
        PText record(store_, type, 0);
        for (const auto& [key, value] : values) record.SetNumberByName(key, 's', value);
        ASSERT_EQ(record.Save(), kNoErr);
    }

    // The 16-bit value a record of the store holds under the key, or `absent`.
    std::int16_t StoredValue(FourCC type, const char* key, std::int16_t absent = -999) {
        std::int16_t value = absent;
        if (type == kResponsesType) {
            responses_->GetEntry(key, 's', &value);
        } else {
            PText record(store_, type, 0);
            record.GetEntry(key, 's', &value);
        }
        return value;
    }

    PFMFile* store_ = nullptr;
    std::unique_ptr<PText> responses_;
    std::unique_ptr<TestStoryDocument> document_;
    std::unique_ptr<StoryFormManager> manager_;
};
