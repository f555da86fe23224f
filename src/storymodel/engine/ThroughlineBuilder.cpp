#include "storymodel/engine/ThroughlineBuilder.h"

#include <algorithm>

#include "storymodel/engine/ElementTable.h"
#include "storymodel/engine/QuadArrangement.h"
#include "storymodel/engine/QuadBlocks.h"
#include "storymodel/engine/QuadPartners.h"
#include "storymodel/engine/StoryPointTable.h"
#include "storymodel/engine/StructurePasses.h"
#include "storymodel/engine/StructurePlaces.h"

namespace {

enum class PositionField { kPosition, kPositionA, kPositionB };

// Sets one position byte of every node to the quad position of the code that addresses the node.
// (That is the position the default arrangement keeps in the node at the same slot.)
void SetPositionsFromCodes(ThroughlineStructure& structure, PositionField field) {
    const ThroughlineStructure& initial = GetDefaultThroughlineStructure();
    for (std::size_t slot = 1; slot < structure.nodes.size(); ++slot) {
        const std::uint8_t position = initial.nodes[slot].position;
        StructureNode& node = structure.nodes[slot];
        switch (field) {
            case PositionField::kPosition: node.position = position; break;
            case PositionField::kPositionA: node.positionA = position; break;
            case PositionField::kPositionB: node.positionB = position; break;
        }
    }
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

bool CalcStoryformCodes(const StoryformBuildInput& input, BuiltStoryform& built) {
    built = BuiltStoryform{};
    if (!ValidInput(input)) return false;
    built.p = GetDefaultThroughlineStructure();
    const StructureCode crucial = CodeOfElement(input.crucialElement);

    SetPositionsFromCodes(built.p, input.IsLogical() ? PositionField::kPosition : PositionField::kPositionB);
    ArrangementRecord record;
    if (input.IsSteadfast()) {
        ArrangeVariant1(input, built.p, record, crucial);
        const StructureCode b = DeriveSteadfastPoints(input, built, crucial);
        SetPositionsFromCodes(built.p, PositionField::kPositionA);
        built.q = built.p;
        ArrangeVariant0(input, built.q, record, b);
    } else {
        ArrangeVariant0(input, built.p, record, crucial);
        const StructureCode a = DeriveChangePoints(input, built, crucial);
        SetPositionsFromCodes(built.p, PositionField::kPositionA);
        built.q = built.p;
        ArrangeVariant1(input, built.q, record, a);
    }
    SetPositionsFromCodes(built.p, input.IsLogical() ? PositionField::kPositionB : PositionField::kPosition);
    CopyNodeFields(built.p, built.q, kCopyPositionB);
    RunStructurePasses(input, built);
    return true;
}
