#include "query/FQSRecap.h"

#include <array>

#include "storymodel/engine/ElementTable.h"
#include "storymodel/engine/StoryPointTable.h"

namespace {

constexpr std::array<const char*, 4> kThroughlineLabels = {"{NObje}", "Main Character", "{NObst} Character", "{NSubj}"};

class Composer {
public:
    explicit Composer(const StoryPointValueReader& valueAt) : valueAt_(valueAt) {}

    Composer& operator<<(const std::string& text) {
        text_ += text;
        return *this;
    }
    std::string Take() { return std::move(text_); }

    // A dynamic's value by its row.
    std::string Dynamic(int row) const {
        const std::int16_t value = valueAt_(row);
        return value < 1 ? "unchosen" : StoryPointName(value);
    }
    // An element's value of the throughline's point at the offset.
    std::string Element(int throughline, int offset) const {
        const std::int16_t value = valueAt_(ThroughlineStoryPointIndex(throughline, offset));
        if (value == -1) return "multiply defined";
        return value < 1 ? "unchosen" : ElementName(value);
    }

    void CharacterDynamics() {
        *this << "Resolve: " << Dynamic(0) << "\n" << "Growth: " << Dynamic(4) << "\n" << "Approach: " << Dynamic(7)
              << "\n" << "{NMSex}: " << Dynamic(10) << "\n";
    }
    void PlotDynamics() {
        *this << "Driver: " << Dynamic(13) << "\n" << "Limit: " << Dynamic(16) << "\n" << "Outcome: " << Dynamic(19)
              << "\n" << "Judgment: " << Dynamic(22) << "\n";
    }
    void BlockA(int t) {
        const std::string label = kThroughlineLabels[static_cast<std::size_t>(t)];
        *this << label << " {NDoma}:  " << Element(t, kDomainOffset) << "\n";
        *this << label << " Concern:  " << Element(t, kConcernOffset) << "\n";
        *this << label << " Issue:  " << Element(t, kIssueOffset) << "\n";
        *this << label << " Problem:  " << Element(t, kProblemOffset) << "\n";
    }
    void BlockB(int t) {
        const std::string label = kThroughlineLabels[static_cast<std::size_t>(t)];
        const bool character = t == kMainCharacter || t == kObstacleCharacter;
        *this << label << " Solution:  " << Element(t, kSolutionOffset) << "\n";
        *this << label << " {NFocu}:  " << Element(t, kFocusOffset) << "\n";
        *this << label << " {NDire}:  " << Element(t, kDirectionOffset) << "\n";
        *this << label << (character ? " Unique Ability:  " : " Catalyst:  ") << Element(t, kCatalystOffset) << "\n";
        *this << label << (character ? " Critical Flaw:  " : " Inhibitor:  ") << Element(t, kFlawOffset) << "\n";
        *this << label << " Benchmark:  " << Element(t, kBenchmarkOffset) << "\n";
    }
    void StoryPoints() {
        *this << "Story Goal:  " << Element(kObjectiveStory, kGoalOffset) << "\n";
        *this << "Story Consequence:  " << Element(kSubjectiveStory, kGoalOffset) << "\n";
        *this << "Story Cost:  " << Element(kObstacleCharacter, kGoalOffset) << "\n";
        *this << "Story Dividend:  " << Element(kMainCharacter, kGoalOffset) << "\n";
        *this << "Story Requirement:  " << Element(kObjectiveStory, kRequirementsOffset) << "\n";
        *this << "Story Prerequisites:  " << Element(kSubjectiveStory, kRequirementsOffset) << "\n";
        *this << "Story Preconditions:  " << Element(kObstacleCharacter, kRequirementsOffset) << "\n";
        *this << "Story Forewarnings:  " << Element(kMainCharacter, kRequirementsOffset) << "\n";
    }
    // Blocks A and B of the throughline, each followed by a line end.
    void Blocks(int t) {
        BlockA(t);
        *this << "\n";
        BlockB(t);
        *this << "\n";
    }

private:
    const StoryPointValueReader& valueAt_;
    std::string text_;
};

}  // namespace

std::string ComposeRecap(std::int16_t type, const StoryPointValueReader& valueAt) {
    Composer c(valueAt);
    switch (type) {
        case 1: break;
        case 2:
            c << "QUICK STORY RECAP:\n\n" << "Main Character: {CNN(MC,NM)}\n" << "{NObst} Character: {CNN(OC,NM)}\n" << "\n";
            c.CharacterDynamics();
            c << "\n";
            c.PlotDynamics();
            c << "\n";
            c.BlockA(kObjectiveStory);
            c << "\n";
            break;
        case 3:
            c << "{CObje} STORY RECAP:\n\n";
            c.PlotDynamics();
            c << "\n";
            c.Blocks(kObjectiveStory);
            c.StoryPoints();
            c << "\n";
            break;
        case 4:
            c << "{CSubj} STORY RECAP:\n\n";
            c.Blocks(kSubjectiveStory);
            break;
        case 5:
            c << "MAIN CHARACTER RECAP:\n\n" << "Main Character: {CNN(MC,NM)}\n\n";
            c.CharacterDynamics();
            c << "\n";
            c.Blocks(kMainCharacter);
            break;
        case 6:
            c << "{CObst} CHARACTER RECAP:\n\n" << "{NObst} Character: {CNN(OC,NM)}\n\n";
            c.Blocks(kObstacleCharacter);
            break;
        case 7:
            c << "STORYFORMING RECAP:\n\n" << "DYNAMICS RECAP:\n\n";
            c.CharacterDynamics();
            c.PlotDynamics();
            c << "\n" << "{CObje} STORY RECAP:\n";
            c.Blocks(kObjectiveStory);
            c << "{CSubj} STORY RECAP:\n";
            c.Blocks(kSubjectiveStory);
            c << "MAIN CHARACTER RECAP:\n" << "Main Character: {CNN(MC,NM)}\n";
            c.Blocks(kMainCharacter);
            c << "{CObst} CHARACTER RECAP:\n" << "{NObst} Character: {CNN(OC,NM)}\n";
            c.Blocks(kObstacleCharacter);
            c << "ADDITIONAL {CAppr} RECAP:\n";
            c.StoryPoints();
            c << "\n";
            break;
        default: return {};
    }
    return c.Take();
}
