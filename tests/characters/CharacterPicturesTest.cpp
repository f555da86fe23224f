// Character pictures: a Windows bitmap file chosen with the Picture command, or the bitmap on the
// clipboard pasted into a cast list, becomes the selected character's own picture, kept in the story
// file and found there after the story is saved and opened again; what is no bitmap is said and
// changes nothing. A picture copied in another program pastes the same way, and Copy in a cast list
// gives the selected character's picture to other programs.

#include <gmock/gmock.h>

#include <fstream>
#include <iterator>

#include "BitmapFile.h"
#include "CharacterToolsFixture.h"
#include "app/StoryCommands.h"
#include "characters/CLWindow.h"
#include "characters/CharacterBitmaps.h"
#include "characters/CharacterPictureImport.h"
#include "foundation/pfm/PictRecord.h"
#include "framework/QRVClipBoard.h"
#include "framework/TAppl.h"
#include "framework/graphics/QRVBitmap.h"
#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/ImageFiles.h"
#include "platform/gdi/Objects.h"
#include "platform/ui/Clipboard.h"

namespace charactertest {
namespace {

// The desktop's clipboard, holding what another program copied or what this one gave it.
class DesktopClipboard : public win::DesktopClipboard {
public:
    std::optional<std::string> text;
    std::vector<win::DesktopImage> images;
    std::optional<std::string> Text() override { return text; }
    void SetText(const std::string& utf8) override {
        text = utf8;
        images.clear();
    }
    std::optional<win::DesktopImage> Image() override {
        return images.empty() ? std::nullopt : std::optional<win::DesktopImage>(images.front());
    }
    void SetImage(const std::vector<win::DesktopImage>& image, const std::string& utf8) override {
        images = image;
        text = utf8.empty() ? std::nullopt : std::optional<std::string>(utf8);
    }
};

// A picture file's bytes, for another program to copy.
std::vector<win::BYTE> FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<win::BYTE>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class CharacterPictures : public CharacterToolsTest {
protected:
    void SetUp() override {
        CharacterToolsTest::SetUp();
        story = NewStory();
        walker = MakeCharacter(story, "Walker");
        Run();
    }
    std::uint16_t PictureOf(FKDoc* of, CharID id) { return Characters(of).GetCharacter(id)->GetPicture(); }
    // The colour at the middle of the picture.
    static win::COLORREF MiddleOf(CharacterManager& characters, std::uint16_t id) {
        CharacterBitmaps bitmaps;
        QRVBitmap* bitmap = bitmaps.Get(characters, id);
        if (!bitmap) return 0xFFFFFFFF;
        const win::COLORREF colour = win::GetPixel(bitmap->BeginDrawing(), 16, 16);
        bitmap->EndDrawing();
        return colour;
    }

    // The story's Character List, shown.
    void ShowTheCharacterList() {
        OpenCharacterList(story);
        Run();
    }
    void SelectWalker() { CastListOf(story->GetCharListCastView())->SelectCharacter(walker); }
    // Edit > Paste, when it is enabled: Walker's picture after it.
    ::testing::AssertionResult Paste(std::uint16_t& picture) {
        if (!application->CommandEnabled(kCmdPaste))
            return ::testing::AssertionFailure() << "Paste is disabled";
        application->CreateCommand(kCmdPaste);
        picture = PictureOf(story, walker);
        return ::testing::AssertionSuccess();
    }

    FKDoc* story = nullptr;
    CharID walker = kNoCharID;
};

TEST_F(CharacterPictures, ThePictureCommandMakesTheChosenBitmapTheSelectedCharactersPicture) {
    WriteBmp(Path("face.bmp"), 48, 40, 200, 30, 30);
    ShowTheCharacterList();
    SelectWalker();
    ASSERT_TRUE(PictureCmd::IsEnabled(*application));
    presenter.ScriptPromptAnswer("OpenFile", PromptAnswer{TRUE, Path("face.bmp")});
    std::unique_ptr<TCommand> command = application->CreateCommand(kCmdCharacterPicture);
    ASSERT_NE(command, nullptr);
    EXPECT_EQ(command->Do(), kNoErr);
    ASSERT_FALSE(presenter.PromptsAsked().empty());
    EXPECT_EQ(presenter.PromptsAsked().back().kind, "OpenFile");
    EXPECT_EQ(presenter.PromptsAsked().back().caption, "Select character bitmap");
    const std::uint16_t picture = PictureOf(story, walker);
    EXPECT_TRUE(IsCustomPicture(picture));
    const std::unique_ptr<PictRecord> kept = Characters(story).LoadPicture(picture);
    ASSERT_NE(kept, nullptr);
    EXPECT_EQ(kept->Width(), kCharacterPictureSize);
    EXPECT_EQ(kept->Height(), kCharacterPictureSize);
    EXPECT_EQ(MiddleOf(Characters(story), picture), RGB(200, 30, 30));
    EXPECT_TRUE(story->IsDirty());
}

TEST_F(CharacterPictures, AFileThatIsNoBitmapIsSaidAndChangesNothing) {
    std::ofstream(Path("notes.bmp")) << "these are notes, not a picture";
    const std::uint16_t before = PictureOf(story, walker);
    Mark();
    EXPECT_NE(ImportCharacterPicture(*story, walker, Path("notes.bmp")), kNoErr);
    ASSERT_EQ(Asked().size(), 1u);
    EXPECT_NE(Asked()[0].find("is not a Windows bitmap"), std::string::npos) << Asked()[0];
    EXPECT_EQ(PictureOf(story, walker), before);
    EXPECT_NE(ImportCharacterPicture(*story, walker, Path("missing.bmp")), kNoErr);
    EXPECT_EQ(PictureOf(story, walker), before);
    // The writer may cancel the chooser.
    presenter.ScriptPromptAnswer("OpenFile", PromptAnswer{FALSE, {}});
    EXPECT_EQ(AskCharacterPicture(story, walker), kNoErr);
    EXPECT_EQ(PictureOf(story, walker), before);
}

TEST_F(CharacterPictures, TheClipboardsBitmapIsPastedAsTheSelectedCharactersPicture) {
    const ShortPoint size{20, 20};
    QRVBitmap picture(&size);
    win::RECT all{0, 0, 20, 20};
    const win::HBRUSH green = win::CreateSolidBrush(RGB(0, 160, 0));
    win::FillRect(picture.BeginDrawing(), &all, green);
    picture.EndDrawing();
    win::DeleteObject(green);
    QRVClipBoard clipboard(win::CF_BITMAP);
    ASSERT_EQ(clipboard.PutBitmap(picture), kNoErr);
    ShowTheCharacterList();
    SelectWalker();
    std::uint16_t pasted = 0;
    ASSERT_TRUE(Paste(pasted));
    ASSERT_TRUE(IsCustomPicture(pasted));
    EXPECT_EQ(MiddleOf(Characters(story), pasted), RGB(0, 160, 0));
    // With nothing on the clipboard the paste says so.
    clipboard.Empty();
    Mark();
    PasteCharacterPicture(*story, walker);
    ASSERT_EQ(Asked().size(), 1u);
    EXPECT_EQ(PictureOf(story, walker), pasted);
}

// Another program copies a picture, as a BMP file or a PNG file: Edit > Paste is enabled with a
// character selected, and pastes it as the character's picture.
TEST_F(CharacterPictures, APictureCopiedInAnotherProgramIsPastedOntoTheSelectedCharacter) {
    DesktopClipboard desktop;
    win::ConnectDesktopClipboard(&desktop);
    WriteBmp(Path("face.bmp"), 40, 30, 220, 120, 0);
    const win::HBITMAP face = win::BitmapFromImageFile(FileBytes(Path("face.bmp")));
    ASSERT_NE(face, nullptr);
    win::DeleteObject(face);
    ShowTheCharacterList();
    desktop.images = {win::DesktopImage{"image/bmp", FileBytes(Path("face.bmp"))}};
    EXPECT_FALSE(application->CommandEnabled(kCmdPaste)) << "no character is selected";
    SelectWalker();
    std::uint16_t fromBmp = 0;
    ASSERT_TRUE(Paste(fromBmp));
    ASSERT_TRUE(IsCustomPicture(fromBmp));
    EXPECT_EQ(MiddleOf(Characters(story), fromBmp), RGB(220, 120, 0));

    WriteBmp(Path("other.bmp"), 32, 32, 0, 90, 200);
    const win::HBITMAP other = win::BitmapFromImageFile(FileBytes(Path("other.bmp")));
    desktop.images = {win::DesktopImage{"image/png", win::PngFileOfBitmap(other)}};
    win::DeleteObject(other);
    desktop.text = "a caption";
    std::uint16_t fromPng = 0;
    ASSERT_TRUE(Paste(fromPng));
    EXPECT_NE(fromPng, fromBmp);
    EXPECT_EQ(MiddleOf(Characters(story), fromPng), RGB(0, 90, 200));

    desktop.images.clear();
    EXPECT_FALSE(application->CommandEnabled(kCmdPaste)) << "text is no picture";
    win::ConnectDesktopClipboard(nullptr);
}

// Edit > Copy with a character selected puts its picture on the clipboard, which other programs
// take as a PNG or a BMP picture.
TEST_F(CharacterPictures, CopyGivesTheSelectedCharactersPictureToOtherPrograms) {
    WriteBmp(Path("face.bmp"), 32, 32, 10, 200, 30);
    ASSERT_EQ(ImportCharacterPicture(*story, walker, Path("face.bmp")), kNoErr);
    DesktopClipboard desktop;
    win::ConnectDesktopClipboard(&desktop);
    ShowTheCharacterList();
    EXPECT_FALSE(application->CommandEnabled(kCmdCopy)) << "no character is selected";
    SelectWalker();
    ASSERT_TRUE(application->CommandEnabled(kCmdCopy));
    EXPECT_EQ(application->HandleCommand(kCmdCopy), kNoErr);
    ASSERT_EQ(desktop.images.size(), 2u);
    EXPECT_EQ(desktop.images[0].type, "image/png");
    EXPECT_EQ(desktop.images[1].type, "image/bmp");
    for (const win::DesktopImage& image : desktop.images) {
        SCOPED_TRACE(image.type);
        const win::HBITMAP copied = win::BitmapFromImageFile(image.bytes);
        ASSERT_NE(copied, nullptr);
        win::BITMAP facts;
        win::GetObjectA(copied, sizeof facts, &facts);
        EXPECT_EQ(facts.bmWidth, kCharacterPictureSize);
        EXPECT_EQ(facts.bmHeight, kCharacterPictureSize);
        const win::HDC dc = win::CreateCompatibleDC(nullptr);
        const win::HGDIOBJ old = win::SelectObject(dc, copied);
        EXPECT_EQ(win::GetPixel(dc, 16, 16), RGB(10, 200, 30));
        win::SelectObject(dc, old);
        win::DeleteDC(dc);
        win::DeleteObject(copied);
    }
    win::ConnectDesktopClipboard(nullptr);
}

TEST_F(CharacterPictures, ACustomPictureIsFoundAgainAfterTheStoryIsSavedAndOpened) {
    WriteBmp(Path("face.bmp"), 32, 32, 10, 20, 220);
    ASSERT_EQ(ImportCharacterPicture(*story, walker, Path("face.bmp")), kNoErr);
    const std::uint16_t picture = PictureOf(story, walker);
    Choose("Pictured.fsf");
    ASSERT_EQ(story->SaveAs(nullptr), kNoErr);
    Restart();
    FKDoc* again = OpenStory("Pictured.fsf");
    ASSERT_NE(again, nullptr);
    CharID found = kNoCharID;
    for (std::int32_t i = 0; i < Characters(again).GetCount(); ++i)
        if (Characters(again).RecordAt(i)->Name() == "Walker") found = Characters(again).IdAt(i);
    ASSERT_NE(found, kNoCharID);
    EXPECT_EQ(PictureOf(again, found), picture);
    EXPECT_EQ(MiddleOf(Characters(again), picture), RGB(10, 20, 220));
}

}  // namespace
}  // namespace charactertest
