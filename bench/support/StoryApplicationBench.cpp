#include "support/StoryApplicationBench.h"

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <utility>

#include "app/FKDoc.h"
#include "foundation/FileRef.h"
#include "foundation/ObjectFactory.h"
#include "framework/ItemObjectFactory.h"
#include "platform/gdi/Printers.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Prompts.h"
#include "program/StoryApplication.h"

StoryApplicationBench::StoryApplicationBench(const char* name) {
    std::string pattern = (std::filesystem::temp_directory_path() / name).string() + "-XXXXXX";
    folder_ = ::mkdtemp(pattern.data()) ? pattern : std::string("/tmp");
    const std::string program = folder_ + "/program";
    ::mkdir(program.c_str(), 0700);
    std::error_code error;
    std::filesystem::create_symlink(std::string(FABLECORE_PROGRAM_FOLDER) + "/Fablecor.qrv",
                                    program + "/Fablecor.qrv", error);
    std::filesystem::create_directory_symlink(std::string(FABLECORE_PROGRAM_FOLDER) + "/Commands",
                                              program + "/Commands", error);
    ::setenv("FABLECORE_PROGRAM_DIR", program.c_str(), 1);
    ::setenv("TMPDIR", folder_.c_str(), 1);
    win::SetPromptResponder(
        [messages = messages_](const win::PromptRequest& request) -> std::optional<win::PromptAnswer> {
            if (request.kind == "PrintDlg") return win::PromptAnswer{win::IDOK, "pages=all\ncopies=1"};
            if (request.kind == "MessageBox") messages->push_back(request.text);
            return win::PromptAnswer{request.kind == "MessageBox" ? win::IDOK : 0, {}};
        });
    const std::string printed = PathOf("printed.pdf");
    win::SetPrintFileChooser([printed](const std::string&) { return std::optional<std::string>(printed); });
    SetAppEnvironment(&environment_);
    application_ = static_cast<Fablecore*>(CreateStoryApplication(&environment_));
    // As the program's entry does: windows read from the data file (the printing ones too) are made
    // by the item factory.
    RegisterObjectFactory(ItemObjectFactory);
    if (application_->Init() != kNoErr) return;
    // As the program's message loop does first: the start-up's second queue runs, and with it the
    // splash screen's wait, after which the splash screen goes.
    application_->DrainQueue(kSecondQueue);
    presenter_.DispatchPending();
    started_ = true;
}

StoryApplicationBench::~StoryApplicationBench() {
    CloseAll();
    delete application_;
    SetAppEnvironment(nullptr);
    std::error_code error;
    std::filesystem::remove_all(folder_, error);
}

FKDoc* StoryApplicationBench::NewStory() {
    if (!Application() || application_->NewDocument(false) != kNoErr) return nullptr;
    return static_cast<FKDoc*>(application_->GetDocument(application_->GetDocumentCount() - 1));
}

FKDoc* StoryApplicationBench::Open(const std::string& path) {
    if (!Application() || application_->OpenDocument(FileRef(path.c_str(), kAccessReadWrite), false) != kNoErr)
        return nullptr;
    return static_cast<FKDoc*>(application_->GetDocument(application_->GetDocumentCount() - 1));
}

void StoryApplicationBench::CloseAll() {
    if (!application_) return;
    for (std::int32_t i = 0; i < application_->GetDocumentCount(); ++i) application_->GetDocument(i)->SetClean();
    application_->CloseAll(true);
    presenter_.DispatchPending();
}

std::vector<std::string> StoryApplicationBench::TakeMessages() { return std::exchange(*messages_, {}); }
