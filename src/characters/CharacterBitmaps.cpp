#include "characters/CharacterBitmaps.h"

#include "foundation/pfm/PictRecord.h"
#include "framework/graphics/GraphEnv.h"
#include "framework/graphics/PictImage.h"
#include "platform/gdi/Bitmaps.h"
#include "storymodel/CharacterManager.h"

QRVBitmap* CharacterBitmaps::Get(CharacterManager& characters, std::uint16_t pictureId) {
    if (const auto found = bitmaps_.find(pictureId); found != bitmaps_.end()) return found->second.get();
    std::unique_ptr<QRVBitmap> bitmap;
    if (const std::unique_ptr<PictRecord> picture = characters.LoadPicture(pictureId)) {
        ErrCode error = kNoErr;
        const PictImage image(*picture, error);
        auto made = std::make_unique<QRVBitmap>();
        if (error == kNoErr && made->SetFromDib(image.GetBits(), nullptr)) {
            if (image.GetPalette()) made->SetPalette(image.GetPalette());
            bitmap = std::move(made);
        }
    }
    QRVBitmap* shown = bitmap.get();
    bitmaps_[pictureId] = std::move(bitmap);
    return shown;
}

void DrawCharacterBitmap(TGraphEnv& env, QRVBitmap* bitmap, const ShortRect& place) {
    const win::HDC source = bitmap ? bitmap->BeginDrawing(env.GetHDC()) : nullptr;
    if (!source) {
        env.SetForeStandardColor(0);
        env.FrameRect(place);
        return;
    }
    win::StretchBlt(env.GetHDC(), place.left, place.top, place.Width(), place.Height(), source, 0, 0,
                    bitmap->Width(), bitmap->Height(), win::SRCCOPY);
    bitmap->EndDrawing();
}
