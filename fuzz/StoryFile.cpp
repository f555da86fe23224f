// Story files as the program opens them: a store of segments the input makes (main records of every
// generation, the story's records, characters, scenes, question states, pictures) is written to a
// file and opened as a story by the story application, headless; the file's map may list a key
// twice. Whatever the bytes, the story either opens whole (its records, managers and front end
// there) or is refused and leaves nothing open; an opened story saves and closes, and the saved
// file opens again with the title, the characters and the scenes the story showed.

#include <sys/stat.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "FuzzStoryFile.h"
#include "FuzzSupport.h"
#include "app/FEWindow.h"
#include "app/FKDoc.h"
#include "app/Fablecore.h"
#include "foundation/Memory.h"
#include "foundation/pfm/PFM.h"
#include "foundation/pfm/PText.h"
#include "framework/AppEnvironment.h"
#include "platform/present/HeadlessPresenter.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Prompts.h"
#include "storymodel/CharacterManager.h"
#include "storymodel/Scene.h"
#include "storymodel/SceneManager.h"

namespace {

constexpr FourCC kTypes[] = {FourCCOf("SDI4"), FourCCOf("SDI3"), FourCCOf("SDOC"), FourCCOf("SDI6"),
                             FourCCOf("RESP"), FourCCOf("STEL"), FourCCOf("LOCK"), FourCCOf("CHAR"),
                             FourCCOf("SCNL"), FourCCOf("QST3"), FourCCOf("QSTs"), FourCCOf("QSTS"),
                             FourCCOf("CPIX"), FourCCOf("FCAP"), FourCCOf("CILL")};

// The application, started once over the data files the build made, in a program folder of the
// run's own; every box is answered with its first button.
Fablecore& Application() {
    static Fablecore* application = [] {
        static win::HeadlessPresenter presenter{win::SIZE{800, 600}};
        static AppEnvironment environment;
        const std::string program = ScratchFolder::Get() / "program";
        ::mkdir(program.c_str(), 0700);
        std::filesystem::create_symlink(std::string(FUZZ_PROGRAM_DIR) + "/Fablecor.qrv", program + "/Fablecor.qrv");
        std::filesystem::create_directory_symlink(std::string(FUZZ_PROGRAM_DIR) + "/Commands", program + "/Commands");
        ::setenv("FABLECORE_PROGRAM_DIR", program.c_str(), 1);
        win::SetPromptResponder([](const win::PromptRequest& request) -> std::optional<win::PromptAnswer> {
            if (request.kind == "MessageBox")
                return win::PromptAnswer{(request.flags & win::MB_TYPEMASK) == win::MB_OK ? win::IDOK : win::IDNO, {}};
            return win::PromptAnswer{0, {}};
        });
        SetAppEnvironment(&environment);
        auto* made = static_cast<Fablecore*>(CreateFablecore(&environment));
        FUZZ_CHECK(made->Init() == kNoErr);
        return made;
    }();
    return *application;
}

// What the writer sees of a story: its title, its characters' names and its scenes' titles.
std::vector<std::string> Shown(FKDoc& story) {
    std::vector<std::string> shown;
    char text[256] = "";
    story.GetInfoRecord().GetEntry("Title", 'c', text, sizeof text);
    shown.emplace_back(text);
    const CharacterManager& characters = *story.GetCharacterManager();
    for (std::int32_t i = 0; i < characters.GetCount(); ++i)
        shown.push_back("character " + characters.RecordAt(i)->Name());
    const SceneManager& scenes = *story.GetSceneManager();
    for (std::int32_t i = 0; i < scenes.GetSceneCount(); ++i) {
        scenes.SceneAt(i)->GetTitle(text, sizeof text);
        shown.push_back(std::string("scene ") + text);
    }
    return shown;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Fablecore& application = Application();
    const FileRef file((ScratchFolder::Get() / "story.fsf").c_str(), kAccessCreate);
    FuzzInput input(data, size);
    WriteFuzzStoryFile(input, file, kTypes, true);

    const ErrCode opened = application.OpenDocument(FileRef(file).SetPermission(kAccessReadWrite), false);
    FUZZ_CHECK(application.GetDocumentCount() == (opened == kNoErr ? 1 : 0));
    if (opened == kNoErr) {
        auto* story = static_cast<FKDoc*>(application.GetDocument(0));
        FUZZ_CHECK(story->HasRecords());
        FUZZ_CHECK(story->GetCharacterManager() && story->GetSceneManager() && story->GetStoryFormManager());
        FUZZ_CHECK(story->GetFrontEndWindow() != nullptr);
        const std::vector<std::string> shown = Shown(*story);
        FUZZ_CHECK(story->WriteFile() == kNoErr);
        FUZZ_CHECK(application.CloseAll(true));
        FUZZ_CHECK(application.OpenDocument(FileRef(file).SetPermission(kAccessReadWrite), false) == kNoErr);
        FUZZ_CHECK(Shown(*static_cast<FKDoc*>(application.GetDocument(0))) == shown);
        FUZZ_CHECK(application.CloseAll(true));
    }
    FUZZ_CHECK(application.GetDocumentCount() == 0);
    PFMClearError();
    return 0;
}
