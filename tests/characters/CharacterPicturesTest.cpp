// Character pictures: a Windows bitmap file chosen with the Picture command, or the bitmap on the
// clipboard pasted into a cast list, becomes the selected character's own picture, kept in the story
// file and found there after the story is saved and opened again; what is no bitmap is said and
// changes nothing.

#include <gmock/gmock.h>

#include <fstream>

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
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Objects.h"
#include "platform/ui/Clipboard.h"

namespace charactertest {
namespace {

// A 24-bit Windows bitmap file of the size, filled with one colour.
void WriteBmp(const std::string& path, int width, int height, std::uint8_t red, std::uint8_t green,
              std::uint8_t blue) {
    const int rowBytes = (width * 3 + 3) / 4 * 4;
    const std::uint32_t pixels = static_cast<std::uint32_t>(rowBytes * height);
    std::string bytes;
    const auto put = [&bytes](std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i) bytes.push_back(static_cast<char>(value >> (8 * i)));
    };
    bytes += "BM";
    put(14 + 40 + pixels, 4);
    put(0, 4);
    put(14 + 40, 4);
    put(40, 4);
    put(static_cast<std::uint32_t>(width), 4);
    put(static_cast<std::uint32_t>(height), 4);
    put(1, 2);
    put(24, 2);
    put(0, 4);
    put(pixels, 4);
    put(2835, 4);
    put(2835, 4);
    put(0, 4);
    put(0, 4);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            bytes += std::string{static_cast<char>(blue), static_cast<char>(green), static_cast<char>(red)};
        bytes.append(static_cast<std::size_t>(rowBytes - width * 3), '\0');
    }
    std::ofstream(path, std::ios::binary) << bytes;
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

    FKDoc* story = nullptr;
    CharID walker = kNoCharID;
};

TEST_F(CharacterPictures, ThePictureCommandMakesTheChosenBitmapTheSelectedCharactersPicture) {
    WriteBmp(Path("face.bmp"), 48, 40, 200, 30, 30);
    OpenCharacterList(story);
    Run();
    CastListOf(story->GetCharListCastView())->SelectCharacter(walker);
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
    OpenCharacterList(story);
    Run();
    CastListOf(story->GetCharListCastView())->SelectCharacter(walker);
    ASSERT_TRUE(application->CommandEnabled(kCmdPaste));
    application->CreateCommand(kCmdPaste);
    const std::uint16_t pasted = PictureOf(story, walker);
    ASSERT_TRUE(IsCustomPicture(pasted));
    EXPECT_EQ(MiddleOf(Characters(story), pasted), RGB(0, 160, 0));
    // With nothing on the clipboard the paste says so.
    clipboard.Empty();
    Mark();
    PasteCharacterPicture(*story, walker);
    ASSERT_EQ(Asked().size(), 1u);
    EXPECT_EQ(PictureOf(story, walker), pasted);
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
