// The character keywords bound to push buttons: creating and deleting characters and
// relationships, clearing storytelling texts, and going to a character's page.

#include "app/DelCharCmd.h"
#include "app/FKDoc.h"
#include "query/FQSTreeSelectorView.h"
#include "query/FQSWindow.h"
#include "query/data/FQSInterpretation.h"
#include "query/keywords/CharacterKeywords.h"
#include "query/keywords/KeywordSupport.h"
#include "storymodel/CharInfoRec.h"
#include "storymodel/CharacterManager.h"

using keywords::CharacterOf;
using keywords::CharactersOf;

namespace {

constexpr const char* kDeleteRelationshipQuestion =
    "Are you sure you want to delete this relationship? You will lose any text you have entered.";
constexpr const char* kClearPageQuestion =
    "Are you sure you want to clear this page? You will lose any text you have entered.";

// A tree node of the topic whose row's page is about the character.
class NodeMatchesTopicAndCharacter : public TNodeTest {
public:
    NodeMatchesTopicAndCharacter(const FQSPageDataList& list, std::int16_t topic, CharID character)
        : list_(list), topic_(topic), character_(character) {}
    std::int16_t Test(const QRVTreeNode* node) const override {
        const auto* row = static_cast<const FQSTreeSelectorNode*>(node);
        const FQSPageData* entry = list_.At(row->GetRow());
        return row->GetTopic() == topic_ && entry && entry->GetCharacter() == character_;
    }

private:
    const FQSPageDataList& list_;
    std::int16_t topic_;
    CharID character_;
};

void GoToCharacterPage(IStoryDocument* document, std::int16_t topic, CharID character) {
    const FQSWindow* window = keywords::QueryWindowOf(document);
    if (!window || !IsValidCharID(character)) return;
    keywords::SelectFirstNode(document,
                              NodeMatchesTopicAndCharacter(window->GetQuestionList(), topic, character));
}

std::int16_t TopicOf(const FQSInterpretation& binding) {
    return static_cast<std::int16_t>(binding.GetParameter());
}

}  // namespace

// --- Creating and deleting characters

void KCreateChar::Execute(IStoryDocument* document, const FQSInterpretation& binding) {
    CharacterManager* characters = CharactersOf(document);
    if (!characters) return;
    const CharID id =
        characters->CreateCharacter(nullptr, static_cast<std::uint16_t>(characters->GetDefaultGender()),
                                    kSingularForm, 0, kNoRole, false);
    if (!IsValidCharID(id)) return;
    FQSGoToTarget target;
    target.character = id;
    target.topic = TopicOf(binding);
    keywords::RequestGoTo(document, target);
}

void KDeleteChar::Execute(IStoryDocument* document, const FQSInterpretation& binding) {
    FKDoc* story = keywords::StoryOf(document);
    CharacterManager* characters = CharactersOf(document);
    const CharID id = binding.GetCharacter();
    if (!story || !characters || !characters->HasCharacter(id)) return;
    if (!characters->ConfirmDeleteCharacter(id)) return;
    // The page's fields are bound to the character: leaving the page must not write them back.
    keywords::DiscardPageAnswers(document);
    const FQSWindow* window = keywords::QueryWindowOf(document);
    DeleteStoryCharacter(window ? window->GetApplication() : nullptr, *story, id);
    keywords::SelectAway(document);
}

void KDelChRelat::Execute(IStoryDocument* document, const FQSInterpretation& binding) {
    const CharID other = binding.GetSecondCharacter();
    const auto related = [&]() -> CharInfoRec* {
        CharInfoRec* character = CharacterOf(document, binding.GetCharacter());
        return character && character->HasRelationship(other) ? character : nullptr;
    };
    if (!related() || !keywords::ConfirmYes(kDeleteRelationshipQuestion)) return;
    // Asked again: while the question was shown the pair may have gone.
    CharInfoRec* character = related();
    if (!character) return;
    keywords::DiscardPageAnswers(document);
    character->SetRelationship("", other);
    character->RemoveRelationship(other);
    keywords::SelectAway(document);
}

// --- Storytelling texts

void TDeleteCharSTell::Execute(IStoryDocument* document, const FQSInterpretation& binding) {
    if (!CharacterOf(document, binding.GetCharacter())) return;
    if (!keywords::ConfirmYes(kClearPageQuestion)) return;
    // The page's own field would otherwise write the text back when the page is left.
    keywords::DiscardPageAnswers(document);
    // Asked again: the question may have let another window delete the character.
    if (CharInfoRec* character = CharacterOf(document, binding.GetCharacter())) {
        ClearStorytellingText(*character, binding);
        keywords::RequestGoTo(document);
    }
}

void KDeleteIntro::ClearStorytellingText(CharInfoRec& character, const QuestionContext&) {
    character.SetSWIntro("");
}

void KDeleteInter::ClearStorytellingText(CharInfoRec& character, const QuestionContext& context) {
    character.SetSWInterx(context.GetStorytellingIndex(), "");
}

void KDeleteDis::ClearStorytellingText(CharInfoRec& character, const QuestionContext&) {
    character.SetSWDismiss("");
}

// --- Going to a character's page

void KGotoChar::Execute(IStoryDocument* document, const FQSInterpretation& binding) {
    GoToCharacterPage(document, TopicOf(binding), binding.GetCharacter());
}

void KGotoRelatOth::Execute(IStoryDocument* document, const FQSInterpretation& binding) {
    GoToCharacterPage(document, TopicOf(binding), binding.GetSecondCharacter());
}
