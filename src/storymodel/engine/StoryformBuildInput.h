#pragma once
// What the throughline structure builder reads of a storyform, and what it writes.
//
// The builder needs only the eight dynamics and the crucial element (the overall story's problem
// with Change, the main character's problem with Steadfast); every other story point it reads is
// one that it wrote itself earlier in the same run. Taking these inputs as a plain record lets the
// engine data generator run the builder over every storyform without a story document, and lets the
// storyform manager run it with the values in force of its own story.

#include <array>
#include <cstdint>

#include "storymodel/engine/StoryformNumber.h"
#include "storymodel/engine/TheoryTables.h"
#include "storymodel/engine/ThroughlineStructure.h"

class IStoryForm;

struct StoryformBuildInput {
    // Value index of each dynamic (0 its first value, 1 its second), in dynamic order.
    std::array<std::uint8_t, kDynamicCount> dynamics{};
    // Element id 85-340: the overall story's problem (row 44) with Change, the main character's
    // problem (row 63) with Steadfast.
    std::int16_t crucialElement = 0;

    // The dynamics of a storyform number (Limit included), with the crucial element.
    static StoryformBuildInput ForNumber(std::uint16_t number, std::int16_t crucialElement);
    // The values in force of a story's storyform: its dynamics, and the overall story's problem
    // (Change) or the main character's (Steadfast). False when a dynamic holds none of its values.
    static bool FromStoryform(const IStoryForm& storyform, StoryformBuildInput& input);

    bool Second(Dynamic dynamic) const { return dynamics[dynamic] != 0; }
    bool IsChange() const { return !Second(kResolve); }
    bool IsSteadfast() const { return Second(kResolve); }
    bool IsStop() const { return !Second(kGrowth); }
    bool IsStart() const { return Second(kGrowth); }
    bool IsDoer() const { return !Second(kApproach); }
    bool IsBeer() const { return Second(kApproach); }
    bool IsLogical() const { return !Second(kProblemSolvingStyle); }
    bool IsIntuitive() const { return Second(kProblemSolvingStyle); }
    bool IsAction() const { return !Second(kDriver); }
    bool IsDecision() const { return Second(kDriver); }
    bool IsTimelock() const { return !Second(kLimit); }
    bool IsOptionlock() const { return Second(kLimit); }
    bool IsSuccess() const { return !Second(kOutcome); }
    bool IsFailure() const { return Second(kOutcome); }
    bool IsGood() const { return !Second(kJudgment); }
    bool IsBad() const { return Second(kJudgment); }

    // The pair kind of dynamic partners under Growth: 1 with Stop, 2 with Start.
    int GrowthPairKind() const { return IsStop() ? 1 : 2; }
};

// The story point values the builder derives, by row of the story point table, with a mark for
// each row it wrote. The builder reads back only rows it wrote.
struct BuiltStoryPoints {
    std::array<std::int16_t, kStoryPointCount> values{};
    std::array<bool, kStoryPointCount> written{};

    std::int16_t GetValueAt(int index) const { return values[static_cast<std::size_t>(index)]; }
    void SetValueAt(int index, std::int16_t value) {
        values[static_cast<std::size_t>(index)] = value;
        written[static_cast<std::size_t>(index)] = true;
    }
    bool operator==(const BuiltStoryPoints&) const = default;
};

// A built storyform: the story's structure 1 (the arrangement the positions and signposts were
// read from: Q for Intuitive, P for Logical), structure 2 (P, arranged by the first arrangement)
// and structure 3 (Q, arranged by both), and the derived story points. The storyform keeps all
// three as they are; its structure 4 takes the position bytes of Q's nodes.
struct BuiltStoryform {
    ThroughlineStructure shown;
    ThroughlineStructure p;
    ThroughlineStructure q;
    BuiltStoryPoints points;

    bool operator==(const BuiltStoryform&) const = default;
};
