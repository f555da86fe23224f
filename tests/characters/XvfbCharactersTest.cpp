// The character windows in the program itself on an Xvfb display, driven with real keys: Character
// List, Build Characters and Casting each show something new in the program's window, and Quit then
// ends the program cleanly with the windows open.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "framework/AboutAppLib.h"
#include "platform/present/XvfbSession.h"
#include "platform/sys/TempFolder.h"

namespace {

using namespace endtoend;

using XvfbCharacters = XvfbTest;

// Whether a file under the folder holds the text.
bool SomeFileHolds(const std::string& folder, const std::string& text) {
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        if (!entry.is_regular_file()) continue;
        std::ifstream file(entry.path(), std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        if (bytes.find(text) != std::string::npos) return true;
    }
    return false;
}

int CountFiles(const std::string& folder) {
    int count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) ++count;
    return count;
}

// The pixels of the window's part of the screen; empty when it cannot be read.
std::vector<unsigned long> WindowPixels(Display* display, Window window) {
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes)) return {};
    XImage* image = XGetImage(display, window, 0, 0, static_cast<unsigned>(attributes.width),
                              static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap);
    if (image == nullptr) return {};
    std::vector<unsigned long> pixels;
    pixels.reserve(static_cast<std::size_t>(attributes.width) * static_cast<std::size_t>(attributes.height));
    for (int y = 0; y < attributes.height; ++y) {
        for (int x = 0; x < attributes.width; ++x) pixels.push_back(XGetPixel(image, x, y));
    }
    XDestroyImage(image);
    return pixels;
}

// The window once it has stopped changing.
std::vector<unsigned long> SettledPixels(Display* display, Window window) {
    std::vector<unsigned long> last = WindowPixels(display, window);
    Eventually([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        std::vector<unsigned long> now = WindowPixels(display, window);
        const bool settled = now == last;
        last = std::move(now);
        return settled;
    });
    return last;
}

TEST_F(XvfbCharacters, EachCharacterWindowOpensFromItsShortcutAndQuitEndsTheProgramCleanly) {
    // A program folder of the test's own, holding the built data files, where the program keeps its
    // preferences file.
    const char* built = std::getenv("FABLECORE_PROGRAM_DIR");
    ASSERT_NE(built, nullptr) << "the tests run with the program folder of the build";
    TempFolder programFolder;
    for (const char* name : {"Fablecor.qrv", "Fablecore.html", "Commands"})
        std::filesystem::create_symlink(std::filesystem::path(built) / name, programFolder / name);
    TempFolder temporary;
    TempFolder configuration;
    TempFolder runtime;
    String version;
    ASSERT_TRUE(GetVersionText(version));
    const std::string title = std::string("Fablecore ") + version.CStr();
    ASSERT_TRUE(
        program.Start({FABLECORE_PROGRAM},
                      {"DISPLAY=" + xvfb.Name(), "FABLECORE_HEADLESS=", "ASAN_OPTIONS=detect_leaks=0",
                       "FABLECORE_PROGRAM_DIR=" + programFolder.Path(), "TMPDIR=" + temporary.Path(),
                       "XDG_CONFIG_HOME=" + configuration.Path(), "XDG_RUNTIME_DIR=" + runtime.Path()},
                      -1));
    XSetErrorHandler(NoteError);
    Window window = 0;
    int x = 0, y = 0;
    ASSERT_TRUE(FindShown(title.c_str(), window, x, y));
    // The new story is there once its swap file is (with the data file's, the character pictures',
    // the engine file's and the preferences file's).
    ASSERT_TRUE(Eventually([&] { return CountFiles(temporary.Path()) == 5; }));
    ASSERT_NE(MovePointer(display, x + 5, y + 5), 0u) << "the pointer did not move";
    XSetInputFocus(display, window, RevertToParent, CurrentTime);

    for (const KeySym key : {XK_l, XK_b, XK_0}) {
        SCOPED_TRACE(XKeysymToString(key));
        const std::vector<unsigned long> before = SettledPixels(display, window);
        ASSERT_FALSE(before.empty());
        Chord(display, XK_Control_L, key);
        XFlush(display);
        EXPECT_TRUE(Eventually([&] { return WindowPixels(display, window) != before; }))
            << "the shortcut showed no window";
    }

    Chord(display, XK_Control_L, XK_q);
    XFlush(display);
    EXPECT_EQ(program.Wait(std::chrono::milliseconds(10000)), 0) << "Quit ends the program without an error";
    EXPECT_EQ(CountFiles(temporary.Path()), 0) << "no swap file is left behind";
    // Each window was open until Quit closed it, and kept its place in the preferences file then.
    for (const char* key : {"CLSTt", "BLCHt", "CTNGt"})
        EXPECT_TRUE(SomeFileHolds(programFolder.Path(), key)) << key;
}

}  // namespace
