// Segments as the decompiler reads them out of a data file; the input's first byte picks the
// segment's type (and for an item list its object kind), the rest are its bytes. Whatever the
// bytes, the source the decompiler writes must compile back to the same segment.

#include "FuzzSupport.h"
#include "datafiles/Compiler.h"
#include "datafiles/Decompiler.h"
#include "datafiles/ItemRecords.h"

namespace {

constexpr FourCC kTypes[] = {FourCCOf("INFO"), FourCCOf("PPNN"), FourCCOf("ITM#"), FourCCOf("CURS"),
                             FourCCOf("BITM"), FourCCOf("CPIX"), FourCCOf("NOTE")};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const std::uint8_t choice = input.Byte();
    SegmentData segment;
    segment.key = {kTypes[choice % std::size(kTypes)], input.Short()};
    if (segment.key.type == FourCCOf("ITM#")) {
        segment.kind = kObjectSegment;
        segment.classId = choice & 0x80 ? 7 : kItemListClassId;
    }
    const std::string_view bytes = input.Rest();
    segment.bytes.assign(bytes.begin(), bytes.end());

    const DecompiledSource source = DecompileSegment(segment, "d");
    const CompanionLoader companions =
        [&](const std::string& file) -> std::optional<std::vector<std::uint8_t>> {
        const auto found = source.companions.find(file);
        if (found == source.companions.end()) return std::nullopt;
        return found->second;
    };
    Diagnostics diagnostics;
    const auto compiled = CompileSource(source.name, source.text, {}, companions, diagnostics);
    FUZZ_CHECK(compiled.has_value());
    FUZZ_CHECK(compiled->bytes == segment.bytes && compiled->kind == segment.kind &&
               compiled->classId == segment.classId);
    return 0;
}
