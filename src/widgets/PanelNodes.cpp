#include "widgets/PanelNodes.h"

#include <algorithm>

namespace panelnodes {

std::vector<int> Steps(std::int32_t node) {
    std::vector<int> steps;
    while (node > 0) {
        steps.push_back((node - 1) % 4);
        node = (node - 1) / 4;
    }
    return steps;
}

std::int32_t Depth(std::int32_t node) { return static_cast<std::int32_t>(Steps(node).size()); }

std::int32_t PowerOfFour(std::int32_t exponent) {
    std::int32_t power = 1;
    for (std::int32_t i = 0; i < exponent; ++i) power *= 4;
    return power;
}

std::int32_t FromSteps(const std::vector<int>& steps) {
    std::int32_t node = 0;
    std::int32_t weight = 1;
    for (const int slot : steps) {
        node += (slot + 1) * weight;
        weight *= 4;
    }
    return node;
}

std::int32_t Child(std::int32_t node, int slot) { return node + (slot + 1) * PowerOfFour(Depth(node)); }

std::int32_t FirstChild(std::int32_t node) { return Child(node, 0); }

std::int32_t Parent(std::int32_t node) {
    std::vector<int> steps = Steps(node);
    if (!steps.empty()) steps.pop_back();
    return FromSteps(steps);
}

std::int32_t Ancestor(std::int32_t node, std::int32_t levels) {
    std::vector<int> steps = Steps(node);
    steps.resize(static_cast<std::size_t>(
        std::max<std::int32_t>(static_cast<std::int32_t>(steps.size()) - levels, 0)));
    return FromSteps(steps);
}

std::int32_t CountInLevels(std::int32_t levels) { return (PowerOfFour(levels) - 1) / 3; }

GridPosition Grid(std::int32_t node) {
    const std::vector<int> steps = Steps(node);
    GridPosition position;
    position.depth = static_cast<std::int32_t>(steps.size());
    for (std::size_t k = 0; k < steps.size(); ++k) {
        const std::int32_t weight = 1 << (position.depth - 1 - static_cast<std::int32_t>(k));
        if (steps[k] & 1) position.x += weight;
        if (steps[k] & 2) position.y += weight;
    }
    return position;
}

std::int32_t FromGrid(const GridPosition& position) {
    std::vector<int> steps;
    for (std::int32_t k = 0; k < position.depth; ++k) {
        const std::int32_t bit = position.depth - 1 - k;
        steps.push_back(((position.x >> bit) & 1) | (((position.y >> bit) & 1) << 1));
    }
    return FromSteps(steps);
}

std::int32_t Relative(std::int32_t node, std::int32_t anchor) {
    const std::vector<int> steps = Steps(node);
    const std::vector<int> anchorSteps = Steps(anchor);
    if (steps.size() < anchorSteps.size() ||
        !std::equal(anchorSteps.begin(), anchorSteps.end(), steps.begin()))
        return kNotDisplayed;
    return FromSteps(
        std::vector<int>(steps.begin() + static_cast<std::ptrdiff_t>(anchorSteps.size()), steps.end()));
}

std::int32_t Absolute(std::int32_t relative, std::int32_t anchor) {
    return anchor + relative * PowerOfFour(Depth(anchor));
}

}  // namespace panelnodes
