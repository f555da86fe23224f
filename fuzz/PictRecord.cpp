// Picture records; the input is a record's stored bytes. A record that reads must hold all its
// rows, and written again must read back to the same record.

#include <vector>

#include "FuzzSupport.h"
#include "foundation/pfm/PictRecord.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    PictRecord picture(1, FourCCOf("BITM"));
    if (picture.Decode(data, static_cast<std::uint32_t>(size)) != kNoErr) {
        FUZZ_CHECK(picture.Image().empty() && picture.GetDepth() == 0);
        return 0;
    }
    FUZZ_CHECK(picture.Width() > 0 && picture.Height() > 0);
    const std::uint64_t stride = std::uint64_t{picture.RowBytes()} + picture.RowSkip();
    FUZZ_CHECK((picture.Height() - 1) * stride + picture.RowBytes() <= picture.Image().size());
    // Every byte of every row can be read.
    unsigned sum = 0;
    for (int row = 0; row < picture.Height(); ++row) sum += picture.Row(row)[picture.RowBytes() - 1];
    (void)sum;

    std::vector<std::uint8_t> written(picture.StoredSize());
    picture.Encode(written.data());
    PictRecord again(1, FourCCOf("BITM"));
    FUZZ_CHECK(again.Decode(written.data(), static_cast<std::uint32_t>(written.size())) == kNoErr);
    std::vector<std::uint8_t> rewritten(again.StoredSize());
    again.Encode(rewritten.data());
    FUZZ_CHECK(rewritten == written);
    return 0;
}
