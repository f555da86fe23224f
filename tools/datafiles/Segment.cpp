#include "datafiles/Segment.h"

#include "datafiles/TextNotation.h"

std::string SegmentTypeText(FourCC type) {
    std::string text;
    for (int shift = 0; shift < 32; shift += 8) text += static_cast<char>(type >> shift);
    std::string written;
    for (char c : EncodeNotation(text, Notation::kPlain, true)) {
        if (c == '\'') written += '\\';
        written += c;
    }
    return "'" + written + "'";
}

std::string DescribeKey(PFMSegmentKey key) {
    return SegmentTypeText(key.type) + " " + std::to_string(key.id);
}
