#pragma once
// A kind of data source: the readable form of one kind of segment, with its compiler (source to
// segment bytes) and its decompiler (segment bytes to source).

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "datafiles/Segment.h"
#include "datafiles/SourceReader.h"

struct DecompiledSource {
    explicit DecompiledSource(std::string header = {}) : text(std::move(header)) {}

    std::string text;  // the whole source, header included
    std::string name;  // the source's file name (set by the decompiler)
    // Files the source names (a picture's image), by name.
    std::map<std::string, std::vector<std::uint8_t>> companions;
};

class SourceKind {
public:
    virtual ~SourceKind() = default;

    // The word that starts a source's header, and the file name ending of such sources.
    virtual std::string_view Keyword() const = 0;
    virtual std::string_view Extension() const = 0;

    // Reads the body of a source whose header names this kind into the segment, whose key,
    // priority and preload flag are set; errors go to the reader.
    virtual void Compile(SourceReader& reader, const SegmentHeader& header,
                         CompiledSegment& segment) const = 0;
    // A source for the segment, or nothing when this kind cannot describe it exactly. Companion
    // files are named after baseName.
    virtual std::optional<DecompiledSource> Decompile(const SegmentData& segment,
                                                      const std::string& baseName) const = 0;

protected:
    // Reports every header option as unknown; kinds without options call it.
    static void RefuseOptions(SourceReader& reader, const SegmentHeader& header);
};
