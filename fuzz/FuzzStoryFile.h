#pragma once
// Story files made from fuzz input: a store of segments, each a type picked from the list by one
// byte, a 16-bit id, a 16-bit length and that many bytes, written to the file.

#include <cstring>
#include <span>
#include <string_view>

#include "FuzzSupport.h"
#include "foundation/FileRef.h"
#include "foundation/Memory.h"
#include "foundation/pfm/PFM.h"

inline void WriteFuzzStoryFile(FuzzInput& input, const FileRef& file, std::span<const FourCC> types) {
    PFMPushCurrentFile(nullptr);
    PFMFile* store = PFMOpenFile(nullptr);
    FUZZ_CHECK(store != nullptr);
    while (!input.Empty()) {
        const FourCC type = types[input.Byte() % types.size()];
        const std::uint16_t id = input.Short();
        const std::string_view bytes = input.Bytes(input.Short());
        void* block = MemAlloc(static_cast<std::uint32_t>(bytes.size()));
        if (!bytes.empty()) std::memcpy(block, bytes.data(), bytes.size());
        FUZZ_CHECK(PFMPutSegment(type, id, block, 1, false));
        FUZZ_CHECK(PFMCheckIn(block) == kNoErr);
    }
    FUZZ_CHECK(PFMSaveFile(&file) == kNoErr);
    PFMCloseFile(store);
    PFMPopCurrentFile();
}
