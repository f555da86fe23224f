// The act summary sentences of one throughline: for each act, the signpost's type with its
// definition and the four variations through which the type is explored. Reads no template; the
// words are these.
//
// The class of the throughline's types comes from its first signpost. While that signpost has no
// value, it comes from the throughline's domain (the signposts are types of the domain's class),
// else from the first signpost that has a value; a throughline with none of these gets a sentence
// saying that its signposts are not chosen yet. A storyform value that is not chosen (0 or -1)
// never indexes a table here.

#include <array>
#include <cstdint>

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

// The structures the variations come from: the logical and the intuitive arrangement.
constexpr std::uint16_t kLogicalStructure = 3;
constexpr std::uint16_t kIntuitiveStructure = 2;

// The class digit (1-4) of an item the storyform holds; 0 for no value or an id outside the table.
int ClassOf(std::int16_t value) { return value > 0 ? ElementClassDigit(value) : 0; }

}  // namespace

void ReportComposer::BuildActSummary(std::int16_t throughline) {
    if (!storyForm_ || throughline < 0 || throughline > 3) return;
    const auto valueAt = [this, throughline](int offset) {
        return storyForm_->GetValueAt(ThroughlineStoryPointIndex(throughline, offset));
    };
    int classDigit = ClassOf(valueAt(kSignpostOffset));
    if (classDigit == 0) classDigit = ClassOf(valueAt(kDomainOffset));
    for (int act = 1; classDigit == 0 && act < 4; ++act) classDigit = ClassOf(valueAt(kSignpostOffset + act));
    if (classDigit == 0) {
        AppendText("  The signposts of this throughline are not chosen yet.");
        return;
    }
    char code[6] = {static_cast<char>('0' + classDigit), '0', '0', '0', '0', '\0'};
    SuperClassUser user(*storyForm_, storyForm_->IsLogical() ? kLogicalStructure : kIntuitiveStructure);
    ThroughlineStructure* structure = user.GetStructure();
    for (int act = 0; act < 4; ++act) {
        WorkBuffer(0)[0] = '\0';
        code[1] = static_cast<char>('1' + act);
        const std::int16_t value = valueAt(kSignpostOffset + act);
        if (value == 0 || value == -1) continue;
        AppendFormatted("  %s \"{SDF(%hd)}\" ({SNF(%hd)}) %sis explored in terms of ",
                        kActPhrases[static_cast<std::size_t>(act)], value, value, act == 0 ? "" : "and ");
        if (structure) AppendTypeVariations(*structure, code);
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
