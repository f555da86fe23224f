#pragma once
// Runs the program in the test's process, headless, the way its main routine does: a program folder
// of the test's own (holding the built data files, or damaged ones), its own settings and
// single-instance folders, and steps played one at a time whenever the program waits for input.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "BuiltCommands.h"
#include "app/Fablecore.h"
#include "framework/AppMain.h"
#include "platform/gdi/Surface.h"
#include "platform/present/HeadlessPresenter.h"
#include "platform/sys/TempFolder.h"
#include "platform/ui/Presenter.h"
#include "platform/ui/VirtualKeys.h"
#include "platform/ui/Window.h"
#include "program/StoryApplication.h"
#include "support/ScopedCurrentFolder.h"
#include "support/ScopedEnv.h"
#include "support/ScopedVocabulary.h"
#include "support/WindowSystemScope.h"

namespace apptest {

using namespace win;

// Every window alive now, children included.
inline int LiveWindowCount() {
    int count = 0;
    EnumChildWindows(
        nullptr,
        [](HWND, LPARAM data) {
            ++*reinterpret_cast<int*>(data);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count;
}

// The window's part of the screen, its frame included.
inline std::unique_ptr<Surface> WindowPicture(HWND window) {
    RECT area{};
    GetWindowRect(window, &area);
    const Surface& screen = GetScreenSurface();
    auto part = std::make_unique<Surface>(area.right - area.left, area.bottom - area.top);
    for (int y = 0; y < part->Height(); ++y) {
        for (int x = 0; x < part->Width(); ++x)
            part->SetPixel(x, y, screen.GetPixel(area.left + x, area.top + y));
    }
    return part;
}

// Ctrl and the key, as the writer presses a menu shortcut.
inline void Shortcut(HeadlessPresenter& presenter, UINT key) {
    presenter.KeyDown(VK_CONTROL);
    presenter.PressKey(key);
    presenter.KeyUp(VK_CONTROL);
}

class ProgramTest : public ::testing::Test {
protected:
    static constexpr SIZE kScreen{800, 600};

    TempFolder folder;
    // The stores' swap files go there, out of other programs' way.
    TempFolder temporary;
    ScopedEnv ownTemporary{"TMPDIR", temporary.Path()};
    // The program, runtime and configuration folders of the test's own, put back when it ends.
    ScopedEnv ownFolders;
    // A file chooser moves the current folder.
    ScopedCurrentFolder startedIn;
    // The program starts with the newer vocabulary; a preference may change it.
    ScopedVocabulary vocabulary;
    std::string builtFolder;
    HeadlessPresenter presenter{kScreen};
    // The windows, keys and waiting input a test leaves go when it ends.
    WindowSystemScope windowSystem{presenter};

    void SetUp() override {
        const char* built = std::getenv("FABLECORE_PROGRAM_DIR");
        ASSERT_NE(built, nullptr) << "the tests run with the program folder of the build";
        builtFolder = built;
        for (const char* name : {"program", "run", "config"}) ::mkdir((folder / name).c_str(), 0700);
        ownFolders.Set("FABLECORE_PROGRAM_DIR", folder / "program");
        ownFolders.Set("XDG_RUNTIME_DIR", folder / "run");
        ownFolders.Set("XDG_CONFIG_HOME", folder / "config");
        presenter.SetIdleHandler([this] {
            if (steps_.empty()) return false;
            std::function<void()> step = std::move(steps_.front());
            steps_.pop_front();
            step();
            return true;
        });
    }

    // The program folder holds the data file, the user guide and the "Commands" folder the build
    // made.
    void InstallBuiltDataFiles() {
        std::filesystem::create_symlink(builtFolder + "/Fablecor.qrv", ProgramFile("Fablecor.qrv"));
        std::filesystem::create_symlink(builtFolder + "/Fablecore.html", ProgramFile("Fablecore.html"));
        InstallBuiltCommands(builtFolder, ProgramFile(""));
    }
    std::string ProgramFile(const std::string& name) const { return folder / ("program/" + name); }

    // Played when the program next waits for input.
    void Then(std::function<void()> step) { steps_.push_back(std::move(step)); }

    int RunProgram(std::vector<std::string> arguments = {}) {
        arguments.insert(arguments.begin(), "fablecore");
        std::vector<char*> argv;
        for (std::string& argument : arguments) argv.push_back(argument.data());
        argv.push_back(nullptr);
        ProgramStart start;
        start.argumentCount = static_cast<int>(arguments.size());
        start.arguments = argv.data();
        start.createApplication = CreateStoryApplication;
        return WinMain(start);
    }

    // The texts of the message boxes the program showed.
    std::vector<std::string> BoxTexts() const {
        std::vector<std::string> texts;
        for (const PromptRequest& prompt : presenter.PromptsAsked()) texts.push_back(prompt.text);
        return texts;
    }

private:
    std::deque<std::function<void()>> steps_;
};

}  // namespace apptest
