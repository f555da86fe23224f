#pragma once
// A picture from the application's picture store ('BITM' segments of the application data file),
// copied into the item's bounds as it stands. An id of 128 or more names the picture; any smaller
// id shows the fallback picture 1042, as does an item whose list has no window.
//
// Record, after the item's: i16 picture id.

#include <cstdint>
#include <memory>

#include "items/TItem.h"

class QRVBitmap;

class IconItem : public TItem {
    TOBJECT_CLASS(IconItem, TItem, 505)

public:
    static constexpr std::int16_t kFirstPictureId = 128;
    static constexpr std::int16_t kFallbackPicture = 1042;

    // An id below 128 is kept as 0. The colour is standard colour 0.
    IconItem(ItemList* list, const ShortRect* bounds, std::uint16_t flags, std::int16_t pictureId);
    IconItem(ItemList* list, IReadFile& stream, ErrCode* error);
    ~IconItem() override;

    std::int32_t GetFlattenedSize() const override { return TItem::GetFlattenedSize() + 2; }
    ErrCode ReadFrom(IReadFile& stream) override;
    ErrCode WriteTo(IWriteFile& stream) override;
    // Copies the picture unscaled into the bounds: a picture of another size shows its top-left
    // part, of the size it takes when fitted into the bounds, centred in them.
    void Draw(win::HDC dc, const Rgn& clip) override;

    // Keeps the id: one of 128 or more shows that picture, one from 0 to 127 the fallback picture,
    // and a negative one leaves the picture shown as it is.
    void SetPicture(std::int16_t id);
    std::int16_t GetPictureId() const { return pictureId_; }
    // The picture the item shows (loaded when it is first needed), and its 'BITM' id.
    QRVBitmap& GetPicture();
    std::int16_t GetShownPictureId() const;

private:
    // The picture the id calls for: itself, or the fallback for a small id.
    static std::int16_t PictureFor(std::int16_t id);

    std::int16_t pictureId_;
    std::int16_t wantedPicture_;  // what the item shows with a window
    std::unique_ptr<QRVBitmap> picture_;
    std::int16_t loadedPicture_ = 0;  // the id picture_ was loaded from
};
