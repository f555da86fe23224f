#pragma once
// The story application started headless (the application fixture) over a copy of the application
// data file the build makes with the query tests' question lists, pages and help texts in it, the
// query tool installed as the program installs it and the pronoun question answered; and the query
// window of a story, opened by its command.

#include <filesystem>

#include "QueryTestContent.h"
#include "app/FablCmds.h"
#include "app/PreferencesManager.h"
#include "app/StoryAppFixture.h"
#include "app/StoryCommandIds.h"
#include "foundation/TypedList.h"
#include "items/ItemClasses.h"
#include "query/FQSWindow.h"
#include "query/QueryTools.h"
#include "widgets/WidgetClasses.h"

namespace querytest {

class QueryWindowTest : public apptest::StoryAppTest {
protected:
    void SetUp() override {
        InstallItemClasses();
        InstallWidgetClasses();
        StoryAppTest::SetUp();
        Stop();
        WriteDataFile();
        Start();
    }

    // Started as the program starts: the query window installed, the pronouns chosen.
    void Start() {
        StoryAppTest::Start();
        if (auto* commands = dynamic_cast<FablCmds*>(application)) InstallQueryTools(commands->GetStoryTools());
        application->GetPreferencesManager()->SetPronounGender(1);
    }
    // The program quit and started again, as a writer does.
    void Restart() {
        Stop();
        Start();
    }

    // The story's query window, opened by the command (the Query System command, or another).
    FQSWindow* OpenQuery(FKDoc* story, std::int32_t command = kCmdQuerySystem) {
        application->SelectWindow(story->GetFrontEndWindow());
        EXPECT_EQ(application->HandleCommand(command), kNoErr);
        Run();
        return dynamic_cast<FQSWindow*>(story->GetFQSWindow());
    }
    // An item hit as the window hears it, and what it posted.
    void Hit(FQSWindow* window, std::int32_t item) {
        window->HandleItemHit(item);
        Run();
    }
    PText& QueryPreferences() { return *application->GetPreferencesManager()->GetFQSRecord(); }
    std::int16_t Preference(const char* key, std::int16_t fallback = -1) {
        std::int16_t value = fallback;
        PreferencesManager::GetPrefShort(&QueryPreferences(), key, value);
        return value;
    }

private:
    // The built data file, copied into the program folder, with the test content added.
    void WriteDataFile() {
        const std::string path = ProgramFile("Fablecor.qrv");
        std::filesystem::remove(path);
        std::filesystem::copy_file(builtFolder + "/Fablecor.qrv", path);
        PFMPushCurrentFile(nullptr);
        const FileRef file(path.c_str(), kAccessReadWrite);
        PFMFile* store = PFMOpenFile(&file);
        ASSERT_NE(store, nullptr);
        RemoveQueryContent(store);
        AddContent(store);
        PFMSetCurrentFile(store);
        ASSERT_EQ(PFMSaveFile(&file), kNoErr);
        PFMCloseFile(store);
        PFMPopCurrentFile();
    }

    // The program's own question lists, pages and help texts, so that a test's content stands alone.
    static void RemoveQueryContent(PFMFile* store) {
        const PFMFileScope scope(store, false);
        for (const FourCC type : {FourCCOf("QLST"), FourCCOf("FQS2"), FourCCOf("FQQE"), FourCCOf("FQBG"),
                                  FourCCOf("FQUS"), FourCCOf("FQSH")}) {
            SList ids;
            ASSERT_EQ(PFMGetSegmentIds(type, ids), kNoErr);
            for (std::int32_t i = 0; i < ids.Count(); ++i)
                PFMRemoveSegment(type, static_cast<std::uint16_t>(ids.GetAt(i)));
        }
    }

protected:
    // The content a test adds to the data file; the query tests' own by default.
    virtual void AddContent(PFMFile* store) { AddQueryTestContent(store); }
};

}  // namespace querytest
