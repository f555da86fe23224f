#pragma once
// What a store file on disk holds, read the way the program reads it: every segment's bytes by type
// and id, and the entries of a keyed record among them.

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>

#include "foundation/Memory.h"
#include "foundation/pfm/KeyedText.h"
#include "foundation/pfm/PFM.h"
#include "foundation/pfm/PFMSegments.h"

namespace apptest {

// Every segment of a store file: its bytes by type and id.
using StoreSegments = std::map<std::pair<FourCC, std::uint16_t>, std::string>;

// Every segment the file on disk holds, read from a copy at the scratch path (so the file itself is
// never opened); empty for a file that is no store.
inline StoreSegments ReadStoreSegments(const std::string& path, const std::string& scratch) {
    StoreSegments segments;
    if (!std::filesystem::exists(path)) return segments;
    std::filesystem::copy_file(path, scratch, std::filesystem::copy_options::overwrite_existing);
    PFMPushCurrentFile(nullptr);
    const FileRef file(scratch.c_str(), kAccessRead);
    if (PFMFile* store = PFMOpenFile(&file)) {
        PFMSetCurrentFile(store);
        PFMForEachSegment([&](FourCC type, std::uint16_t id) {
            void* data = PFMCheckOut(type, id);
            segments[{type, id}] = data ? std::string(static_cast<const char*>(data), MemSize(data)) : "";
            if (data) PFMCheckIn(data);
        });
        PFMCloseFile(store);
    }
    PFMClearError();
    PFMPopCurrentFile();
    return segments;
}

// A segment's type and id as a reader would name them: "SDI4 0".
inline std::string SegmentName(const std::pair<FourCC, std::uint16_t>& key) {
    std::string name;
    for (int shift = 0; shift < 32; shift += 8) name += static_cast<char>((key.first >> shift) & 0xFF);
    return name + " " + std::to_string(key.second);
}

// The keyed record among the segments, parsed; empty when there is none.
inline KeyedText ReadKeyedRecord(const StoreSegments& segments, FourCC type, std::uint16_t id = 0) {
    KeyedText record;
    if (const auto found = segments.find({type, id}); found != segments.end())
        record.Parse(found->second.data(), found->second.size());
    return record;
}

}  // namespace apptest
