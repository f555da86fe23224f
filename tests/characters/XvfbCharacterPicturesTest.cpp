// Character pictures and the desktop's clipboard, on an Xvfb display with real keys and clicks and
// xclip as the other program: Ctrl+C in the character list gives the selected character's picture
// to other programs as a PNG and a BMP file; a PNG picture another program copied is pasted onto
// the selected character with Ctrl+V, shown in the list and kept in the saved story.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "app/StoreFiles.h"
#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/ImageFiles.h"
#include "platform/gdi/Objects.h"
#include "storymodel/CharacterManager.h"
// Last: the X headers define names that other headers use otherwise.
#include "app/XvfbSessionFixture.h"

namespace {

using namespace endtoend;

// Where things are in the program's window (client pixels of its X window): the character list opens
// at its default place on a first start, the story's two characters in its first rows.
constexpr win::POINT kFirstCharacter{120, 84};
constexpr win::POINT kFirstPicture{45, 85};

constexpr win::COLORREF kPasted = win::RGB(240, 120, 20);

// The size of the picture a PNG or BMP file holds; 0 x 0 when it holds none.
win::SIZE PictureSize(const std::string& bytes) {
    const win::HBITMAP bitmap = win::BitmapFromImageFile(
        std::span(reinterpret_cast<const win::BYTE*>(bytes.data()), bytes.size()));
    win::BITMAP facts;
    const bool read = bitmap && win::GetObjectA(bitmap, sizeof facts, &facts) != 0;
    win::DeleteObject(bitmap);
    return read ? win::SIZE{facts.bmWidth, facts.bmHeight} : win::SIZE{0, 0};
}

// A PNG file of one colour, as another program would copy it.
void WritePng(const std::string& path, int side, win::COLORREF color) {
    const win::HBITMAP bitmap = win::CreateBitmap(side, side, 1, 32, nullptr);
    const win::HDC dc = win::CreateCompatibleDC(nullptr);
    const win::HGDIOBJ old = win::SelectObject(dc, bitmap);
    const win::HBRUSH brush = win::CreateSolidBrush(color);
    const win::RECT all{0, 0, side, side};
    win::FillRect(dc, &all, brush);
    win::SelectObject(dc, old);
    win::DeleteObject(brush);
    win::DeleteDC(dc);
    const std::vector<win::BYTE> png = win::PngFileOfBitmap(bitmap);
    win::DeleteObject(bitmap);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
}

using XvfbCharacterPictures = XvfbSession;

TEST_F(XvfbCharacterPictures, PicturesAreCopiedToAndPastedFromOtherProgramsWithTheKeys) {
    ASSERT_EQ(access("/usr/bin/xclip", X_OK), 0) << "xclip is not installed; scripts/setup installs it";
    const std::string saved = folder / "pictured.fsf";
    const std::string xclip = "timeout 5 xclip -selection clipboard";
    ASSERT_NO_FATAL_FAILURE(StartAndWaitForTheFrontEnd());
    Shortcut(XK_l);
    ClickAndSettle(kFirstCharacter);
    const win::COLORREF stock = ScreenColor(display, originX + kFirstPicture.x, originY + kFirstPicture.y);

    // Ctrl+C: the picture is offered as PNG and BMP, each the character's 32 x 32 picture.
    Chord(display, XK_Control_L, XK_c);
    std::string targets;
    EXPECT_TRUE(Eventually([&] {
        targets = RunOnDisplay(xclip + " -t TARGETS -o", xvfb.Name());
        return targets.find("image/png") != std::string::npos && targets.find("image/bmp") != std::string::npos;
    })) << targets;
    for (const char* type : {"image/png", "image/bmp"}) {
        const win::SIZE size = PictureSize(RunOnDisplay(xclip + " -t " + type + " -o", xvfb.Name()));
        EXPECT_EQ(size.cx, kCharacterPictureSize) << type;
        EXPECT_EQ(size.cy, kCharacterPictureSize) << type;
    }

    // Another program copies a PNG picture: xclip, kept in the foreground to serve it.
    const std::string copied = folder / "copied.png";
    WritePng(copied, 48, kPasted);
    Process other;
    ASSERT_TRUE(other.Start({"/usr/bin/xclip", "-selection", "clipboard", "-t", "image/png", "-quiet", "-i", copied},
                            {"DISPLAY=" + xvfb.Name()}, -1));
    // xclip offers its type alone: once the BMP the program offered is gone, xclip holds the clipboard.
    ASSERT_TRUE(Eventually([&] {
        targets = RunOnDisplay(xclip + " -t TARGETS -o", xvfb.Name());
        return targets.find("image/png") != std::string::npos && targets.find("image/bmp") == std::string::npos;
    })) << targets;
    // Ctrl+V: the character shows it.
    Chord(display, XK_Control_L, XK_v);
    EXPECT_TRUE(Eventually([&] {
        return ScreenColor(display, originX + kFirstPicture.x, originY + kFirstPicture.y) == kPasted;
    })) << std::hex << ScreenColor(display, originX + kFirstPicture.x, originY + kFirstPicture.y) << " "
        << stock;
    other.Stop();

    ASSERT_NO_FATAL_FAILURE(SaveAsAndQuit(saved));
    bool custom = false;
    for (const auto& [key, bytes] : apptest::ReadStoreSegments(saved, folder / "scratch"))
        custom = custom || (key.first == kCharacterPictureType && IsCustomPicture(key.second));
    EXPECT_TRUE(custom) << "the pasted picture is kept in the story";
    xvfb.Close();
}

}  // namespace
