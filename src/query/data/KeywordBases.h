#pragma once
// The bases of the page keywords that bind controls.

#include "query/data/TFQSInterpretable.h"

// A keyword without parameters that binds itself: written {Name()}.
class FQSExecutable : public TFQSInterpretable {
public:
    using TFQSInterpretable::TFQSInterpretable;

    TFQSInterpretable* Interpret(char* out, const char*& source, std::int32_t remaining,
                                 IStoryDocument* document, FQSInterpretation& interpretation,
                                 std::int32_t& parameter) override;
};

// A keyword that binds itself and reads one signed number into the interpretation's parameter:
// written {Name(12)}.
class FQSExecute1Param : public TFQSInterpretable {
public:
    using TFQSInterpretable::TFQSInterpretable;

    TFQSInterpretable* Interpret(char* out, const char*& source, std::int32_t remaining,
                                 IStoryDocument* document, FQSInterpretation& interpretation,
                                 std::int32_t& parameter) override;
};

// A popup keyword that stores the popup index as the value.
class FQSExecutablePopup : public FQSExecutable {
public:
    using FQSExecutable::FQSExecutable;

    bool AcceptChoice(TControl* control, std::int16_t& value, IStoryDocument* document,
                      const FQSInterpretation& binding) override;
};
