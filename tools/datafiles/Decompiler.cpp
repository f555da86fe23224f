#include "datafiles/Decompiler.h"

#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "datafiles/Compiler.h"
#include "datafiles/SegmentTypes.h"
#include "datafiles/StoreFiles.h"
#include "foundation/FileError.h"

namespace fs = std::filesystem;

namespace {

bool SameSegment(const SegmentData& a, const SegmentData& b) {
    return a.key == b.key && a.kind == b.kind && a.classId == b.classId && a.priority == b.priority &&
           a.preload == b.preload && a.bytes == b.bytes;
}

// Whether the source compiles back to the segment.
bool CompilesBack(const DecompiledSource& source, const SegmentData& segment) {
    Diagnostics ignored;
    const CompanionLoader companions =
        [&](const std::string& file) -> std::optional<std::vector<std::uint8_t>> {
        const auto found = source.companions.find(file);
        if (found == source.companions.end()) return std::nullopt;
        return found->second;
    };
    const auto compiled = CompileSource(source.name, source.text, Variables(), companions, ignored);
    return compiled && SameSegment(*compiled, segment);
}

bool WriteFile(const fs::path& path, const void* data, std::size_t size) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
    return static_cast<bool>(out);
}

}  // namespace

std::string SourceBaseName(PFMSegmentKey key) {
    std::string name;
    for (int shift = 0; shift < 32; shift += 8) {
        const auto c = static_cast<unsigned char>(key.type >> shift);
        if (std::isalnum(c) || c == '#') {
            name += static_cast<char>(c);
        } else {
            char escaped[4];
            std::snprintf(escaped, sizeof escaped, "_%02X", c);
            name += escaped;
        }
    }
    return name + "-" + std::to_string(key.id);
}

DecompiledSource DecompileSegment(const SegmentData& segment, const std::string& baseName) {
    const SegmentType* type = FindSegmentType(segment.key.type);
    // A type the table does not know may still be a keyed record.
    const SourceKind& kind = type ? type->kind : KeyedRecordSource();
    if (auto source = kind.Decompile(segment, baseName)) {
        source->name = baseName + std::string(kind.Extension());
        if (CompilesBack(*source, segment)) return std::move(*source);
    }
    DecompiledSource raw = *RawSource().Decompile(segment, baseName);
    raw.name = baseName + std::string(RawSource().Extension());
    return raw;
}

bool DecompileStore(const std::string& storePath, const std::string& folder, Diagnostics& diagnostics) {
    StoreFileContents contents;
    const ErrCode err = ReadStoreFile(storePath, contents);
    if (err != kNoErr) {
        const std::string reason = err == kFileErr ? "it holds a segment of a kind no source describes"
                                                   : std::string(FileErrorMessage(err));
        diagnostics.Error({storePath, 0},
                          "cannot read the store: " + reason + " (" + std::to_string(err) + ")");
        return false;
    }
    std::error_code error;
    fs::create_directories(folder, error);
    if (error) {
        diagnostics.Error({folder, 0}, "cannot make the folder: " + error.message());
        return false;
    }
    for (const SegmentData& segment : contents.segments) {
        const DecompiledSource source = DecompileSegment(segment, SourceBaseName(segment.key));
        const fs::path path = fs::path(folder) / source.name;
        bool written = WriteFile(path, source.text.data(), source.text.size());
        for (const auto& [name, bytes] : source.companions) {
            written = written && WriteFile(fs::path(folder) / name, bytes.data(), bytes.size());
        }
        if (!written) diagnostics.Error({path.string(), 0}, "cannot write the file");
    }
    return !diagnostics.HasErrors();
}
