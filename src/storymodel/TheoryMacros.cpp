// The macros that name theory items and story point values, and those that read texts of the
// application data file.

#include <cstdint>
#include <cstring>

#include "foundation/pfm/PFM.h"
#include "foundation/pfm/PText.h"
#include "foundation/pfm/PTextTypes.h"
#include "storymodel/RecordText.h"
#include "storymodel/StoryApplication.h"
#include "storymodel/StyledText.h"
#include "storymodel/TextMacroExpander.h"
#include "storymodel/engine/ElementTable.h"
#include "storymodel/engine/QuadPartners.h"
#include "storymodel/engine/StoryPointTable.h"
#include "storymodel/engine/StoryPointValues.h"
#include "storymodel/engine/ThroughlineStructure.h"

namespace {

constexpr int kFirstValueID = 1000;
constexpr const char* kUnchosen = "an unchosen item";
constexpr const char* kSeveral = "a multiply defined item";
constexpr const char* kNone = "None";
// The longest definition an 'APPR' record gives.
constexpr std::size_t kMaxDefinition = 249;

constexpr FourCC kDefinitionSegment = FourCCOf("SDEF");
constexpr FourCC kLongDefinitionSegment = FourCCOf("LDEF");
constexpr FourCC kSynonymSegment = FourCCOf("SYNS");
constexpr FourCC kNameSegment = FourCCOf("SNNS");
constexpr FourCC kPluralSegment = FourCCOf("SNPL");
constexpr FourCC kAppreciationRecord = FourCCOf("APPR");

// Whether the value is "no choice" (0) or "several choices" (-1), which read as fixed texts.
bool IsUnsettled(int value) { return value == 0 || value == -1; }
const char* UnsettledText(int value) { return value == 0 ? kUnchosen : kSeveral; }

// The name of a value: fixed texts for 0 and -1, an element's name, or a story point value's.
const char* ValueName(int value) {
    if (IsUnsettled(value)) return UnsettledText(value);
    if (value > INT16_MAX) return "";
    if (value >= kFirstValueID) return StoryPointName(static_cast<std::int16_t>(value));
    return value > 0 ? ElementName(static_cast<std::int16_t>(value)) : "";
}

// The level word of an element id.
const char* LevelWord(int value) {
    if (value >= kFirstValueID) return kNone;
    if (value >= kFirstElementID) return "Element";
    if (value >= kFirstVariationID) return "Variation";
    if (value >= kFirstTypeID) return "Type";
    return "Class";
}

// The item that pairs with the item in its quad as its dynamic partner, in the default
// arrangement; 0 when there is none.
int DynamicPartner(int id) {
    const ElementRecord* row = ElementRecordByID(static_cast<std::int16_t>(id));
    StructureCode partner{};
    if (!row || !QuadPartnerCode(1, 0, row->code, partner)) return 0;
    const StructureNode* node = NodeForCode(GetDefaultThroughlineStructure(), partner.data());
    return node ? node->elementID : 0;
}

}  // namespace

// A position's place and a home class's class digit read as what they are.
void TextMacroExpander::MacroSNF(const MacroCall& call) {
    const int value = Value(call.Argument(0));
    const int index = PointIndex(call.Argument(0));
    if (index < 0 || IsUnsettled(value) || value > INT16_MAX) {
        AppendStyled(ValueName(value), 'B');
        Collect(value);
        return;
    }
    const auto settled = static_cast<std::int16_t>(value);
    AppendStyled(StoryPointValueText(index, settled), 'B');
    Collect(StoryPointValueItem(index, settled));
}

void TextMacroExpander::MacroDNF(const MacroCall& call) {
    const int value = Value(call.Argument(0));
    if (value >= kFirstValueID || IsUnsettled(value)) {
        AppendStyled(value >= kFirstValueID ? kNone : UnsettledText(value), 'B');
        return;
    }
    const int partner = value > 0 ? DynamicPartner(value) : 0;
    AppendStyled(partner > 0 ? ElementName(static_cast<std::int16_t>(partner)) : "", 'B');
    Collect(partner);
}

void TextMacroExpander::MacroCLS(const MacroCall& call) {
    const int value = Value(call.Argument(0));
    if (IsUnsettled(value)) {
        Append(UnsettledText(value));
        return;
    }
    if (value < 0) return;
    Append(LevelWord(value));
    Collect(value);
}

void TextMacroExpander::MacroDDF(const MacroCall& call) {
    const int value = Value(call.Argument(0));
    if (value >= kFirstValueID || IsUnsettled(value)) {
        Append(value >= kFirstValueID ? kNone : UnsettledText(value));
        return;
    }
    const int partner = value > 0 ? FoldElementID(DynamicPartner(value)) : 0;
    if (partner <= 0) return;
    AppendDataText(kDefinitionSegment, partner);
    Collect(partner);
}

void TextMacroExpander::MacroSDF(const MacroCall& call) {
    const int value = Value(call.Argument(0));
    if (IsUnsettled(value)) {
        Append(UnsettledText(value));
        return;
    }
    AppendDataText(kDefinitionSegment, FoldElementID(TextID(call.Argument(0), value)));
    Collect(value);
}

void TextMacroExpander::MacroSLD(const MacroCall& call) {
    const int value = Value(call.Argument(0));
    if (IsUnsettled(value)) {
        Append(UnsettledText(value));
    } else {
        AppendDataText(kLongDefinitionSegment, FoldElementID(TextID(call.Argument(0), value)));
    }
}

void TextMacroExpander::MacroSYN(const MacroCall& call) {
    const int value = Value(call.Argument(0));
    if (IsUnsettled(value)) {
        Append(UnsettledText(value));
    } else {
        AppendDataText(kSynonymSegment, FoldElementID(TextID(call.Argument(0), value)));
    }
}

void TextMacroExpander::MacroSNN(const MacroCall& call) {
    const int value = Value(call.Argument(0));
    if (IsUnsettled(value)) {
        Append(UnsettledText(value));
        return;
    }
    Append(kBoldOn);
    AppendDataText(kNameSegment, FoldElementID(TextID(call.Argument(0), value)));
    Append(kBoldOff);
    Collect(value);
}

void TextMacroExpander::MacroSPN(const MacroCall& call) {
    const int value = Value(call.Argument(0));
    if (IsUnsettled(value)) {
        AppendStyled(UnsettledText(value), 'B');
        return;
    }
    Append(kBoldOn);
    AppendDataText(kPluralSegment, FoldElementID(TextID(call.Argument(0), value)));
    Append(kBoldOff);
    Collect(value);
}

void TextMacroExpander::MacroQQE(const MacroCall& call) {
    AppendDataText(FourCCOf("FQQE"), Number(call.Argument(0)));
}
void TextMacroExpander::MacroQBG(const MacroCall& call) {
    AppendDataText(FourCCOf("FQBG"), Number(call.Argument(0)));
}
void TextMacroExpander::MacroQST(const MacroCall& call) {
    AppendDataText(FourCCOf("FQST"), Number(call.Argument(0)));
}
void TextMacroExpander::MacroQDU(const MacroCall& call) {
    AppendDataText(FourCCOf("FQDU"), Number(call.Argument(0)));
}

void TextMacroExpander::MacroAPD(const MacroCall& call) {
    PText* record = DataRecord(kAppreciationRecord, Number(call.Argument(0)));
    if (!record) {
        Append(kUnchosen);
        return;
    }
    Append(RecordTextView(*record, "DF").substr(0, kMaxDefinition));
}

void TextMacroExpander::MacroSUB(const MacroCall& call) {
    switch (Number(call.Argument(0))) {
        case 1: Append("\x95"); break;
        case 2: Append(application_ && application_->GetReturnAdvances() ? "ENTER" : "SHIFT-ENTER"); break;
        default: break;
    }
}
