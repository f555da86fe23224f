#pragma once
// The story application started in the test's process, headless, over the data files the build
// makes, in a program folder of the test's own (where its preferences file goes too): stories are
// made, opened, saved and closed through it as the program does. Alerts with one OK button are
// acknowledged as they come and noted; every question and chooser must be scripted by the test.
// Story files live in a folder of the test's own; what a file on disk holds is read from a copy.
// The program, configuration, runtime and temporary folders are the test's own, and they and the
// current folder (which a file chooser moves) are put back when the test ends.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstring>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "BuiltCommands.h"
#include "StoreFiles.h"
#include "app/FEWindow.h"
#include "app/FKDoc.h"
#include "app/Fablecore.h"
#include "foundation/Memory.h"
#include "foundation/ObjectFactory.h"
#include "foundation/TypedList.h"
#include "foundation/pfm/KeyedText.h"
#include "foundation/pfm/PFM.h"
#include "foundation/pfm/PText.h"
#include "framework/AppEnvironment.h"
#include "framework/ItemObjectFactory.h"
#include "framework/WindowItems.h"
#include "platform/present/HeadlessPresenter.h"
#include "platform/sys/TempFolder.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Prompts.h"
#include "platform/ui/Window.h"
#include "storymodel/CharacterManager.h"
#include "support/ScopedCurrentFolder.h"
#include "support/ScopedEnv.h"
#include "support/ScopedVocabulary.h"
#include "support/WindowSystemScope.h"

namespace apptest {

using namespace win;

class StoryAppTest : public ::testing::Test {
protected:
    TempFolder folder;
    TempFolder files;
    std::string builtFolder = std::getenv("FABLECORE_PROGRAM_DIR");
    ScopedEnv ownFolders;
    ScopedCurrentFolder startedIn;
    // The program starts with the newer vocabulary; a preference may change it.
    ScopedVocabulary vocabulary;
    HeadlessPresenter presenter{SIZE{800, 600}};
    // The windows, keys and waiting input a test leaves go when it ends.
    WindowSystemScope windowSystem{presenter};
    AppEnvironment environment;
    Fablecore* application = nullptr;

    void SetUp() override {
        ::mkdir((folder / "program").c_str(), 0700);
        ::mkdir((folder / "tmp").c_str(), 0700);
        ::mkdir((folder / "config").c_str(), 0700);
        ::mkdir((folder / "run").c_str(), 0700);
        std::filesystem::create_symlink(builtFolder + "/Fablecor.qrv", folder / "program/Fablecor.qrv");
        InstallBuiltCommands(builtFolder, folder / "program");
        ownFolders.Set("FABLECORE_PROGRAM_DIR", folder / "program");
        ownFolders.Set("TMPDIR", folder / "tmp");
        ownFolders.Set("XDG_CONFIG_HOME", folder / "config");
        ownFolders.Set("XDG_RUNTIME_DIR", folder / "run");
        scripted_ = SetPromptResponder([this](const PromptRequest& request) -> std::optional<PromptAnswer> {
            prompts_.push_back(request);
            if (request.kind == "MessageBox" && (request.flags & MB_TYPEMASK) == MB_OK)
                return PromptAnswer{IDOK, {}};
            if (std::optional<PromptAnswer> answer = scripted_(request)) return answer;
            ADD_FAILURE() << "nothing scripted for " << request.kind << " \"" << request.text << "\"";
            return PromptAnswer{0, {}};
        });
        Start();
    }
    void TearDown() override {
        Stop();
        SetPromptResponder(std::move(scripted_));
        EXPECT_EQ(presenter.UnusedPromptAnswers(), 0u);
    }

    void Start() {
        SetAppEnvironment(&environment);
        application = static_cast<Fablecore*>(CreateFablecore(&environment));
        // As the main routine does: the windows' items are read from the data file.
        RegisterObjectFactory(ItemObjectFactory);
        ASSERT_EQ(application->Init(), kNoErr);
        presenter.DispatchPending();
    }
    // Every story closed without a question, and the application gone (its preferences written).
    void Stop() {
        if (!application) return;
        for (std::int32_t i = 0; i < application->GetDocumentCount(); ++i)
            application->GetDocument(i)->SetClean();
        application->CloseAll(true);
        delete application;
        application = nullptr;
        SetAppEnvironment(nullptr);
    }
    void Run() {
        while (presenter.DispatchPending() > 0) {}
        application->DrainQueue(kFirstQueue);
        application->DrainQueue(kSecondQueue);
    }
    // A click in the middle of the item's window.
    void Click(const WindowItem& item) {
        RECT place{};
        GetWindowRect(item.GetHWnd(), &place);
        presenter.Click(POINT{(place.left + place.right) / 2, (place.top + place.bottom) / 2});
    }
    // The key pressed with the modifier held, as the writer presses Ctrl+V.
    void PressWith(UINT modifier, UINT key) {
        presenter.KeyDown(modifier);
        presenter.PressKey(key);
        presenter.KeyUp(modifier);
    }

    std::string Path(const std::string& name) const { return files / name; }
    std::string ProgramFile(const std::string& name) const { return folder / ("program/" + name); }

    FKDoc* NewStory() {
        EXPECT_EQ(application->NewDocument(false), kNoErr);
        return Last();
    }
    FKDoc* OpenStory(const std::string& name) {
        const FileRef file(Path(name).c_str(), kAccessReadWrite);
        const ErrCode error = application->OpenDocument(file, false);
        return error == kNoErr ? static_cast<FKDoc*>(application->FindDocumentByFile(file)) : nullptr;
    }
    FKDoc* Last() const {
        const std::int32_t count = application->GetDocumentCount();
        return count > 0 ? static_cast<FKDoc*>(application->GetDocument(count - 1)) : nullptr;
    }

    // Scripted answers, in the order the prompts come.
    void Choose(const std::string& name) {
        presenter.ScriptPromptAnswer("SaveFile", PromptAnswer{TRUE, Path(name)});
    }
    void Answer(int button) { presenter.ScriptPromptAnswer("MessageBox", PromptAnswer{button, {}}); }

    // The texts of the prompts asked from the mark on.
    void Mark() { mark_ = prompts_.size(); }
    std::vector<std::string> Asked() const {
        std::vector<std::string> texts;
        for (std::size_t i = mark_; i < prompts_.size(); ++i) texts.push_back(prompts_[i].text);
        return texts;
    }

    // A store file made by the test: each segment as raw bytes.
    void WriteStore(const std::string& name, const StoreSegments& segments) {
        PFMPushCurrentFile(nullptr);
        PFMFile* store = PFMOpenFile(nullptr);
        ASSERT_NE(store, nullptr);
        for (const auto& [key, bytes] : segments) {
            void* block = MemAlloc(static_cast<std::uint32_t>(bytes.size()));
            if (!bytes.empty()) std::memcpy(block, bytes.data(), bytes.size());
            ASSERT_EQ(PFMAddSegment(key.first, key.second, block, 1, false), kNoErr);
            PFMCheckIn(block);
        }
        const FileRef file(Path(name).c_str(), kAccessCreate);
        ASSERT_EQ(PFMSaveFile(&file), kNoErr);
        PFMCloseFile(store);
        PFMPopCurrentFile();
    }
    // Every segment the file on disk holds; empty for a file that is no store.
    StoreSegments SegmentsOnDisk(const std::string& path) const {
        return ReadStoreSegments(path, folder / "tmp/copy");
    }
    // A text of a keyed record of the file on disk; "<missing>" when absent.
    std::string TextOnDisk(const std::string& path, FourCC type, const char* key) const {
        const StoreSegments segments = SegmentsOnDisk(path);
        const auto found = segments.find({type, 0});
        if (found == segments.end()) return "<missing>";
        KeyedText record;
        record.Parse(found->second.data(), found->second.size());
        char text[512] = "<missing>";
        record.GetEntry(key, 'c', text, sizeof text);
        return text;
    }
    static std::string Title(FKDoc& story) {
        char title[256] = "";
        story.GetInfoRecord().GetEntry("Title", 'c', title, sizeof title);
        return title;
    }

private:
    PromptResponder scripted_;
    std::vector<PromptRequest> prompts_;
    std::size_t mark_ = 0;
};

}  // namespace apptest
