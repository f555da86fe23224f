#pragma once
// The navigation, action and text keywords: buttons that go to another page or question list and
// print a report, and texts of the act, storytelling interaction, character name and throughline
// of the page's context.

#include "query/data/KeywordBases.h"

// Registers the 8 navigation, action and text keywords (once; later calls do nothing).
void RegisterNavigationKeywords();

// Selects the first page of the parameter's topic in the topic tree.
class KGotoPage final : public FQSExecute1Param {
public:
    KGotoPage() : FQSExecute1Param("GotoPage") {}
    void Execute(IStoryDocument* document, const FQSInterpretation& binding) override;
};

// Opens the question list with the parameter's id.
class KGotoQLST final : public FQSExecute1Param {
public:
    KGotoQLST() : FQSExecute1Param("GotoQLST") {}
    void Execute(IStoryDocument* document, const FQSInterpretation& binding) override;
};

// Prints the report with the parameter's id; a failure shows the print error.
class KPrintRep final : public FQSExecute1Param {
public:
    static constexpr const char* kJobTitle = "Print Report";
    KPrintRep() : FQSExecute1Param("PrintRep") {}
    void Execute(IStoryDocument* document, const FQSInterpretation& binding) override;
};

// Writes a context number + n + 1 for the parameter n, when at least 8 bytes of room are left.
class ContextNumberText : public TFQSInterpretable {
public:
    using TFQSInterpretable::TFQSInterpretable;
    TFQSInterpretable* Interpret(char* out, const char*& source, std::int32_t remaining,
                                 IStoryDocument* document, FQSInterpretation& interpretation,
                                 std::int32_t& parameter) override;

protected:
    virtual std::int16_t Field(const FQSInterpretation& interpretation) const = 0;
};

// The act: {ACT(0)} is the context's act, {ACT(1)} the next one.
class KACT final : public ContextNumberText {
public:
    KACT() : ContextNumberText("ACT") {}

protected:
    std::int16_t Field(const FQSInterpretation& interpretation) const override;
};

// The same as ACT.
class KSpJr final : public ContextNumberText {
public:
    KSpJr() : ContextNumberText("SpJr") {}

protected:
    std::int16_t Field(const FQSInterpretation& interpretation) const override;
};

// The storytelling interaction.
class KINTER final : public ContextNumberText {
public:
    KINTER() : ContextNumberText("INTER") {}

protected:
    std::int16_t Field(const FQSInterpretation& interpretation) const override;
};

// {NAME(1)}: the character's name; any other digit: the other character's.
class KNAME final : public TFQSInterpretable {
public:
    KNAME() : TFQSInterpretable("NAME") {}
    TFQSInterpretable* Interpret(char* out, const char*& source, std::int32_t remaining,
                                 IStoryDocument* document, FQSInterpretation& interpretation,
                                 std::int32_t& parameter) override;
};

// A throughline's name in a style: {THR(L)} for the context's throughline, {THR(S,2)} or
// {THR(X,MC)} for a chosen one. The long style "L", the short style "S", any other letter the
// abbreviations; the {N...} story names in them are left for the macro expander.
class KTHR final : public TFQSInterpretable {
public:
    KTHR() : TFQSInterpretable("THR") {}
    TFQSInterpretable* Interpret(char* out, const char*& source, std::int32_t remaining,
                                 IStoryDocument* document, FQSInterpretation& interpretation,
                                 std::int32_t& parameter) override;
};
