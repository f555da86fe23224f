#include "reports/CharacteristicConflict.h"

#include <array>
#include <cstdio>
#include <string>

#include "app/FKDoc.h"
#include "reports/CharacterWords.h"
#include "reports/ReportText.h"
#include "storymodel/CharacterManager.h"
#include "storymodel/StoryDocument.h"
#include "storymodel/engine/ElementTable.h"
#include "storymodel/engine/IStoryForm.h"
#include "storymodel/engine/QuadPartners.h"
#include "storymodel/engine/StoryFormManager.h"
#include "storymodel/engine/StoryPointTable.h"
#include "storymodel/engine/StructureCode.h"
#include "storymodel/engine/SuperClassUser.h"
#include "storymodel/engine/ThroughlineStructure.h"

namespace {

constexpr std::array<const char*, 4> kHeadings = {"Motivation", "Methodology", "Evaluation", "Purpose"};
constexpr std::array<const char*, 4> kWords = {"motivation", "methodology", "means of evaluation in terms",
                                               "purpose"};

// The throughline structure the partners are read from.
constexpr std::uint16_t kPartnerStructure = 4;

// The element of the same rank in the first class, where characters hold their characteristics.
std::int16_t FirstClassElement(int element) {
    return static_cast<std::int16_t>(kFirstElementID + ElementRank(element));
}

// The holder's name made possessive, or "the" when no character holds the element.
std::string HolderPhrase(CharacterManager& characters, std::int16_t element, int dimension) {
    const CharID holder = characters.FindCharacterWithCharacteristic(element, dimension);
    CharInfoRec* record = IsValidCharID(holder) ? characters.GetCharacter(holder) : nullptr;
    return record ? PossessiveName(CharacterManager::ShownName(*record), record->GetForm()) : "the";
}

void Copy(const std::string& text, char* out, std::size_t outSize) {
    std::snprintf(out, outSize, "%s", text.c_str());
}

}  // namespace

const char* DimensionHeading(int dimension) {
    return dimension >= 0 && dimension < 4 ? kHeadings[static_cast<std::size_t>(dimension)] : "";
}

const char* DimensionWord(int dimension) {
    return dimension >= 0 && dimension < 4 ? kWords[static_cast<std::size_t>(dimension)] : "";
}

void FormatCharacteristicConflict(IStoryDocument* document, IStoryForm* storyForm, std::int16_t element,
                                  int dimension, bool withNotes, char* out, std::size_t outSize) {
    if (!out || outSize == 0) return;
    out[0] = '\0';
    CharacterManager* characters = document ? document->GetCharacterManager() : nullptr;
    if (!characters || !storyForm || !IsElementID(element) || dimension < 0 || dimension > 3) return;
    const int position = ElementRank(element) + 1;
    const CharID holder = characters->FindCharacterWithCharacteristic(FirstClassElement(element), dimension);
    CharInfoRec* holderRecord = IsValidCharID(holder) ? characters->GetCharacter(holder) : nullptr;
    if (!holderRecord) return;

    std::string text;
    if (withNotes) {
        const std::string note = characters->GetCharacteristicNote(position);
        if (!note.empty()) text += "\n\n" + StyleCodeText("I+") + note + StyleCodeText("I-") + "\n\n";
    }
    const char* word = DimensionWord(dimension);
    char part[400];
    const std::string holderName = CharacterManager::ShownName(*holderRecord);
    std::snprintf(part, sizeof part, "%s %s of {SNF(%hd)} ",
                  OpeningWords(PossessiveName(holderName, holderRecord->GetForm())).c_str(), word, element);
    text += part;

    // The class of the overall story's domain: without it there is no quad to find partners in.
    const std::int16_t domain =
        storyForm->GetValueAt(ThroughlineStoryPointIndex(kObjectiveStory, kDomainOffset));
    const int classDigit =
        domain > 0 && ElementRecordByID(domain) ? MakeQuadGroupCode(domain, dimension)[0] - '0' : 0;
    if (classDigit < 1 || classDigit > 4) {
        text += "has no conflict to show yet: the {NObje} Story's {NDoma} is not chosen yet.";
        Copy(text, out, outSize);
        return;
    }
    const int e = kFirstElementID + (position - 1) + (classDigit - 1) * kElementsPerClass;
    const ElementRecord* row = ElementRecordByID(static_cast<std::int16_t>(e));
    SuperClassUser user(*storyForm, kPartnerStructure);
    ThroughlineStructure* structure = user.GetStructure();
    std::array<std::int16_t, kPairKindCount> partners{};
    for (int kind = 0; kind < kPairKindCount; ++kind) {
        StructureCode code{};
        const StructureNode* node = row && structure && QuadPartnerCode(1, kind, row->code, code)
                                        ? ThroughlineNodeForCode(*structure, code.data())
                                        : nullptr;
        partners[static_cast<std::size_t>(kind)] =
            node && IsElementID(node->elementID) ? FirstClassElement(node->elementID) : 0;
    }
    const char* formats[kPairKindCount] = {"is in conflict with %s %s of {SNF(%hd)}, ",
                                           "amplified by %s %s of {SNF(%hd)}, ",
                                           "and diminished by %s %s of {SNF(%hd)}."};
    for (int kind = 0; kind < kPairKindCount; ++kind) {
        const std::int16_t partner = partners[static_cast<std::size_t>(kind)];
        const std::string phrase = partner ? HolderPhrase(*characters, partner, dimension) : "the";
        std::snprintf(part, sizeof part, formats[kind], phrase.c_str(), word, partner);
        text += part;
    }
    Copy(text, out, outSize);
}

void FormatCharacteristicConflict(FKDoc* document, std::int16_t element, int dimension, bool withNotes,
                                  char* out, std::size_t outSize) {
    FormatCharacteristicConflict(document, document ? document->GetStoryFormManager() : nullptr, element,
                                 dimension, withNotes, out, outSize);
}
