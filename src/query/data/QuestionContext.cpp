#include "query/data/QuestionContext.h"

namespace {

// A 16-bit value shifted left and cut to 16 bits, as a signed term.
std::int16_t Shifted(std::uint16_t value, int bits) { return static_cast<std::int16_t>(value << bits); }

}  // namespace

std::int16_t QuestionContext::ReadThroughline() const {
    return throughline_ >= 0 && throughline_ < kThroughlineCount ? throughline_ : kNone;
}

void QuestionContext::SetCharacterByMode(int mode, CharID id) {
    if (mode == kCharacterMode) character_ = id;
    if (mode == kSecondCharacterMode) secondCharacter_ = id;
}

void QuestionContext::SetNumberByMode(int mode, std::int16_t value) {
    switch (mode) {
        case kThroughlineMode: throughline_ = value; break;
        case kStorytellingMode: storytelling_ = value; break;
        case kActMode: act_ = value; break;
        case kSceneMode: scene_ = value; break;
        default: break;
    }
}

void QuestionContext::FillFrom(const QuestionContext& other) {
    if (character_ == kNoCharID) character_ = other.character_;
    if (secondCharacter_ == kNoCharID) secondCharacter_ = other.secondCharacter_;
    if (throughline_ == kNone) throughline_ = other.throughline_;
    if (storytelling_ == kNone) storytelling_ = other.storytelling_;
    if (act_ == kNone) act_ = other.act_;
    if (scene_ == kNone) scene_ = other.scene_;
}

std::int16_t QuestionContext::GetContextKey() const {
    const std::int16_t character = static_cast<std::int16_t>(character_);
    const std::int16_t second = secondCharacter_ == kNoCharID ? kNone : Shifted(secondCharacter_, 8);
    const std::int16_t storytelling =
        storytelling_ == kNone ? kNone : Shifted(static_cast<std::uint16_t>(storytelling_), 8);
    const std::int16_t act = act_ == kNone ? kNone : Shifted(static_cast<std::uint16_t>(act_), 2);
    const std::int16_t throughline = act == kNone ? kNone : ReadThroughline();
    return static_cast<std::int16_t>(character ^ second ^ storytelling ^ act ^ throughline ^ scene_);
}
