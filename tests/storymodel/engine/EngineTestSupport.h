#pragma once
// Test support for the engine data and the solver: a story's storyform manager over a store in the
// test's folder, with the engine file the build generated (the program folder's
// Commands/engine.qrv) handed to the engine reader.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "foundation/FileRef.h"
#include "foundation/TypedList.h"
#include "storymodel/engine/EngineTableReader.h"
#include "storymodel/engine/StoryFormTestSupport.h"
#include "storymodel/engine/StoryPointTable.h"

inline std::string EngineFilePath() {
    const char* folder = std::getenv("FABLECORE_PROGRAM_DIR");
    return std::string(folder ? folder : ".") + "/Commands/engine.qrv";
}

class EngineFileTest : public StoryFormTest {
protected:
    void SetUp() override {
        StoryFormTest::SetUp();
        const FileRef ref(EngineFilePath().c_str(), kAccessRead);
        engine_ = PFMOpenFile(&ref);
        ASSERT_NE(engine_, nullptr) << "cannot open " << EngineFilePath();
        PFMSetCurrentFile(store_);
        SetEngineFile(engine_);
    }
    void TearDown() override {
        SetEngineFile(nullptr);
        StoryFormTest::TearDown();
    }

    PFMFile* engine_ = nullptr;
};

// Whether the engine data gives the point a value: a throughline point with an engine field.
inline bool HasEngineValue(const StoryPointRecord& point) {
    return point.kind >= kDomainLevelPoint && point.kind <= kElementLevelPoint &&
           point.engineField != kNoEngineField;
}

// Chooses a list of allowed values for the point.
inline void ChooseList(IStoryForm& storyForm, std::int16_t id, const std::vector<std::int16_t>& allowed) {
    SList list;
    for (std::int16_t value : allowed) list.Append(value);
    storyForm.SetChoice(id, -1);
    storyForm.SetMultipleChoices(StoryPointIndex(id), list);
}
