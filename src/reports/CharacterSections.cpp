// The report sections of the characters: every character's characteristics with a conflict
// sentence for each (report id 59), the characters' introductions, dismissals and relationships
// (27), and all characters in full (36).
//
// Templates: 1098 keys S1-S3 (59); 1007 keys S1-S5, of which S3, S4 and S5 join a character's name
// to its introduction, its dismissal and another character's name (27); 1016 keys S1 and S2 (36).
// Character texts read: "NM", "Role", "Des", "SWIntro", "SWDismiss" and the relationship texts
// ("Relat" and the other character's id). A story without characters gives the templates' texts
// alone. In the relationships, a character's block holds only the parts it has: no blank lines
// stand for a missing introduction, dismissal or relationship. Both sections list the Main and
// Impact Characters with no names yet in the order of their roles, and the relationships head such
// a character's block with its role and the word that it has no name yet.

#include <cstdint>
#include <string>
#include <vector>

#include "reports/CharacterWords.h"
#include "reports/CharacteristicConflict.h"
#include "reports/ReportComposer.h"
#include "reports/ReportText.h"
#include "storymodel/CharacterManager.h"
#include "storymodel/StoryTextLimits.h"

namespace {

// The longest conflict sentence, with the writer's note before it.
constexpr std::size_t kSentenceSize = 32768;
// Every text the writer can give a character fits whole.
constexpr std::uint32_t kTextSize = kLongTextLimit + 1;

std::string Text(CharInfoRec& character, const char* key) {
    std::vector<char> buffer(kTextSize, '\0');
    character.GetText(key, buffer.data(), kTextSize);
    return buffer.data();
}

}  // namespace

void ReportComposer::BuildCharacteristicsSection() {
    Section t(*this, 1098);
    t.Keys({1, 2, 3});
    CharacterManager* characters = GetCharacterManager();
    if (!characters) return;
    std::vector<char> sentence(kSentenceSize, '\0');
    for (const CharID id : CharactersInReportOrder()) {
        CharInfoRec* character = characters->GetCharacter(id);
        if (!character) continue;
        const std::string role = Text(*character, CharacterKey::kRole);
        const std::string description = Text(*character, CharacterKey::kDescription);
        AppendStyleCode(ReportStyle::kMarginsNone);
        AppendStyleCode(ReportStyle::kBoldOn);
        const std::string owner =
            PossessiveName(CharacterManager::ShownName(*character), character->GetForm());
        AppendText((OpeningWords(owner) + " ").c_str());
        AppendStyleCode(ReportStyle::kBoldOff);
        AppendText("Characteristics");
        if (const RolePhrase as = RoleAfterAs(role); !as.words.empty()) {
            AppendText((" (as " + as.determiner + StyleCodeText("I+") + as.words + StyleCodeText("I-") + ")")
                           .c_str());
        }
        if (showStorytelling_ && !description.empty()) {
            AppendText(("\n\n" + StyleCodeText("M(20,20,20)") + StyleCodeText("I+") + description +
                        StyleCodeText("I-") + StyleCodeText("M(0,0,0)"))
                           .c_str());
        }
        AppendStyleCode(ReportStyle::kParagraphEnd);
        for (int dimension = 0; dimension < kDimensionCount; ++dimension) {
            const std::vector<std::int16_t> elements = characters->GetCharacteristics(id, dimension);
            if (elements.empty()) continue;
            AppendMargins(20, 60, 60);
            AppendText((StyleCodeText("B+") + StyleCodeText("U+") + DimensionHeading(dimension) +
                        StyleCodeText("B-") + StyleCodeText("U-"))
                           .c_str());
            AppendStyleCode(ReportStyle::kParagraphEnd);
            AppendMargins(40, 60, 60);
            for (const std::int16_t element : elements) {
                FormatCharacteristicConflict(document_, storyForm_, element, dimension,
                                             showStorytelling_ != 0, sentence.data(), sentence.size());
                AppendText(sentence.data());
                AppendStyleCode(ReportStyle::kParagraphEnd);
            }
        }
        AppendStyleCode(ReportStyle::kParagraphEnd);
    }
}

void ReportComposer::BuildRelationshipsSection() {
    Section t(*this, 1007);
    t.Key(1);
    AppendStyleCode(ReportStyle::kParagraphEnd);
    CharacterManager* characters = GetCharacterManager();
    if (!characters) return;
    std::vector<char> relationship(kTextSize, '\0');
    const std::vector<std::vector<std::int32_t>> related = characters->RelatedPositions();
    for (const CharID id : CharactersInReportOrder()) {
        CharInfoRec* a = characters->GetCharacter(id);
        if (!a) continue;
        // A character with no name yet goes by its role, which opens the lines it heads (or, without
        // a role, as one with no name yet).
        const bool unnamed = HasNoNameYet(id);
        const std::string shown = CharacterManager::ShownName(*a);
        const std::string opening = unnamed ? OpeningWords(shown) : shown;
        const char* name = opening.c_str();
        AppendStyleCode(ReportStyle::kMarginsNone);
        t.Key(2);
        AppendStyleCode(ReportStyle::kBoldOn);
        AppendText(name);
        AppendStyleCode(ReportStyle::kBoldOff);
        if (unnamed && a->GetSubjectiveRole() != kNoRole) AppendText(" (no name given yet)");
        AppendStyleCode(ReportStyle::kParagraphEnd);
        // The introduction, the dismissal and the relationships that the character has follow the
        // name one paragraph apart, and the last of them ends the character's block.
        bool anyPart = false;
        const auto beginPart = [&] {
            if (anyPart) AppendStyleCode(ReportStyle::kParagraphEnd);
            anyPart = true;
        };
        if (const std::string intro = Text(*a, CharacterKey::kIntroduction); !intro.empty()) {
            beginPart();
            AppendStyleCode(ReportStyle::kMarginsHanging);
            AppendText(name);
            t.Key(3);
            AppendStyleCode(ReportStyle::kLineEnd);
            AppendStyleCode(ReportStyle::kItalicOn);
            AppendStyleCode(ReportStyle::kMarginsIndented);
            AppendText(intro.c_str());
            AppendStyleCode(ReportStyle::kItalicOff);
            AppendStyleCode(ReportStyle::kMarginsNone);
        }
        if (const std::string dismissal = Text(*a, CharacterKey::kDismissal); !dismissal.empty()) {
            beginPart();
            AppendStyleCode(ReportStyle::kMarginsHanging);
            AppendText(name);
            t.Key(4);
            AppendStyleCode(ReportStyle::kLineEnd);
            AppendStyleCode(ReportStyle::kMarginsIndented);
            AppendStyleCode(ReportStyle::kItalicOn);
            AppendText(dismissal.c_str());
            AppendStyleCode(ReportStyle::kItalicOff);
            AppendStyleCode(ReportStyle::kMarginsNone);
        }
        for (const std::int32_t other : related[static_cast<std::size_t>(characters->IndexOf(id))]) {
            const CharID otherId = characters->IdAt(other);
            CharInfoRec* b = characters->GetCharacter(otherId);
            if (!b) continue;
            beginPart();
            AppendStyleCode(ReportStyle::kMarginsHanging);
            AppendText(name);
            t.Key(5);
            AppendText(CharacterManager::ShownName(*b).c_str());
            AppendStyleCode(ReportStyle::kLineEnd);
            relationship[0] = '\0';
            a->GetRelationship(relationship.data(), kTextSize, otherId);
            if (relationship[0]) {
                AppendStyleCode(ReportStyle::kMarginsIndented);
                AppendStyleCode(ReportStyle::kLineEnd);
                AppendText(relationship.data());
                AppendStyleCode(ReportStyle::kLineEnd);
            }
        }
        if (anyPart) AppendStyleCode(ReportStyle::kParagraphEnd);
    }
}

void ReportComposer::BuildAllCharactersSection() {
    Section t(*this, 1016);
    t.Key(1);
    AppendAllCharacterDescriptions(1);
    BuildRelationshipsSection();
    t.Key(2);
    BuildReportSection51();
}
