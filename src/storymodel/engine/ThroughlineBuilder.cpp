#include "storymodel/engine/ThroughlineBuilder.h"

#include <algorithm>
#include <vector>

#include "storymodel/engine/ElementTable.h"
#include "storymodel/engine/QuadArrangement.h"
#include "storymodel/engine/QuadBlocks.h"
#include "storymodel/engine/QuadPartners.h"
#include "storymodel/engine/StoryPointTable.h"
#include "storymodel/engine/StructurePasses.h"
#include "storymodel/engine/StructurePlaces.h"
#include "storymodel/engine/StructureWalk.h"

namespace {

// A node below the whole-level groups and the position digit of its code, in the order the walk of
// all nodes takes them.
struct CodePlace {
    std::size_t slot;
    std::uint8_t digit;
};

const std::vector<CodePlace>& WalkPlaces() {
    static const std::vector<CodePlace> places = [] {
        std::vector<CodePlace> found;
        ThroughlineStructure probe;
        IterateAllNodes(
            [&](const char* code) {
                if (const StructureNode* node = NodeForCode(probe, code)) {
                    found.push_back(CodePlace{static_cast<std::size_t>(node - probe.nodes.data()),
                                              static_cast<std::uint8_t>(CodePositionDigit(code))});
                }
                return kWalkContinue;
            },
            0, -1);
        return found;
    }();
    return places;
}

// Sets one of the position fields of every node of the structure below the whole-level groups from
// the node's code, as SetPositionFromCode and its kin do node by node.
void SetPositionsFromCodes(ThroughlineStructure& structure, std::uint8_t StructureNode::*position) {
    for (const CodePlace& place : WalkPlaces()) structure.nodes[place.slot].*position = place.digit;
}

int HomeClassRow(int throughline) { return ThroughlineStoryPointIndex(throughline, kHomeClassOffset); }

// Change: the overall story's problem (code B) gives its own points; the main character's home
// class is the partner of B's class under Growth, and its problem the same element placed there.
// Answers code A: where the arranged P holds that element.
StructureCode DeriveChangePoints(const StoryformBuildInput& input, BuiltStoryform& built,
                                 const StructureCode& b) {
    SetProblemPoints(input, built.points, b, kObjectiveStory);
    const int homeClass = QuadPartner(input.GrowthPairKind(), b[0] - '0');
    built.points.SetValueAt(HomeClassRow(kMainCharacter), static_cast<std::int16_t>('0' + homeClass));
    const int kind = QuadPairKind(ClassCode(homeClass).data(), ClassCode(b[0] - '0').data());
    StructureCode m;
    PartnerClassElementCode(GetDefaultThroughlineStructure(), kind, b.data(), m);
    SetProblemPoints(input, built.points, m, kMainCharacter);
    return FindCodeOfElement(built.p, m);
}

// Steadfast: the main character's problem (code A) gives its own points and home class; the
// overall story's focus is the element of A's dynamic partner placed in the partner class of A's
// class under Growth, and its problem is that focus's dynamic partner. Answers code B: where the
// arranged P holds that problem.
StructureCode DeriveSteadfastPoints(const StoryformBuildInput& input, BuiltStoryform& built,
                                    const StructureCode& a) {
    SetProblemPoints(input, built.points, a, kMainCharacter);
    built.points.SetValueAt(HomeClassRow(kMainCharacter), static_cast<std::int16_t>(a[0]));
    StructureCode focus = ClassCode(QuadPartner(input.GrowthPairKind(), a[0] - '0'));
    const std::uint16_t partnerOfA = DefaultIDAt(DynamicPartnerCode(input, a).data());
    FindQuadElement(GetDefaultThroughlineStructure(), focus, static_cast<std::int16_t>(partnerOfA));
    const StructureCode problem = DynamicPartnerCode(input, focus);
    SetProblemPoints(input, built.points, problem, kObjectiveStory);
    return FindCodeOfElement(built.p, problem);
}

bool ValidInput(const StoryformBuildInput& input) {
    if (!IsElementID(input.crucialElement)) return false;
    return std::all_of(input.dynamics.begin(), input.dynamics.end(), [](std::uint8_t v) { return v <= 1; });
}

}  // namespace

int SetPositionFromCode(ThroughlineStructure& structure, const char* code) {
    if (StructureNode* node = NodeForCode(structure, code))
        node->position = static_cast<std::uint8_t>(CodePositionDigit(code));
    return kWalkContinue;
}

int SetPositionAFromCode(ThroughlineStructure& structure, const char* code) {
    if (StructureNode* node = NodeForCode(structure, code))
        node->positionA = static_cast<std::uint8_t>(CodePositionDigit(code));
    return kWalkContinue;
}

int SetPositionBFromCode(ThroughlineStructure& structure, const char* code) {
    if (StructureNode* node = NodeForCode(structure, code))
        node->positionB = static_cast<std::uint8_t>(CodePositionDigit(code));
    return kWalkContinue;
}

bool CalcStoryformCodes(const StoryformBuildInput& input, BuiltStoryform& built) {
    built = BuiltStoryform{};
    if (!ValidInput(input)) return false;
    built.p = GetDefaultThroughlineStructure();
    const StructureCode crucial = CodeOfElement(input.crucialElement);

    SetPositionsFromCodes(built.p, input.IsLogical() ? &StructureNode::position : &StructureNode::positionB);
    ArrangementRecord record;
    if (input.IsSteadfast()) {
        ArrangeVariant1(input, built.p, record, crucial);
        const StructureCode b = DeriveSteadfastPoints(input, built, crucial);
        SetPositionsFromCodes(built.p, &StructureNode::positionA);
        built.q = built.p;
        ArrangeVariant0(input, built.q, record, b);
    } else {
        ArrangeVariant0(input, built.p, record, crucial);
        const StructureCode a = DeriveChangePoints(input, built, crucial);
        SetPositionsFromCodes(built.p, &StructureNode::positionA);
        built.q = built.p;
        ArrangeVariant1(input, built.q, record, a);
    }
    SetPositionsFromCodes(built.p, input.IsLogical() ? &StructureNode::positionB : &StructureNode::position);
    CopyNodeFields(built.p, built.q, kCopyPositionB);
    RunStructurePasses(input, built);
    return true;
}
