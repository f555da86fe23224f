#pragma once
// Test support for the data compiler: compiling sources from their text, and bytes written as
// hexadecimal for readable comparisons.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "datafiles/Compiler.h"
#include "datafiles/Diagnostics.h"

struct CompileResult {
    std::optional<CompiledSegment> segment;
    Diagnostics diagnostics;

    // The first error, or "" when there is none.
    std::string FirstError() const {
        return diagnostics.Messages().empty() ? "" : diagnostics.Messages().front();
    }
};

using Companions = std::map<std::string, std::vector<std::uint8_t>>;

inline CompileResult CompileText(const std::string& name, const std::string& text,
                                 const Companions& companions = {}, const Variables& variables = {}) {
    CompileResult result;
    const CompanionLoader loader = [&](const std::string& file) -> std::optional<std::vector<std::uint8_t>> {
        const auto found = companions.find(file);
        if (found == companions.end()) return std::nullopt;
        return found->second;
    };
    result.segment = CompileSource(name, text, variables, loader, result.diagnostics);
    return result;
}

struct SetCompileResult {
    std::vector<CompiledSegment> segments;
    Diagnostics diagnostics;

    std::string FirstError() const {
        return diagnostics.Messages().empty() ? "" : diagnostics.Messages().front();
    }
    // The segment of that type and id; null when the source made none.
    const CompiledSegment* Find(const std::string& type, std::uint16_t id) const {
        for (const CompiledSegment& segment : segments) {
            if (segment.key == PFMSegmentKey{MakeFourCC(type[0], type[1], type[2], type[3]), id})
                return &segment;
        }
        return nullptr;
    }
    // The text of a text segment without its NUL, or "(none)".
    std::string Text(const std::string& type, std::uint16_t id) const {
        const CompiledSegment* segment = Find(type, id);
        if (!segment || segment->bytes.empty()) return "(none)";
        return std::string(segment->bytes.begin(), segment->bytes.end() - 1);
    }
};

// Compiles a source of many segments; its name's ending names its kind.
inline SetCompileResult CompileSetText(const std::string& name, const std::string& text) {
    SetCompileResult result;
    result.segments = CompileSetSource(name, text, {}, result.diagnostics);
    return result;
}

// "5C 4E 4D" for the bytes.
inline std::string Hex(const std::vector<std::uint8_t>& bytes) {
    std::string text;
    for (std::uint8_t byte : bytes) {
        char digits[4];
        std::snprintf(digits, sizeof digits, "%02X", byte);
        text += (text.empty() ? "" : " ") + std::string(digits);
    }
    return text;
}

inline std::vector<std::uint8_t> BytesOf(const std::string& text) { return {text.begin(), text.end()}; }
