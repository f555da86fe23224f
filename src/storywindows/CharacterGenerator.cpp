#include "storywindows/CharacterGenerator.h"

#include <algorithm>

#include "app/FKDoc.h"
#include "storymodel/Archetypes.h"
#include "storymodel/CharInfoRec.h"
#include "storymodel/CharacterManager.h"
#include "storymodel/engine/ElementTable.h"
#include "storymodel/engine/TheoryTables.h"

namespace {

constexpr int kPerDimension = kArchetypeElementCount / kDimensionCount;

bool IsHeld(CharacterManager& characters, std::int16_t element) {
    const int dimension = DimensionOfCharacteristic(element - kFirstElementID);
    return characters.FindCharacterWithCharacteristic(element, dimension) != kNoCharID;
}

std::vector<CharacterProposal> Archetypal(CharacterManager& characters, int count, std::mt19937& random) {
    std::vector<std::int16_t> free;
    for (std::int16_t archetype = kFirstArchetype; archetype <= kLastArchetype; ++archetype) {
        std::array<std::int16_t, kArchetypeElementCount> elements{};
        if (!ArchetypeElements(archetype, elements)) continue;
        if (std::none_of(elements.begin(), elements.end(),
                         [&](std::int16_t e) { return IsHeld(characters, e); }))
            free.push_back(archetype);
    }
    std::shuffle(free.begin(), free.end(), random);
    free.resize(std::min<std::size_t>(free.size(), static_cast<std::size_t>(count)));
    std::sort(free.begin(), free.end());
    std::vector<CharacterProposal> proposals;
    for (std::int16_t archetype : free) {
        CharacterProposal proposal;
        proposal.name = ArchetypeName(archetype);
        proposal.archetype = archetype;
        std::array<std::int16_t, kArchetypeElementCount> elements{};
        ArchetypeElements(archetype, elements);
        for (int i = 0; i < kArchetypeElementCount; ++i)
            proposal.characteristics[static_cast<std::size_t>(i / kPerDimension)].push_back(
                elements[static_cast<std::size_t>(i)]);
        proposals.push_back(std::move(proposal));
    }
    return proposals;
}

std::vector<CharacterProposal> Complex(CharacterManager& characters, int count, std::mt19937& random) {
    std::array<std::vector<std::int16_t>, kDimensionCount> free;
    for (int index = 0; index < kElementsPerClass; ++index) {
        const auto element = static_cast<std::int16_t>(kFirstElementID + index);
        const std::uint16_t dimension = DimensionOfCharacteristic(index);
        if (dimension < kDimensionCount && !IsHeld(characters, element)) free[dimension].push_back(element);
    }
    for (auto& elements : free) std::shuffle(elements.begin(), elements.end(), random);
    std::vector<CharacterProposal> proposals;
    while (static_cast<int>(proposals.size()) < count &&
           std::all_of(free.begin(), free.end(), [](const auto& e) { return e.size() >= kPerDimension; })) {
        CharacterProposal proposal;
        proposal.archetype = kComplexArchetype;
        for (std::size_t dimension = 0; dimension < free.size(); ++dimension) {
            auto& elements = free[dimension];
            proposal.characteristics[dimension].assign(elements.end() - kPerDimension, elements.end());
            elements.resize(elements.size() - kPerDimension);
            std::sort(proposal.characteristics[dimension].begin(), proposal.characteristics[dimension].end());
        }
        proposals.push_back(std::move(proposal));
    }
    return proposals;
}

}  // namespace

std::vector<CharacterProposal> ProposeCharacters(FKDoc& story, GeneratorKind kind, int count,
                                                 std::mt19937& random) {
    CharacterManager* characters = story.HasRecords() ? story.GetCharacterManager() : nullptr;
    if (!characters) return {};
    count = std::clamp(count, 1, kMaxProposals);
    return kind == GeneratorKind::kArchetypal ? Archetypal(*characters, count, random)
                                              : Complex(*characters, count, random);
}

CharID AddProposedCharacter(FKDoc& story, const CharacterProposal& proposal) {
    CharacterManager* characters = story.HasRecords() ? story.GetCharacterManager() : nullptr;
    if (!characters) return kNoCharID;
    const CharID id = characters->CreateCharacter(
        proposal.name.empty() ? nullptr : proposal.name.c_str(),
        static_cast<std::uint16_t>(std::max<std::int16_t>(0, characters->GetDefaultGender())), 0, 0, kNoRole,
        false);
    if (id == kNoCharID) return id;
    for (std::size_t dimension = 0; dimension < proposal.characteristics.size(); ++dimension) {
        std::vector<std::int16_t> elements;
        for (std::int16_t element : proposal.characteristics[dimension])
            if (!IsHeld(*characters, element)) elements.push_back(element);
        characters->SetCharacteristics(id, static_cast<int>(dimension), elements);
    }
    return id;
}

std::string DescribeProposal(const CharacterProposal& proposal) {
    std::string text = proposal.name.empty() ? "New character" : proposal.name;
    text += ":";
    const char* separator = " ";
    for (const auto& elements : proposal.characteristics) {
        for (std::int16_t element : elements) {
            text += separator;
            text += ElementName(element);
            separator = ", ";
        }
    }
    return text;
}
