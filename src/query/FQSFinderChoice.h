#pragma once
// What the structural finder stores for the rows of its chosen list: the point's chosen value (the
// one element, -1 for several, 0 for none) and the list of the chosen ids. A row marked 1 holds a
// value the storyform no longer allows; it stays in the list but does not count as chosen. At the
// element level the lists show the first 64 elements; the stored ids are moved into the quad of the
// throughline's domain.

#include <cstdint>
#include <span>
#include <vector>

struct FinderRow {
    std::int16_t id = 0;
    std::int16_t mark = 0;
};

struct FinderChoice {
    std::int16_t value = 0;
    std::vector<std::int16_t> ids;
};

inline constexpr std::int16_t kFirstFinderElement = 85;
inline constexpr std::int16_t kElementsPerDomain = 64;

// The element shown for an element id: folded onto the first 64 elements.
std::int16_t FinderShownElement(std::int16_t id);
// The element stored for a shown one under a domain value (none when the domain is not above 0).
std::int16_t FinderStoredElement(std::int16_t shown, std::int16_t domainValue);

FinderChoice ComposeFinderChoice(std::span<const FinderRow> rows, bool elementLevel, std::int16_t domainValue);
