// The macros of templates, checked as the text macro expander will read them: the macros it runs
// with the arguments it understands, the vocabulary terms, and what each macro reads from the data
// file, found or refused by the store's checks.

#include <gtest/gtest.h>

#include "DataSourceTestSupport.h"

namespace {

std::string StyledError(const std::string& body) {
    return CompileText("t.styled", "styled 'TMPL' 1\n" + body + "\n").FirstError();
}

std::vector<std::string> References(const CompiledSegment& segment) {
    std::vector<std::string> references;
    for (const SegmentReference& reference : segment.references)
        references.push_back(DescribeKey(reference.key));
    for (const RecordKeyReference& reference : segment.keyReferences)
        references.push_back(DescribeKey(reference.record) + " " + reference.key);
    return references;
}

TEST(MacroCheck, MacrosTheExpanderRunsWithTheirArguments) {
    const auto result =
        CompileText("t.styled",
                    "styled 'TMPL' 1\n"
                    "{CNN(M,NM)} {CNNU(OC,Des)} {CNN(12,NM)} {SNF(STCon)} {SNF(OCResolve)}\n"
                    "{DNF(85)} {CLS(21)} {DDF(MCPbm)} {SDF(1001)} {SLD(4)} {SYN(Resolve)}\n"
                    "{SNN(85)} {SPN(84)} {SVB(M,96,PT3)} {SVB(P,1,PRESP)} {PPN(P,1,S1 subject)}\n"
                    "{SDI(Title)} {STF(STCon)} {GDO(about ,.,)} {SUB(1)} {SUB(2)}\n"
                    "{NObst} {CObst} {LDoma} {NUniv} {IE-Process}\n");
    EXPECT_EQ(result.FirstError(), "");
}

TEST(MacroCheck, WhatTheExpanderWouldShowAsWrittenIsRefused) {
    EXPECT_EQ(StyledError("a {XYZ} b"),
              "t.styled:2: {XYZ}: no macro is called XYZ: the program would show it as written");
    EXPECT_EQ(StyledError("{Obst}"),
              "t.styled:2: {Obst}: no macro is called Obst: the program would show it as written");
    EXPECT_EQ(
        StyledError("open {SNF(85) and never closed"),
        "t.styled:2: a { that no } closes: the program would show the rest as written (a brace the reader "
        "sees is \\{)");
    EXPECT_EQ(
        StyledError("a } alone"),
        "t.styled:2: a } that no { opens: the program would show it as written (a brace the reader sees "
        "is \\})");
    EXPECT_EQ(StyledError("{SNF{SNF(85)}"), "t.styled:2: {SNF{SNF(85)}: a macro cannot hold a {");
    EXPECT_EQ(StyledError("{SNF(85)x}"),
              "t.styled:2: {SNF(85)x}: the arguments are written (a,b,...) just before the }");
    EXPECT_EQ(StyledError("{SNF)85(}"),
              "t.styled:2: {SNF)85(}: the arguments are written (a,b,...) just before the }");
    EXPECT_EQ(StyledError("{NObst(1)}"), "t.styled:2: {NObst(1)}: a term takes no arguments");
    EXPECT_EQ(StyledError("{" + std::string(40, 'N') + "}"),
              "t.styled:2: {" + std::string(40, 'N') + "}: the name is longer than 39 characters");
    EXPECT_EQ(StyledError("{GDO(a,b,c,d,e,f)}"),
              "t.styled:2: {GDO(a,b,c,d,e,f)}: a macro takes at most 5 arguments");
    EXPECT_EQ(
        StyledError("{GDO(" + std::string(20, 'a') + ",b,c)}"),
        "t.styled:2: {GDO(" + std::string(20, 'a') + ",b,c)}: an argument is longer than 19 characters");
    // A brace the reader sees is no macro.
    EXPECT_EQ(StyledError("a \\{brace\\} and \\} alone"), "");
}

TEST(MacroCheck, ArgumentsAreTheOnesTheMacroReads) {
    EXPECT_EQ(StyledError("{SNF}"), "t.styled:2: {SNF}: SNF takes 1 argument, not 0");
    EXPECT_EQ(StyledError("{SVB(S,85)}"), "t.styled:2: {SVB(S,85)}: SVB takes 3 arguments, not 2");
    EXPECT_EQ(StyledError("{SDF(STFoo)}"), "t.styled:2: {SDF(STFoo)}: no story point has the code STFoo");
    EXPECT_EQ(StyledError("{SDF(OCResolve)}"),
              "t.styled:2: {SDF(OCResolve)}: no story point has the code OCResolve");
    EXPECT_EQ(StyledError("{SDF(-1)}"), "t.styled:2: {SDF(-1)}: no story point has the code -1");
    EXPECT_EQ(StyledError("{SNF(0)}"), "t.styled:2: {SNF(0)}: 0 is no theory item, story point or value");
    EXPECT_EQ(StyledError("{SNF(453)}"),
              "t.styled:2: {SNF(453)}: 453 is no theory item, story point or value");
    EXPECT_EQ(StyledError("{SNF(1003)}"),
              "t.styled:2: {SNF(1003)}: 1003 is no theory item, story point or value");
    EXPECT_EQ(StyledError("{CNN(X,NM)}"),
              "t.styled:2: {CNN(X,NM)}: the character is M (the Main character), O (the impact character) or "
              "an id");
    EXPECT_EQ(StyledError("{CNN(M,)}"), "t.styled:2: {CNN(M,)}: the key is empty");
    // A key the character's record never holds would read as nothing.
    EXPECT_EQ(StyledError("{CNN(M,Name)}"),
              "t.styled:2: {CNN(M,Name)}: a character has no text under Name: the key is NM (the name), Des, "
              "Role, BG ... as the character's record keeps them");
    EXPECT_EQ(StyledError("{CNNU(OC,SWInter10)}"),
              "t.styled:2: {CNNU(OC,SWInter10)}: a character has no text under SWInter10: the key is NM (the "
              "name), Des, Role, BG ... as the character's record keeps them");
    EXPECT_EQ(StyledError("{CNN(M,Relat12G4)}"),
              "t.styled:2: {CNN(M,Relat12G4)}: a character has no text under Relat12G4: the key is NM (the "
              "name), Des, Role, BG ... as the character's record keeps them");
    EXPECT_EQ(StyledError("{CNN(M,SWInter9)} {CNN(O,Relat00A4)} {CNNU(MC,BG)}"), "");
    EXPECT_EQ(StyledError("{SVB(X,85,INF)}"),
              "t.styled:2: {SVB(X,85,INF)}: the subject is S (one), P (several), M or O (a character)");
    EXPECT_EQ(StyledError("{SVB(S,85,inf)}"),
              "t.styled:2: {SVB(S,85,inf)}: the verb form is INF, PTG, PT3, PAST, PRESP or PASTP");
    EXPECT_EQ(StyledError("{PPN(S,0,S1)}"),
              "t.styled:2: {PPN(S,0,S1)}: the person is M or O (a character) or P (the preferred pronoun)");
    EXPECT_EQ(
        StyledError("{PPN(M,3,S1)}"),
        "t.styled:2: {PPN(M,3,S1)}: the case is 0 (as stored), 1 (a capital first) or 2 (all capitals)");
    EXPECT_EQ(
        StyledError("{PPN(M,0,S)}"),
        "t.styled:2: {PPN(M,0,S)}: the pronoun form has two characters, as S1 (subject) or P1 (possessive)");
    EXPECT_EQ(StyledError("{APD(x)}"), "t.styled:2: {APD(x)}: the number is a record id of digits");
    EXPECT_EQ(StyledError("{SUB(3)}"),
              "t.styled:2: {SUB(3)}: SUB(1) is the bullet, SUB(2) the key that ends an answer");
}

TEST(MacroCheck, KeyedRecordsCheckTheTextsTheProgramExpands) {
    const auto result = CompileText("s.keys",
                                    "keys 'APPR' 12100\n"
                                    "VN c \"{XYZ}\"\n"
                                    "DF c \"the area {NoSuch} of concern\"\n");
    EXPECT_EQ(result.diagnostics.Messages(),
              std::vector<std::string>{
                  "s.keys:3: {NoSuch}: no macro is called NoSuch: the program would show it as written"});
}

TEST(MacroCheck, WhatTheMacrosReadIsReferenced) {
    const auto result = CompileText("t.styled",
                                    "styled 'LDEF' 85\n"
                                    "{SDF(149)} {SNN(STCon)} {SVB(S,1001,INF)} {SVB(S,84,PT3)} {APD(3)}\n"
                                    "{QQE(7)} {PPN(M,0,P1)}\n");
    ASSERT_TRUE(result.segment) << result.FirstError();
    // Element ids fold onto the first class for texts; verbs fold the story point values as well.
    EXPECT_EQ(
        References(*result.segment),
        (std::vector<std::string>{"'SDEF' 85", "'SVRB' 105", "'SVRB' 84", "'APPR' 3", "'FQQE' 7",
                                  "'PPNN' 1 S30P1", "'PPNN' 1 S31P1", "'PPNN' 1 S32P1", "'PPNN' 1 P32P1"}));
}

TEST(MacroCheck, TheStoreHoldsThePronounsTemplatesAskFor) {
    const auto pronouns = CompileText("p.keys",
                                      "keys 'PPNN' 1\n"
                                      "S30S1 c \"he\"\nS31S1 c \"she\"\nS32S1 c \"it\"\nP32S1 c \"they\"\n");
    const auto asking = CompileText("t.styled", "styled 'SDEF' 85\n{PPN(M,0,S1)} and {PPN(O,1,O1)}\n");
    ASSERT_TRUE(pronouns.segment && asking.segment);
    Diagnostics diagnostics;
    CheckStore({*pronouns.segment, *asking.segment}, "other.qrv", {"data", 0}, diagnostics);
    EXPECT_EQ(diagnostics.Messages(),
              (std::vector<std::string>{
                  "t.styled:2: {PPN(O,1,O1)} reads S30O1 of 'PPNN' 1, which has no such key",
                  "t.styled:2: {PPN(O,1,O1)} reads S31O1 of 'PPNN' 1, which has no such key",
                  "t.styled:2: {PPN(O,1,O1)} reads S32O1 of 'PPNN' 1, which has no such key",
                  "t.styled:2: {PPN(O,1,O1)} reads P32O1 of 'PPNN' 1, which has no such key"}));

    Diagnostics withoutRecord;
    CheckStore({*asking.segment}, "other.qrv", {"data", 0}, withoutRecord);
    ASSERT_FALSE(withoutRecord.Messages().empty());
    EXPECT_EQ(withoutRecord.Messages()[0],
              "t.styled:2: {PPN(M,0,S1)} reads S30S1 of 'PPNN' 1, which no source makes");
}

}  // namespace
