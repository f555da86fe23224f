// The decompiler's choice between a readable source and raw bytes, and its file names.

#include "datafiles/Decompiler.h"

#include <gtest/gtest.h>

#include "DataSourceTestSupport.h"
#include "datafiles/SegmentTypes.h"

namespace {

SegmentData Raw(const std::string& type, std::uint16_t id, const std::string& bytes) {
    SegmentData segment;
    segment.key = {MakeFourCC(type[0], type[1], type[2], type[3]), id};
    segment.bytes.assign(bytes.begin(), bytes.end());
    return segment;
}

TEST(Decompiler, RecordsOfUnknownTypesAreStillRead) {
    const DecompiledSource source =
        DecompileSegment(Raw("APPR", 1000, std::string("\\DFc:Resolve\\\0", 14)), "APPR-1000");
    EXPECT_EQ(source.name, "APPR-1000.keys");
    EXPECT_EQ(source.text, "keys 'APPR' 1000\nDF c \"Resolve\"\n");
}

TEST(Decompiler, WhatWouldNotCompileBackStaysRaw) {
    // A record written with a redundant length would lose it when written anew.
    const SegmentData redundant = Raw("INFO", 0, std::string("\\Versc3:1.0\\\0", 13));
    const DecompiledSource source = DecompileSegment(redundant, "INFO-0");
    EXPECT_EQ(source.name, "INFO-0.raw");
    EXPECT_EQ(source.text, "raw 'INFO' 0\n5c 56 65 72 73 63 33 3a 31 2e 30 5c 00\n");
    const auto again = CompileText(source.name, source.text);
    ASSERT_TRUE(again.segment);
    EXPECT_EQ(again.segment->bytes, redundant.bytes);

    SegmentData object = Raw("ITM#", 9, "\x01\x02");
    object.kind = kObjectSegment;
    object.classId = 106;
    object.priority = 0;
    const DecompiledSource list = DecompileSegment(object, "ITM#-9");
    EXPECT_EQ(list.text, "raw 'ITM#' 9 priority 0 object 106\n01 02\n");
}

TEST(Decompiler, TextsKeepTheirEnd) {
    const struct {
        const SourceKind& kind;
        std::string source;
        std::string stored;
    } cases[] = {
        {TextSource(), "text 'NOTE' 3\nTwo\nlines\\n\n\n", std::string("Two\nlines\n\0", 11)},
        {TextSource(), "text 'NOTE' 3 unterminated\nab", "ab"},
        {StyledTextSource(), "styled 'SDEF' 85\n<B+>\\{x\\}<B->\n\n",
         std::string("\xC7"
                     "B+\xC8\xB0"
                     "0x\xB0"
                     "1\xC7"
                     "B-\xC8\0",
                     14)},
    };
    for (const auto& c : cases) {
        const std::string name = "t" + std::string(c.kind.Extension());
        const auto compiled = CompileText(name, c.source);
        ASSERT_TRUE(compiled.segment) << compiled.FirstError();
        EXPECT_EQ(compiled.segment->bytes, BytesOf(c.stored)) << c.source;
        auto source = c.kind.Decompile(*compiled.segment, "t");
        ASSERT_TRUE(source);
        const auto again = CompileText(name, source->text);
        ASSERT_TRUE(again.segment) << again.FirstError();
        EXPECT_EQ(again.segment->bytes, compiled.segment->bytes) << source->text;
    }
}

TEST(Decompiler, SourceNamesTellTypeAndId) {
    EXPECT_EQ(SourceBaseName({FourCCOf("ITM#"), 1070}), "ITM#-1070");
    EXPECT_EQ(SourceBaseName({FourCCOf("FQS "), 5}), "FQS_20-5");
}

}  // namespace
