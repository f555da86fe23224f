#pragma once
// A segment as the data compiler makes it and the decompiler reads it: its key, its kind and the
// bytes of its stored form.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "datafiles/Diagnostics.h"
#include "foundation/Types.h"
#include "foundation/pfm/PFMFormat.h"
#include "foundation/pfm/PFMKey.h"

inline constexpr int kDefaultSegmentPriority = 1;

struct SegmentData {
    PFMSegmentKey key;
    SegmentKind kind = kRawSegment;  // a raw block or a flattened object
    ClassId classId = 0;             // objects only
    int priority = kDefaultSegmentPriority;
    bool preload = false;
    // A raw block's bytes, or what an object writes after its class id.
    std::vector<std::uint8_t> bytes;
};

// A segment that another one needs, and the source line that names it.
struct SegmentReference {
    PFMSegmentKey key;
    SourcePlace place;
    std::string what;  // how the referring source uses it, for the error message
};

// A key that a keyed record must hold (a pronoun a template asks for), and the source line that
// reads it.
struct RecordKeyReference {
    PFMSegmentKey record;
    std::string key;
    SourcePlace place;
    std::string what;
};

struct CompiledSegment : SegmentData {
    SourcePlace origin;
    std::vector<SegmentReference> references;
    std::vector<RecordKeyReference> keyReferences;
    // A keyed record's source line of each key, for checks across records.
    std::map<std::string, int, std::less<>> keyLines;
};

// A segment type as sources write it, in single quotes: 'ITM#'.
std::string SegmentTypeText(FourCC type);
// "'ITM#' 1070"
std::string DescribeKey(PFMSegmentKey key);
