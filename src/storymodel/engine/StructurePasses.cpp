#include "storymodel/engine/StructurePasses.h"

#include <algorithm>

#include "storymodel/engine/ElementTable.h"
#include "storymodel/engine/QuadPartners.h"
#include "storymodel/engine/StoryPointTable.h"
#include "storymodel/engine/StructurePlaces.h"

namespace {

constexpr std::size_t kClassDigit = 0, kTypeDigit = 1, kVariationDigit = 2, kElementDigit = 3;

int Row(int throughline, int offset) { return ThroughlineStoryPointIndex(throughline, offset); }

std::int16_t IdAt(const StructureCode& code) { return static_cast<std::int16_t>(DefaultIDAt(code.data())); }

StructureCode Partner(int depth, int kind, const StructureCode& code) {
    StructureCode partner;
    QuadPartnerCode(depth, kind, code.data(), partner);
    return partner;
}

StructureCode WithDigit(StructureCode code, std::size_t index, int digit) {
    code[index] = static_cast<char>('0' + digit);
    return code;
}

// From the element level up: the code with its digits from the index on set to '0'.
StructureCode Truncated(StructureCode code, std::size_t from) {
    for (std::size_t i = from; i < 4; ++i) code[i] = '0';
    return code;
}

// The same element placed in the class that partners the code's class under the pair kind.
StructureCode Moved(int pairKind, const StructureCode& code) {
    StructureCode moved;
    PartnerClassElementCode(GetDefaultThroughlineStructure(), pairKind, code.data(), moved);
    return moved;
}

class PassWriter {
public:
    PassWriter(const StoryformBuildInput& input, BuiltStoryPoints& points) : input_(input), points_(points) {}

    StructureCode CodeOfRow(int index) const { return CodeOfElement(points_.GetValueAt(index)); }
    int HomeClass(int throughline) const {
        return points_.GetValueAt(Row(throughline, kHomeClassOffset)) - '0';
    }

    void SetAt(int throughline, int offset, const StructureCode& code) {
        points_.SetValueAt(Row(throughline, offset), IdAt(code));
    }
    void SetDomain(int throughline, const StructureCode& code) {
        points_.SetValueAt(Row(throughline, kHomeClassOffset), static_cast<std::int16_t>(code[kClassDigit]));
        SetAt(throughline, kDomainOffset, code);
    }
    void SetConcern(int throughline, const StructureCode& code) {
        SetAt(throughline, kConcernOffset, code);
        SetAt(throughline, kGoalOffset, code);
    }
    void SetIssue(int throughline, const StructureCode& code) {
        SetAt(throughline, kIssueOffset, code);
        SetAt(throughline, kCounterpointOffset, CounterpointCode(code));
    }
    // Problem, focus, solution (the problem's dynamic partner) and direction (the focus's).
    void SetElementPoints(int throughline, const StructureCode& problem, const StructureCode& focus) {
        SetAt(throughline, kProblemOffset, problem);
        SetAt(throughline, kFocusOffset, focus);
        SetAt(throughline, kSolutionOffset, Partner(1, 0, problem));
        SetAt(throughline, kDirectionOffset, Partner(1, 0, focus));
    }
    StructureCode DynamicPartner(const StructureCode& code) const { return DynamicPartnerCode(input_, code); }

    const StoryformBuildInput& input() const { return input_; }
    BuiltStoryPoints& points() { return points_; }

private:
    const StoryformBuildInput& input_;
    BuiltStoryPoints& points_;
};

void ConcernsPass(PassWriter& w) {
    w.SetConcern(kSubjectiveStory, Partner(2, 0, w.CodeOfRow(Row(kObjectiveStory, kConcernOffset))));
    w.SetConcern(kObstacleCharacter, Partner(2, 0, w.CodeOfRow(Row(kMainCharacter, kConcernOffset))));
}

void DomainsPass(PassWriter& w) {
    w.SetDomain(kSubjectiveStory, Partner(1, 0, w.CodeOfRow(Row(kObjectiveStory, kDomainOffset))));
    w.SetDomain(kObstacleCharacter, Partner(1, 0, w.CodeOfRow(Row(kMainCharacter, kDomainOffset))));
}

// The benchmark's type position, from the position t of the overall story's concern.
int BenchmarkPosition(const StoryformBuildInput& in, int t) {
    const bool a = t == 1 || t == 3;
    const bool b = t == 1 || t == 2;
    if (in.IsIntuitive()) {
        // Steadfast with Failure and Change with Success take the first pair of columns.
        const bool first = in.IsFailure() == in.IsSteadfast();
        if (first) return in.IsDecision() ? (a ? 4 : 3) : (a ? 2 : 1);
        return in.IsDecision() ? (a ? 2 : 1) : (a ? 4 : 3);
    }
    // Steadfast with Bad and Change with Good take the first pair of columns.
    const bool first = in.IsBad() == in.IsSteadfast();
    if (first) return in.IsDecision() ? (b ? 3 : 1) : (b ? 4 : 2);
    return in.IsDecision() ? (b ? 4 : 2) : (b ? 3 : 1);
}

void BenchmarksPass(PassWriter& w) {
    const StructureCode concern = w.CodeOfRow(Row(kObjectiveStory, kConcernOffset));
    const StructureCode x =
        WithDigit(concern, kTypeDigit, BenchmarkPosition(w.input(), concern[kTypeDigit] - '0'));
    w.SetAt(kObjectiveStory, kBenchmarkOffset, x);
    w.SetAt(kObjectiveStory, kRequirementsOffset, x);
    const StructureCode subjective = Partner(2, 0, x);
    w.SetAt(kSubjectiveStory, kBenchmarkOffset, subjective);
    w.SetAt(kSubjectiveStory, kRequirementsOffset, subjective);
    const StructureCode y = WithDigit(x, kClassDigit, w.HomeClass(kMainCharacter));
    w.SetAt(kMainCharacter, kBenchmarkOffset, y);
    w.SetAt(kMainCharacter, kRequirementsOffset, y);
    const StructureCode obstacle = Partner(2, 0, y);
    w.SetAt(kObstacleCharacter, kBenchmarkOffset, obstacle);
    w.SetAt(kObstacleCharacter, kRequirementsOffset, obstacle);
}

void IssuesPass(PassWriter& w) {
    w.SetIssue(kSubjectiveStory, Partner(3, 0, w.CodeOfRow(Row(kObjectiveStory, kIssueOffset))));
    w.SetIssue(kObstacleCharacter, Partner(3, 0, w.CodeOfRow(Row(kMainCharacter, kIssueOffset))));
}

// The catalyst's variation position, from the position v of the overall story's issue.
int CatalystPosition(const StoryformBuildInput& in, int v) {
    const bool a = v == 1 || v == 3;
    const bool b = v == 1 || v == 2;
    if (in.IsLogical()) {
        // Bad with Stop and Good with Start give the Do-er the upper pair; the other two the Be-er.
        const bool doerHigh = in.IsBad() == in.IsStop();
        const bool high = doerHigh == in.IsDoer();
        return high ? (a ? 4 : 3) : (a ? 2 : 1);
    }
    // Failure with Stop and Success with Start give the Be-er the odd positions; the other two the
    // Do-er.
    const bool beerOdd = in.IsFailure() == in.IsStop();
    const bool odd = beerOdd == in.IsBeer();
    return odd ? (b ? 3 : 1) : (b ? 4 : 2);
}

void CatalystsPass(PassWriter& w) {
    const StructureCode issue = w.CodeOfRow(Row(kObjectiveStory, kIssueOffset));
    const StructureCode x =
        WithDigit(issue, kVariationDigit, CatalystPosition(w.input(), issue[kVariationDigit] - '0'));
    w.SetAt(kObjectiveStory, kCatalystOffset, x);
    w.SetAt(kSubjectiveStory, kCatalystOffset, Partner(3, 0, x));
    const StructureCode y = WithDigit(x, kClassDigit, w.HomeClass(kMainCharacter));
    w.SetAt(kMainCharacter, kCatalystOffset, y);
    w.SetAt(kObstacleCharacter, kCatalystOffset, Partner(3, 0, y));
}

// The pair kind that carries an element from the overall story's home class to another
// throughline's.
int HomeClassPairKind(const PassWriter& w, int throughline) {
    const int kind = QuadPairKind(ClassCode(w.HomeClass(kObjectiveStory)).data(),
                                  ClassCode(w.HomeClass(throughline)).data());
    return std::max(kind, 0);
}

void MainCharacterProblemsPass(PassWriter& w) {
    const int k = HomeClassPairKind(w, kMainCharacter);
    StructureCode problem;
    if (w.input().IsSteadfast()) {
        problem = w.CodeOfRow(Row(kMainCharacter, kProblemOffset));
    } else {
        problem = Moved(k, w.CodeOfRow(Row(kObjectiveStory, kProblemOffset)));
    }
    w.SetElementPoints(kMainCharacter, problem, w.DynamicPartner(problem));
}

void ObstacleCharacterProblemsPass(PassWriter& w) {
    const int k = HomeClassPairKind(w, kObstacleCharacter);
    StructureCode problem, focus;
    if (w.input().IsSteadfast()) {
        problem = Moved(k, w.CodeOfRow(Row(kObjectiveStory, kProblemOffset)));
        focus = w.DynamicPartner(problem);
    } else {
        focus = Moved(k, w.CodeOfRow(Row(kObjectiveStory, kFocusOffset)));
        problem = w.DynamicPartner(focus);
    }
    w.SetElementPoints(kObstacleCharacter, problem, focus);
}

void SubjectiveStoryProblemsPass(PassWriter& w) {
    StructureCode problem, focus;
    if (w.input().IsSuccess()) {
        focus = Moved(0, w.CodeOfRow(Row(kObjectiveStory, kFocusOffset)));
        problem = w.DynamicPartner(focus);
    } else {
        problem = Moved(0, w.CodeOfRow(Row(kObjectiveStory, kProblemOffset)));
        focus = w.DynamicPartner(problem);
    }
    w.SetElementPoints(kSubjectiveStory, problem, focus);
}

void CriticalFlawsPass(PassWriter& w) {
    const int k = w.input().IsSteadfast() ? 1 : 0;
    for (int throughline : {kMainCharacter, kObstacleCharacter, kObjectiveStory, kSubjectiveStory}) {
        const StructureCode catalyst = w.CodeOfRow(Row(throughline, kCatalystOffset));
        w.SetAt(throughline, kFlawOffset, Partner(3, k, Partner(1, k, catalyst)));
    }
}

void PositionsAndSignpostsPass(PassWriter& w, const ThroughlineStructure& shown) {
    for (int slot = 1; slot <= 4; ++slot) {
        const StructureCode classCode = ClassCode(slot);
        const std::uint16_t classID = NodeForCode(shown, classCode.data())->elementID;
        const StructureCode firstType = WithDigit(classCode, kTypeDigit, 1);
        const std::uint8_t typeClass = NodeForCode(shown, firstType.data())->classDigit;
        for (int throughline = 0; throughline < 4; ++throughline) {
            const std::int16_t domain = w.points().GetValueAt(Row(throughline, kDomainOffset));
            if (domain == classID)
                w.points().SetValueAt(Row(throughline, kPositionOffset), static_cast<std::int16_t>(slot));
            if (ElementClassDigit(domain) != typeClass) continue;
            for (int t = 1; t <= 4; ++t) {
                const StructureCode type = WithDigit(classCode, kTypeDigit, t);
                w.points().SetValueAt(Row(throughline, kSignpostOffset + t - 1),
                                      static_cast<std::int16_t>(NodeForCode(shown, type.data())->elementID));
            }
        }
    }
}

}  // namespace

StructureCode CodeOfElement(std::int16_t id) {
    StructureCode code = {'0', '0', '0', '0', '0', '\0'};
    if (const ElementRecord* row = ElementRecordByID(id)) std::copy_n(row->code, 5, code.begin());
    return code;
}

StructureCode ClassCode(int classDigit) {
    return {static_cast<char>('0' + classDigit), '0', '0', '0', '0', '\0'};
}

StructureCode CounterpointCode(const StructureCode& issue) { return Partner(1, 0, issue); }

StructureCode DynamicPartnerCode(const StoryformBuildInput& input, const StructureCode& code) {
    return WithDigit(code, kElementDigit, QuadPartner(input.GrowthPairKind(), code[kElementDigit] - '0'));
}

void SetProblemPoints(const StoryformBuildInput& input, BuiltStoryPoints& points,
                      const StructureCode& problem, int throughline) {
    PassWriter w(input, points);
    w.SetIssue(throughline, Truncated(problem, kElementDigit));
    w.SetConcern(throughline, Truncated(problem, kVariationDigit));
    w.SetDomain(throughline, Truncated(problem, kTypeDigit));
    w.SetElementPoints(throughline, problem, w.DynamicPartner(problem));
}

void RunStructurePasses(const StoryformBuildInput& input, BuiltStoryform& built) {
    PassWriter w(input, built.points);
    ConcernsPass(w);
    DomainsPass(w);
    BenchmarksPass(w);
    IssuesPass(w);
    CatalystsPass(w);
    MainCharacterProblemsPass(w);
    ObstacleCharacterProblemsPass(w);
    SubjectiveStoryProblemsPass(w);
    CriticalFlawsPass(w);
    // The positions and signposts are read from the arrangement that the storyform shows as its
    // structure 1, so what a writer sees in the structure and the story points always agree.
    built.shown = input.IsIntuitive() ? built.q : built.p;
    PositionsAndSignpostsPass(w, built.shown);
}
