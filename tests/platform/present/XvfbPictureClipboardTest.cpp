// The desktop's clipboard on a real X display, connected as the presenter connects it, with xclip as
// the other program: a bitmap (and text) the program puts on its clipboard is offered as PNG and BMP
// pictures (and as text); a PNG or BMP picture, or text, another program copies is what the program
// finds on its clipboard.

#include <fcntl.h>

#include <cstring>
#include <fstream>
#include <vector>

#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiTestSupport.h"
#include "platform/present/X11Clipboard.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/Descriptors.h"
#include "platform/sys/TempFolder.h"
#include "support/ScopedEnv.h"
// Last: the X headers define names that other headers use otherwise.
#include "XvfbSession.h"

namespace {

using namespace endtoend;

using gditest::BitmapPixels;

std::vector<win::COLORREF> PixelsOfFile(const std::string& bytes) {
    const win::HBITMAP bitmap =
        win::BitmapFromImageFile(std::span(reinterpret_cast<const win::BYTE*>(bytes.data()), bytes.size()));
    std::vector<win::COLORREF> pixels = BitmapPixels(bitmap);
    win::DeleteObject(bitmap);
    return pixels;
}

class XvfbPictureClipboard : public XvfbTest {
protected:
    void SetUp() override {
        XvfbTest::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        ASSERT_EQ(access("/usr/bin/xclip", X_OK), 0) << "xclip is not installed; scripts/setup installs it";
        display_.Set("DISPLAY", xvfb.Name());
        desktop = win::OpenX11Clipboard();
        ASSERT_NE(desktop, nullptr);
        win::ConnectDesktopClipboard(desktop.get());
    }
    void TearDown() override {
        win::ConnectDesktopClipboard(nullptr);
        desktop.reset();
    }

    // xclip with the arguments, its requests served as the program's message loop serves them while
    // it runs; answers what it wrote.
    std::string Xclip(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), {"/usr/bin/xclip", "-selection", "clipboard"});
        int ends[2];
        if (pipe(ends) != 0) return {};
        Process xclip;
        xclip.Start(arguments, {"DISPLAY=" + xvfb.Name()}, ends[1]);
        close(ends[1]);
        fcntl(ends[0], F_SETFL, O_NONBLOCK);
        std::string output;
        const auto until = Clock::now() + kPatience;
        while (Clock::now() < until) {
            if (win::WaitForReadableDescriptor(10)) win::detail::ServeReadableDescriptors();
            char buffer[4096];
            ssize_t got;
            while ((got = read(ends[0], buffer, sizeof buffer)) > 0) output.append(buffer, static_cast<std::size_t>(got));
            if (got == 0) break;
        }
        close(ends[0]);
        return output;
    }
    // Another program copies the file, and keeps serving it while the test runs.
    void Copied(const std::string& path, const char* type) {
        other.Stop();
        ASSERT_TRUE(other.Start({"/usr/bin/xclip", "-selection", "clipboard", "-t", type, "-quiet", "-i", path},
                                {"DISPLAY=" + xvfb.Name()}, -1));
        ASSERT_TRUE(Eventually([&] {
            return RunOnDisplay("timeout 5 xclip -selection clipboard -t TARGETS -o", xvfb.Name()).find(type) !=
                   std::string::npos;
        }));
    }

    ScopedEnv display_;
    TempFolder folder;
    std::unique_ptr<win::DesktopClipboard> desktop;
    Process other;
};

TEST_F(XvfbPictureClipboard, APictureAndTextPutOnTheClipboardAreOfferedToOtherPrograms) {
    const win::HBITMAP bitmap = gditest::ColouredBitmap(3, 2);
    const std::vector<win::COLORREF> pixels = BitmapPixels(bitmap);
    const win::HGLOBAL text = win::GlobalAlloc(win::GMEM_MOVEABLE, 6);
    std::memcpy(win::GlobalLock(text), "Caf\xE9!", 6);
    win::GlobalUnlock(text);
    ASSERT_TRUE(win::OpenClipboard(nullptr));
    win::EmptyClipboard();
    win::SetClipboardData(win::CF_BITMAP, bitmap);
    win::SetClipboardData(win::CF_TEXT, text);
    win::CloseClipboard();

    const std::string targets = Xclip({"-t", "TARGETS", "-o"});
    for (const char* target : {"image/png", "image/bmp", "UTF8_STRING", "STRING"})
        EXPECT_NE(targets.find(target), std::string::npos) << target << " in " << targets;
    EXPECT_EQ(PixelsOfFile(Xclip({"-t", "image/png", "-o"})), pixels);
    EXPECT_EQ(PixelsOfFile(Xclip({"-t", "image/bmp", "-o"})), pixels);
    EXPECT_EQ(Xclip({"-t", "UTF8_STRING", "-o"}), "Caf\xC3\xA9!");
    EXPECT_EQ(Xclip({"-t", "STRING", "-o"}), "Caf\xE9!");
}

TEST_F(XvfbPictureClipboard, APictureOrTextAnotherProgramCopiedIsOnTheClipboard) {
    const win::HBITMAP bitmap = gditest::ColouredBitmap(3, 2);
    const std::vector<win::COLORREF> pixels = BitmapPixels(bitmap);
    for (const char* type : {"image/png", "image/bmp"}) {
        SCOPED_TRACE(type);
        const std::vector<win::BYTE> bytes =
            std::string(type) == "image/png" ? win::PngFileOfBitmap(bitmap) : win::BmpFileOfBitmap(bitmap);
        const std::string path = folder.WriteFile("copied", std::string(bytes.begin(), bytes.end()));
        ASSERT_NO_FATAL_FAILURE(Copied(path, type));
        ASSERT_TRUE(win::IsClipboardFormatAvailable(win::CF_BITMAP));
        EXPECT_FALSE(win::IsClipboardFormatAvailable(win::CF_TEXT));
        ASSERT_TRUE(win::OpenClipboard(nullptr));
        EXPECT_EQ(BitmapPixels(static_cast<win::HBITMAP>(win::GetClipboardData(win::CF_BITMAP))), pixels);
        win::CloseClipboard();
    }
    win::DeleteObject(bitmap);

    const std::string path = folder.WriteFile("copied.txt", "two\nlines");
    ASSERT_NO_FATAL_FAILURE(Copied(path, "UTF8_STRING"));
    EXPECT_FALSE(win::IsClipboardFormatAvailable(win::CF_BITMAP));
    ASSERT_TRUE(win::OpenClipboard(nullptr));
    const auto memory = static_cast<win::HGLOBAL>(win::GetClipboardData(win::CF_TEXT));
    EXPECT_STREQ(static_cast<const char*>(win::GlobalLock(memory)), "two\r\nlines");
    win::GlobalUnlock(memory);
    win::CloseClipboard();
    other.Stop();
}

}  // namespace
