// Keyed records compiled from sources: the stored text of the keyed-record layout, and the checks
// of the records the program reads.

#include <gtest/gtest.h>

#include <algorithm>

#include "DataSourceTestSupport.h"

namespace {

// A record's stored text: its entries, then a backslash and a NUL.
std::string Record(const std::string& entries) { return entries + "\\" + std::string(1, '\0'); }

std::string Stored(const CompileResult& result) {
    if (!result.segment) return "not compiled: " + result.FirstError();
    return std::string(result.segment->bytes.begin(), result.segment->bytes.end());
}

TEST(KeyedRecordSource, EntriesAreStoredInKeyOrder) {
    const auto result = CompileText("test.keys",
                                    "# a record no schema describes\n"
                                    "keys 'TEST' 3\n"
                                    "Sex s 1\n"
                                    "NM c \"Bob\"\n"
                                    "Ratio d 2.5\n"
                                    "Tiny f 0.1\n"
                                    "Count l -70000\n");
    EXPECT_EQ(Stored(result), Record("\\Countl:-70000\\NMc:Bob\\Ratiod:2.500000\\Sexs:1\\Tinyf:0.100000"));
    EXPECT_EQ(result.segment->key.type, FourCCOf("TEST"));
    EXPECT_EQ(result.segment->key.id, 3);
    EXPECT_EQ(result.segment->kind, kRawSegment);
    EXPECT_EQ(result.segment->priority, 1);
}

TEST(KeyedRecordSource, TextsGoOnOverLinesAndLongOnesKeepTheirLength) {
    const std::string longText(120, 'x');
    const auto result = CompileText("test.keys",
                                    "keys 'TEST' 0 priority 3 preload\n"
                                    "\"Ill 1\" c \"a\\\\b\"\n"
                                    "Desc c \"" +
                                        longText.substr(0, 60) +
                                        "\"\n"
                                        "       \"" +
                                        longText.substr(60) + "\"\n");
    EXPECT_EQ(Stored(result), Record("\\Descc120:" + longText + "\\Ill 1c3:a\\b"));
    EXPECT_EQ(result.segment->priority, 3);
    EXPECT_TRUE(result.segment->preload);
}

TEST(KeyedRecordSource, VersionRecordIsChecked) {
    const std::string header = "keys 'INFO' 0\n";
    EXPECT_EQ(CompileText("v.keys", header + "MajVer s 300\n").FirstError(),
              "v.keys:2: the value of MajVer 300 is outside 0 to 255");
    EXPECT_EQ(
        CompileText("v.keys", header + "Vers c \"1.0\"\nVersion c \"x\"\n").FirstError(),
        "v.keys:3: unknown key Version: the version record holds MajVer, MinVer, MaintVer, FileFmt, Vers, "
        "Copyright, CreditA, CreditB");
    EXPECT_EQ(CompileText("v.keys", header + "Vers s 1\n").FirstError(), "v.keys:2: Vers is read as type c");
    EXPECT_EQ(CompileText("v.keys", header + "Vers c \"1.0.0 release 7\"\n").FirstError(),
              "v.keys:2: the text of Vers has 15 characters; the program reads at most 11");
    EXPECT_EQ(CompileText("v.keys", header + "MinVer s 2\nVers c \"1.3\"\n").FirstError(),
              "v.keys:2: MinVer is 2 but Vers \"1.3\" reads as 3");
    const std::string half(500, 'c');
    EXPECT_EQ(CompileText("v.keys", header + "CreditA c \"" + half + "\"\n\nCreditB c \"" + half + "\"\n")
                  .FirstError(),
              "v.keys:4: CreditA and CreditB are read one after the other into 1000 bytes: together they may "
              "have at "
              "most 999 characters, not 1000");
    EXPECT_TRUE(
        CompileText("v.keys", header + "CreditA c \"" + half + "\"\nCreditB c \"" + half.substr(1) + "\"\n")
            .segment.has_value());
}

TEST(KeyedRecordSource, PronounKeysFollowTheirPattern) {
    const std::string header = "keys 'PPNN' 1\n";
    EXPECT_TRUE(CompileText("p.keys", header + "S30P2 c \"his\"\nS31P2 c \"hers\"\nS32P2 c \"its\"\n"
                                               "P32P2 c \"theirs\"\n")
                    .segment.has_value());
    EXPECT_EQ(CompileText("p.keys", header + "P30S1 c \"they\"\n").FirstError(),
              "p.keys:2: the key P30S1 does not fit: plural pronouns are read with the sex digit 2 only");
    EXPECT_EQ(CompileText("p.keys", header + "S40S1 c \"he\"\n").FirstError(),
              "p.keys:2: the key S40S1 does not fit: pronoun keys are S or P, 3, a sex digit 0 to 2 and a "
              "two-character form, as in S30P1");
    EXPECT_EQ(CompileText("p.keys", header + "S30S1 c \"" + std::string(64, 'h') +
                                        "\"\nS31S1 c \"she\"\nS32S1 c \"it\"\nP32S1 c \"they\"\n")
                  .FirstError(),
              "p.keys:2: the text of S30S1 has 64 characters; the program reads at most 63");
}

TEST(KeyedRecordSource, ReportTemplatesAreStyledTextsUnderSnKeysThatFitTheWorkBuffer) {
    const std::string header = "keys 'RPTX' 2\n";
    EXPECT_NE(Stored(CompileText("r.keys", header + "S1 c \"<B+>{SNF(STDom)}<B->\"\n"))
                  .find("\xC7"
                        "B+"
                        "\xC8{SNF(STDom)}\xC7"
                        "B-"
                        "\xC8"),
              std::string::npos);
    EXPECT_EQ(CompileText("r.keys", header + "T1 c \"x\"\n").FirstError(),
              "r.keys:2: the key T1 does not fit: report template keys are S and a number from 1, as in S12");
    EXPECT_EQ(CompileText("r.keys", header + "S0 c \"x\"\n").FirstError(),
              "r.keys:2: the key S0 does not fit: report template keys are S and a number from 1, as in S12");
    EXPECT_TRUE(
        CompileText("r.keys", header + "S1 c \"" + std::string(20479, 'x') + "\"\n").segment.has_value());
    EXPECT_EQ(CompileText("r.keys", header + "S1 c \"" + std::string(20480, 'x') + "\"\n").FirstError(),
              "r.keys:2: the text of S1 has 20480 characters; the program reads at most 20479");
}

TEST(KeyedRecordSource, ReportTemplatesHoldTheKeysTheirReportsRead) {
    // Read whole: S1 and the keys after it without a gap.
    EXPECT_TRUE(
        CompileText("r.keys", "keys 'RPTX' 70\nS1 c \"a\"\nS2 c \"b\"\nS3 c \"c\"\n").segment.has_value());
    EXPECT_EQ(CompileText("r.keys", "keys 'RPTX' 70\nS2 c \"b\"\n").FirstError(),
              "r.keys:1: template 70 needs S1: its report reads from S1 up to the first key missing");
    EXPECT_EQ(CompileText("r.keys", "keys 'RPTX' 70\nS1 c \"a\"\nS2 c \"b\"\nS4 c \"d\"\n").FirstError(),
              "r.keys:4: template 70 lacks S3: its report stops reading there, and the keys after it would "
              "never be read");
    // Read key by key: exactly the builder's keys (the closing notes read S1 and S2).
    EXPECT_TRUE(CompileText("r.keys", "keys 'RPTX' 1072\nS1 c \"a\"\nS2 c \"b\"\n").segment.has_value());
    EXPECT_EQ(CompileText("r.keys", "keys 'RPTX' 1072\nS1 c \"a\"\n").FirstError(),
              "r.keys:1: template 1072 needs S2: its report reads it");
    EXPECT_EQ(CompileText("r.keys", "keys 'RPTX' 1072\nS1 c \"a\"\nS2 c \"b\"\nS3 c \"c\"\n").FirstError(),
              "r.keys:4: template 1072 is never read under S3");
    // The type contrast reads S1 and S3, never S2.
    EXPECT_EQ(CompileText("r.keys", "keys 'RPTX' 1008\nS1 c \"a\"\nS2 c \"b\"\nS3 c \"c\"\n").FirstError(),
              "r.keys:3: template 1008 is never read under S2");
    EXPECT_EQ(CompileText("r.keys", "keys 'RPTX' 70\nS1 c \"a\"\nS64 c \"b\"\n").FirstError(),
              "r.keys:3: template 70 is never read under S64: a template read whole holds S1 to S63 at most");
    EXPECT_EQ(CompileText("r.keys", "keys 'RPTX' 39\nS1 c \"a\"\n").FirstError(),
              "r.keys:1: no report reads template 39");
}

// The words of a report may wait on the storyform's choices: each condition whole, its codes story
// points, its first part naming only what it waits on, and the macros of both parts checked.
TEST(KeyedRecordSource, ReportTemplatesWaitOnChoicesInWholeConditions) {
    const auto error = [](const std::string& text) {
        return CompileText("r.keys", "keys 'RPTX' 70\nS1 c \"" + text + "\"\n").FirstError();
    };
    EXPECT_EQ(
        error("Answer: {IFCH(STDom,MCDom)}{SNF(STDom)} and {SNF(MCDom)}{ELSE}not chosen yet{ENDIF}. "
              "{IFCH(OCResolve)}{SNF(OCResolve)}{ENDIF} {IFCH(MCName,OCName,Title)}{SDI(Title)}{ENDIF}"),
        "");
    EXPECT_EQ(error("{IFCH(STDom,STFoo)}x{ENDIF}"),
              "r.keys:2: {IFCH(STDom,STFoo)}: no story point has the code STFoo");
    EXPECT_EQ(error("{IFCH(STDom)}{SNF(MCDom)}{ELSE}not yet{ENDIF}"),
              "r.keys:2: {IFCH(STDom)}: names MCDom, which it does not wait on");
    const std::string form = ": a condition is written {IFCH(code,...)} ... {ELSE} ... {ENDIF}";
    EXPECT_EQ(error("{IFCH(STDom)}never ended"), "r.keys:2: {IFCH(STDom)}" + form);
    EXPECT_EQ(error("{IFCH(STDom,)}x{ENDIF}"),
              "r.keys:2: {IFCH(STDom,)}: a condition names a story point code between each pair of commas");
    EXPECT_EQ(
        error("{IFCH(STDom)}a{IFCH(MCDom)}b{ENDIF}"),
        "r.keys:2: {IFCH(STDom)}: conditions do not nest: each {IFCH( ends with its {ENDIF} before the next");
    EXPECT_EQ(error("{IFCH(STDom)}a{ELSE}b{ELSE}c{ENDIF}"),
              "r.keys:2: {IFCH(STDom)}: a condition has one {ELSE} at most");
    EXPECT_EQ(error("a {ELSE} b"), "r.keys:2: an {ELSE} or {ENDIF} that no {IFCH(...)} opens");
    // The macros of the second part are checked as well.
    EXPECT_EQ(error("{IFCH(STDom)}x{ELSE}{SNF(STFoo)}{ENDIF}"),
              "r.keys:2: {SNF(STFoo)}: no story point has the code STFoo");
    // The application data file's conditions, as the reports read them, pass: other records may not.
    EXPECT_EQ(CompileText("t.styled", "styled 'TMPL' 1\n{IFCH(STDom)}x{ENDIF}\n").FirstError(),
              "t.styled:2: {IFCH(STDom)}: no macro is called IFCH: the program would show it as written");
}

TEST(KeyedRecordSource, TheApplicationDataFileHoldsEveryTemplateAReportReads) {
    const auto guide = CompileText("r.keys", "keys 'RPTX' 70\nS1 c \"a\"\n");
    ASSERT_TRUE(guide.segment.has_value());
    Diagnostics diagnostics;
    CheckStore({*guide.segment}, "Fablecor.qrv", {"data", 0}, diagnostics);
    const auto& messages = diagnostics.Messages();
    const auto needs = [&](int number) {
        const std::string message = "data: Fablecor.qrv needs 'RPTX' " + std::to_string(number) +
                                    " (the words of a report, read by its section); no source makes it";
        return std::find(messages.begin(), messages.end(), message) != messages.end();
    };
    EXPECT_TRUE(needs(2));
    EXPECT_TRUE(needs(1000));
    EXPECT_TRUE(needs(1098));
    EXPECT_FALSE(needs(70));
    EXPECT_FALSE(needs(39));
}

TEST(KeyedRecordSource, EveryPronounFormServesEveryCharacter) {
    // A template reads a form with the sex and number of whatever character it names.
    const auto result = CompileText("p.keys",
                                    "keys 'PPNN' 1\n"
                                    "S30R1 c \"himself\"\n"
                                    "S31R1 c \"herself\"\n"
                                    "P32R1 c \"themselves\"\n"
                                    "S31O1 c \"her\"\n");
    EXPECT_EQ(result.diagnostics.Messages(),
              (std::vector<std::string>{
                  "p.keys:5: the form O1 needs S30O1 as well: a template reads it for every character",
                  "p.keys:5: the form O1 needs S32O1 as well: a template reads it for every character",
                  "p.keys:5: the form O1 needs P32O1 as well: a template reads it for every character",
                  "p.keys:2: the form R1 needs S32R1 as well: a template reads it for every character",
              }));
}

TEST(KeyedRecordSource, EntriesThatCannotBeStoredAreRefused) {
    const std::string header = "keys 'TEST' 0\n";
    EXPECT_EQ(CompileText("t.keys", header + "A s 1\nA s 2\n").FirstError(),
              "t.keys:3: the key A is given twice (first at line 2)");
    EXPECT_EQ(CompileText("t.keys", header + "A s 40000\n").FirstError(),
              "t.keys:2: the value of A 40000 is outside -32768 to 32767");
    EXPECT_EQ(CompileText("t.keys", header + "A d 1.5x\n").FirstError(),
              "t.keys:2: the value of A must be a decimal number, not 1.5x");
    EXPECT_EQ(CompileText("t.keys", header + "\"A:B\" c \"x\"\n").FirstError(),
              "t.keys:2: a key is not empty and holds no backslash, colon or NUL byte");
    EXPECT_EQ(CompileText("t.keys", header + std::string(24, 'K') + " c \"x\"\n").FirstError(),
              "t.keys:2: the key " + std::string(24, 'K') +
                  " is too long: key, type letter and length take at most 24 characters");
    EXPECT_EQ(CompileText("t.keys", header + "A c \"x\\x00y\"\n").FirstError(),
              "t.keys:2: a text value cannot hold a NUL byte");
    EXPECT_EQ(CompileText("t.keys", header + "\"more\"\n").FirstError(),
              "t.keys:2: a quoted text goes on the text of the entry above; there is none");
    EXPECT_EQ(CompileText("t.keys", header + "A q 1\n").FirstError(),
              "t.keys:2: an entry is a key, a type letter (c s i l f d x) and a value");
}

}  // namespace
