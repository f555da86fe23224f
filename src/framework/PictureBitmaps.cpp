#include "framework/PictureBitmaps.h"

#include <optional>

#include "foundation/pfm/PFM.h"
#include "foundation/pfm/PictRecord.h"
#include "framework/AppEnvironment.h"
#include "framework/TAppl.h"
#include "framework/graphics/PictImage.h"
#include "framework/graphics/QRVBitmap.h"

QRVBitmap& LoadPictureBitmap(FourCC type, std::uint16_t id, ShortRect* rect, QRVBitmap& bitmap,
                             bool fromDataFile) {
    std::optional<PFMFileScope> scope;
    const TAppl* application = GetAppl();
    if (fromDataFile && application) scope.emplace(application->GetDataFile(), true);
    if (!PFMSegmentExists(type, id)) return bitmap;
    PictRecord record(id, type);
    if (record.Load() != kNoErr) return bitmap;
    ErrCode error = kNoErr;
    const PictImage image(record, error);
    if (error != kNoErr || !bitmap.SetFromDib(image.GetBits(), nullptr)) return bitmap;
    if (record.GetDepth() <= PictRecord::kDeepestIndexedDepth && image.GetPalette())
        bitmap.SetPalette(image.GetPalette());
    if (rect) {
        const PictBounds& bounds = record.GetBounds();
        *rect = ShortRect{bounds.top, bounds.left, bounds.bottom, bounds.right};
    }
    return bitmap;
}

ErrCode StorePictureBitmap(FourCC type, std::uint16_t id, const ShortRect* rect, const QRVBitmap& bitmap) {
    const QRVBitmap part(bitmap, rect);
    DibBlock bits;
    part.CopyToDib(bits);
    ErrCode error = kNoErr;
    PictImage image(bits.get(), error, id, type);
    if (error != kNoErr) return error;
    return image.GetRecord().Store();
}
