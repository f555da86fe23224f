// The character keywords bound to edit fields: the character's texts, its name and its
// relationship with the other character.

#include "query/data/FQSInterpretation.h"
#include "query/keywords/CharacterKeywords.h"
#include "query/keywords/KeywordSupport.h"
#include "storymodel/CharInfoRec.h"
#include "storymodel/StoryTextLimits.h"

using keywords::CharacterOf;

namespace {

void Empty(char* buffer, std::int32_t size) {
    if (buffer && size > 0) buffer[0] = '\0';
}

}  // namespace

// --- CharacterTextField

std::string CharacterTextField::Key(const FQSInterpretation&) const { return key_; }

void CharacterTextField::GetText(IStoryDocument* document, const FQSInterpretation& binding, char* buffer,
                                 std::int32_t size) {
    Empty(buffer, size);
    CharInfoRec* character = CharacterOf(document, binding.GetCharacter());
    const std::string key = Key(binding);
    if (character && !key.empty() && size > 0)
        character->GetText(key, buffer, static_cast<std::uint32_t>(size));
}

void CharacterTextField::SetText(IStoryDocument* document, const FQSInterpretation& binding,
                                 const char* text) {
    CharInfoRec* character = CharacterOf(document, binding.GetCharacter());
    const std::string key = Key(binding);
    if (character && !key.empty()) character->SetText(key, text ? text : "");
}

std::uint32_t CharacterTextField::TextLimit() const { return CharacterTextLimit(key_); }

std::string KChRefInter::Key(const FQSInterpretation& binding) const {
    const std::int16_t index = binding.GetStorytellingIndex();
    if (index < 0 || index > 9) return {};
    return CharacterTextField::Key(binding) + static_cast<char>('0' + index);
}

// --- Name

void KChRefNm::GetText(IStoryDocument* document, const FQSInterpretation& binding, char* buffer,
                       std::int32_t size) {
    Empty(buffer, size);
    CharInfoRec* character = CharacterOf(document, binding.GetCharacter());
    if (character && size > 0) character->GetName(buffer, static_cast<std::uint32_t>(size));
}

void KChRefNm::SetText(IStoryDocument* document, const FQSInterpretation& binding, const char* text) {
    if (CharInfoRec* character = CharacterOf(document, binding.GetCharacter())) character->SetName(text);
}

std::uint32_t KChRefNm::TextLimit() const { return static_cast<std::uint32_t>(kMaxCharacterName); }

// --- Relationship

void KChRefRelat::GetText(IStoryDocument* document, const FQSInterpretation& binding, char* buffer,
                          std::int32_t size) {
    Empty(buffer, size);
    CharInfoRec* character = CharacterOf(document, binding.GetCharacter());
    if (character && size > 0)
        character->GetRelationship(buffer, static_cast<std::uint32_t>(size), binding.GetSecondCharacter());
}

void KChRefRelat::SetText(IStoryDocument* document, const FQSInterpretation& binding, const char* text) {
    CharInfoRec* character = CharacterOf(document, binding.GetCharacter());
    const CharID other = binding.GetSecondCharacter();
    if (character && character->HasRelationship(other)) character->SetRelationship(text ? text : "", other);
}
