#pragma once
// Reports composed with the application data file the build makes: its templates, story point
// descriptions, dictionary, verbs and pronouns, over the engine's own data. The fixture opens the
// data file for each test and stands in the application that answers for it.

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>

#include "ReportTestSupport.h"
#include "reports/ReportText.h"

namespace reporttest {

class BuiltDataReportTest : public EngineReportTest {
protected:
    void SetUp() override {
        EngineReportTest::SetUp();
        data_ = OpenProgramDataFile("Fablecor.qrv");
        ASSERT_NE(data_, nullptr);
        PFMSetCurrentFile(story->GetStoryFile());
        application_ = std::make_unique<BuiltDataApplication>(data_);
        SetStoryApplication(application_.get());
    }
    void TearDown() override {
        EngineReportTest::TearDown();
        application_.reset();
        if (data_) PFMCloseFile(data_);
    }

    // The report as the writer reads it: expanded, without its style codes, its lines run together
    // (or kept).
    static std::string Read(ReportComposer& built, IStoryDocument& of, std::int16_t id,
                            bool runTogether = true) {
        built.ResetText();
        built.BuildReportSection(id, ReportTitle(id, &of).c_str());
        std::string text = PlainReportText(&of, built.GetText(), true);
        if (runTogether) std::replace(text.begin(), text.end(), '\n', ' ');
        return text;
    }

    PFMFile* data_ = nullptr;

private:
    std::unique_ptr<BuiltDataApplication> application_;
};

}  // namespace reporttest
