#include "storymodel/engine/SettledStoryPoints.h"

#include <optional>
#include <vector>

#include "storymodel/engine/DynamicAppreciations.h"
#include "storymodel/engine/ElementTable.h"
#include "storymodel/engine/EngineTableReader.h"
#include "storymodel/engine/IStoryForm.h"
#include "storymodel/engine/StoryPointTable.h"
#include "storymodel/engine/StoryformBuildInput.h"
#include "storymodel/engine/StoryformSolver.h"
#include "storymodel/engine/StructurePasses.h"
#include "storymodel/engine/StructurePlaces.h"
#include "storymodel/engine/ThroughlineBuilder.h"

namespace {

constexpr std::uint16_t kOneStoryformLeft = 1;
constexpr int kThroughlines = 4;
constexpr int kActs = 4;

// The signposts, throughline by throughline and act by act: k is throughline * 4 + act.
int SignpostIndex(std::size_t k) {
    return ThroughlineStoryPointIndex(static_cast<int>(k) / kActs,
                                      kSignpostOffset + static_cast<int>(k) % kActs);
}

bool IsIndex(int index) { return index >= 0 && index < kStoryPointCount; }

// The points the solver is asked about: the eight dynamics first, in their order, then every point
// whose value the engine data holds, in the table's order.
const StoryPointIDList& SettledPointIDs() {
    static const StoryPointIDList ids = [] {
        StoryPointIDList list;
        for (int dynamic = 0; dynamic < kDynamicCount; ++dynamic) list.push_back(DynamicPointID(dynamic));
        for (int index = 0; index < kStoryPointCount; ++index) {
            const StoryPointRecord& point = *StoryPointAt(index);
            if (point.kind >= kDomainLevelPoint && point.kind <= kElementLevelPoint &&
                point.engineField != kNoEngineField)
                list.push_back(point.id);
        }
        return list;
    }();
    return ids;
}

// Whether a value is one: neither nothing (0) nor several (-1).
bool IsSet(std::int16_t value) { return value > 0; }

// The value the storyforms seen so far share: none seen yet, one shared, or none shared.
template <typename Value>
class Agreement {
public:
    void See(const Value& value) {
        if (!seen_) {
            seen_ = value;
        } else if (*seen_ != value) {
            differ_ = true;
        }
    }
    bool Differs() const { return differ_; }
    // The shared value; a value of 0 when none was seen or they differ.
    Value Shared() const { return seen_ && !differ_ ? *seen_ : Value{}; }

private:
    std::optional<Value> seen_;
    bool differ_ = false;
};
using PointAgreement = Agreement<std::int16_t>;

// The storyform numbers the last count left, in order.
std::vector<std::uint16_t> RemainingNumbers(const StoryformSolver& solver) {
    std::vector<std::uint16_t> numbers;
    for (int number = 0; number < kStoryformCount; ++number) {
        if (!solver.IsStoryformExcluded(static_cast<std::uint16_t>(number)))
            numbers.push_back(static_cast<std::uint16_t>(number));
    }
    return numbers;
}

// The builder's input for a storyform number, as the story document gives it once that storyform is
// the only one: its dynamics, and the crucial problem the engine data gives it (the overall story's
// with Change, the main character's with Steadfast).
StoryformBuildInput InputOf(std::uint16_t number) {
    const bool steadfast = DynamicValueIndex(number, kResolve) == 1;
    const StoryPointRecord& problem = *StoryPointAt(
        ThroughlineStoryPointIndex(steadfast ? kMainCharacter : kObjectiveStory, kProblemOffset));
    return StoryformBuildInput::ForNumber(
        number, StoryformSolver::EngineValueID(number, problem.engineField, problem.kind));
}

}  // namespace

SettledStoryPoints::SettledStoryPoints(IStoryForm& storyForm, std::uint16_t count) {
    for (int index = 0; index < kStoryPointCount; ++index)
        values_[static_cast<std::size_t>(index)] = storyForm.GetValue(StoryPointAt(index)->id);
    if (count == kOneStoryformLeft || !GetEngineFile()) return;
    StoryformSolver solver(storyForm);
    solver.SetConstraints(nullptr, SettledPointIDs());
    if (solver.CountStoryforms() == 0) return;
    TakeSolved(solver);
    DeriveAsAtOneStoryform(solver);
}

std::int16_t SettledStoryPoints::ValueAt(int index) const {
    return IsIndex(index) ? values_[static_cast<std::size_t>(index)] : std::int16_t{0};
}

std::int16_t SettledStoryPoints::Value(std::int16_t id) const {
    if (id == kImpactResolveID) return ImpactResolveOf(ValueAt(DynamicIndex(kResolve)));
    return ValueAt(StoryPointIndex(id));
}

const VariationOrder* SettledStoryPoints::SignpostVariations(int throughline, int act) const {
    if (throughline < 0 || throughline >= kThroughlines || act < 0 || act >= kActs) return nullptr;
    const VariationOrder& order = signpostOrders_[static_cast<std::size_t>(throughline * kActs + act)];
    return order[0] != 0 ? &order : nullptr;
}

bool SettledStoryPoints::Holds(int dynamic, int valueIndex) const {
    return dynamic >= 0 && dynamic < kDynamicCount &&
           ValueAt(DynamicIndex(dynamic)) == DynamicValue(dynamic, valueIndex);
}

void SettledStoryPoints::TakeSolved(StoryformSolver& solver) {
    // The element-level points last: the class their element lies in is their throughline's domain,
    // which may be settled by then.
    for (const bool elements : {false, true}) {
        for (int i = 0; i < StoryformSolver::kCapacity && solver.GetConstraint(i).inUse; ++i) {
            const SolverConstraint& record = solver.GetConstraint(i);
            if ((record.kind == kElementLevelPoint) != elements || record.possibleCount != 1) continue;
            std::int16_t& value = values_[static_cast<std::size_t>(record.index)];
            if (IsSet(value)) continue;
            if (record.kind == kDynamicPoint) {
                value = static_cast<std::int16_t>(record.id + 1 + record.result);
                continue;
            }
            value = record.result;
            // The element as its first class holds it while its class is open, as a choice made
            // before the domain is: its name is settled all the same.
            const std::int16_t domain = elements ? ValueAt(ThroughlineDomainIndex(record.id)) : 0;
            if (domain >= 1 && domain <= kThroughlines)
                value = static_cast<std::int16_t>(value + kElementsPerClass * (domain - 1));
        }
    }
}

void SettledStoryPoints::DeriveAsAtOneStoryform(const StoryformSolver& solver) {
    const auto settle = [this](int index, const PointAgreement& agreement) {
        std::int16_t& value = values_[static_cast<std::size_t>(index)];
        if (!IsSet(value)) value = agreement.Shared();
    };
    values_[static_cast<std::size_t>(StoryPointIndex(kImpactResolveID))] =
        ImpactResolveOf(ValueAt(DynamicIndex(kResolve)));

    // A home class is its domain's class, and a counterpoint its issue's partner across the quad:
    // each is settled with what it follows from.
    for (int throughline = 0; throughline < kThroughlines; ++throughline) {
        const std::int16_t domain = ValueAt(ThroughlineStoryPointIndex(throughline, kDomainOffset));
        PointAgreement home;
        if (domain >= 1 && domain <= kThroughlines)
            home.See(static_cast<std::int16_t>('0' + ElementClassDigit(domain)));
        settle(ThroughlineStoryPointIndex(throughline, kHomeClassOffset), home);
        const std::int16_t issue = ValueAt(ThroughlineStoryPointIndex(throughline, kIssueOffset));
        PointAgreement counterpoint;
        if (issue >= kFirstVariationID && issue < kFirstElementID)
            counterpoint.See(
                static_cast<std::int16_t>(DefaultIDAt(CounterpointCode(CodeOfElement(issue)).data())));
        settle(ThroughlineStoryPointIndex(throughline, kCounterpointOffset), counterpoint);
    }

    const std::vector<std::uint16_t> numbers = RemainingNumbers(solver);
    // The dynamic appreciations follow from pairs of dynamics.
    std::array<PointAgreement, kDynamicAppreciationSources.size()> appreciations;
    for (const std::uint16_t number : numbers) {
        bool open = false;
        for (std::size_t k = 0; k < appreciations.size(); ++k) {
            const DynamicAppreciationSource& source = kDynamicAppreciationSources[k];
            appreciations[k].See(DynamicAppreciationValue(source.index,
                                                          DynamicValueIndex(number, source.first) == 0,
                                                          DynamicValueIndex(number, source.second) == 0));
            open = open || !appreciations[k].Differs();
        }
        if (!open) break;
    }
    for (std::size_t k = 0; k < appreciations.size(); ++k)
        settle(kDynamicAppreciationSources[k].index, appreciations[k]);

    // The positions, and the order of each settled signpost's variations, come from the arrangement
    // the builder makes of each storyform: it is built for the storyforms left until each position
    // and order sought has been seen to differ (Limit changes no arrangement, so a storyform index is
    // built once).
    std::array<PointAgreement, kThroughlines> positions;
    std::array<Agreement<VariationOrder>, kSignposts> orders;
    std::array<std::int16_t, kSignposts> signposts{};
    for (std::size_t k = 0; k < signposts.size(); ++k) signposts[k] = ValueAt(SignpostIndex(k));
    std::array<bool, kStoryformIndexCount> built{};
    BuiltStoryform storyform;
    for (const std::uint16_t number : numbers) {
        bool open = false;
        for (int throughline = 0; throughline < kThroughlines; ++throughline)
            open = open || (!positions[static_cast<std::size_t>(throughline)].Differs() &&
                            !IsSet(ValueAt(ThroughlineStoryPointIndex(throughline, kPositionOffset))));
        bool ordersOpen = false;
        for (std::size_t k = 0; k < signposts.size(); ++k)
            ordersOpen = ordersOpen || (IsTypeID(signposts[k]) && !orders[k].Differs());
        if (!open && !ordersOpen) break;
        const std::size_t index = number & kStoryformIndexMask;
        if (built[index]) continue;
        built[index] = true;
        // A storyform the builder cannot take gives no position and no order, which no other shares.
        const bool made = CalcStoryformCodes(InputOf(number), storyform);
        for (int throughline = 0; throughline < kThroughlines; ++throughline)
            positions[static_cast<std::size_t>(throughline)].See(
                made ? storyform.points.GetValueAt(ThroughlineStoryPointIndex(throughline, kPositionOffset))
                     : std::int16_t{0});
        if (!ordersOpen) continue;
        const NodeIndex nodes = made ? BuildNodeIndex(storyform.shown) : NodeIndex{};
        for (std::size_t k = 0; k < signposts.size(); ++k) {
            if (IsTypeID(signposts[k]))
                orders[k].See(made ? ShownVariations(storyform.shown, nodes, signposts[k])
                                   : VariationOrder{});
        }
    }
    for (int throughline = 0; throughline < kThroughlines; ++throughline)
        settle(ThroughlineStoryPointIndex(throughline, kPositionOffset),
               positions[static_cast<std::size_t>(throughline)]);
    for (std::size_t k = 0; k < signposts.size(); ++k) signpostOrders_[k] = orders[k].Shared();
}
