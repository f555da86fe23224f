#pragma once
// Story files made from fuzz input: a store of segments, each a type picked from the list by one
// byte, a 16-bit id, a 16-bit length and that many bytes, written to the file. With repeats, a
// type byte with its high bit set adds the segment beside one of the same key (the file's map then
// lists the key twice) instead of replacing it.

#include <cstring>
#include <span>
#include <string_view>

#include "FuzzSupport.h"
#include "foundation/FileRef.h"
#include "foundation/Memory.h"
#include "foundation/pfm/PFM.h"

inline void WriteFuzzStoryFile(FuzzInput& input, const FileRef& file, std::span<const FourCC> types,
                               bool repeats = false) {
    PFMPushCurrentFile(nullptr);
    PFMFile* store = PFMOpenFile(nullptr);
    FUZZ_CHECK(store != nullptr);
    while (!input.Empty()) {
        const std::uint8_t pick = input.Byte();
        const bool repeat = repeats && (pick & 0x80) != 0;
        const FourCC type = types[(repeats ? pick & 0x7F : pick) % types.size()];
        const std::uint16_t id = input.Short();
        const std::string_view bytes = input.Bytes(input.Short());
        void* block = MemAlloc(static_cast<std::uint32_t>(bytes.size()));
        if (!bytes.empty()) std::memcpy(block, bytes.data(), bytes.size());
        if (repeat) {
            FUZZ_CHECK(PFMAddSegment(type, id, block, 1, false) == kNoErr);
        } else {
            FUZZ_CHECK(PFMPutSegment(type, id, block, 1, false));
        }
        FUZZ_CHECK(PFMCheckIn(block) == kNoErr);
    }
    FUZZ_CHECK(PFMSaveFile(&file) == kNoErr);
    PFMCloseFile(store);
    PFMPopCurrentFile();
}
