#include "query/FQSFinderChoice.h"

std::int16_t FinderShownElement(std::int16_t id) {
    if (id < kFirstFinderElement) return id;
    return static_cast<std::int16_t>((id - kFirstFinderElement) % kElementsPerDomain + kFirstFinderElement);
}

std::int16_t FinderStoredElement(std::int16_t shown, std::int16_t domainValue) {
    if (domainValue <= 0) return shown;
    return static_cast<std::int16_t>(shown + (domainValue - 1) * kElementsPerDomain);
}

FinderChoice ComposeFinderChoice(std::span<const FinderRow> rows, bool elementLevel, std::int16_t domainValue) {
    FinderChoice choice;
    std::int32_t unmarked = 0;
    std::int16_t single = 0;
    for (const FinderRow& row : rows) {
        const std::int16_t id = elementLevel ? FinderStoredElement(row.id, domainValue) : row.id;
        choice.ids.push_back(id);
        if (row.mark == 0) {
            ++unmarked;
            single = id;
        }
    }
    if (unmarked == 0) {
        choice.value = 0;
        choice.ids.clear();
    } else if (rows.size() >= 2) {
        choice.value = -1;
    } else {
        choice.value = single;
    }
    return choice;
}
