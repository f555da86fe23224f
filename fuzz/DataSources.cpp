// Data sources as the compiler reads them; the input's first byte picks the kind of source, the
// bytes up to the first NUL are the source's text and the rest is the image file it may name
// ("i.png"). A source that compiles must decompile to a source that compiles to the same segment.

#include <string>

#include "FuzzSupport.h"
#include "datafiles/Compiler.h"
#include "datafiles/Decompiler.h"
#include "datafiles/SegmentTypes.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const auto& kinds = AllSourceKinds();
    const SourceKind& kind = *kinds[input.Byte() % kinds.size()];
    const std::string_view rest = input.Rest();
    const std::size_t end = rest.find('\0');
    const std::string text(rest.substr(0, end));
    const std::string_view image = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);

    const Variables variables = {{"VERSION", "1.2.3"},
                                 {"VERSION_MAJOR", "1"},
                                 {"VERSION_MINOR", "2"},
                                 {"VERSION_PATCH", "3"},
                                 {"COPYRIGHT", "\xC2\xA9 Us"}};
    const CompanionLoader companions =
        [&](const std::string& name) -> std::optional<std::vector<std::uint8_t>> {
        if (name != "i.png") return std::nullopt;
        return std::vector<std::uint8_t>(image.begin(), image.end());
    };
    Diagnostics diagnostics;
    const std::string name = "s" + std::string(kind.Extension());
    const auto segment = CompileSource(name, text, variables, companions, diagnostics);
    FUZZ_CHECK(segment.has_value() != diagnostics.HasErrors());
    if (!segment) return 0;

    const DecompiledSource source = DecompileSegment(*segment, "d");
    const CompanionLoader decompiled =
        [&](const std::string& file) -> std::optional<std::vector<std::uint8_t>> {
        const auto found = source.companions.find(file);
        if (found == source.companions.end()) return std::nullopt;
        return found->second;
    };
    Diagnostics again;
    const auto compiled = CompileSource(source.name, source.text, {}, decompiled, again);
    FUZZ_CHECK(compiled.has_value());
    FUZZ_CHECK(compiled->bytes == segment->bytes && compiled->kind == segment->kind &&
               compiled->classId == segment->classId && compiled->priority == segment->priority &&
               compiled->preload == segment->preload);
    return 0;
}
