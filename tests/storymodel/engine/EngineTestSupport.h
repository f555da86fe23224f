#pragma once
// Test support for the engine data and the solver: a fixture with the store set up and the engine
// file the build generated (the program folder's Commands/engine.qrv) handed to the reader, and a
// storyform whose choices and values a test sets directly.

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "foundation/FileRef.h"
#include "foundation/Platform.h"
#include "foundation/pfm/PFM.h"
#include "platform/sys/TempFolder.h"
#include "storymodel/engine/EngineTableReader.h"
#include "storymodel/engine/IStoryformChoices.h"
#include "storymodel/engine/StoryPointTable.h"
#include "storymodel/engine/TheoryTables.h"

inline std::string EngineFilePath() {
    const char* folder = std::getenv("FABLECORE_PROGRAM_DIR");
    return std::string(folder ? folder : ".") + "/Commands/engine.qrv";
}

class StoreFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(folder_.Path().empty());
        DetectPlatform();
        // Swap files go into the test's own folder.
        const char* previous = std::getenv("TMPDIR");
        previousTmpDir_ = previous ? previous : "";
        ::setenv("TMPDIR", folder_.Path().c_str(), 1);
        ASSERT_EQ(PFMInit(FourCCOf("Fabl"), MakeVersion(1, 0, kStageRelease, 0)), kNoErr);
    }
    void TearDown() override {
        SetEngineFile(nullptr);
        PFMTerm();
        if (previousTmpDir_.empty()) {
            ::unsetenv("TMPDIR");
        } else {
            ::setenv("TMPDIR", previousTmpDir_.c_str(), 1);
        }
    }

    TempFolder folder_;
    std::string previousTmpDir_;
};

// The generated engine file, opened read-only and handed to the reader.
class EngineFileTest : public StoreFixture {
protected:
    void SetUp() override {
        StoreFixture::SetUp();
        const FileRef ref(EngineFilePath().c_str(), kAccessRead);
        engine_ = PFMOpenFile(&ref);
        ASSERT_NE(engine_, nullptr) << "cannot open " << EngineFilePath();
        SetEngineFile(engine_);
    }

    PFMFile* engine_ = nullptr;
};

// A storyform held in plain maps: choices by id, lists by row, values in force by row.
class TestStoryform : public IStoryformChoices {
public:
    std::int16_t GetValueAt(int index) override { return values[index]; }
    void SetValueAt(int index, std::int16_t value) override { values[index] = value; }
    std::int16_t GetChoice(std::int16_t id) override { return choices[id]; }
    void SetChoice(std::int16_t id, std::int16_t value) override {
        choices[id] = value;
        values[StoryPointIndex(id)] = value;
    }
    void SetValue(std::int16_t id, std::int16_t value) override { values[StoryPointIndex(id)] = value; }
    void GetMultipleChoices(int index, SList& list) override {
        list.SetCount(0);
        for (std::int16_t value : lists[index]) list.Append(value);
    }

    // A list of allowed values, stored as a list choice.
    void ChooseList(std::int16_t id, std::vector<std::int16_t> allowed) {
        choices[id] = -1;
        lists[StoryPointIndex(id)] = std::move(allowed);
    }

    std::map<std::int16_t, std::int16_t> choices;
    std::map<int, std::int16_t> values;
    std::map<int, std::vector<std::int16_t>> lists;
};
