#include "items/IconItem.h"

#include "foundation/IFile.h"
#include "framework/PictureBitmaps.h"
#include "framework/graphics/QRVBitmap.h"
#include "framework/graphics/RGBColor.h"
#include "items/ItemGraphEnv.h"
#include "items/ItemList.h"
#include "platform/gdi/Bitmaps.h"

namespace {

constexpr FourCC kPictureType = FourCCOf("BITM");

std::int16_t KeptId(std::int16_t id) { return id < IconItem::kFirstPictureId ? 0 : id; }

}  // namespace

IconItem::IconItem(ItemList* list, const ShortRect* bounds, std::uint16_t flags, std::int16_t pictureId)
    : TItem(list, bounds, flags, GetStandardColor(0)),
      pictureId_(KeptId(pictureId)),
      wantedPicture_(PictureFor(pictureId_)) {}

IconItem::IconItem(ItemList* list, IReadFile& stream, ErrCode* error) : IconItem(list, nullptr, 0, 0) {
    if (*error == kNoErr) *error = IconItem::ReadFrom(stream);
}

IconItem::~IconItem() = default;

std::int16_t IconItem::PictureFor(std::int16_t id) { return id >= kFirstPictureId ? id : kFallbackPicture; }

ErrCode IconItem::ReadFrom(IReadFile& stream) {
    std::int16_t id = 0;
    ErrCode error = TItem::ReadFrom(stream);
    if (!error) error = stream.ReadShort(id);
    if (error) return error;
    SetPicture(KeptId(id));
    return kNoErr;
}

ErrCode IconItem::WriteTo(IWriteFile& stream) {
    ErrCode error = TItem::WriteTo(stream);
    if (!error) error = stream.WriteShort(pictureId_);
    return error;
}

void IconItem::SetPicture(std::int16_t id) {
    pictureId_ = id;
    if (id < 0) return;
    wantedPicture_ = PictureFor(id);
    if (picture_ && loadedPicture_ != GetShownPictureId()) {
        picture_.reset();
        Invalidate();
    }
}

std::int16_t IconItem::GetShownPictureId() const {
    const ItemList* list = GetItemList();
    return list && list->GetWindow() ? wantedPicture_ : kFallbackPicture;
}

QRVBitmap& IconItem::GetPicture() {
    const std::int16_t shown = GetShownPictureId();
    if (!picture_ || loadedPicture_ != shown) {
        picture_ = std::make_unique<QRVBitmap>();
        LoadPictureBitmap(kPictureType, static_cast<std::uint16_t>(shown), nullptr, *picture_, true);
        loadedPicture_ = shown;
    }
    return *picture_;
}

void IconItem::Draw(win::HDC /*dc*/, const Rgn& /*clip*/) {
    ItemGraphEnv* env = GetGraphEnv();
    if (!env || !env->GetHDC()) return;
    QRVBitmap& picture = GetPicture();
    const ShortRect& bounds = Bounds();
    ShortRect area = ShortRect::MakeLTRB(0, 0, picture.Width(), picture.Height());
    if (!SameShortRectSize(area, bounds)) FitShortRect(area, bounds);
    const int x = bounds.left + (bounds.Width() - area.Width()) / 2;
    const int y = bounds.top + (bounds.Height() - area.Height()) / 2;
    const win::HDC source = picture.BeginDrawing(env->GetHDC());
    if (source) win::BitBlt(env->GetHDC(), x, y, area.Width(), area.Height(), source, 0, 0, win::SRCCOPY);
    picture.EndDrawing();
}
