#pragma once
// The program on an Xvfb display, run by a test with real clicks and keys: a program folder of the
// test's own (holding the data files the build made, where the program writes its preferences),
// its own home, settings, runtime and temporary folders; the window captured as it is on the screen
// and compared with reference pictures once it holds still.

#include <sys/stat.h>

#include <cctype>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "framework/AboutAppLib.h"
#include "platform/gdi/GdiTestSupport.h"
#include "platform/sys/TempFolder.h"
// Last: the X headers define names that other headers use otherwise.
#include "platform/present/XvfbSession.h"

namespace endtoend {

// Somewhere on the frame's background, away from anything that reacts to the pointer.
inline constexpr win::POINT kRestingPlace{790, 590};
// The story information dialog (Ctrl+3), centred in the frame: its title and author fields and its
// buttons.
inline constexpr win::POINT kInfoTitleField{470, 95};
inline constexpr win::POINT kInfoAuthorField{470, 123};
inline constexpr win::POINT kInfoOk{589, 422};
inline constexpr win::POINT kInfoCancel{498, 422};
// The query window's Proceed button, and the Add button of a finder page.
inline constexpr win::POINT kProceedButton{505, 402};
inline constexpr win::POINT kAddButton{505, 225};

// Whether the file holds the text.
inline bool FileHolds(const std::string& path, const std::string& text) {
    std::ifstream file(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    return bytes.find(text) != std::string::npos;
}

class XvfbSession : public XvfbTest {
protected:
    TempFolder folder;
    std::string programFolder = folder / "program";

    void SetUp() override {
        XvfbTest::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        // A program folder of the test's own, with the data files the build made: the preferences
        // file is written there.
        const std::filesystem::path built = std::filesystem::path(FABLECORE_PROGRAM).parent_path();
        for (const char* name : {"program", "config", "run", "tmp", "home"})
            ::mkdir((folder / name).c_str(), 0700);
        std::filesystem::create_symlink(built / "Fablecor.qrv", programFolder + "/Fablecor.qrv");
        std::filesystem::create_symlink(built / "Fablecore.html", programFolder + "/Fablecore.html");
        std::filesystem::create_directory_symlink(built / "Commands", programFolder + "/Commands");
        String version;
        ASSERT_TRUE(GetVersionText(version));
        title = std::string("Fablecore ") + version.CStr();
    }

    // Starts the program (with the arguments) and waits until its window shows.
    ::testing::AssertionResult Start(const std::vector<std::string>& arguments = {}) {
        std::vector<std::string> command{FABLECORE_PROGRAM};
        command.insert(command.end(), arguments.begin(), arguments.end());
        if (!program.Start(command,
                           {"DISPLAY=" + xvfb.Name(), "FABLECORE_HEADLESS=", "ASAN_OPTIONS=detect_leaks=0",
                            "FABLECORE_PROGRAM_DIR=" + programFolder, "XDG_CONFIG_HOME=" + folder / "config",
                            "XDG_RUNTIME_DIR=" + folder / "run", "TMPDIR=" + folder / "tmp",
                            "HOME=" + folder / "home"},
                           -1))
            return ::testing::AssertionFailure() << "the program did not start";
        XSetErrorHandler(NoteError);
        if (auto shown = FindShown(title.c_str(), window, originX, originY); !shown) return shown;
        XWindowAttributes attributes;
        if (!XGetWindowAttributes(display, window, &attributes))
            return ::testing::AssertionFailure() << "the window went";
        width = attributes.width;
        height = attributes.height;
        return ::testing::AssertionSuccess();
    }

    // The program's window as it is on the screen.
    std::unique_ptr<win::Surface> Capture() const {
        auto picture = std::make_unique<win::Surface>(width, height);
        XImage* image =
            XGetImage(display, DefaultRootWindow(display), originX, originY, static_cast<unsigned>(width),
                      static_cast<unsigned>(height), AllPlanes, ZPixmap);
        if (image == nullptr) return picture;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x)
                picture->SetPixel(
                    x, y, win::ColorFromPixel(static_cast<std::uint32_t>(XGetPixel(image, x, y) & 0xFFFFFF)));
        }
        XDestroyImage(image);
        return picture;
    }
    // The picture's rows above the row.
    static std::unique_ptr<win::Surface> TopRows(const win::Surface& picture, int row) {
        auto part = std::make_unique<win::Surface>(picture.Width(), row);
        for (int y = 0; y < row; ++y) {
            for (int x = 0; x < picture.Width(); ++x) part->SetPixel(x, y, picture.GetPixel(x, y));
        }
        return part;
    }
    // Waits until the window changed from the picture (when one is given) and then holds still (a
    // caret may blink); answers it then.
    std::unique_ptr<win::Surface> Settled(const win::Surface* before = nullptr) const {
        std::unique_ptr<win::Surface> last = Capture();
        if (before != nullptr) {
            EXPECT_TRUE(Eventually([&] {
                return gditest::DifferingPixels(*(last = Capture()), *before) > 0;
            })) << "the screen never changed";
        }
        Eventually([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            std::unique_ptr<win::Surface> now = Capture();
            const bool still = gditest::DifferingPixels(*now, *last) < 40;
            last = std::move(now);
            return still;
        });
        return last;
    }
    // The settled screen (its rows above `rows`, when given) against the reference picture. A loaded
    // machine may pause a window's painting for longer than the screen must hold still, so a screen
    // that does not match yet is given a few seconds more to come to the reference before it is
    // compared for good.
    void ExpectScreen(const char* reference, const win::Surface* before = nullptr, int rows = 0) const {
        const std::filesystem::path file = std::filesystem::path(APP_TEST_DATA) / reference;
        const auto compared = [rows](std::unique_ptr<win::Surface> whole) {
            return rows > 0 ? TopRows(*whole, rows) : std::move(whole);
        };
        std::unique_ptr<win::Surface> screen = compared(Settled(before));
        if (!std::getenv("FABLECORE_WRITE_REFERENCE")) {
            if (const std::unique_ptr<win::Surface> expected = win::Surface::ReadPng(file.string());
                expected && expected->Width() == screen->Width() && expected->Height() == screen->Height()) {
                const int allowed = screen->Width() * screen->Height() / 500;
                Eventually([&] {
                    if (gditest::DifferingPixels(*screen, *expected) <= allowed) return true;
                    std::this_thread::sleep_for(std::chrono::milliseconds(300));
                    screen = compared(Capture());
                    return false;
                });
            }
        }
        gditest::ExpectMatchesReference(*screen, file);
    }

    void ClickAt(win::POINT point) const {
        ASSERT_NE(MovePointer(display, originX + point.x, originY + point.y), 0u);
        Click(display);
    }
    // The screen once it shows what the action did: changed from what it was before, then still.
    template <typename Action>
    std::unique_ptr<win::Surface> SettledAfter(Action action) const {
        const std::unique_ptr<win::Surface> before = Capture();
        action();
        return Settled(before.get());
    }
    // A click on the place, the pointer then put to rest; the screen once it shows what the click did.
    std::unique_ptr<win::Surface> ClickAndSettle(win::POINT point) const {
        return SettledAfter([&] {
            ClickAt(point);
            Rest();
        });
    }
    // Each character with the key that types it, shifted where the US layout asks for Shift.
    void Type(const std::string& text) const {
        for (const char c : text) {
            const bool shifted =
                std::isupper(static_cast<unsigned char>(c)) || std::strchr("~!@#$%^&*()_+{}|:\"<>?", c);
            if (shifted) Key(display, XK_Shift_L, true);
            Press(display, static_cast<KeySym>(static_cast<unsigned char>(c)));
            if (shifted) Key(display, XK_Shift_L, false);
        }
    }
    // The pointer back where nothing reacts to it, so that no picture shows it over an item.
    void Rest() const { MovePointer(display, originX + kRestingPlace.x, originY + kRestingPlace.y); }
    // A press on one place, the pointer moved to another and released there: a pick in a popup's
    // menu as the press opens it.
    void PressAndReleaseAt(win::POINT press, win::POINT release) const {
        ASSERT_NE(MovePointer(display, originX + press.x, originY + press.y), 0u);
        XTestFakeButtonEvent(display, 1, True, CurrentTime);
        XFlush(display);
        Settled();
        ASSERT_NE(MovePointer(display, originX + release.x, originY + release.y), 0u);
        XTestFakeButtonEvent(display, 1, False, CurrentTime);
        XFlush(display);
    }
    // The key pressed; the screen once it shows what the key brought up.
    std::unique_ptr<win::Surface> PressAndSettle(KeySym key) const {
        return SettledAfter([&] { Press(display, key); });
    }
    // The shortcut pressed; the screen once it shows what it opened.
    std::unique_ptr<win::Surface> Shortcut(KeySym key) const {
        return SettledAfter([&] { Chord(display, XK_Control_L, key); });
    }
    // The program started (with the arguments), its splash screen gone and its frame taking keys.
    void StartAndWaitForTheFrontEnd(const std::vector<std::string>& arguments = {}) {
        ASSERT_TRUE(Start(arguments));
        Rest();
        // The program takes no keys while its splash screen waits.
        std::this_thread::sleep_for(std::chrono::milliseconds(2500));
        Settled();
        XSetInputFocus(display, window, RevertToParent, CurrentTime);
    }
    // Waits for the program to end by itself; answers its exit status.
    int Ended() { return program.Wait(std::chrono::milliseconds(15000)); }
    // File > Save As with the path typed over the name offered: the story is saved under it.
    void SaveAs(const std::string& path) {
        const std::unique_ptr<win::Surface> before = Capture();
        Chord(display, XK_Alt_L, XK_f);
        Press(display, XK_a);
        Settled(before.get());
        Press(display, XK_End);
        for (int i = 0; i < 40; ++i) Press(display, XK_BackSpace);
        Type(path);
        Press(display, XK_Return);
        ASSERT_TRUE(Eventually([&] { return std::filesystem::exists(path); })) << "the story was saved";
        Settled();
    }
    // Another program copies the text (UTF-8) to the desktop's clipboard: xclip, serving it until the
    // test ends.
    void CopyOnDesktop(const std::string& text) {
        ASSERT_EQ(access("/usr/bin/xclip", X_OK), 0) << "xclip is not installed; scripts/setup installs it";
        const std::string copied = folder / "copied.txt";
        std::ofstream(copied, std::ios::binary) << text;
        ASSERT_TRUE(copier.Start({"/usr/bin/xclip", "-selection", "clipboard", "-quiet", "-i", copied},
                                 {"DISPLAY=" + xvfb.Name()}, -1));
        ASSERT_TRUE(Eventually(
            [&] { return RunOnDisplay("timeout 5 xclip -selection clipboard -o", xvfb.Name()) == text; }));
    }
    // Save As, then Quit: the story is saved and the program ends by itself.
    void SaveAsAndQuit(const std::string& path) {
        ASSERT_NO_FATAL_FAILURE(SaveAs(path));
        Chord(display, XK_Control_L, XK_q);
        ASSERT_EQ(Ended(), 0);
    }

    std::string title;
    Process copier;
    Window window = 0;
    int originX = 0, originY = 0, width = 0, height = 0;
};

}  // namespace endtoend
