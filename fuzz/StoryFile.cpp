// Story files as the program opens them: a store of segments the input makes (main records of every
// generation, the story's records, characters, scenes, question states, pictures) is written to a
// file and opened as a story by the story application, headless; the file's map may list a key
// twice. Whatever the bytes, a file holding a main record opens whole (its records, managers and
// front end there), and any other is refused and leaves nothing open; a story that opens without a
// word read every keyed record it always reads whole; an opened story saves and closes, and the
// saved file opens again with the title, the characters, their roles and the scenes the story
// showed.

#include <sys/stat.h>

#include <algorithm>
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
#include "foundation/TypedList.h"
#include "foundation/pfm/KeyedText.h"
#include "foundation/pfm/PFM.h"
#include "foundation/pfm/PText.h"
#include "foundation/pfm/PTextValue.h"
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

// How many message boxes the program has shown.
std::size_t& MessagesSaid() {
    static std::size_t said = 0;
    return said;
}

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
            if (request.kind == "MessageBox") {
                ++MessagesSaid();
                return win::PromptAnswer{(request.flags & win::MB_TYPEMASK) == win::MB_OK ? win::IDOK : win::IDNO, {}};
            }
            return win::PromptAnswer{0, {}};
        });
        SetAppEnvironment(&environment);
        auto* made = static_cast<Fablecore*>(CreateFablecore(&environment));
        FUZZ_CHECK(made->Init() == kNoErr);
        return made;
    }();
    return *application;
}

// What the writer sees of a story: its title, its characters' names and roles and its scenes'
// names (their places and titles).
std::vector<std::string> Shown(FKDoc& story) {
    std::vector<std::string> shown;
    char text[256] = "";
    story.GetInfoRecord().GetEntry("Title", 'c', text, sizeof text);
    shown.emplace_back(text);
    const CharacterManager& characters = *story.GetCharacterManager();
    for (std::int32_t i = 0; i < characters.GetCount(); ++i) {
        const CharInfoRec& character = *characters.RecordAt(i);
        shown.push_back("character " + character.Name() + " " +
                        std::to_string(character.GetSubjectiveRole()));
    }
    const SceneManager& scenes = *story.GetSceneManager();
    for (std::int32_t i = 0; i < scenes.GetSceneCount(); ++i) {
        scenes.SceneAt(i)->GetDisplayName(text, sizeof text);
        shown.push_back(std::string("scene ") + text);
    }
    return shown;
}

// The texts of the keyed records that the open of a story reads whatever else the file holds, as
// the file holds them: the main record, the choices, the storytelling, the locks, every character
// and every scene. `story` tells whether the file holds a main record of a generation the program
// reads.
std::vector<std::string> AlwaysReadRecords(const FileRef& file, bool& story) {
    std::vector<std::string> texts;
    story = false;
    PFMPushCurrentFile(nullptr);
    if (PFMFile* store = PFMOpenFile(&file)) {
        {
            const PFMFileScope scope(store, false);
            for (const FourCC type : {FourCCOf("SDI4"), FourCCOf("SDI3"), FourCCOf("SDOC")}) {
                SList ids;
                PFMGetSegmentIds(type, ids);
                story = story || ids.Count() > 0;
            }
            const auto add = [&](FourCC type, std::uint16_t id) {
                if (!PFMSegmentExists(type, id) || !PFMIsRawSegment(type, id)) return;
                const CheckedOutHdl segment(type, id, store);
                if (segment.Data())
                    texts.emplace_back(static_cast<const char*>(segment.Data()), MemSize(segment.Data()));
            };
            for (const FourCC type : {FourCCOf("SDI4"), FourCCOf("RESP"), FourCCOf("STEL"), FourCCOf("LOCK")})
                add(type, 0);
            for (const FourCC type : {FourCCOf("CHAR"), FourCCOf("SCNL")}) {
                SList ids;
                PFMGetSegmentIds(type, ids);
                for (std::int32_t i = 0; i < ids.Count(); ++i)
                    add(type, static_cast<std::uint16_t>(ids.GetAt(i)));
            }
        }
        PFMCloseFile(store);
    }
    PFMClearError();
    PFMPopCurrentFile();
    return texts;
}

// Whether a record's text reads whole: its entries, each of a value type, one after the other from
// its start, reach the backslash that ends it.
bool ReadsWhole(const std::string& text) {
    KeyedText record;
    record.Parse(text.data(), text.size());
    std::vector<std::pair<std::size_t, std::size_t>> spans;
    PTextEntry entry;
    std::int32_t cursor = 0;
    for (std::int32_t r = record.FirstEntry(cursor, entry); r == kNoErr;
         r = record.NextEntry(cursor, entry)) {
        if (!IsPTextType(static_cast<char>(entry.type))) return false;
        spans.emplace_back(entry.entryOffset, std::size_t{entry.endOffset} + 1);
    }
    std::sort(spans.begin(), spans.end());
    std::size_t at = 0;
    for (const auto& [start, end] : spans) {
        if (start != at) return false;
        at = end;
    }
    return at < text.size() && text[at] == '\\' && (at + 1 == text.size() || text[at + 1] == '\0');
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Fablecore& application = Application();
    const FileRef file((ScratchFolder::Get() / "story.fsf").c_str(), kAccessCreate);
    FuzzInput input(data, size);
    WriteFuzzStoryFile(input, file, kTypes, true);
    bool story = false;
    const std::vector<std::string> records = AlwaysReadRecords(file, story);

    const std::size_t said = MessagesSaid();
    const ErrCode opened = application.OpenDocument(FileRef(file).SetPermission(kAccessReadWrite), false);
    FUZZ_CHECK(application.GetDocumentCount() == (opened == kNoErr ? 1 : 0));
    // Damaged records keep what reads of them: only a file that holds no story is refused.
    FUZZ_CHECK(opened == kNoErr || !story);
    if (opened == kNoErr) {
        if (MessagesSaid() == said) FUZZ_CHECK(std::all_of(records.begin(), records.end(), ReadsWhole));
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
