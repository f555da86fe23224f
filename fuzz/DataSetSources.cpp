// Sources that make many segments (the dictionary, the verbs, the story points) as the compiler
// reads them; the input's first byte picks the kind, the rest is the source's text. A source with
// errors makes nothing, and every segment a sound one makes decompiles to a source that compiles
// back to the same segment.

#include <string>

#include "FuzzSupport.h"
#include "datafiles/Compiler.h"
#include "datafiles/Decompiler.h"
#include "datafiles/SetSourceKind.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const auto& kinds = AllSetSourceKinds();
    const SetSourceKind& kind = *kinds[input.Byte() % kinds.size()];
    const std::string text(input.Rest());

    Diagnostics diagnostics;
    const std::vector<CompiledSegment> segments =
        CompileSetSource("s" + std::string(kind.Extension()), text, {{"VERSION", "1.2.3"}}, diagnostics);
    FUZZ_CHECK(!diagnostics.HasErrors() || segments.empty());
    for (const CompiledSegment& segment : segments) {
        const DecompiledSource source = DecompileSegment(segment, "d");
        Diagnostics again;
        const auto compiled = CompileSource(source.name, source.text, {}, nullptr, again);
        FUZZ_CHECK(compiled.has_value());
        FUZZ_CHECK(compiled->key == segment.key && compiled->bytes == segment.bytes);
    }
    return 0;
}
