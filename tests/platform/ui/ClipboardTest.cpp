#include <cstring>

#include "UiFixture.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiTestSupport.h"
#include "platform/ui/Clipboard.h"

namespace uitest {
namespace {

// A desktop clipboard that holds its text in memory and counts the changes given to it.
class FakeDesktop : public DesktopClipboard {
public:
    std::optional<std::string> text;
    int given = 0;
    std::optional<std::string> Text() override { return text; }
    void SetText(const std::string& utf8) override {
        text = utf8;
        ++given;
    }
};

// A desktop clipboard that also carries pictures, as the X clipboard does.
class PictureDesktop : public FakeDesktop {
public:
    std::vector<DesktopImage> images;  // every type offered
    std::optional<DesktopImage> Image() override {
        for (const char* type : kDesktopImageTypes) {
            for (const DesktopImage& image : images) {
                if (image.type == type) return image;
            }
        }
        return std::nullopt;
    }
    void SetImage(const std::vector<DesktopImage>& image, const std::string& utf8) override {
        images = image;
        text = utf8.empty() ? std::nullopt : std::optional<std::string>(utf8);
        ++given;
    }
    void SetText(const std::string& utf8) override {
        images.clear();
        FakeDesktop::SetText(utf8);
    }
};

using gditest::BitmapPixels;

HGLOBAL TextBlock(const char* text) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, std::strlen(text) + 1);
    std::strcpy(static_cast<char*>(GlobalLock(memory)), text);
    GlobalUnlock(memory);
    return memory;
}

std::string TextOf(HANDLE data) {
    const char* bytes = static_cast<const char*>(GlobalLock(static_cast<HGLOBAL>(data)));
    std::string text = bytes != nullptr ? bytes : "";
    GlobalUnlock(static_cast<HGLOBAL>(data));
    return text;
}

class Clipboard : public UiTest {
protected:
    HWND window = nullptr;
    void SetUp() override {
        UiTest::SetUp();
        window = Popup(RECT{0, 0, 50, 50});
        OpenClipboard(nullptr);
        EmptyClipboard();
        CloseClipboard();
    }
    void TearDown() override {
        ConnectDesktopClipboard(nullptr);
        UiTest::TearDown();
    }
    // Text on the clipboard now, read as a program would.
    std::optional<std::string> ClipboardText() {
        if (!OpenClipboard(window)) return std::nullopt;
        HANDLE data = GetClipboardData(CF_TEXT);
        std::optional<std::string> text;
        if (data != nullptr) text = TextOf(data);
        CloseClipboard();
        return text;
    }
};

TEST_F(Clipboard, OneHolderAtATimeAndDataOnlyWhileOpen) {
    HWND other = Popup(RECT{0, 0, 10, 10});
    ASSERT_TRUE(OpenClipboard(window));
    EXPECT_TRUE(OpenClipboard(window)) << "the holder may open it again";
    EXPECT_FALSE(OpenClipboard(other));
    EXPECT_FALSE(OpenClipboard(nullptr));
    EXPECT_TRUE(EmptyClipboard());
    EXPECT_NE(SetClipboardData(CF_TEXT, TextBlock("one")), nullptr);
    EXPECT_TRUE(CloseClipboard());
    EXPECT_FALSE(CloseClipboard());
    EXPECT_FALSE(EmptyClipboard()) << "closed";
    EXPECT_EQ(GetClipboardData(CF_TEXT), nullptr) << "closed";
    EXPECT_EQ(SetClipboardData(CF_TEXT, TextBlock("two")), nullptr);
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT)) << "asked without opening";
    EXPECT_TRUE(OpenClipboard(other));
    EXPECT_EQ(TextOf(GetClipboardData(CF_TEXT)), "one");
    CloseClipboard();
}

TEST_F(Clipboard, FormatsAreReplacedEnumeratedInOrderAndFreedWhenEmptied) {
    const UINT custom = RegisterClipboardFormatA("Fablecore Picture");
    EXPECT_GE(custom, 0xC000u);
    EXPECT_EQ(RegisterClipboardFormatA("FABLECORE picture"), custom);
    EXPECT_NE(RegisterClipboardFormatA("Another"), custom);
    EXPECT_EQ(RegisterClipboardFormatA(""), 0u);

    HBITMAP bitmap = CreateBitmap(4, 4, 1, 1, nullptr);
    HGLOBAL first = TextBlock("first");
    HGLOBAL second = TextBlock("second");
    ASSERT_TRUE(OpenClipboard(window));
    EmptyClipboard();
    SetClipboardData(CF_TEXT, first);
    SetClipboardData(CF_BITMAP, bitmap);
    SetClipboardData(custom, TextBlock("mine"));
    SetClipboardData(CF_TEXT, second);
    EXPECT_EQ(GlobalFlags(first), GMEM_INVALID_HANDLE) << "replaced data is freed";
    EXPECT_EQ(SetClipboardData(CF_PALETTE, TextBlock("not a palette")), nullptr);
    EXPECT_EQ(SetClipboardData(CF_DIB, bitmap), nullptr) << "a DIB is a memory block";
    EXPECT_EQ(CountClipboardFormats(), 3);
    EXPECT_EQ(EnumClipboardFormats(0), CF_TEXT);
    EXPECT_EQ(EnumClipboardFormats(CF_TEXT), CF_BITMAP);
    EXPECT_EQ(EnumClipboardFormats(CF_BITMAP), custom);
    EXPECT_EQ(EnumClipboardFormats(custom), 0u);
    EXPECT_EQ(GetClipboardData(CF_BITMAP), bitmap);
    EXPECT_EQ(TextOf(GetClipboardData(CF_TEXT)), "second");
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_DIB));
    EmptyClipboard();
    EXPECT_EQ(GetObjectType(bitmap), 0u) << "the clipboard's bitmap is deleted with it";
    EXPECT_EQ(GlobalFlags(second), GMEM_INVALID_HANDLE);
    EXPECT_EQ(CountClipboardFormats(), 0);
    CloseClipboard();
    EXPECT_EQ(EnumClipboardFormats(0), 0u) << "closed";
}

TEST_F(Clipboard, TextGoesToTheDesktopAsUtf8WithLineFeedsAndComesBackAsWindowsText) {
    FakeDesktop desktop;
    ConnectDesktopClipboard(&desktop);
    ASSERT_TRUE(OpenClipboard(window));
    EmptyClipboard();
    SetClipboardData(CF_TEXT, TextBlock("caf\xE9 \x93quoted\x94\r\nline two\r\n"));
    EXPECT_EQ(desktop.given, 0) << "given when the clipboard closes";
    CloseClipboard();
    EXPECT_EQ(desktop.text, "caf\xC3\xA9 \xE2\x80\x9Cquoted\xE2\x80\x9D\nline two\n");

    desktop.text = "from \xE2\x82\xAC elsewhere\nwith\r\nbreaks \xE2\x98\x83";
    EXPECT_EQ(ClipboardText(), "from \x80 elsewhere\r\nwith\r\nbreaks ?") << "a snowman has no byte";

    OpenClipboard(window);
    EmptyClipboard();
    SetClipboardData(CF_BITMAP, CreateBitmap(2, 2, 1, 1, nullptr));
    CloseClipboard();
    EXPECT_EQ(desktop.text, "") << "copying no text leaves no old text on the desktop";
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_BITMAP)) << "the desktop's empty text is this program's own";
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_TEXT));
}

TEST_F(Clipboard, TextCopiedElsewhereBeforeTheProgramLooksIsFound) {
    OpenClipboard(window);
    EmptyClipboard();
    SetClipboardData(CF_TEXT, TextBlock("old"));
    CloseClipboard();
    FakeDesktop desktop;
    desktop.text = "new";
    ConnectDesktopClipboard(&desktop);
    EXPECT_EQ(CountClipboardFormats(), 1);
    EXPECT_EQ(ClipboardText(), "new");
    EXPECT_EQ(desktop.given, 0) << "reading gives nothing back";
}

// A bitmap put on the clipboard is offered to the desktop as a PNG and a BMP file (with the text put
// beside it); a picture copied elsewhere, in either type, is found as a bitmap, with the text.
TEST_F(Clipboard, PicturesGoToTheDesktopAsPngAndBmpAndComeBackAsBitmaps) {
    PictureDesktop desktop;
    ConnectDesktopClipboard(&desktop);
    HBITMAP bitmap = gditest::ColouredBitmap(3, 2);
    const std::vector<COLORREF> pixels = BitmapPixels(bitmap);
    ASSERT_TRUE(OpenClipboard(window));
    EmptyClipboard();
    SetClipboardData(CF_BITMAP, bitmap);
    SetClipboardData(CF_TEXT, TextBlock("Ann"));
    CloseClipboard();
    EXPECT_EQ(desktop.given, 1);
    ASSERT_EQ(desktop.images.size(), 2u);
    EXPECT_EQ(desktop.images[0].type, "image/png");
    EXPECT_EQ(desktop.images[1].type, "image/bmp");
    for (const DesktopImage& image : desktop.images) {
        SCOPED_TRACE(image.type);
        HBITMAP read = BitmapFromImageFile(image.bytes);
        EXPECT_EQ(BitmapPixels(read), pixels);
        DeleteObject(read);
    }
    EXPECT_EQ(desktop.text, "Ann");
    EXPECT_TRUE(OpenClipboard(window));
    EXPECT_EQ(GetClipboardData(CF_BITMAP), bitmap) << "its own picture is not read back from the desktop";
    CloseClipboard();

    // Copied elsewhere: a BMP alone, then a PNG beside some text, then damaged bytes.
    std::vector<DesktopImage> copied = desktop.images;
    desktop.images = {copied[1]};
    desktop.text.reset();
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_TEXT));
    ASSERT_TRUE(IsClipboardFormatAvailable(CF_BITMAP));
    ASSERT_TRUE(OpenClipboard(window));
    EXPECT_EQ(BitmapPixels(static_cast<HBITMAP>(GetClipboardData(CF_BITMAP))), pixels);
    CloseClipboard();
    desktop.images = {copied[0]};
    desktop.text = "caption";
    EXPECT_EQ(CountClipboardFormats(), 2);
    EXPECT_EQ(ClipboardText(), "caption");
    ASSERT_TRUE(OpenClipboard(window));
    EXPECT_EQ(BitmapPixels(static_cast<HBITMAP>(GetClipboardData(CF_BITMAP))), pixels);
    CloseClipboard();
    desktop.images = {DesktopImage{"image/png", {0x89, 'P', 'N', 'G'}}};
    desktop.text.reset();
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_BITMAP)) << "a picture that cannot be read is none";
    EXPECT_EQ(desktop.given, 1) << "reading gives nothing back";
}

}  // namespace
}  // namespace uitest
