// The act summary sentences of one throughline: for each act, the signpost's type with its
// definition and the four variations through which the type is explored. Reads no template; the
// words are these.
//
// The variations of an act are its own signpost type's, as the theory's table has them, listed in
// the order of the quad that holds them in the structure the storyform shows (its structure 1,
// from which the signposts themselves are read: the arrangement places a type and its variations
// at codes of their own, so the variations are found where they lie, never beneath the type's
// place). Where that structure holds them in no quad of their own (no arrangement made), they are
// listed in the table's order. A throughline none of whose signposts has a value gets a sentence
// saying that they are not chosen yet. A storyform value that is not chosen (0 or -1), or is no
// type, never indexes a table here.

#include <array>
#include <cstdint>
#include <cstring>

#include "reports/ReportComposer.h"
#include "storymodel/engine/ElementTable.h"
#include "storymodel/engine/IStoryForm.h"
#include "storymodel/engine/StoryPointTable.h"
#include "storymodel/engine/SuperClassUser.h"
#include "storymodel/engine/ThroughlineStructure.h"

namespace {

constexpr std::array<const char*, 4> kActPhrases = {
    "In act one,",
    "Act two concentrates on",
    "Act three focuses on",
    "And act four illustrates",
};

// The structure the storyform shows, whose types are the signposts.
constexpr std::uint16_t kShownStructure = 1;

bool IsType(std::int16_t id) { return id >= kFirstTypeID && id < kFirstVariationID; }

// The type's variation at position 1-4 of the theory's table: the code's third digit.
std::int16_t TableVariation(std::int16_t type, int position) {
    StructureCode code{};
    std::memcpy(code.data(), ElementRecordByID(type)->code, code.size());
    code[2] = static_cast<char>('0' + position);
    return static_cast<std::int16_t>(NodeForCode(GetDefaultThroughlineStructure(), code.data())->elementID);
}

// The code of the quad of the structure that holds the type's four variations (its third digit is
// overwritten when the variations are listed); false when no quad holds all four.
bool FindVariationQuad(ThroughlineStructure& structure, const NodeIndex& index, std::int16_t type,
                       StructureCode& code) {
    if (!NodeOfElement(structure, TableVariation(type, 1), &code, &index)) return false;
    const char* typeCode = ElementRecordByID(type)->code;
    for (int position = 1; position <= 4; ++position) {
        StructureCode at = code;
        at[2] = static_cast<char>('0' + position);
        const StructureNode* node = NodeForCode(structure, at.data());
        const ElementRecord* held =
            node ? ElementRecordByID(static_cast<std::int16_t>(node->elementID)) : nullptr;
        if (!held || std::strncmp(held->code, typeCode, 2) != 0 || held->code[2] == '0' ||
            held->code[3] != '0')
            return false;
    }
    return true;
}

}  // namespace

void ReportComposer::BuildActSummary(std::int16_t throughline) {
    if (!storyForm_ || throughline < 0 || throughline > 3) return;
    std::array<std::int16_t, 4> signposts{};
    bool anySignpost = false;
    for (std::size_t act = 0; act < signposts.size(); ++act) {
        signposts[act] = storyForm_->GetValueAt(
            ThroughlineStoryPointIndex(throughline, kSignpostOffset + static_cast<int>(act)));
        anySignpost = anySignpost || IsType(signposts[act]);
    }
    if (!anySignpost) {
        AppendText("  The signposts of this throughline are not chosen yet.");
        return;
    }
    SuperClassUser user(*storyForm_, kShownStructure);
    ThroughlineStructure* shown = user.GetStructure();
    const NodeIndex index = shown ? BuildNodeIndex(*shown) : NodeIndex{};
    for (std::size_t act = 0; act < signposts.size(); ++act) {
        WorkBuffer(0)[0] = '\0';
        const std::int16_t value = signposts[act];
        if (!IsType(value)) continue;
        AppendFormatted("  %s \"{SDF(%hd)}\" ({SNF(%hd)}) %sis explored in terms of ", kActPhrases[act],
                        value, value, act == 0 ? "" : "and ");
        StructureCode code{};
        if (shown && FindVariationQuad(*shown, index, value, code)) {
            AppendTypeVariations(*shown, code.data());
        } else {
            ThroughlineStructure table = GetDefaultThroughlineStructure();
            std::memcpy(code.data(), ElementRecordByID(value)->code, code.size());
            AppendTypeVariations(table, code.data());
        }
        AppendText(".");
    }
}

void ReportComposer::AppendTypeVariations(ThroughlineStructure& structure, char* code) {
    for (int i = 1; i <= 4; ++i) {
        code[2] = static_cast<char>('0' + i);
        const StructureNode* node = ThroughlineNodeForCode(structure, code);
        const std::int16_t id = node ? static_cast<std::int16_t>(node->elementID) : 0;
        AppendFormatted("%s{SNF(%hd)}%s", i == 4 ? "and " : "", id, i < 4 ? ", " : "");
    }
}
