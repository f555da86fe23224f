#pragma once
// The theory's characteristics: the 64 elements with ids 85-148, sorted into four dimensions, and
// the eight archetypes, each a fixed set of two elements per dimension.

#include <array>
#include <cstdint>

// Archetype values of a character: none given, characteristics that make no archetype, and the
// eight archetypes 4-11 (Protagonist, Antagonist, Sidekick, Skeptic, Emotion, Reason, Guardian,
// Contagonist).
inline constexpr std::int16_t kUnassignedArchetype = 0;
inline constexpr std::int16_t kComplexArchetype = 2;
inline constexpr std::int16_t kFirstArchetype = 4;
inline constexpr std::int16_t kLastArchetype = 11;
inline constexpr int kArchetypeElementCount = 8;

// The dimension 0-3 of the characteristic with the index 0-63 (element id - 85); 0xFFFF for any
// other index.
std::uint16_t DimensionOfCharacteristic(int index);
// The record key of dimension 0-3 ("Motv", "Meth", "Eval", "Purp") and its name; null for another.
const char* DimensionKey(int dimension);
const char* DimensionName(int dimension);

// The archetype's eight element ids, two per dimension in dimension order; false for a value that
// is no archetype.
bool ArchetypeElements(std::int16_t archetype, std::array<std::int16_t, kArchetypeElementCount>& elements);
// The same as characteristic indexes (element id - 85).
bool GetArchetypeCharacteristics(std::int16_t archetype,
                                 std::array<std::int16_t, kArchetypeElementCount>& characteristics);
// The name shown for an archetype value (0, 2 or 4-11); the empty text for another.
const char* ArchetypeName(std::int16_t archetype);
// Whether a character may hold the value: 0, 2 or 4-11.
bool IsArchetypeValue(std::int16_t archetype);
// The archetype whose elements are exactly the eight given ones, in any order; 0 when none is.
std::int16_t ArchetypeOfElements(const std::array<std::int16_t, kArchetypeElementCount>& elements);
