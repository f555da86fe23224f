#include "query/data/KeywordBases.h"

TFQSInterpretable* FQSExecutable::Interpret(char*, const char*&, std::int32_t, IStoryDocument*,
                                            FQSInterpretation&, std::int32_t&) {
    return this;
}

TFQSInterpretable* FQSExecute1Param::Interpret(char*, const char*& source, std::int32_t, IStoryDocument*,
                                               FQSInterpretation&, std::int32_t& parameter) {
    parameter = ReadKeywordNumber(source);
    return this;
}

bool FQSExecutablePopup::AcceptChoice(TControl*, std::int16_t&, IStoryDocument*, const FQSInterpretation&) {
    return true;
}
