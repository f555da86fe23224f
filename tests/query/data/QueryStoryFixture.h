#pragma once
// Test support for the query system's data: a story with characters, relationships and scenes over
// a store of the test's folder, the stand-in application whose data file holds the question lists
// and pages a test adds, and the story's responses record and question status.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "foundation/pfm/PFM.h"
#include "foundation/pfm/PText.h"
#include "foundation/pfm/StoreTestSupport.h"
#include "query/data/QueryStory.h"
#include "query/data/QuestionStatus.h"
#include "storymodel/Scene.h"
#include "storymodel/StoryStandIn.h"

class QueryStoryTest : public StoreTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        application_ = std::make_unique<StandInApplication>();
        SetStoryApplication(application_.get());
        store_ = PFMOpenFile(nullptr);
        ASSERT_NE(store_, nullptr);
        story_ = std::make_unique<StandInStory>(store_);
        ASSERT_EQ(story_->LoadCharacters(), kNoErr);
        responses_ = std::make_unique<PText>(store_, FourCCOf("RESP"), 0);
    }
    void TearDown() override {
        responses_.reset();
        story_.reset();
        PFMCloseFile(store_);
        SetStoryApplication(nullptr);
        application_.reset();
        StoreTest::TearDown();
    }

    CharacterManager& Characters() { return story_->Characters(); }
    SceneManager& Scenes() { return story_->Scenes(); }
    PFMFile* DataFile() { return application_->GetDataFile(); }

    QueryStory Story() { return {story_.get(), &Characters(), &Scenes(), responses_.get(), &status_}; }

    CharID AddCharacter(const char* name) { return Characters().CreateCharacter(name, 0, 1, 0, 0, false); }
    void Relate(CharID a, CharID b) { Characters().GetCharacter(a)->SetRelationship("they met", b); }
    // A new scene at the end; answers its id.
    std::int16_t AddScene() { return Scenes().SceneAt(Scenes().InsertScene(-1))->GetID(); }

    // A question list of the data file.
    void AddList(std::uint16_t id, const std::string& order, const std::string& name = "") {
        PText record(DataFile(), FourCCOf("QLST"), id);
        record.SetEntry("OR", 'c', order.c_str());
        if (!name.empty()) record.SetEntry("NA", 'c', name.c_str());
        ASSERT_EQ(record.Save(), kNoErr);
    }
    // A question page of the data file, with its class when one is given.
    void AddPage(std::uint16_t topic, std::int16_t pageClass = -1, const char* key = nullptr,
                 const char* text = nullptr) {
        PText record(DataFile(), FourCCOf("FQS2"), topic);
        if (pageClass >= 0) record.SetNumberByName("TY", 's', pageClass);
        if (key) record.SetEntry(key, 'c', text);
        if (pageClass < 0 && !key) record.SetEntry("QT", 'c', "A page");
        ASSERT_EQ(record.Save(), kNoErr);
    }

    std::unique_ptr<StandInApplication> application_;
    PFMFile* store_ = nullptr;
    std::unique_ptr<StandInStory> story_;
    std::unique_ptr<PText> responses_;
    QuestionStatus status_;
};
