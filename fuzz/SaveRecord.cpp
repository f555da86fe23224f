// Records of the saves under way (PFMTemporaryFile.h); the input is a record's bytes. A record that
// reads is the one encoding of the path it holds: encoded again it gives the same bytes. The path
// is not empty and holds no NUL.

#include <string>

#include "FuzzSupport.h"
#include "foundation/pfm/PFMTemporaryFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view record(reinterpret_cast<const char*>(data), size);
    std::string path;
    if (!DecodeSaveRecord(record, path)) return 0;
    FUZZ_CHECK(!path.empty());
    FUZZ_CHECK(path.find('\0') == std::string::npos);
    FUZZ_CHECK(EncodeSaveRecord(path) == record);
    return 0;
}
