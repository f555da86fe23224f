// Makes the example stories and the story examples file with the story application itself,
// started without a window over the data files of the program folder given:
//   compile_story [--show] PROGRAM_FOLDER SOURCE OUTPUT.fsf
//     compiles the readable source of an example story (data/examples, see data/README.md): a new
//     story is filled through its managers and saved as the program saves it. --show prints every
//     story point's value in force and whether the story tells it.
//   compile_story --examples PROGRAM_FOLDER OUTPUT.qrv
//     rebuilds the story examples file from the stories of the program folder's "examples" folder
//     with the program's Build Story Examples command, and writes it to OUTPUT.
// Errors go to the standard error output as file:line: message; the exit status is 1 when the
// story has errors or the rebuild failed (nothing is written then), 2 for a wrong command line.

#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>
#include <string>

#include "app/CompileCmd.h"
#include "app/FKDoc.h"
#include "app/Fablecore.h"
#include "foundation/FileRef.h"
#include "foundation/ObjectFactory.h"
#include "foundation/TypedList.h"
#include "foundation/pfm/PFM.h"
#include "framework/AppEnvironment.h"
#include "framework/ItemObjectFactory.h"
#include "platform/present/HeadlessPresenter.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Prompts.h"
#include "program/StoryApplication.h"
#include "storyfiles/StoryResolver.h"
#include "storyfiles/StorySource.h"
#include "storyfiles/StoryWriter.h"

namespace fs = std::filesystem;

namespace {

int Usage(const char* program) {
    std::fprintf(stderr,
                 "usage: %s [--show] PROGRAM_FOLDER SOURCE OUTPUT.fsf\n"
                 "       %s --examples PROGRAM_FOLDER OUTPUT.qrv\n",
                 program, program);
    return 2;
}

int Report(const Diagnostics& diagnostics) {
    for (const std::string& message : diagnostics.Messages()) std::fprintf(stderr, "%s\n", message.c_str());
    return diagnostics.HasErrors() ? 1 : 0;
}

// A program folder of the tool's own over the given one's data files and example stories, where the
// application keeps its preferences and swap files and writes into its "Commands" folder while it
// runs; removed with everything in it.
class ScratchProgramFolder {
public:
    explicit ScratchProgramFolder(const fs::path& program) {
        std::string pattern = (fs::temp_directory_path() / "compile_story.XXXXXX").string();
        if (!::mkdtemp(pattern.data())) return;
        root_ = pattern;
        std::error_code error;
        fs::create_directories(Program() / "Commands", error);
        fs::create_directory(root_ / "tmp", error);
        const fs::path source = fs::absolute(program);
        fs::create_symlink(source / "Fablecor.qrv", Program() / "Fablecor.qrv", error);
        for (const auto& entry : fs::directory_iterator(source / "Commands", error)) {
            if (entry.path().filename() != Fablecore::kExamplesFileName)
                fs::create_symlink(entry.path(), Program() / "Commands" / entry.path().filename(), error);
        }
        if (fs::exists(source / "examples"))
            fs::create_directory_symlink(source / "examples", Program() / "examples", error);
        ::setenv("FABLECORE_PROGRAM_DIR", Program().c_str(), 1);
        ::setenv("TMPDIR", (root_ / "tmp").c_str(), 1);
        ::setenv("FABLECORE_HEADLESS", "1", 1);
    }
    ~ScratchProgramFolder() {
        std::error_code error;
        if (!root_.empty()) fs::remove_all(root_, error);
    }
    ScratchProgramFolder(const ScratchProgramFolder&) = delete;
    ScratchProgramFolder& operator=(const ScratchProgramFolder&) = delete;

    bool Made() const { return !root_.empty(); }
    fs::path Program() const { return root_ / "program"; }

private:
    fs::path root_;
};

// What the tool answers to a question of the program; nothing for a question it does not expect,
// which is then an error.
using Answers = std::function<std::optional<win::PromptAnswer>(const win::PromptRequest&)>;

// The program's application object, started without a window.
class HeadlessApplication {
public:
    HeadlessApplication(Diagnostics& diagnostics, const std::string& path, Answers answers) {
        previous_ = win::SetPromptResponder([&diagnostics, path, answers](const win::PromptRequest& request) {
            if (std::optional<win::PromptAnswer> answer = answers(request)) return answer;
            diagnostics.Error({path, 0}, "the program said: " + request.text);
            return std::optional<win::PromptAnswer>(win::PromptAnswer{win::IDOK, {}});
        });
        SetAppEnvironment(&environment_);
        application_ = static_cast<Fablecore*>(CreateStoryApplication(&environment_));
        RegisterObjectFactory(ItemObjectFactory);
        if (application_->Init() != kNoErr) {
            delete application_;
            application_ = nullptr;
        }
        presenter_.DispatchPending();
    }
    ~HeadlessApplication() {
        if (application_) {
            for (std::int32_t i = 0; i < application_->GetDocumentCount(); ++i)
                application_->GetDocument(i)->SetClean();
            application_->CloseAll(true);
            delete application_;
        }
        SetAppEnvironment(nullptr);
        win::SetPromptResponder(std::move(previous_));
    }
    HeadlessApplication(const HeadlessApplication&) = delete;
    HeadlessApplication& operator=(const HeadlessApplication&) = delete;

    Fablecore* Get() const { return application_; }
    // A new story, in front; null when the program cannot make one.
    FKDoc* NewStory() const {
        if (application_->NewDocument(false) != kNoErr) return nullptr;
        return static_cast<FKDoc*>(application_->GetDocument(application_->GetDocumentCount() - 1));
    }

private:
    win::HeadlessPresenter presenter_{win::SIZE{800, 600}};
    AppEnvironment environment_;
    Fablecore* application_ = nullptr;
    win::PromptResponder previous_;
};

std::optional<win::PromptAnswer> NoAnswers(const win::PromptRequest&) { return std::nullopt; }

// The stock character pictures of the program's picture file.
std::set<std::uint16_t> StockPictures(const fs::path& program) {
    std::set<std::uint16_t> ids;
    const std::string path = (program / "Commands/charpix.qrv").string();
    const FileRef file(path.c_str(), kAccessRead);
    PFMPushCurrentFile(nullptr);
    if (PFMFile* store = PFMOpenFile(&file)) {
        PFMSetCurrentFile(store);
        SList list;
        PFMGetSegmentIds(FourCCOf("CPIX"), list);
        for (std::int32_t i = 0; i < list.Count(); ++i) ids.insert(static_cast<std::uint16_t>(list.GetAt(i)));
        PFMCloseFile(store);
    }
    PFMClearError();
    PFMPopCurrentFile();
    return ids;
}

int CompileStory(const fs::path& program, const std::string& sourcePath, const std::string& output,
                 bool show) {
    Diagnostics diagnostics;
    std::ifstream in(sourcePath, std::ios::binary);
    if (!in) {
        diagnostics.Error({sourcePath, 0}, "cannot read the file");
        return Report(diagnostics);
    }
    const std::string contents((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    StorySource source;
    ResolvedStory story;
    if (!ParseStorySource(sourcePath, contents, source, diagnostics) ||
        !ResolveStory(source, story, diagnostics))
        return Report(diagnostics);

    const ScratchProgramFolder folder(program);
    if (!folder.Made()) {
        diagnostics.Error({sourcePath, 0}, "cannot make a scratch folder for the program");
        return Report(diagnostics);
    }
    const HeadlessApplication application(diagnostics, sourcePath, NoAnswers);
    if (!application.Get()) {
        diagnostics.Error({program.string(), 0}, "the program does not start over these data files");
        return Report(diagnostics);
    }
    const std::set<std::uint16_t> pictures = StockPictures(program);
    for (const ResolvedCharacter& character : story.characters) {
        if (!pictures.contains(character.picture))
            diagnostics.Error(
                {sourcePath, character.line},
                "the program's character pictures have no picture " + std::to_string(character.picture));
    }
    FKDoc* document = diagnostics.HasErrors() ? nullptr : application.NewStory();
    if (!document) {
        if (!diagnostics.HasErrors())
            diagnostics.Error({sourcePath, 0}, "the program cannot make a new story");
        return Report(diagnostics);
    }
    StoryWriter writer(*document, sourcePath, diagnostics);
    const bool written = writer.Write(story);
    if (show) std::printf("%s", writer.DescribeStoryform().c_str());
    if (written && !diagnostics.HasErrors()) {
        std::error_code error;
        fs::remove(output, error);
        if (document->WriteAs(FileRef(output.c_str(), kAccessCreate)) != kNoErr)
            diagnostics.Error({output, 0}, "the program could not save the story");
    }
    return Report(diagnostics);
}

// The program's own rebuild, answered Yes, over the example stories of the program folder.
int BuildExamples(const fs::path& program, const std::string& output) {
    Diagnostics diagnostics;
    const ScratchProgramFolder folder(program);
    if (!folder.Made()) {
        diagnostics.Error({output, 0}, "cannot make a scratch folder for the program");
        return Report(diagnostics);
    }
    const Answers rebuild = [](const win::PromptRequest& request) -> std::optional<win::PromptAnswer> {
        if (request.kind == "MessageBox" && (request.flags & win::MB_TYPEMASK) == win::MB_YESNO &&
            request.text.starts_with("The Story Examples command rebuilds"))
            return win::PromptAnswer{win::IDYES, {}};
        return std::nullopt;
    };
    const HeadlessApplication application(diagnostics, output, rebuild);
    if (!application.Get() || !application.NewStory()) {
        diagnostics.Error({program.string(), 0}, "the program does not start over these data files");
        return Report(diagnostics);
    }
    const fs::path built = folder.Program() / "Commands" / Fablecore::kExamplesFileName;
    if (CompileCmd(application.Get()).Do() != kNoErr || !fs::exists(built)) {
        if (!diagnostics.HasErrors())
            diagnostics.Error({output, 0}, "the program did not rebuild the examples file");
        return Report(diagnostics);
    }
    std::error_code error;
    fs::copy_file(built, output, fs::copy_options::overwrite_existing, error);
    if (error) diagnostics.Error({output, 0}, "cannot write the file: " + error.message());
    return Report(diagnostics);
}

}  // namespace

int main(int argc, char** argv) {
    bool show = false;
    bool examples = false;
    std::vector<std::string> paths;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--show") {
            show = true;
        } else if (argument == "--examples") {
            examples = true;
        } else {
            paths.push_back(argument);
        }
    }
    if (examples) return paths.size() == 2 && !show ? BuildExamples(paths[0], paths[1]) : Usage(argv[0]);
    if (paths.size() != 3) return Usage(argv[0]);
    return CompileStory(paths[0], paths[1], paths[2], show);
}
