#pragma once
// What the report tests share: templates that answer "[Sn]" for each key "Sn" (up to a last key,
// with keys made missing on demand, and a log of the records opened) and the story point
// descriptions the test gives, a storyform whose dynamics, values and structures the test sets, an
// owner with a vocabulary option, and a composer over a stand-in story (with its two default
// characters) on a store of the test's own.

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "foundation/TypedList.h"
#include "foundation/pfm/PText.h"
#include "foundation/pfm/PTextTypes.h"
#include "foundation/pfm/StoreTestSupport.h"
#include "reports/IOutlineWindow.h"
#include "reports/ReportComposer.h"
#include "reports/ReportTemplates.h"
#include "reports/StoryformCompletion.h"
#include "storymodel/FablecoreStringConverter.h"
#include "storymodel/StoryStandIn.h"
#include "storymodel/engine/ElementTable.h"
#include "storymodel/engine/EngineTableReader.h"
#include "storymodel/engine/IStoryForm.h"
#include "storymodel/engine/StoryFormManager.h"
#include "storymodel/engine/StoryPointTable.h"
#include "storymodel/engine/ThroughlineStructure.h"
#include "support/StoredText.h"

namespace reporttest {

// What the fake templates were asked, and what they lack.
struct TemplateLog {
    std::vector<std::int16_t> opened;
    // Keys a record lacks, by record number.
    std::map<std::int16_t, std::set<std::string>> missing;
    // Every record has the keys S1 up to this one.
    int lastKey = 40;
    // The story point descriptions there are, by number.
    std::map<std::int16_t, StoryPointDescription> descriptions;
    // Every key asked of each record, found or not.
    std::map<std::int16_t, std::set<std::string>> asked;
};

class FakeTemplate : public ReportTemplate {
public:
    FakeTemplate(std::int16_t number, std::shared_ptr<TemplateLog> log)
        : number_(number), log_(std::move(log)) {}
    bool Read(const char* key, char* buffer, std::size_t size) override {
        const std::string name = key;
        log_->asked[number_].insert(name);
        if (log_->missing[number_].count(name) || name.size() < 2 || name[0] != 'S' ||
            std::stoi(name.substr(1)) > log_->lastKey)
            return false;
        std::snprintf(buffer, size, "[%s]", key);
        return true;
    }

private:
    std::int16_t number_;
    std::shared_ptr<TemplateLog> log_;
};

class FakeTemplates : public IReportTemplates {
public:
    explicit FakeTemplates(std::shared_ptr<TemplateLog> log) : log_(std::move(log)) {}
    std::unique_ptr<ReportTemplate> Open(std::int16_t number) override {
        log_->opened.push_back(number);
        return std::make_unique<FakeTemplate>(number, log_);
    }
    bool ReadDescription(std::int16_t number, StoryPointDescription& description) override {
        const auto found = log_->descriptions.find(number);
        description = found != log_->descriptions.end() ? found->second : StoryPointDescription{};
        return found != log_->descriptions.end();
    }

private:
    std::shared_ptr<TemplateLog> log_;
};

// A storyform of the test's making: the dynamics named are true, every value is 0 until set, and
// the four structures start as the default arrangement.
class FakeStoryForm : public IStoryForm {
public:
    enum Dynamic {
        kChange,
        kSteadfast,
        kStop,
        kStart,
        kDoer,
        kBeer,
        kLogical,
        kIntuitive,
        kAction,
        kDecision,
        kTimelock,
        kOptionlock,
        kSuccess,
        kFailure,
        kGood,
        kBad,
        kDynamicCount
    };

    FakeStoryForm() {
        for (ThroughlineStructure& structure : structures) structure = GetDefaultThroughlineStructure();
    }
    void Set(std::initializer_list<Dynamic> dynamics) {
        on.fill(false);
        for (const Dynamic d : dynamics) on[d] = true;
    }
    void SetValueByCode(const char* code, std::int16_t value) {
        values[StoryPointIndexForCode(code)] = value;
    }

    bool IsChange() const override { return on[kChange]; }
    bool IsSteadfast() const override { return on[kSteadfast]; }
    bool IsStop() const override { return on[kStop]; }
    bool IsStart() const override { return on[kStart]; }
    bool IsDoer() const override { return on[kDoer]; }
    bool IsBeer() const override { return on[kBeer]; }
    bool IsLogical() const override { return on[kLogical]; }
    bool IsIntuitive() const override { return on[kIntuitive]; }
    bool IsAction() const override { return on[kAction]; }
    bool IsDecision() const override { return on[kDecision]; }
    bool IsTimelock() const override { return on[kTimelock]; }
    bool IsOptionlock() const override { return on[kOptionlock]; }
    bool IsSuccess() const override { return on[kSuccess]; }
    bool IsFailure() const override { return on[kFailure]; }
    bool IsGood() const override { return on[kGood]; }
    bool IsBad() const override { return on[kBad]; }
    std::int16_t GetValueAt(int index) const override {
        return index >= 0 && index < kStoryPointCount ? values[static_cast<std::size_t>(index)] : 0;
    }
    void SetValueAt(int index, std::int16_t value) override {
        values[static_cast<std::size_t>(index)] = value;
    }
    std::int16_t GetChoice(std::int16_t) const override { return 0; }
    void SetChoice(std::int16_t, std::int16_t) override {}
    std::int16_t GetValue(std::int16_t id) const override { return GetValueAt(StoryPointIndex(id)); }
    void SetValue(std::int16_t id, std::int16_t value) override { SetValueAt(StoryPointIndex(id), value); }
    void GetMultipleChoices(int, SList& list) const override { list.SetCount(0); }
    void SetMultipleChoices(int, const SList&) override {}
    ThroughlineStructure* GetThroughlineStructure(std::uint16_t throughline) override {
        ++structuresTaken[throughline];
        return throughline >= 1 && throughline <= 4 ? &structures[throughline - 1] : nullptr;
    }
    void ReleaseThroughlineStructure(std::uint16_t throughline) override { ++structuresGiven[throughline]; }

    std::array<bool, kDynamicCount> on{};
    std::array<std::int16_t, kStoryPointCount> values{};
    std::array<ThroughlineStructure, 4> structures;
    std::map<std::uint16_t, int> structuresTaken;
    std::map<std::uint16_t, int> structuresGiven;
};

class FakeOwner : public IOutlineWindow {
public:
    PText* GetReportOptions() override { return options; }
    std::int16_t GetVocabularyOption() override { return vocabulary; }
    PText* options = nullptr;
    std::int16_t vocabulary = 0;
};

// The id of the element table row with the code.
inline std::int16_t IdOfCode(const char* code) {
    for (int id = 1; id < kElementCount; ++id) {
        const ElementRecord* row = ElementRecordByID(static_cast<std::int16_t>(id));
        if (row && std::string(row->code) == code) return static_cast<std::int16_t>(id);
    }
    return 0;
}

class ReportTest : public StoreTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        previous_ = SetStoryApplication(&application);
        store_ = PFMOpenFile(nullptr);
        ASSERT_NE(store_, nullptr);
        story = std::make_unique<StandInStory>(store_);
        ASSERT_EQ(story->LoadCharacters(), kNoErr);
        composer = std::make_unique<ReportComposer>(&owner, story.get(), &form);
        composer->SetReportTemplates(std::make_unique<FakeTemplates>(log));
    }
    void TearDown() override {
        composer.reset();
        story.reset();
        PFMCloseFile(store_);
        SetStoryApplication(previous_);
        StoreTest::TearDown();
    }

    std::string Text() const { return composer->GetText(); }
    // Takes the text composed so far and starts afresh.
    std::string Take() {
        std::string text = composer->GetText();
        composer->ResetText();
        return text;
    }
    // A storytelling text of the story under the key.
    void Tell(const char* key, const char* text) {
        ASSERT_GE(story->GetStorytellingRecord().SetEntry(key, kPTextText, text), 0);
    }

    StandInApplication application;
    std::unique_ptr<StandInStory> story;
    FakeStoryForm form;
    FakeOwner owner;
    std::shared_ptr<TemplateLog> log = std::make_shared<TemplateLog>();
    std::unique_ptr<ReportComposer> composer;

private:
    IStoryApplication* previous_ = nullptr;
    PFMFile* store_ = nullptr;
};

// A report test with the engine data the build generated (the program folder's
// Commands/engine.qrv), so that storyforms can be completed.
// Opens for reading a data file the build puts in the program's folder (FABLECORE_PROGRAM_DIR, or
// the current folder), by its path there; a test that cannot open it fails.
inline PFMFile* OpenProgramDataFile(const char* name) {
    const char* folder = std::getenv("FABLECORE_PROGRAM_DIR");
    const std::string path = std::string(folder ? folder : ".") + "/" + name;
    const FileRef ref(path.c_str(), kAccessRead);
    PFMFile* file = PFMOpenFile(&ref);
    EXPECT_NE(file, nullptr) << "cannot open " << path;
    return file;
}

class EngineReportTest : public ReportTest {
protected:
    void SetUp() override {
        ReportTest::SetUp();
        engine_ = OpenProgramDataFile("Commands/engine.qrv");
        ASSERT_NE(engine_, nullptr);
        PFMSetCurrentFile(story->GetStoryFile());
        SetEngineFile(engine_);
    }
    void TearDown() override {
        SetEngineFile(nullptr);
        PFMCloseFile(engine_);
        ReportTest::TearDown();
    }

private:
    PFMFile* engine_ = nullptr;
};

using testsupport::StoredText;

inline bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.rfind(prefix, 0) == 0;
}

// The bytes of a style code.
inline std::string Code(const char* command) { return std::string("\xC7") + command + "\xC8"; }
// Bold on and off, and the margins of a plain, a hanging and an indented paragraph.
inline const std::string kB = Code("B+"), kNB = Code("B-");
inline const std::string kNone = Code("M(0,0,0)"), kHanging = Code("M(10,30,0)"),
                         kIndented = Code("M(30,30,0)");

}  // namespace reporttest
