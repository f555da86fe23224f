// Segments as hexadecimal bytes, for data that has no readable form of its own (the engine
// tables) and as the decompiler's exact fallback for any segment:
//   raw 'STBL' 0
//   00 01 fe ...
// A segment holding a flattened object names its class id: raw 'ITM#' 130 object 106; its bytes
// are then what follows the class id.

#include <cstdio>

#include "datafiles/SegmentTypes.h"

namespace {

constexpr std::size_t kBytesPerLine = 32;

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

class RawKind : public SourceKind {
public:
    std::string_view Keyword() const override { return "raw"; }
    std::string_view Extension() const override { return ".raw"; }

    void Compile(SourceReader& reader, const SegmentHeader& header, CompiledSegment& segment) const override {
        ReadOptions(reader, header, segment);
        for (const SourceLine& line : reader.Statements()) {
            int high = -1;
            for (char c : line.text) {
                if (c == ' ' || c == '\t') continue;
                const int digit = HexDigit(c);
                if (digit < 0) {
                    reader.Error(line.number, "'" + std::string(1, c) + "' is no hexadecimal digit");
                    break;
                }
                if (high < 0) {
                    high = digit;
                } else {
                    segment.bytes.push_back(static_cast<std::uint8_t>(high * 16 + digit));
                    high = -1;
                }
            }
            if (high >= 0) reader.Error(line.number, "an odd number of hexadecimal digits");
        }
    }

    std::optional<DecompiledSource> Decompile(const SegmentData& segment,
                                              const std::string& /*baseName*/) const override {
        if (segment.kind != kRawSegment && segment.kind != kObjectSegment) return std::nullopt;
        const std::string options =
            segment.kind == kObjectSegment ? "object " + std::to_string(segment.classId) : std::string();
        DecompiledSource source(HeaderText(Keyword(), segment, options));
        for (std::size_t i = 0; i < segment.bytes.size(); ++i) {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%02x", segment.bytes[i]);
            source.text += hex;
            const bool lineEnd = (i + 1) % kBytesPerLine == 0 || i + 1 == segment.bytes.size();
            source.text += lineEnd ? "\n" : " ";
        }
        return source;
    }

private:
    static void ReadOptions(SourceReader& reader, const SegmentHeader& header, CompiledSegment& segment) {
        const auto& options = header.options;
        for (std::size_t i = 0; i < options.size(); ++i) {
            const auto classId = i + 1 < options.size() && options[i] == "object"
                                     ? ParseSourceNumber(options[i + 1])
                                     : std::nullopt;
            if (!classId || *classId < 0 || *classId > 0xFFFFFFFF) {
                reader.Error(reader.HeaderLine(), "unknown header word " + options[i] +
                                                      " (a raw segment knows: object <class id>)");
                return;
            }
            segment.kind = kObjectSegment;
            segment.classId = static_cast<ClassId>(*classId);
            ++i;
        }
    }
};

}  // namespace

const SourceKind& RawSource() {
    static const RawKind kind;
    return kind;
}
