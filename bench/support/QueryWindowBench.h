#pragma once
// The story application of a query window benchmark, headless: over a copy of the data file the
// build made, into which the benchmark writes records of its own, a new story (filled as the
// benchmark wants it) in front with its query window open.

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "app/FEWindow.h"
#include "app/FKDoc.h"
#include "app/Fablecore.h"
#include "app/PreferencesManager.h"
#include "app/StoryCommandIds.h"
#include "foundation/pfm/PFM.h"
#include "framework/AppEnvironment.h"
#include "platform/present/HeadlessPresenter.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Prompts.h"
#include "program/StoryApplication.h"
#include "query/FQSWindow.h"

struct QueryWindowBench {
    std::string folder;
    win::HeadlessPresenter presenter{win::SIZE{1024, 768}};
    AppEnvironment environment;
    TAppl* application = nullptr;
    FKDoc* story = nullptr;
    FQSWindow* window = nullptr;

    // writeRecords writes into the copied data file, open as the current store; fillStory fills
    // the new story before its query window opens. Any step that fails leaves window null.
    QueryWindowBench(const char* name, const std::function<void(PFMFile* store)>& writeRecords,
                     const std::function<void(FKDoc& story)>& fillStory = {}) {
        std::string pattern = (std::filesystem::temp_directory_path() / name).string() + "-XXXXXX";
        folder = ::mkdtemp(pattern.data()) ? pattern : std::string("/tmp");
        const std::string program = folder + "/program";
        ::mkdir(program.c_str(), 0700);
        std::filesystem::copy_file(std::string(FABLECORE_PROGRAM_FOLDER) + "/Fablecor.qrv", program + "/Fablecor.qrv");
        std::filesystem::create_directory_symlink(std::string(FABLECORE_PROGRAM_FOLDER) + "/Commands",
                                                  program + "/Commands");
        if (!WriteRecords(program + "/Fablecor.qrv", writeRecords)) return;
        ::setenv("FABLECORE_PROGRAM_DIR", program.c_str(), 1);
        ::setenv("TMPDIR", folder.c_str(), 1);
        win::SetPromptResponder([](const win::PromptRequest& request) -> std::optional<win::PromptAnswer> {
            return win::PromptAnswer{request.kind == "MessageBox" ? win::IDOK : 0, {}};
        });
        SetAppEnvironment(&environment);
        application = CreateStoryApplication(&environment);
        if (application->Init() != kNoErr) return;
        if (auto* fablecore = dynamic_cast<Fablecore*>(application))
            fablecore->GetPreferencesManager()->SetPronounGender(1);
        if (application->NewDocument(false) != kNoErr) return;
        story = static_cast<FKDoc*>(application->GetDocument(0));
        if (fillStory) fillStory(*story);
        application->SelectWindow(story->GetFrontEndWindow());
        application->HandleCommand(kCmdQuerySystem);
        presenter.DispatchPending();
        window = dynamic_cast<FQSWindow*>(story->GetFQSWindow());
    }
    ~QueryWindowBench() {
        if (story) story->SetClean();
        if (application) {
            application->CloseAll(true);
            delete application;
        }
        std::error_code error;
        std::filesystem::remove_all(folder, error);
    }

private:
    static bool WriteRecords(const std::string& path, const std::function<void(PFMFile* store)>& write) {
        PFMPushCurrentFile(nullptr);
        const FileRef file(path.c_str(), kAccessReadWrite);
        PFMFile* store = PFMOpenFile(&file);
        if (store) {
            write(store);
            PFMSetCurrentFile(store);
            PFMSaveFile(&file);
            PFMCloseFile(store);
        }
        PFMPopCurrentFile();
        return store != nullptr;
    }
};
