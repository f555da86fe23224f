#include "framework/PictureCache.h"

#include "framework/AppEnvironment.h"
#include "framework/PictureBitmaps.h"
#include "framework/TAppl.h"
#include "framework/graphics/QRVBitmap.h"

namespace {

std::shared_ptr<QRVBitmap> LoadPicture(FourCC type, std::uint16_t id) {
    auto bitmap = std::make_shared<QRVBitmap>();
    LoadPictureBitmap(type, id, nullptr, *bitmap, true);
    return bitmap;
}

}  // namespace

PictureCache::PictureCache() = default;

PictureCache::~PictureCache() = default;

std::shared_ptr<QRVBitmap> PictureCache::Get(FourCC type, std::uint16_t id) {
    std::shared_ptr<QRVBitmap>& picture = pictures_[{type, id}];
    if (!picture) picture = LoadPicture(type, id);
    return picture;
}

std::shared_ptr<QRVBitmap> SharedPicture(FourCC type, std::uint16_t id) {
    if (TAppl* application = GetAppl()) return application->GetPictureCache().Get(type, id);
    return LoadPicture(type, id);
}
