// How texts are written in data sources: every byte has a way to be written, and the styled
// notation stores the characters the program protects in their escaped form.

#include "datafiles/TextNotation.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Decode(const std::string& source, Notation notation = Notation::kPlain,
                   const Variables& variables = {}) {
    std::string error;
    const auto bytes = DecodeNotation(source, notation, variables, error);
    return bytes ? *bytes : "error: " + error;
}

std::string AllBytes() {
    std::string bytes;
    for (int b = 0; b < 256; ++b) bytes += static_cast<char>(b);
    return bytes;
}

TEST(TextNotation, EveryByteSurvivesBothNotations) {
    const std::string bytes = AllBytes() +
                              "\n\n{B+}<B+><M(1,2,3)>${X}\xB0\x30\xB0\xB0\xC7"
                              "B+\xC8\n";
    for (Notation notation : {Notation::kPlain, Notation::kStyled}) {
        for (bool quoted : {true, false}) {
            const std::string source = EncodeNotation(bytes, notation, quoted);
            EXPECT_EQ(Decode(source, notation), bytes) << source;
            // A quoted text stays on one line.
            if (quoted) {
                EXPECT_EQ(source.find('\n'), std::string::npos) << source;
            }
        }
    }
}

TEST(TextNotation, PlainTextsAreWindows1252) {
    EXPECT_EQ(Decode("Caf\xC3\xA9 \xE2\x82\xAC 5\\n"), "Caf\xE9 \x80 5\n");
    EXPECT_EQ(Decode("a\\\\b\\\"c\\x01\\$"), "a\\b\"c\x01$");
    EXPECT_EQ(EncodeNotation("Caf\xE9\t\x81", Notation::kPlain, true), "Caf\xC3\xA9\\t\\x81");
    EXPECT_EQ(Decode("\xE2\x86\x92"),
              "error: \"\xE2\x86\x92\" has no Windows-1252 character; write it as \\xHH");
    EXPECT_EQ(Decode("a\\qb"), "error: unknown escape \\q");
    EXPECT_EQ(Decode("\\x4"), "error: \\x needs two hexadecimal digits");
    EXPECT_EQ(Decode("\\{"), "error: unknown escape \\{");
}

TEST(TextNotation, VariablesComeFromTheBuild) {
    const Variables variables = {{"VERSION", "1.2.0"}, {"COPYRIGHT", "\xC2\xA9 Us"}};
    EXPECT_EQ(Decode("v${VERSION} ${COPYRIGHT}", Notation::kPlain, variables), "v1.2.0 \xA9 Us");
    EXPECT_EQ(Decode("${NONE}", Notation::kPlain, variables), "error: no build variable ${NONE}");
    EXPECT_EQ(EncodeNotation("${VERSION}", Notation::kPlain, true), "\\${VERSION}");
}

TEST(TextNotation, StyledTextsEscapeWhatTheReaderSees) {
    EXPECT_EQ(Decode("<B+>Hi<B-> {SNF(85)} \\{x\\} a\\/b \\\\", Notation::kStyled),
              "\xC7"
              "B+\xC8Hi\xC7"
              "B-\xC8 {SNF(85)} \xB0"
              "0x\xB0"
              "1 a\xB0"
              "2b \xB0"
              "3");
    EXPECT_EQ(Decode("\xC2\xB0 \xC3\x87 \xC3\x88 a/b", Notation::kStyled),
              "\xB0\xB0 \xB0"
              "4 \xB0"
              "5 a/b");
    EXPECT_EQ(Decode("<M(10,-30,0)><X> \\<I+>", Notation::kStyled), "\xC7M(10,-30,0)\xC8<X> <I+>");
    EXPECT_EQ(EncodeNotation("\xC7U+\xC8<I->\xB0\x39", Notation::kStyled, false), "<U+>\\<I->\\xB09");
    // A style code that is well formed but not written the way sources write it stays as bytes.
    EXPECT_EQ(EncodeNotation("\xC7"
                             "B+x\xC8",
                             Notation::kStyled, false),
              "\\xC7B+x\\xC8");
}

TEST(TextNotation, TextBodiesEndWithoutLineBreaks) {
    EXPECT_EQ(EncodeNotation("one\ntwo\n\n", Notation::kPlain, false), "one\ntwo\\n\\n");
    EXPECT_EQ(EncodeNotation("one\ntwo", Notation::kPlain, true), "one\\ntwo");
}

TEST(TextNotation, StyleMarkups) {
    for (const char* body : {"B+", "I-", "U+", "M(0,0,0)", "M(-1,22,333)"})
        EXPECT_TRUE(IsStyleMarkup(body)) << body;
    for (const char* body :
         {"B", "B*", "X+", "M(1,2)", "M(1,2,3", "M(1,,3)", "M( 1,2,3)", "M(1,2,3)x", "B+x"}) {
        EXPECT_FALSE(IsStyleMarkup(body)) << body;
    }
}

}  // namespace
