#pragma once
// The application data file's pictures as bitmaps, each loaded the first time it is asked for and
// then shared by everything that shows it. The data file stays as it is while the program runs, so
// a picture loaded once stays right for the life of the application that keeps the cache.

#include <cstdint>
#include <map>
#include <memory>
#include <utility>

#include "foundation/Types.h"

class QRVBitmap;

class PictureCache {
public:
    PictureCache();
    ~PictureCache();
    PictureCache(const PictureCache&) = delete;
    PictureCache& operator=(const PictureCache&) = delete;

    // Picture segment (type, id) of the application data file as LoadPictureBitmap makes it: a
    // blank bitmap when the picture is missing or unreadable.
    std::shared_ptr<QRVBitmap> Get(FourCC type, std::uint16_t id);

private:
    std::map<std::pair<FourCC, std::uint16_t>, std::shared_ptr<QRVBitmap>> pictures_;
};

// The picture from the running application's cache; without an application, one loaded for the
// caller alone.
std::shared_ptr<QRVBitmap> SharedPicture(FourCC type, std::uint16_t id);
