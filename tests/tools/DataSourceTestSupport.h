#pragma once
// Test support for the data compiler: compiling one source from its text, and bytes written as
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
