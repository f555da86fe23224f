#include "characters/CharacterPictureImport.h"

#include <cstring>
#include <optional>

#include "app/FKDoc.h"
#include "foundation/FileRef.h"
#include "framework/Alerts.h"
#include "framework/FileChoosers.h"
#include "framework/FileTypeList.h"
#include "framework/QRVClipBoard.h"
#include "framework/graphics/DibBlocks.h"
#include "framework/graphics/PictImage.h"
#include "framework/graphics/QRVBitmap.h"
#include "platform/gdi/BmpFile.h"
#include "platform/ui/Clipboard.h"
#include "storymodel/CharacterManager.h"
#include "storymodel/TextHelpers.h"

namespace {

constexpr ErrCode kNoPicture = -3;
constexpr ErrCode kNotKept = -1;

void SayNotKept() { AlertMessage("The picture could not be kept in the story file.", kAlertStop, 1); }

}  // namespace

ErrCode SetCharacterPictureFromDib(FKDoc& story, CharID id, const void* dib) {
    CharacterManager* characters = story.GetCharacterManager();
    CharInfoRec* character = characters ? characters->GetCharacter(id) : nullptr;
    if (!character) return kNotKept;
    if (!dib) return kNoPicture;
    ErrCode error = kNoErr;
    const PictImage image(dib, error, 0, kCharacterPictureType);
    if (error != kNoErr) return kNoPicture;
    const std::optional<std::uint16_t> picture = characters->AddCustomPicture(image.GetRecord());
    if (!picture) return kNotKept;
    character->SetPicture(*picture);
    return kNoErr;
}

ErrCode ImportCharacterPicture(FKDoc& story, CharID id, const std::string& path) {
    const win::BmpImage bitmap = win::ReadBmpFile(path);
    ErrCode error = kNoPicture;
    if (bitmap.status == win::BmpStatus::Ok && !bitmap.dib.empty()) {
        // The picture functions read DIBs kept in blocks of the memory manager, which know their size.
        const DibBlock bits(MemAlloc(static_cast<std::uint32_t>(bitmap.dib.size())));
        if (!bits) return kNotKept;
        std::memcpy(bits.get(), bitmap.dib.data(), bitmap.dib.size());
        error = SetCharacterPictureFromDib(story, id, bits.get());
    }
    if (error == kNoPicture) {
        const std::string text = FormatText(
            "\"%s\" is not a Windows bitmap that can be used as a character picture.", path.c_str());
        AlertMessage(text.c_str(), kAlertStop, 1);
    } else if (error != kNoErr) {
        SayNotKept();
    }
    return error;
}

ErrCode PasteCharacterPicture(FKDoc& story, CharID id) {
    QRVClipBoard clipboard(win::CF_BITMAP);
    DibBlock bits;
    if (clipboard.IsFormatAvailable(win::CF_BITMAP)) {
        QRVBitmap bitmap;
        clipboard.GetBitmap(bitmap, win::CF_BITMAP);
        bitmap.CopyToDib(bits);
    }
    const ErrCode error = SetCharacterPictureFromDib(story, id, bits.get());
    if (error == kNoPicture) {
        AlertMessage("The clipboard holds no picture that can be used as a character picture.", kAlertStop,
                     1);
    } else if (error != kNoErr) {
        SayNotKept();
    }
    return error;
}

ErrCode AskCharacterPicture(FKDoc* story, CharID id) {
    if (!story || !story->GetCharacterManager() || !story->GetCharacterManager()->HasCharacter(id))
        return kNoErr;
    CustomFileList kinds;
    kinds.AddTypeList(kPictureChooserFilter)->AddType(FourCCOf(".bmp"));
    FileRef file;
    if (ChooseOpenFile(nullptr, file, false, &kinds, kPictureChooserTitle) != kFileChooserChosen)
        return kNoErr;
    ImportCharacterPicture(*story, id, file.GetFullPath());
    return kNoErr;
}
