// Compiles the readable source of an example story (data/examples, see data/README.md) into a
// story file, made by the story application itself: the program is started without a window over
// the data files of the program folder given, a new story is filled through its managers and saved
// as the program saves it.
//   compile_story [--show] PROGRAM_FOLDER SOURCE OUTPUT.fsf
// --show prints every story point's value in force and whether the story tells it. Errors go to the
// standard error output as file:line: message; the exit status is 1 when the story has errors
// (nothing is written then), 2 for a wrong command line.

#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "app/FKDoc.h"
#include "app/Fablecore.h"
#include "foundation/FileRef.h"
#include "foundation/TypedList.h"
#include "foundation/pfm/PFM.h"
#include "framework/AppEnvironment.h"
#include "platform/present/HeadlessPresenter.h"
#include "platform/ui/Prompts.h"
#include "storyfiles/StoryResolver.h"
#include "storyfiles/StorySource.h"
#include "storyfiles/StoryWriter.h"

namespace fs = std::filesystem;

namespace {

int Usage(const char* program) {
    std::fprintf(stderr, "usage: %s [--show] PROGRAM_FOLDER SOURCE OUTPUT.fsf\n", program);
    return 2;
}

int Report(const Diagnostics& diagnostics) {
    for (const std::string& message : diagnostics.Messages()) std::fprintf(stderr, "%s\n", message.c_str());
    return diagnostics.HasErrors() ? 1 : 0;
}

// A program folder of the compiler's own over the given one's data files, where the application
// keeps its preferences and its swap files while it runs; removed with everything in it.
class ScratchProgramFolder {
public:
    explicit ScratchProgramFolder(const fs::path& program) {
        const fs::path base = fs::temp_directory_path() / "compile_story.XXXXXX";
        std::string pattern = base.string();
        if (!::mkdtemp(pattern.data())) return;
        root_ = pattern;
        fs::create_directory(root_ / "program");
        fs::create_directory(root_ / "tmp");
        std::error_code error;
        fs::create_symlink(fs::absolute(program / "Fablecor.qrv"), root_ / "program/Fablecor.qrv", error);
        fs::create_directory_symlink(fs::absolute(program / "Commands"), root_ / "program/Commands", error);
        ::setenv("FABLECORE_PROGRAM_DIR", (root_ / "program").c_str(), 1);
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

private:
    fs::path root_;
};

// The story application, started without a window; every question it asks is an error of the story.
class StoryApplication {
public:
    explicit StoryApplication(Diagnostics& diagnostics, const std::string& path) {
        previous_ = win::SetPromptResponder([&diagnostics, path](const win::PromptRequest& request) {
            diagnostics.Error({path, 0}, "the program asked: " + request.text);
            return std::optional<win::PromptAnswer>(win::PromptAnswer{0, {}});
        });
        SetAppEnvironment(&environment_);
        application_ = static_cast<Fablecore*>(CreateFablecore(&environment_));
        if (application_->Init() != kNoErr) {
            delete application_;
            application_ = nullptr;
        }
        presenter_.DispatchPending();
    }
    ~StoryApplication() {
        if (application_) {
            for (std::int32_t i = 0; i < application_->GetDocumentCount(); ++i)
                application_->GetDocument(i)->SetClean();
            application_->CloseAll(true);
            delete application_;
        }
        SetAppEnvironment(nullptr);
        win::SetPromptResponder(std::move(previous_));
    }
    StoryApplication(const StoryApplication&) = delete;
    StoryApplication& operator=(const StoryApplication&) = delete;

    Fablecore* Get() const { return application_; }

private:
    win::HeadlessPresenter presenter_{win::SIZE{800, 600}};
    AppEnvironment environment_;
    Fablecore* application_ = nullptr;
    win::PromptResponder previous_;
};

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
    const StoryApplication application(diagnostics, sourcePath);
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
    if (diagnostics.HasErrors()) return Report(diagnostics);
    if (application.Get()->NewDocument(false) != kNoErr) {
        diagnostics.Error({sourcePath, 0}, "the program cannot make a new story");
        return Report(diagnostics);
    }
    auto* document =
        static_cast<FKDoc*>(application.Get()->GetDocument(application.Get()->GetDocumentCount() - 1));
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

}  // namespace

int main(int argc, char** argv) {
    bool show = false;
    std::vector<std::string> paths;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--show") {
            show = true;
        } else {
            paths.push_back(argument);
        }
    }
    if (paths.size() != 3) return Usage(argv[0]);
    return CompileStory(paths[0], paths[1], paths[2], show);
}
