#include "query/data/TFQSInterpretable.h"

#include <algorithm>

#include "storymodel/StoryTextLimits.h"

namespace {

// Made by the first keyword that is made, whenever that is during the program's start.
std::vector<TFQSInterpretable*>& Registry() {
    static std::vector<TFQSInterpretable*> registry;
    return registry;
}

bool NameLess(const TFQSInterpretable* keyword, std::string_view name) { return keyword->GetName() < name; }

}  // namespace

TFQSInterpretable::TFQSInterpretable(const char* name) : name_(name) {
    std::vector<TFQSInterpretable*>& registry = Registry();
    registry.insert(std::lower_bound(registry.begin(), registry.end(), std::string_view(name), NameLess),
                    this);
}

TFQSInterpretable::~TFQSInterpretable() {
    std::vector<TFQSInterpretable*>& registry = Registry();
    registry.erase(std::remove(registry.begin(), registry.end(), this), registry.end());
}

void TFQSInterpretable::GetText(IStoryDocument*, const FQSInterpretation&, char* buffer, std::int32_t size) {
    if (buffer && size > 0) buffer[0] = '\0';
}

void TFQSInterpretable::SetText(IStoryDocument*, const FQSInterpretation&, const char*) {}

std::uint32_t TFQSInterpretable::TextLimit() const { return kLongTextLimit; }

std::int16_t TFQSInterpretable::GetChoice(IStoryDocument*, const FQSInterpretation&) { return 0; }

void TFQSInterpretable::SetChoice(IStoryDocument*, const FQSInterpretation&, std::int16_t) {}

bool TFQSInterpretable::AcceptChoice(TControl*, std::int16_t&, IStoryDocument*, const FQSInterpretation&) {
    return false;
}

void TFQSInterpretable::ChoiceToIndex(std::int16_t&) {}

void TFQSInterpretable::Execute(IStoryDocument*, const FQSInterpretation&) {}

void TFQSInterpretable::CheckChanged(IStoryDocument*, const FQSInterpretation&, std::int16_t) {}

TFQSInterpretable* FindKeyword(std::string_view name) {
    const std::vector<TFQSInterpretable*>& registry = Registry();
    const auto found = std::lower_bound(registry.begin(), registry.end(), name, NameLess);
    return found != registry.end() && (*found)->GetName() == name ? *found : nullptr;
}

const std::vector<TFQSInterpretable*>& RegisteredKeywords() { return Registry(); }

std::int16_t ReadKeywordNumber(const char*& source) {
    bool negative = false;
    if (*source == '+' || *source == '-') negative = *source++ == '-';
    std::uint16_t value = 0;
    while (*source >= '0' && *source <= '9')
        value = static_cast<std::uint16_t>(value * 10 + (*source++ - '0'));
    if (*source == ',') ++source;
    return static_cast<std::int16_t>(negative ? -value : value);
}
